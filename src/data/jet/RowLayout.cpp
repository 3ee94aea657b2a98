#include "data/jet/RowLayout.h"

#include "data/jet/Column.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFormat.h"

#include <string>

namespace jet {

RowLayout::RowLayout(Bytes row, std::uint16_t tableVarColumns, const JetFormat &format)
    : m_row(row), m_countSize(format.rowCountSize)
{
    m_columnCount = m_countSize == 1 ? row.u8(0) : row.u16(0);
    const std::size_t maskSize = (std::size_t(m_columnCount) + 7) / 8;
    if (m_countSize + maskSize > row.size())
        throw JetError("page " + std::to_string(row.page()) + ": a row of " + std::to_string(row.size())
                       + " bytes cannot hold its null mask");
    m_nullMask = row.slice(row.size() - maskSize, maskSize);
    m_dataEnd = row.size() - maskSize;
    if (tableVarColumns == 0)
        return;
    if (format.jet4)
        readJet4Offsets();
    else
        readJet3Offsets();
    for (std::size_t i = 0; i < m_varOffsets.size(); ++i) {
        const std::uint32_t low = i == 0 ? m_countSize : m_varOffsets[i - 1];
        if (m_varOffsets[i] < low || m_varOffsets[i] > m_dataEnd)
            throw JetError("page " + std::to_string(row.page())
                           + ": the variable-length column offsets of a row are out of order");
    }
}

void RowLayout::readJet4Offsets()
{
    const std::size_t maskSize = m_nullMask.size();
    if (m_countSize + maskSize + 2 > m_row.size())
        throw JetError("page " + std::to_string(m_row.page()) + ": a row is too short for its variable columns");
    const std::uint16_t varCount = m_row.u16(m_row.size() - maskSize - 2);
    const std::uint64_t tableSize = 2 + 2 * (std::uint64_t(varCount) + 1);
    if (m_countSize + maskSize + tableSize > m_row.size())
        throw JetError("page " + std::to_string(m_row.page()) + ": a row claims " + std::to_string(varCount)
                       + " variable columns, more than fit in it");
    m_dataEnd = m_row.size() - maskSize - std::size_t(tableSize);
    m_varOffsets.resize(std::size_t(varCount) + 1);
    for (std::size_t i = 0; i <= varCount; ++i)
        m_varOffsets[i] = m_row.u16(m_row.size() - maskSize - 4 - 2 * i);
}

// Each jump-table entry names the first variable column whose offset has passed another 256
// bytes. The table has one entry per whole 256 bytes of row, so the last one may be a dummy.
void RowLayout::readJet3Offsets()
{
    const std::int64_t maskSize = std::int64_t(m_nullMask.size());
    const std::int64_t rowEnd = std::int64_t(m_row.size()) - 1;
    if (rowEnd - maskSize < std::int64_t(m_countSize))
        throw JetError("page " + std::to_string(m_row.page()) + ": a row is too short for its variable columns");
    const std::int64_t varCount = m_row.u8(std::uint64_t(rowEnd - maskSize));
    std::int64_t jumps = (rowEnd) / 256;
    const std::int64_t offsetsEnd = rowEnd - maskSize - jumps - 1; // entry 0 is here, the rest below
    if (offsetsEnd - varCount < std::int64_t(m_countSize))
        throw JetError("page " + std::to_string(m_row.page()) + ": a row claims " + std::to_string(varCount)
                       + " variable columns, more than fit in it");
    if ((offsetsEnd - varCount) / 256 < jumps)
        --jumps;
    m_dataEnd = std::size_t(offsetsEnd - varCount);
    m_varOffsets.resize(std::size_t(varCount) + 1);
    std::int64_t used = 0;
    for (std::int64_t i = 0; i <= varCount; ++i) {
        while (used < jumps && i == m_row.u8(std::uint64_t(rowEnd - maskSize - used - 1)))
            ++used;
        m_varOffsets[std::size_t(i)] = std::uint32_t(m_row.u8(std::uint64_t(offsetsEnd - i)) + used * 256);
    }
}

bool RowLayout::maskBit(std::uint16_t number) const
{
    if (number >= m_columnCount)
        return false;
    return (m_nullMask.data()[number / 8] >> (number % 8)) & 1;
}

bool RowLayout::isNull(const Column &column) const
{
    if (!maskBit(column.number))
        return true;
    return !column.fixed && std::size_t(column.varIndex) + 1 >= m_varOffsets.size();
}

bool RowLayout::flag(const Column &column) const
{
    return maskBit(column.number);
}

Bytes RowLayout::field(const Column &column) const
{
    std::uint64_t start;
    std::uint64_t end;
    if (column.fixed) {
        start = m_countSize + std::uint64_t(column.fixedOffset);
        end = start + column.fixedSize();
    } else {
        if (std::size_t(column.varIndex) + 1 >= m_varOffsets.size())
            throw JetError("the column " + column.name + " is not stored in this row");
        start = m_varOffsets[column.varIndex];
        end = m_varOffsets[std::size_t(column.varIndex) + 1];
    }
    const std::uint64_t limit = column.fixed && !m_varOffsets.empty() ? m_varOffsets.front() : m_dataEnd;
    if (end > limit)
        throw JetError("page " + std::to_string(m_row.page()) + ": the value of " + column.name + " runs past its row");
    return m_row.slice(start, end - start);
}

} // namespace jet
