#pragma once

#include "tools/jet/JetTable.h"
#include "tools/jet/PageFile.h"
#include "tools/jet/TableLayout.h"

#include <cstdint>
#include <vector>

namespace gen::jet {

// The pages a table's rows took, for its usage maps. "With room" are the pages a later row
// would still go to: the last page of each kind, as after Access appends rows one by one.
struct PageSets
{
    std::vector<std::uint32_t> used;
    std::vector<std::uint32_t> withRoom;
};

struct WrittenRows
{
    PageSets data;
    std::vector<PageSets> longValues; // one per Memo or OLE column, in column order
};

// Writes the rows of a table in their order onto new data pages (and its long values onto
// long-value pages), so that a scan of the pages in page order yields them in that order.
WrittenRows writeTableRows(PageFile &file, const Table &table, const TableLayout &layout, std::uint32_t definitionPage);

} // namespace gen::jet
