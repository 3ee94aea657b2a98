#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/JetFormat.h"

#include <cstddef>
#include <string_view>

namespace gen::jet {

// Text as a Jet file stores it, from UTF-8 (malformed sequences read as U+FFFD).
//
// Jet 3 stores the database's code page, cp1252. A character cp1252 cannot hold becomes "?",
// as Windows' own conversion to the ANSI code page does; so do the C1 controls U+0080-U+009F,
// which cp1252 gives other meanings.
//
// Jet 4 stores UTF-16 (UCS-2 in Access's words; characters past U+FFFF as surrogate pairs). With
// compress, a text whose characters all lie in U+0001-U+00FF and that gets shorter is written in
// the "compressed Unicode" form: the marker FF FE, then one byte a character. A text that begins
// with U+FEFF would read as that marker, so it is written as the marker, a switch to two-byte
// mode (00) and the plain UTF-16.
Bytes encodeText(JetVersion version, std::string_view utf8, bool compress);

// The length Access gives the text: bytes in Jet 3, UTF-16 units in Jet 4. A Text column holds
// at most 255.
std::size_t textLength(JetVersion version, std::string_view utf8);

// Access compresses a long value only up to this many characters.
inline constexpr std::size_t MaxCompressedMemoLength = 1024;

} // namespace gen::jet
