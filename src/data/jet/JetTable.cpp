#include "data/jet/JetTable.h"

#include "data/jet/DataPage.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"
#include "data/jet/LongValue.h"
#include "data/jet/Text.h"
#include "data/jet/UsageMap.h"

namespace jet {

namespace {

// A moved row may be moved again; a longer chain than this is a loop in a damaged file.
constexpr int MaxOverflowHops = 8;

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

JetTable::JetTable(std::shared_ptr<const JetFile> file, std::string name, std::uint32_t definitionPage)
    : m_file(std::move(file)), m_name(std::move(name)), m_def(*m_file, definitionPage)
{
    findRows();
}

int JetTable::columnIndex(std::string_view name) const
{
    const auto &columns = m_def.columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (sameName(columns[i].name, name))
            return int(i);
    return -1;
}

void JetTable::findRows()
{
    for (const std::uint32_t number : usageMap::pages(*m_file, m_def.usedPages())) {
        // A table's map may also name pages that are not its data pages (or no longer are).
        if (m_file->page(number).u8(0) != page::Data)
            continue;
        const DataPage data(*m_file, number);
        if (data.owner() != m_def.firstPage())
            continue;
        for (std::uint16_t r = 0; r < data.rowCount(); ++r) {
            const std::uint16_t offset = data.rawOffset(r);
            if (offset & row::Deleted)
                continue;
            const RowPlace place{number, r};
            if (offset & row::Overflow) {
                m_rows.push_back(followOverflow(place));
            } else {
                data.row(r);
                m_rows.push_back(place);
            }
        }
    }
}

// A row that no longer fit where it was is moved to another page, and its old slot keeps a
// pointer to it. The moved row is flagged deleted on its own page, so it is met only here.
JetTable::RowPlace JetTable::followOverflow(RowPlace place) const
{
    for (int hop = 0; hop < MaxOverflowHops; ++hop) {
        const Bytes pointer = DataPage(*m_file, place.page).row(place.row);
        const std::uint32_t target = pointer.u32(0);
        place = RowPlace{target >> 8, std::uint16_t(target & 0xFF)};
        const DataPage data(*m_file, place.page);
        if (!(data.rawOffset(place.row) & row::Overflow)) {
            data.row(place.row);
            return place;
        }
    }
    throw JetError("page " + std::to_string(place.page) + ": a moved row points on and on (a loop)");
}

RowLayout JetTable::layout(std::size_t row) const
{
    const RowPlace place = m_rows.at(row);
    return RowLayout(DataPage(*m_file, place.page).row(place.row), m_def.varColumnCount(), m_file->format());
}

Value JetTable::value(const RowLayout &row, std::size_t column) const
{
    const Column &c = m_def.columns().at(column);
    if (!c.readable())
        throw UnsupportedType("it holds " + c.typeName() + " values, which are not read");
    if (c.type == ColumnType::Boolean)
        return row.flag(c);
    if (row.isNull(c))
        return std::monostate{};
    return decode(c, row.field(c));
}

Value JetTable::decode(const Column &c, Bytes f) const
{
    switch (c.type) {
    case ColumnType::Byte:
        return std::int64_t(f.u8(0));
    case ColumnType::Integer:
        return std::int64_t(std::int16_t(f.u16(0)));
    case ColumnType::Long:
        return std::int64_t(std::int32_t(f.u32(0)));
    case ColumnType::Currency:
        return Currency{std::int64_t(f.u64(0))};
    case ColumnType::Single:
        return f.f32(0);
    case ColumnType::Double:
        return f.f64(0);
    case ColumnType::DateTime:
        return DateTime{f.f64(0)};
    case ColumnType::Text:
        return decodeText(f);
    case ColumnType::Memo: {
        const std::vector<std::uint8_t> bytes = longValue::read(*m_file, f);
        return decodeText(Bytes(bytes.data(), bytes.size()));
    }
    default:
        throw UnsupportedType("it holds " + c.typeName() + " values, which are not read");
    }
}

std::string JetTable::decodeText(Bytes bytes) const
{
    return m_file->isJet4() ? text::fromJet4(bytes) : text::fromCodePage(bytes, m_file->codePage());
}

} // namespace jet
