#pragma once

#include "data/jet/Bytes.h"
#include "data/jet/JetFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jet {

// The whole database file in memory, split into pages. The header page is unmasked on load; the
// version, page size and code page come from it. Pages past the end of the file are refused.
class JetFile
{
public:
    // Files larger than the format allows (2 GB) are refused rather than read into memory.
    static constexpr std::uint64_t MaxFileSize = std::uint64_t(2) << 30;

    // Throws JetError when the bytes are not a Jet 3 or Jet 4 database this reader can use.
    explicit JetFile(std::vector<std::uint8_t> bytes);
    static JetFile load(const std::string &path);

    const JetFormat &format() const { return *m_format; }
    bool isJet4() const { return m_format->jet4; }
    std::size_t pageSize() const { return m_format->pageSize; }
    std::uint32_t pageCount() const { return m_pageCount; }
    // The code page of Jet 3 text (Jet 4 text is Unicode).
    std::uint16_t codePage() const { return m_codePage; }

    // One whole page; throws when the file has no such page.
    Bytes page(std::uint32_t number) const;

private:
    void unmaskHeader();

    std::vector<std::uint8_t> m_bytes;
    const JetFormat *m_format = nullptr;
    std::uint32_t m_pageCount = 0;
    std::uint16_t m_codePage = 0;
};

} // namespace jet
