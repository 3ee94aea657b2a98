#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/JetFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gen::jet {

// The pages of a Jet file being written, kept in memory until the file is complete, and the
// row pages among them: data pages, long-value pages and the pages that hold usage maps. A row
// page has its header and row offset table at the top and its rows packed from the end down.
class PageFile
{
public:
    explicit PageFile(const JetFormat &format) : m_format(format) {}

    const JetFormat &format() const { return m_format; }
    std::uint32_t pageCount() const { return static_cast<std::uint32_t>(m_pages.size()); }
    Bytes &page(std::uint32_t number) { return m_pages.at(number); }
    const Bytes &page(std::uint32_t number) const { return m_pages.at(number); }

    // A zero-filled page at the end of the file.
    std::uint32_t allocate();
    // An empty row page owned by a table (its definition page), or by "LVAL" (long values).
    std::uint32_t allocateRowPage(std::uint32_t owner);
    std::uint32_t allocateLongValuePage();

    std::size_t rowCount(std::uint32_t page) const;
    bool fits(std::uint32_t page, std::size_t rowSize) const;
    // Adds a row below the page's last one and returns its number on the page.
    std::size_t addRow(std::uint32_t page, const Bytes &row);
    // Where on its page a row begins.
    std::size_t rowStart(std::uint32_t page, std::size_t row) const;

    // The largest row an empty page holds.
    std::size_t maxRowSize() const { return m_format.pageSize - m_format.dataPageHeaderSize() - 2; }

    const std::vector<Bytes> &pages() const { return m_pages; }

private:
    std::size_t freeSpace(std::uint32_t page) const;

    JetFormat m_format;
    std::vector<Bytes> m_pages;
};

} // namespace gen::jet
