#pragma once

#include "tools/jet/JetFormat.h"
#include "tools/jet/JetTable.h"

#include <cstddef>
#include <vector>

namespace gen::jet {

// Where each column of a table lives in a row: fixed-length columns at fixed offsets after the
// column count, variable-length ones in the order of their variable index after those.
struct ColumnLayout
{
    bool fixed = false;
    std::size_t fixedOffset = 0;  // fixed columns: offset in the fixed area
    std::size_t varIndex = 0;     // variable columns: index; fixed ones: variable columns before it
    std::size_t declaredSize = 0; // the column size a table definition gives
};

struct TableLayout
{
    std::vector<ColumnLayout> columns; // in column order; a column's number is its index
    std::size_t fixedAreaSize = 0;
    std::size_t varCount = 0;
};

TableLayout layoutOf(const std::vector<Column> &columns, const JetFormat &format);

} // namespace gen::jet
