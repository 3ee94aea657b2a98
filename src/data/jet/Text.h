#pragma once

#include "data/jet/Bytes.h"

#include <cstdint>
#include <string>

namespace jet {

// Text as stored in the file, turned into UTF-8.
namespace text {

// Jet 3 stores text in the database's code page. Windows-1252 (and 0, "unset") is decoded;
// for any other code page only ASCII is, and other bytes throw rather than read as wrong letters.
std::string fromCodePage(Bytes bytes, std::uint16_t codePage);

// Jet 4 stores UTF-16 little-endian, or its "compressed" form: a 0xFF 0xFE mark, then runs of
// one byte per character (high byte zero) and runs of two, switched by a 0x00 byte.
std::string fromJet4(Bytes bytes);

void appendUtf8(std::string &out, char32_t codePoint);

} // namespace text
} // namespace jet
