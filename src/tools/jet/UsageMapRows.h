#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/PageFile.h"
#include "tools/jet/TableDefinition.h"
#include "tools/jet/TableRows.h"

#include <cstdint>
#include <optional>

namespace gen::jet {

// The rows that hold usage maps, on pages of their own: reserved while the tables are laid out
// (a table definition names them), filled in once every page of the file is known.
class UsageMapRows
{
public:
    explicit UsageMapRows(PageFile &file) : m_file(file) {}

    MapPair reservePair() { return {reserve(), reserve()}; }
    // The maps of the given pages, and of those among them with room.
    void fill(const MapPair &at, const PageSets &pages);
    // Any map row, as page << 8 | row.
    void put(std::uint32_t at, const Bytes &map);

private:
    std::uint32_t reserve();

    PageFile &m_file;
    std::optional<std::uint32_t> m_page;
};

} // namespace gen::jet
