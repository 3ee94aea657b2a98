#pragma once

#include "data/jet/Bytes.h"

#include <cstdint>
#include <vector>

namespace jet {

struct Column;
struct JetFormat;

// Where each column's value lies in one row. A row holds its column count, the fixed-length
// columns, the variable-length columns, then (read backwards from its end) the null mask, the
// number of variable columns and their offsets; Jet 3 adds a jump table, since its one-byte
// offsets cannot reach past 255.
class RowLayout
{
public:
    // Throws JetError when the row's own counts and offsets do not fit inside it.
    RowLayout(Bytes row, std::uint16_t tableVarColumns, const JetFormat &format);

    // A column the row does not have (added after the row was written) reads as null.
    bool isNull(const Column &column) const;
    // A Boolean is its null-mask bit.
    bool flag(const Column &column) const;
    // The stored bytes of a column that is not null.
    Bytes field(const Column &column) const;

private:
    bool maskBit(std::uint16_t number) const;
    void readJet4Offsets();
    void readJet3Offsets();

    Bytes m_row;
    std::uint16_t m_columnCount = 0;
    std::size_t m_countSize = 1;
    Bytes m_nullMask;
    std::vector<std::uint32_t> m_varOffsets; // one per variable column, then the end of their data
    std::size_t m_dataEnd = 0;               // where the trailing structures begin
};

} // namespace jet
