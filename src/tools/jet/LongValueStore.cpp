#include "tools/jet/LongValueStore.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace gen::jet {

namespace {

constexpr std::uint32_t InRow = 0x80000000;
constexpr std::uint32_t OnOnePage = 0x40000000;
constexpr std::size_t NextAddressSize = 4;

} // namespace

Bytes LongValueStore::store(const Bytes &value)
{
    if (value.size() > MaxLength)
        throw std::length_error("a long value of " + std::to_string(value.size())
                                + " bytes is longer than Access files hold");
    const auto length = static_cast<std::uint32_t>(value.size());
    Bytes field;
    if (value.size() <= InlineLimit) {
        append32(field, length | InRow);
        append32(field, 0);
        append32(field, 0);
        appendBytes(field, value);
    } else if (value.size() <= m_file.maxRowSize()) {
        append32(field, length | OnOnePage);
        append32(field, storeOnOnePage(value));
        append32(field, 0);
    } else {
        append32(field, length);
        append32(field, storeChained(value));
        append32(field, 0);
    }
    return field;
}

std::uint32_t LongValueStore::storeOnOnePage(const Bytes &value)
{
    if (!m_current || !m_file.fits(*m_current, value.size()))
        m_current = newPage();
    return pageRow(*m_current, m_file.addRow(*m_current, value));
}

std::uint32_t LongValueStore::storeChained(const Bytes &value)
{
    const std::size_t chunk = m_file.maxRowSize() - NextAddressSize;
    const std::size_t count = (value.size() + chunk - 1) / chunk;
    std::vector<std::uint32_t> chain(count);
    std::generate(chain.begin(), chain.end(), [this] { return newPage(); });
    for (std::size_t k = 0; k < count; ++k) {
        const auto from = value.begin() + static_cast<std::ptrdiff_t>(k * chunk);
        const auto to = value.begin() + static_cast<std::ptrdiff_t>(std::min(value.size(), (k + 1) * chunk));
        Bytes row(NextAddressSize + static_cast<std::size_t>(to - from));
        put32(row.data(), k + 1 < count ? pageRow(chain[k + 1], 0) : 0);
        std::copy(from, to, row.begin() + NextAddressSize);
        m_file.addRow(chain[k], row);
    }
    // The last link has room left for short values.
    m_current = chain.back();
    return pageRow(chain.front(), 0);
}

std::uint32_t LongValueStore::newPage()
{
    m_pages.push_back(m_file.allocateLongValuePage());
    return m_pages.back();
}

} // namespace gen::jet
