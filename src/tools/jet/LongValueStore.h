#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/PageFile.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace gen::jet {

// Writes the long values (Memo) of one column. A short value stays in its row; a longer one
// goes to a long-value ("LVAL") page as one row; one longer than a page is split into a chain
// of rows, one a page, each beginning with the address of the next. The pages belong to this
// column alone, so its usage map names them.
class LongValueStore
{
public:
    explicit LongValueStore(PageFile &file) : m_file(file) {}

    // The field as its row holds it: the 12-byte reference (length and kind, address of the
    // first long-value row), followed by the value itself when it stays in the row.
    Bytes store(const Bytes &value);

    const std::vector<std::uint32_t> &pages() const { return m_pages; }

    // Values up to this size stay in the row.
    static constexpr std::size_t InlineLimit = 64;
    // Readers take the length from 24 bits of the reference; longer values are refused.
    static constexpr std::size_t MaxLength = 0xFFFFFF;

private:
    std::uint32_t storeOnOnePage(const Bytes &value);
    std::uint32_t storeChained(const Bytes &value);
    std::uint32_t newPage();

    PageFile &m_file;
    std::vector<std::uint32_t> m_pages;
    std::optional<std::uint32_t> m_current; // the page that takes the next single-page value
};

} // namespace gen::jet
