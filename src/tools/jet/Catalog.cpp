#include "tools/jet/Catalog.h"

namespace feastbook::gen::jet {

namespace {

// Ids and flags are 32-bit patterns; the Long column holds them as signed numbers.
constexpr std::int32_t id(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

constexpr std::uint32_t kTopContainer = 0x0F000000;
constexpr std::uint32_t kTablesContainer = 0x0F000001;
constexpr std::uint32_t kDatabasesContainer = 0x0F000002;
constexpr std::uint32_t kSystemFlag = 0x80000000;

constexpr std::int16_t kTypeTable = 1;
constexpr std::int16_t kTypeDatabase = 2;
constexpr std::int16_t kTypeContainer = 3;

std::vector<Column> catalogColumns()
{
    using T = ColumnType;
    return {{"Id", T::Long},          {"ParentId", T::Long},      {"Name", T::Text},
            {"Type", T::Integer},     {"DateCreate", T::DateTime}, {"DateUpdate", T::DateTime},
            {"Owner", T::Binary},     {"Flags", T::Long},         {"Database", T::Memo},
            {"Connect", T::Memo},     {"ForeignName", T::Text},   {"RmtInfoShort", T::Binary},
            {"RmtInfoLong", T::Ole},  {"Lv", T::Ole},             {"LvProp", T::Ole},
            {"LvModule", T::Ole},     {"LvExtra", T::Ole}};
}

std::vector<Value> object(std::uint32_t objectId, std::uint32_t parent, const std::string& name,
                          std::int16_t type, std::uint32_t flags, double created)
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

Table catalogTable(const std::vector<CatalogEntry>& userTables, double created)
{
    Table t{"MSysObjects", catalogColumns(), {}, true};
    const auto add = [&](std::uint32_t objectId, std::uint32_t parent, const std::string& name,
                         std::int16_t type, std::uint32_t flags) {
        t.rows.push_back(object(objectId, parent, name, type, flags, created));
    };
    add(kTablesContainer, kTopContainer, "Tables", kTypeContainer, kSystemFlag);
    add(kDatabasesContainer, kTopContainer, "Databases", kTypeContainer, kSystemFlag);
    add(0x0F000003, kTopContainer, "Relationships", kTypeContainer, kSystemFlag);
    add(0x10000000, kDatabasesContainer, "MSysDb", kTypeDatabase, kSystemFlag);
    add(kCatalogDefinitionPage, kTablesContainer, "MSysObjects", kTypeTable, kSystemFlag);
    std::uint32_t otherContainer = 0x80000000;
    for (const char* name : {"Forms", "Reports", "Scripts", "Modules"})
        add(otherContainer++, kTopContainer, name, kTypeContainer, 0);
    for (const CatalogEntry& e : userTables)
        add(e.definitionPage, kTablesContainer, e.name, kTypeTable, 0);
    return t;
}

} // namespace feastbook::gen::jet
