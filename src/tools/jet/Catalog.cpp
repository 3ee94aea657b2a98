#include "tools/jet/Catalog.h"

namespace gen::jet {

namespace {

// Ids and flags are 32-bit patterns; the Long column holds them as signed numbers.
constexpr std::int32_t id(std::uint32_t bits)
{
    return static_cast<std::int32_t>(bits);
}

constexpr std::uint32_t TopContainer = 0x0F000000;
constexpr std::uint32_t TablesContainer = 0x0F000001;
constexpr std::uint32_t DatabasesContainer = 0x0F000002;
constexpr std::uint32_t SystemFlag = 0x80000000;

constexpr std::int16_t TypeTable = 1;
constexpr std::int16_t TypeDatabase = 2;
constexpr std::int16_t TypeContainer = 3;

std::vector<Column> catalogColumns()
{
    using T = ColumnType;
    return {{"Id", T::Long},
            {"ParentId", T::Long},
            {"Name", T::Text},
            {"Type", T::Integer},
            {"DateCreate", T::DateTime},
            {"DateUpdate", T::DateTime},
            {"Owner", T::Binary},
            {"Flags", T::Long},
            {"Database", T::Memo},
            {"Connect", T::Memo},
            {"ForeignName", T::Text},
            {"RmtInfoShort", T::Binary},
            {"RmtInfoLong", T::Ole},
            {"Lv", T::Ole},
            {"LvProp", T::Ole},
            {"LvModule", T::Ole},
            {"LvExtra", T::Ole}};
}

std::vector<Value> object(std::uint32_t objectId, std::uint32_t parent, const std::string &name, std::int16_t type,
                          std::uint32_t flags, double created)
{
    std::vector<Value> row(catalogColumns().size());
    row[0] = id(objectId);
    row[1] = id(parent);
    row[2] = name;
    row[3] = std::int32_t{type};
    row[4] = created;
    row[5] = created;
    row[7] = id(flags);
    return row;
}

} // namespace

Table catalogTable(const std::vector<CatalogEntry> &userTables, double created)
{
    Table t{"MSysObjects", catalogColumns(), {}, true};
    const auto add = [&](std::uint32_t objectId, std::uint32_t parent, const std::string &name, std::int16_t type,
                         std::uint32_t flags) {
        t.rows.push_back(object(objectId, parent, name, type, flags, created));
    };
    add(TablesContainer, TopContainer, "Tables", TypeContainer, SystemFlag);
    add(DatabasesContainer, TopContainer, "Databases", TypeContainer, SystemFlag);
    add(0x0F000003, TopContainer, "Relationships", TypeContainer, SystemFlag);
    add(0x10000000, DatabasesContainer, "MSysDb", TypeDatabase, SystemFlag);
    add(CatalogDefinitionPage, TablesContainer, "MSysObjects", TypeTable, SystemFlag);
    std::uint32_t otherContainer = 0x80000000;
    for (const char *name : {"Forms", "Reports", "Scripts", "Modules"})
        add(otherContainer++, TopContainer, name, TypeContainer, 0);
    for (const CatalogEntry &e : userTables)
        add(e.definitionPage, TablesContainer, e.name, TypeTable, 0);
    return t;
}

} // namespace gen::jet
