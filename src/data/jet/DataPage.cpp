#include "data/jet/DataPage.h"

#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"

namespace jet {

DataPage::DataPage(const JetFile &file, std::uint32_t number)
    : m_page(file.page(number)), m_offsetsAt(file.format().rowCountOffset + 2)
{
    if (m_page.u8(0) != page::Data)
        throw JetError("page " + std::to_string(number) + " is not a data page");
    m_rowCount = m_page.u16(file.format().rowCountOffset);
    if (m_offsetsAt + std::size_t(m_rowCount) * 2 > m_page.size())
        throw JetError("page " + std::to_string(number) + " claims " + std::to_string(m_rowCount)
                       + " rows, more than fit on it");
}

std::uint16_t DataPage::rawOffset(std::uint16_t row) const
{
    if (row >= m_rowCount)
        throw JetError("page " + std::to_string(number()) + " has no row " + std::to_string(row));
    return m_page.u16(m_offsetsAt + std::size_t(row) * 2);
}

Bytes DataPage::row(std::uint16_t row) const
{
    const std::size_t start = rawOffset(row) & row::OffsetMask;
    const std::size_t end = row == 0 ? m_page.size() : (rawOffset(std::uint16_t(row - 1)) & row::OffsetMask);
    if (start < m_offsetsAt + std::size_t(m_rowCount) * 2 || end < start || end > m_page.size())
        throw JetError("page " + std::to_string(number()) + ": row " + std::to_string(row) + " has impossible bounds "
                       + std::to_string(start) + ".." + std::to_string(end));
    return m_page.slice(start, end - start);
}

Bytes DataPage::rowAt(const JetFile &file, std::uint32_t pointer)
{
    return DataPage(file, pointer >> 8).row(std::uint16_t(pointer & 0xFF));
}

} // namespace jet
