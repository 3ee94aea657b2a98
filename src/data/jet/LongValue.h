#pragma once

#include "data/jet/Bytes.h"

#include <cstdint>
#include <vector>

namespace jet {

class JetFile;

// Memo (and OLE) values: a 12-byte header in the row gives the length and where the bytes are:
// right after the header, in one row of a long-value page, or in a chain of such rows where
// each row starts with the pointer to the next.
namespace longValue {

// Longer values are refused, so that a damaged length cannot make the reader allocate gigabytes.
constexpr std::uint32_t MaxLength = 16u << 20;

// Throws JetError for a damaged header, a chain that loops, breaks off or leaves the file.
std::vector<std::uint8_t> read(const JetFile &file, Bytes field);

} // namespace longValue
} // namespace jet
