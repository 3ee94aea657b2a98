#include "tools/jet/RowEncoder.h"

#include <stdexcept>

namespace gen::jet {

namespace {

void appendCount(Bytes &row, const JetFormat &format, std::size_t n)
{
    if (format.columnCountSize == 1)
        row.push_back(static_cast<std::uint8_t>(n));
    else
        append16(row, static_cast<std::uint32_t>(n));
}

Bytes nullMask(const std::vector<Field> &fields)
{
    Bytes mask((fields.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i])
            mask[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    return mask;
}

// The jump table, as stored: placeholders first, then the entry of the highest boundary down
// to that of the first, which sits next to the variable column count.
Bytes jumpTable(const std::vector<std::size_t> &offsets, std::size_t slots)
{
    const std::size_t crossings = offsets.back() / 256; // the end of the data is the last offset
    if (slots < crossings || slots - crossings > 1)
        throw std::logic_error("row trailer too long for a Jet 3 jump table");
    Bytes table(slots - crossings, 0xFF);
    for (std::size_t k = crossings; k >= 1; --k) {
        std::size_t first = 0;
        while (offsets[first] < 256 * k)
            ++first;
        table.push_back(static_cast<std::uint8_t>(first));
    }
    return table;
}

void appendJet3Trailer(Bytes &row, const std::vector<std::size_t> &offsets, const Bytes &mask)
{
    const std::size_t varCount = offsets.size() - 1;
    const std::size_t withoutJumps = row.size() + offsets.size() + 1 + mask.size();
    // The table's own length counts towards the row length it is computed from.
    std::size_t slots = 0;
    while ((withoutJumps + slots - 1) / 256 > slots)
        slots = (withoutJumps + slots - 1) / 256;
    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
        row.push_back(static_cast<std::uint8_t>(*it & 0xFF));
    appendBytes(row, jumpTable(offsets, slots));
    row.push_back(static_cast<std::uint8_t>(varCount));
}

void appendJet4Trailer(Bytes &row, const std::vector<std::size_t> &offsets)
{
    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
        append16(row, static_cast<std::uint32_t>(*it));
    append16(row, static_cast<std::uint32_t>(offsets.size() - 1));
}

} // namespace

Bytes encodeRow(const JetFormat &format, const TableLayout &layout, const std::vector<Field> &fields)
{
    if (fields.size() != layout.columns.size())
        throw std::logic_error("row has the wrong number of fields");
    Bytes row;
    appendCount(row, format, fields.size());
    const std::size_t fixedStart = row.size();
    row.resize(fixedStart + layout.fixedAreaSize, 0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ColumnLayout &c = layout.columns[i];
        if (c.fixed && fields[i])
            std::copy(fields[i]->begin(), fields[i]->end(),
                      row.begin() + static_cast<std::ptrdiff_t>(fixedStart + c.fixedOffset));
    }
    const Bytes mask = nullMask(fields);
    if (layout.varCount > 0) {
        std::vector<std::size_t> offsets; // variable columns in index order, then the end
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (layout.columns[i].fixed)
                continue;
            offsets.push_back(row.size());
            if (fields[i])
                appendBytes(row, *fields[i]);
        }
        offsets.push_back(row.size());
        if (format.isJet3())
            appendJet3Trailer(row, offsets, mask);
        else
            appendJet4Trailer(row, offsets);
    }
    appendBytes(row, mask);
    return row;
}

} // namespace gen::jet
