#pragma once

#include <cstdint>
#include <vector>

namespace jet {

class JetFile;

// Which pages a table owns. The map is a row on some data page: either a bitmap with its first
// page ("inline" map, type 0) or a list of usage-map pages that each hold a bitmap ("reference"
// map, type 1). The result is ascending and free of repeats.
namespace usageMap {

// Throws JetError for an empty or unknown map, or one that names pages past the end of the file.
std::vector<std::uint32_t> pages(const JetFile &file, std::uint32_t pointer);

} // namespace usageMap
} // namespace jet
