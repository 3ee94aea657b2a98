#include "tools/jet/TableDefinition.h"

#include "tools/jet/JetText.h"

#include <stdexcept>

namespace gen::jet {

namespace {

// A number that Access writes into every Jet 4 table definition and column entry.
constexpr std::uint32_t Jet4TableMagic = 1625;

constexpr std::uint8_t FlagFixed = 0x01;
constexpr std::uint8_t FlagCanBeNull = 0x02;
constexpr std::uint8_t FlagUpdatable = 0x10; // set on the catalog's own columns
constexpr std::uint8_t CompressedUnicode = 0x01;

constexpr std::uint8_t UserTable = 0x4E;
constexpr std::uint8_t SystemTable = 0x53;

std::uint8_t columnFlags(const ColumnLayout &c, bool system)
{
    std::uint8_t flags = FlagCanBeNull;
    if (c.fixed)
        flags |= FlagFixed;
    if (system)
        flags |= FlagUpdatable;
    return flags;
}

Bytes columnEntry(const JetFormat &format, const Column &column, const ColumnLayout &c, std::size_t number, bool system)
{
    Bytes e;
    e.push_back(static_cast<std::uint8_t>(column.type));
    if (!format.isJet3())
        append32(e, Jet4TableMagic);
    append16(e, static_cast<std::uint32_t>(number));
    append16(e, static_cast<std::uint32_t>(c.varIndex));
    append16(e, static_cast<std::uint32_t>(number));
    if (format.isJet3()) {
        append16(e, 1);
        append16(e, GeneralSortOrder);
        append16(e, CodePage1252);
        e.push_back(columnFlags(c, system));
    } else {
        append16(e, GeneralSortOrder);
        append16(e, 0);
        e.push_back(columnFlags(c, system));
        const bool text = column.type == ColumnType::Text || column.type == ColumnType::Memo;
        e.push_back(text && !system ? CompressedUnicode : 0);
        append32(e, 0);
    }
    append16(e, static_cast<std::uint32_t>(c.fixed ? c.fixedOffset : 0));
    append16(e, static_cast<std::uint32_t>(c.declaredSize));
    return e;
}

void appendName(Bytes &out, const JetFormat &format, const std::string &name)
{
    const Bytes encoded = encodeText(format.version, name, false);
    if (format.isJet3())
        out.push_back(static_cast<std::uint8_t>(encoded.size()));
    else
        append16(out, static_cast<std::uint32_t>(encoded.size()));
    appendBytes(out, encoded);
}

// Everything from the row count on, up to the first column entry.
void appendCounts(Bytes &page, const JetFormat &format, const TableDefinitionInput &in)
{
    const auto columns = static_cast<std::uint32_t>(in.table.columns.size());
    if (!format.isJet3())
        append32(page, Jet4TableMagic);
    append32(page, in.rowCount);
    append32(page, 0); // next autonumber: the tables have none
    if (!format.isJet3()) {
        page.push_back(0x01);
        page.resize(page.size() + 15, 0);
    }
    page.push_back(in.table.system ? SystemTable : UserTable);
    append16(page, columns); // columns a row may hold, deleted ones included
    append16(page, static_cast<std::uint32_t>(in.layout.varCount));
    append16(page, columns);
    append32(page, 0); // logical indexes
    append32(page, 0); // index entries
    append32(page, in.dataMaps.used);
    append32(page, in.dataMaps.free);
}

} // namespace

Bytes tableDefinitionPage(const JetFormat &format, const TableDefinitionInput &in)
{
    Bytes page{PageTableDefinition, 0x01, 0, 0};
    append32(page, 0); // next definition page
    append32(page, 0); // length, set below
    appendCounts(page, format, in);
    if (page.size() != format.tdefColumnsOffset)
        throw std::logic_error("table definition header has the wrong size");

    const auto &columns = in.table.columns;
    for (std::size_t i = 0; i < columns.size(); ++i)
        appendBytes(page, columnEntry(format, columns[i], in.layout.columns[i], i, in.table.system));
    for (const Column &c : columns)
        appendName(page, format, c.name);

    std::size_t longColumn = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!isLongValue(columns[i].type))
            continue;
        const MapPair &maps = in.longValueMaps.at(longColumn++);
        append16(page, static_cast<std::uint32_t>(i));
        append32(page, maps.used);
        append32(page, maps.free);
    }
    append16(page, 0xFFFF);

    if (page.size() > format.pageSize)
        throw std::length_error("the definition of table " + in.table.name + " does not fit one page");
    put32(&page[8], static_cast<std::uint32_t>(page.size()));
    if (format.isJet3()) {
        page[2] = 'V';
        page[3] = 'C';
    } else {
        put16(&page[2], static_cast<std::uint32_t>(format.pageSize - page.size() - 8));
    }
    page.resize(format.pageSize, 0);
    return page;
}

} // namespace gen::jet
