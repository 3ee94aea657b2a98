#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/TableLayout.h"

#include <optional>
#include <vector>

namespace gen::jet {

// One field as it goes into a row: its stored bytes, or nothing for Null.
using Field = std::optional<Bytes>;

// Packs one row: the column count, the fixed area, the variable data, then, read backwards from
// the end, the null mask (a set bit is a value), the count of variable columns and the table
// of where each variable column begins, the end of the variable data first.
//
// Jet 4 writes those offsets as two bytes. Jet 3 writes one byte each and a jump table: for
// every 256-byte boundary the offsets pass, the index of the first column at or past it. Its
// length follows from the row's length (one entry for every 256 bytes after the first), so a
// row whose offsets stay below the last boundary carries a placeholder 0xFF.
Bytes encodeRow(const JetFormat &format, const TableLayout &layout, const std::vector<Field> &fields);

} // namespace gen::jet
