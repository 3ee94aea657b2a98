#include "data/jet/JetDatabase.h"

#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"

namespace jet {

namespace {

constexpr std::uint32_t CatalogPage = 2;
constexpr std::int64_t TableObject = 1;
constexpr std::uint32_t SystemFlags = 0x80000002;
constexpr std::uint32_t PageBits = 0x00FFFFFF;

std::size_t catalogColumn(const JetTable &catalog, const char *name)
{
    const int index = catalog.columnIndex(name);
    if (index < 0)
        throw JetError(std::string("the catalog has no column ") + name);
    return std::size_t(index);
}

template <typename T> T valueOr(const Value &value, T fallback)
{
    const T *v = std::get_if<T>(&value);
    return v ? *v : fallback;
}

} // namespace

JetDatabase::JetDatabase(std::shared_ptr<const JetFile> file) : m_file(std::move(file))
{
    readCatalog();
}

JetDatabase JetDatabase::open(const std::string &path)
{
    return JetDatabase(std::make_shared<const JetFile>(JetFile::load(path)));
}

void JetDatabase::readCatalog()
{
    const JetTable catalog(m_file, "MSysObjects", CatalogPage);
    const std::size_t id = catalogColumn(catalog, "Id");
    const std::size_t name = catalogColumn(catalog, "Name");
    const std::size_t type = catalogColumn(catalog, "Type");
    const std::size_t flags = catalogColumn(catalog, "Flags");
    for (std::size_t r = 0; r < catalog.rowCount(); ++r) {
        const RowLayout row = catalog.layout(r);
        if (valueOr<std::int64_t>(catalog.value(row, type), 0) != TableObject)
            continue;
        TableEntry entry;
        entry.name = valueOr<std::string>(catalog.value(row, name), {});
        entry.definitionPage = std::uint32_t(valueOr<std::int64_t>(catalog.value(row, id), 0)) & PageBits;
        entry.system = (std::uint32_t(valueOr<std::int64_t>(catalog.value(row, flags), 0)) & SystemFlags) != 0;
        m_tables.push_back(std::move(entry));
    }
}

const TableEntry *JetDatabase::find(std::string_view name) const
{
    for (const TableEntry &entry : m_tables)
        if (sameName(entry.name, name))
            return &entry;
    return nullptr;
}

JetTable JetDatabase::openTable(const TableEntry &entry) const
{
    return JetTable(m_file, entry.name, entry.definitionPage);
}

} // namespace jet
