#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/JetTable.h"
#include "tools/jet/TableLayout.h"

#include <cstdint>
#include <vector>

namespace gen::jet {

// Where a table's usage maps are: rows on map pages, as page << 8 | row.
struct MapPair
{
    std::uint32_t used = 0;
    std::uint32_t free = 0;
};

struct TableDefinitionInput
{
    const Table &table;
    const TableLayout &layout;
    std::uint32_t rowCount = 0;
    MapPair dataMaps;
    std::vector<MapPair> longValueMaps; // one per Memo or OLE column, in column order
};

// The table definition page: counts, the pointers to the usage maps, one entry per column
// (type, number, offsets, size, flags), the column names, and the usage maps of the long-value
// columns. The tables written here have no indexes.
Bytes tableDefinitionPage(const JetFormat &format, const TableDefinitionInput &input);

} // namespace gen::jet
