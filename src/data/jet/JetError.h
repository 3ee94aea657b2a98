#pragma once

#include <stdexcept>
#include <string>

namespace jet {

// Anything the reader cannot make sense of: a damaged or foreign file, a value of a type it does
// not read. The message says what failed; callers add the file name.
class JetError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A sound file of a kind the reader does not handle (encrypted, Access 2007 and later).
class UnsupportedFile : public JetError
{
public:
    using JetError::JetError;
};

// A column whose values exist but are of a kind the reader does not decode (OLE, binary, ...).
class UnsupportedType : public JetError
{
public:
    using JetError::JetError;
};

} // namespace jet
