#pragma once

#include "tools/jet/JetTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gen::jet {

struct CatalogEntry
{
    std::string name;
    std::uint32_t definitionPage;
};

// MSysObjects, the catalog every reader starts from (its definition is always page 2): the
// containers Access expects (Tables, Databases, Relationships, Forms, Reports, Scripts,
// Modules), the database object MSysDb, the catalog itself, and one row per user table whose Id
// is the page of its definition. created: days since 1899-12-30.
Table catalogTable(const std::vector<CatalogEntry> &userTables, double created);

inline constexpr std::uint32_t CatalogDefinitionPage = 2;

} // namespace gen::jet
