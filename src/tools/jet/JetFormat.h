#pragma once

#include <cstddef>
#include <cstdint>

namespace gen::jet {

enum class JetVersion { Jet3, Jet4 };

// The page geometry of one Jet version: where the counts and offsets sit on each kind of page.
// Jet 3 is the Access 97 file (2 KB pages, one-byte text), Jet 4 the Access 2000-2003 file
// (4 KB pages, UCS-2 text).
struct JetFormat
{
    JetVersion version;
    std::size_t pageSize;
    std::uint8_t versionByte;      // header offset 0x14
    std::size_t maskedHeaderBytes; // RC4-masked bytes of the header page from 0x18
    std::size_t rowCountOffset;    // data pages: row count, then the row offset table
    std::size_t columnCountSize;   // bytes of a row's column count and variable count
    std::size_t usageMapRowSize;   // one usage map row: type byte + 4 + bitmap
    std::size_t tdefColumnsOffset; // table definition: first column entry (no indexes)
    std::size_t tdefColumnEntrySize;
    std::size_t textColumnSize; // declared size of a 255-character Text column, in bytes
    std::size_t maxRecordSize;  // the longest row Access accepts in a table

    bool isJet3() const { return version == JetVersion::Jet3; }
    std::size_t dataPageHeaderSize() const { return rowCountOffset + 2; }
    // The pages one inline usage map covers, and the pages one reference (type 0x05) page covers.
    std::size_t inlineMapPages() const { return (usageMapRowSize - 5) * 8; }
    std::size_t referenceMapPages() const { return (pageSize - 4) * 8; }
    std::size_t referenceMapSlots() const { return (usageMapRowSize - 1) / 4; }
};

inline constexpr JetFormat Jet3Format{JetVersion::Jet3, 2048, 0x00, 126, 8, 1, 133, 43, 18, 255, 2012};
inline constexpr JetFormat Jet4Format{JetVersion::Jet4, 4096, 0x01, 128, 12, 2, 69, 63, 25, 510, 4060};

inline const JetFormat &formatOf(JetVersion v)
{
    return v == JetVersion::Jet3 ? Jet3Format : Jet4Format;
}

// The most rows one page may carry: a row is addressed by page << 8 | row.
inline constexpr std::size_t MaxRowsPerPage = 255;

// The text settings of the files written here: Windows-1252 (Western European) as the code
// page, Access's "General" sort order.
inline constexpr std::uint32_t CodePage1252 = 1252;
inline constexpr std::uint32_t GeneralSortOrder = 0x0409;

// Page kinds (first byte of a page).
inline constexpr std::uint8_t PageHeader = 0x00;
inline constexpr std::uint8_t PageData = 0x01;
inline constexpr std::uint8_t PageTableDefinition = 0x02;
inline constexpr std::uint8_t PageUsageBitmap = 0x05;

} // namespace gen::jet
