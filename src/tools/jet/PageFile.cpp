#include "tools/jet/PageFile.h"

#include <stdexcept>

namespace gen::jet {

namespace {

std::uint32_t get16(const Bytes &page, std::size_t at)
{
    return page[at] | page[at + 1] << 8;
}

} // namespace

std::uint32_t PageFile::allocate()
{
    m_pages.emplace_back(m_format.pageSize, std::uint8_t{0});
    return pageCount() - 1;
}

std::uint32_t PageFile::allocateRowPage(std::uint32_t owner)
{
    const std::uint32_t number = allocate();
    Bytes &p = page(number);
    p[0] = PageData;
    p[1] = 0x01;
    put16(&p[2], static_cast<std::uint32_t>(m_format.pageSize - m_format.dataPageHeaderSize()));
    put32(&p[4], owner);
    return number;
}

std::uint32_t PageFile::allocateLongValuePage()
{
    // The owner field of a long-value page reads "LVAL".
    constexpr std::uint32_t Lval = 'L' | 'V' << 8 | 'A' << 16 | static_cast<std::uint32_t>('L') << 24;
    return allocateRowPage(Lval);
}

std::size_t PageFile::rowCount(std::uint32_t number) const
{
    return get16(page(number), m_format.rowCountOffset);
}

std::size_t PageFile::freeSpace(std::uint32_t number) const
{
    return get16(page(number), 2);
}

bool PageFile::fits(std::uint32_t number, std::size_t rowSize) const
{
    return rowCount(number) < MaxRowsPerPage && rowSize + 2 <= freeSpace(number);
}

std::size_t PageFile::rowStart(std::uint32_t number, std::size_t row) const
{
    return get16(page(number), m_format.rowCountOffset + 2 + 2 * row);
}

std::size_t PageFile::addRow(std::uint32_t number, const Bytes &row)
{
    if (!fits(number, row.size()))
        throw std::logic_error("row does not fit its page");
    Bytes &p = page(number);
    const std::size_t count = rowCount(number);
    const std::size_t end = count == 0 ? m_format.pageSize : rowStart(number, count - 1);
    const std::size_t start = end - row.size();
    std::copy(row.begin(), row.end(), p.begin() + static_cast<std::ptrdiff_t>(start));
    put16(&p[m_format.rowCountOffset + 2 + 2 * count], static_cast<std::uint32_t>(start));
    put16(&p[m_format.rowCountOffset], static_cast<std::uint32_t>(count + 1));
    put16(&p[2], static_cast<std::uint32_t>(freeSpace(number) - row.size() - 2));
    return count;
}

} // namespace gen::jet
