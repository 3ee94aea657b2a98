#include "tools/jet/UsageMap.h"

#include <algorithm>
#include <stdexcept>

namespace gen::jet {

namespace {

void setBit(std::uint8_t *bitmap, std::uint64_t bit)
{
    bitmap[bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
}

Bytes inlineMap(const JetFormat &format, std::uint32_t first, const std::vector<std::uint32_t> &pages)
{
    Bytes row(format.usageMapRowSize, 0);
    row[0] = 0x00;
    put32(&row[1], first);
    for (std::uint32_t p : pages)
        setBit(&row[5], p - first);
    return row;
}

std::uint32_t newBitmapPage(PageFile &file)
{
    const std::uint32_t number = file.allocate();
    file.page(number)[0] = PageUsageBitmap;
    file.page(number)[1] = 0x01;
    return number;
}

void checkReach(const JetFormat &format, std::size_t referencePages)
{
    if (referencePages > format.referenceMapSlots())
        throw std::length_error("the database is larger than an Access file can map");
}

} // namespace

Bytes usageMap(PageFile &file, std::vector<std::uint32_t> pages)
{
    const JetFormat &format = file.format();
    std::sort(pages.begin(), pages.end());
    if (pages.empty() || pages.back() < format.inlineMapPages())
        return inlineMap(format, 0, pages);
    if (pages.back() - pages.front() < format.inlineMapPages())
        return inlineMap(format, pages.front(), pages);

    const std::size_t stretch = format.referenceMapPages();
    checkReach(format, pages.back() / stretch + 1);
    Bytes row(format.usageMapRowSize, 0);
    row[0] = 0x01;
    for (std::size_t slot = pages.front() / stretch; slot <= pages.back() / stretch; ++slot) {
        const std::uint32_t bitmap = newBitmapPage(file);
        put32(&row[1 + 4 * slot], bitmap);
        for (std::uint32_t p : pages)
            if (p / stretch == slot)
                setBit(&file.page(bitmap)[4], p - slot * stretch);
    }
    return row;
}

Bytes freePageMap(PageFile &file)
{
    const JetFormat &format = file.format();
    if (file.pageCount() <= format.inlineMapPages()) {
        Bytes row = inlineMap(format, 0, {});
        for (std::uint32_t p = file.pageCount(); p < format.inlineMapPages(); ++p)
            setBit(&row[5], p);
        return row;
    }
    // The reference pages are pages of the file too, so count them before marking.
    const std::size_t stretch = format.referenceMapPages();
    std::size_t slots = 1;
    while (slots * stretch < file.pageCount() + slots)
        ++slots;
    checkReach(format, slots);
    std::vector<std::uint32_t> bitmaps(slots);
    std::generate(bitmaps.begin(), bitmaps.end(), [&] { return newBitmapPage(file); });
    Bytes row(format.usageMapRowSize, 0);
    row[0] = 0x01;
    for (std::size_t slot = 0; slot < slots; ++slot) {
        put32(&row[1 + 4 * slot], bitmaps[slot]);
        const std::size_t end = (slot + 1) * stretch;
        for (std::size_t p = std::max<std::size_t>(file.pageCount(), slot * stretch); p < end; ++p)
            setBit(&file.page(bitmaps[slot])[4], p - slot * stretch);
    }
    return row;
}

} // namespace gen::jet
