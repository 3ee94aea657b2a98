#include "data/jet/UsageMap.h"

#include "data/jet/DataPage.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"

#include <string>

namespace jet::usageMap {

namespace {

constexpr std::uint8_t InlineMap = 0x00;
constexpr std::uint8_t ReferenceMap = 0x01;
constexpr std::size_t MapPageHeader = 4;

class PageSet
{
public:
    explicit PageSet(const JetFile &file) : m_owned(file.pageCount(), false) {}

    void addBits(Bytes bitmap, std::uint64_t firstPage)
    {
        for (std::size_t i = 0; i < bitmap.size(); ++i) {
            const std::uint8_t byte = bitmap.data()[i];
            for (unsigned bit = 0; byte != 0 && bit < 8; ++bit)
                if (byte & (1u << bit))
                    add(firstPage + i * 8 + bit);
        }
    }

    std::vector<std::uint32_t> list() const
    {
        std::vector<std::uint32_t> pages;
        for (std::size_t p = 0; p < m_owned.size(); ++p)
            if (m_owned[p])
                pages.push_back(std::uint32_t(p));
        return pages;
    }

private:
    void add(std::uint64_t page)
    {
        if (page >= m_owned.size())
            throw JetError("a page usage map names page " + std::to_string(page) + ", past the end of the file");
        m_owned[std::size_t(page)] = true;
    }

    std::vector<bool> m_owned;
};

} // namespace

std::vector<std::uint32_t> pages(const JetFile &file, std::uint32_t pointer)
{
    const Bytes map = DataPage::rowAt(file, pointer);
    if (map.empty())
        throw JetError("the page usage map on page " + std::to_string(pointer >> 8) + " is empty");
    PageSet owned(file);
    switch (map.u8(0)) {
    case InlineMap:
        map.need(0, 5);
        owned.addBits(map.slice(5, map.size() - 5), map.u32(1));
        break;
    case ReferenceMap: {
        const std::uint64_t span = std::uint64_t(file.pageSize() - MapPageHeader) * 8;
        for (std::size_t i = 0; 1 + i * 4 + 4 <= map.size(); ++i) {
            const std::uint32_t mapPage = map.u32(1 + i * 4);
            if (mapPage == 0)
                continue;
            const Bytes bitmapPage = file.page(mapPage);
            if (bitmapPage.u8(0) != page::UsageMap)
                throw JetError("page " + std::to_string(mapPage) + " is not a page usage map");
            owned.addBits(bitmapPage.slice(MapPageHeader, bitmapPage.size() - MapPageHeader), i * span);
        }
        break;
    }
    default:
        throw JetError("the page usage map on page " + std::to_string(pointer >> 8) + " is of unknown type "
                       + std::to_string(map.u8(0)));
    }
    return owned.list();
}

} // namespace jet::usageMap
