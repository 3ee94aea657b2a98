#include "tools/jet/UsageMapRows.h"

#include "tools/jet/UsageMap.h"

#include <algorithm>

namespace gen::jet {

void UsageMapRows::fill(const MapPair &at, const PageSets &pages)
{
    put(at.used, usageMap(m_file, pages.used));
    put(at.free, usageMap(m_file, pages.withRoom));
}

void UsageMapRows::put(std::uint32_t at, const Bytes &map)
{
    const std::uint32_t page = at >> 8;
    const std::size_t start = m_file.rowStart(page, at & 0xFF);
    std::copy(map.begin(), map.end(), m_file.page(page).begin() + static_cast<std::ptrdiff_t>(start));
}

std::uint32_t UsageMapRows::reserve()
{
    const Bytes placeholder(m_file.format().usageMapRowSize, 0);
    if (!m_page || !m_file.fits(*m_page, placeholder.size()))
        m_page = m_file.allocateRowPage(0);
    return pageRow(*m_page, m_file.addRow(*m_page, placeholder));
}

} // namespace gen::jet
