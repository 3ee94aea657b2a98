#pragma once

#include <cstddef>
#include <cstdint>

namespace jet {

// Where things are in the two generations of the file format: Jet 3 (Access 97) and Jet 4
// (Access 2000-2003). Offsets are in bytes from the start of the page or structure.
struct JetFormat
{
    bool jet4;
    std::size_t pageSize;

    // Data pages: the number of rows, followed by one 2-byte offset per row.
    std::size_t rowCountOffset;

    // Table definitions.
    std::size_t tdefRowCount;
    std::size_t tdefVarColumnCount;
    std::size_t tdefColumnCount;
    std::size_t tdefRealIndexCount;
    std::size_t tdefUsedPages;
    std::size_t tdefColumnsStart; // the per-index blocks come first, then the columns
    std::size_t realIndexEntrySize;
    std::size_t columnEntrySize;
    std::size_t columnType;
    std::size_t columnNumber;
    std::size_t columnVarIndex;
    std::size_t columnFlags;
    std::size_t columnMiscFlags; // Jet 4 only: compressed Unicode
    std::size_t columnFixedOffset;
    std::size_t columnLength;
    std::size_t columnNameLengthSize;

    // Rows: the column count at the start and the variable-column count near the end.
    std::size_t rowCountSize;

    static const JetFormat &jet3Format();
    static const JetFormat &jet4Format();
};

inline const JetFormat &JetFormat::jet3Format()
{
    static const JetFormat f{false, 2048, 8, 12, 23, 25, 31, 35, 43, 8, 18, 0, 1, 3, 13, 0, 14, 16, 1, 1};
    return f;
}

inline const JetFormat &JetFormat::jet4Format()
{
    static const JetFormat f{true, 4096, 12, 16, 43, 45, 51, 55, 63, 12, 25, 0, 5, 7, 15, 16, 21, 23, 2, 2};
    return f;
}

namespace page {
constexpr std::uint8_t Data = 0x01;
constexpr std::uint8_t TableDefinition = 0x02;
constexpr std::uint8_t UsageMap = 0x05;
} // namespace page

// Row offsets on data pages carry two flags in their top bits.
namespace row {
constexpr std::uint16_t OffsetMask = 0x1FFF;
constexpr std::uint16_t Deleted = 0x8000;
constexpr std::uint16_t Overflow = 0x4000;
} // namespace row

} // namespace jet
