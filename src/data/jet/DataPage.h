#pragma once

#include "data/jet/Bytes.h"

#include <cstdint>

namespace jet {

class JetFile;

// A page of rows: table rows, long values ("LVAL" pages) and usage maps all live on them. Rows
// are found through the offset table after the header; row 0 ends at the end of the page and
// every later row ends where the row before it starts.
class DataPage
{
public:
    // Throws JetError when the page is missing, not a data page, or its row count overruns it.
    DataPage(const JetFile &file, std::uint32_t number);

    std::uint32_t number() const { return m_page.page(); }
    std::uint32_t owner() const { return m_page.u32(OwnerOffset); }
    std::uint16_t rowCount() const { return m_rowCount; }
    // The row's offset with its deleted and overflow flags.
    std::uint16_t rawOffset(std::uint16_t row) const;
    // The bytes of a row, flags ignored; throws when the row or its bounds are not on the page.
    Bytes row(std::uint16_t row) const;

    // The row a 4-byte row pointer names: page in the upper three bytes, row in the lowest.
    static Bytes rowAt(const JetFile &file, std::uint32_t pointer);

private:
    static constexpr std::size_t OwnerOffset = 4;

    Bytes m_page;
    std::size_t m_offsetsAt;
    std::uint16_t m_rowCount;
};

} // namespace jet
