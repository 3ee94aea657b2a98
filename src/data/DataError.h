#pragma once

#include <QString>
#include <stdexcept>

// A failure while opening or reading the calendar table. The message is meant for the user:
// the program-wide error trap shows it as it stands.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// The database file itself cannot be used (missing, unreadable, not a calendar database, no
// calendar table). Start-up treats this as fatal: one report, then the process ends.
class DatabaseUnusable : public DataError
{
public:
    using DataError::DataError;
};
