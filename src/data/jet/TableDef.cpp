#include "data/jet/TableDef.h"

#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"
#include "data/jet/Text.h"

#include <algorithm>
#include <unordered_set>

namespace jet {

namespace {

constexpr std::size_t NextPageOffset = 4;
constexpr std::size_t PageHeaderSize = 8;
constexpr std::uint8_t FixedFlag = 0x01;
constexpr std::uint8_t CompressedUnicodeFlag = 0x01;

} // namespace

TableDef::TableDef(const JetFile &file, std::uint32_t firstPage) : m_firstPage(firstPage)
{
    readColumns(file, readChain(file));
}

// Long definitions continue on further pages; each one after the first adds its bytes past the
// page header. A chain that comes back to a page it has visited is damaged, not endless.
std::vector<std::uint8_t> TableDef::readChain(const JetFile &file) const
{
    std::vector<std::uint8_t> definition;
    std::unordered_set<std::uint32_t> visited;
    std::uint32_t next = m_firstPage;
    while (next != 0) {
        if (!visited.insert(next).second)
            throw JetError("the definition of the table on page " + std::to_string(m_firstPage) + " loops back to page "
                           + std::to_string(next));
        const Bytes page = file.page(next);
        if (page.u8(0) != page::TableDefinition)
            throw JetError("page " + std::to_string(next) + " is not a table definition");
        const std::size_t skip = definition.empty() ? 0 : PageHeaderSize;
        definition.insert(definition.end(), page.data() + skip, page.data() + page.size());
        next = page.u32(NextPageOffset);
    }
    return definition;
}

void TableDef::readColumns(const JetFile &file, const std::vector<std::uint8_t> &bytes)
{
    const JetFormat &f = file.format();
    const Bytes def(bytes.data(), bytes.size());
    m_varColumnCount = def.u16(f.tdefVarColumnCount);
    const std::uint16_t columnCount = def.u16(f.tdefColumnCount);
    const std::uint64_t realIndexCount = def.u32(f.tdefRealIndexCount);
    m_usedPages = def.u32(f.tdefUsedPages);

    const std::uint64_t columnsAt = f.tdefColumnsStart + realIndexCount * f.realIndexEntrySize;
    std::uint64_t nameAt = columnsAt + std::uint64_t(columnCount) * f.columnEntrySize;
    def.need(columnsAt, nameAt - columnsAt);
    m_columns.reserve(columnCount);
    for (std::uint16_t i = 0; i < columnCount; ++i) {
        const Bytes entry = def.slice(columnsAt + std::uint64_t(i) * f.columnEntrySize, f.columnEntrySize);
        Column c;
        c.type = ColumnType(entry.u8(f.columnType));
        c.number = entry.u16(f.columnNumber);
        c.varIndex = entry.u16(f.columnVarIndex);
        c.fixed = (entry.u8(f.columnFlags) & FixedFlag) != 0;
        c.compressedUnicode = f.jet4 && (entry.u8(f.columnMiscFlags) & CompressedUnicodeFlag) != 0;
        c.fixedOffset = entry.u16(f.columnFixedOffset);
        c.length = entry.u16(f.columnLength);

        const std::uint32_t nameLength = f.columnNameLengthSize == 1 ? def.u8(nameAt) : def.u16(nameAt);
        nameAt += f.columnNameLengthSize;
        const Bytes name = def.slice(nameAt, nameLength);
        nameAt += nameLength;
        // Names are looked up, not shown: Jet 3 names are taken as Windows-1252 whatever the
        // database's code page, so that an unusual code page cannot hide a table.
        c.name = f.jet4 ? text::fromJet4(name) : text::fromCodePage(name, 1252);
        m_columns.push_back(std::move(c));
    }
    std::stable_sort(m_columns.begin(), m_columns.end(),
                     [](const Column &a, const Column &b) { return a.number < b.number; });
}

} // namespace jet
