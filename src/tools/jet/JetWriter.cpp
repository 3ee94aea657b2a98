#include "tools/jet/JetWriter.h"

#include "tools/jet/Catalog.h"
#include "tools/jet/HeaderPage.h"
#include "tools/jet/PageFile.h"
#include "tools/jet/TableDefinition.h"
#include "tools/jet/TableRows.h"
#include "tools/jet/UsageMap.h"
#include "tools/jet/UsageMapRows.h"

#include <stdexcept>

namespace gen::jet {

namespace {

struct TablePlan
{
    const Table *table = nullptr;
    std::uint32_t definitionPage = 0;
    TableLayout layout;
    MapPair dataMaps;
    std::vector<MapPair> longValueMaps;
    WrittenRows rows;
};

// The catalog first, then the tables; the catalog names the tables' definition pages.
std::vector<TablePlan> planTables(PageFile &file, const std::vector<Table> &tables, Table &catalog, double created)
{
    std::vector<TablePlan> plans(tables.size() + 1);
    plans[0].definitionPage = file.allocate();
    if (plans[0].definitionPage != CatalogDefinitionPage)
        throw std::logic_error("the catalog must be defined on page 2");
    std::vector<CatalogEntry> entries;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        plans[t + 1].table = &tables[t];
        plans[t + 1].definitionPage = file.allocate();
        entries.push_back({tables[t].name, plans[t + 1].definitionPage});
    }
    catalog = catalogTable(entries, created);
    plans[0].table = &catalog;
    for (TablePlan &p : plans)
        p.layout = layoutOf(p.table->columns, file.format());
    return plans;
}

// The map of free pages sits on a page of its own, whose owner field reads 1.
std::uint32_t reserveFreePageMap(PageFile &file)
{
    const std::uint32_t page = file.allocateRowPage(1);
    return pageRow(page, file.addRow(page, Bytes(file.format().usageMapRowSize, 0)));
}

void reserveUsageMaps(std::vector<TablePlan> &plans, UsageMapRows &maps)
{
    for (TablePlan &p : plans) {
        p.dataMaps = maps.reservePair();
        for (const Column &c : p.table->columns)
            if (isLongValue(c.type))
                p.longValueMaps.push_back(maps.reservePair());
    }
}

// The definition and the usage maps, once the table's rows are written.
void finishTable(PageFile &file, UsageMapRows &maps, const TablePlan &p)
{
    const auto rowCount = static_cast<std::uint32_t>(p.table->rows.size());
    file.page(p.definitionPage) =
        tableDefinitionPage(file.format(), {*p.table, p.layout, rowCount, p.dataMaps, p.longValueMaps});
    maps.fill(p.dataMaps, p.rows.data);
    for (std::size_t i = 0; i < p.longValueMaps.size(); ++i)
        maps.fill(p.longValueMaps[i], p.rows.longValues[i]);
}

} // namespace

Bytes writeJetDatabase(JetVersion version, const std::vector<Table> &tables, double created)
{
    const JetFormat &format = formatOf(version);
    PageFile file(format);
    file.allocate(); // the header, written last
    const std::uint32_t freeMap = reserveFreePageMap(file);
    Table catalog;
    std::vector<TablePlan> plans = planTables(file, tables, catalog, created);
    UsageMapRows maps(file);
    reserveUsageMaps(plans, maps);
    for (TablePlan &p : plans)
        p.rows = writeTableRows(file, *p.table, p.layout, p.definitionPage);
    for (const TablePlan &p : plans)
        finishTable(file, maps, p);
    maps.put(freeMap, freePageMap(file));
    file.page(0) = headerPage(format, created);

    Bytes out;
    out.reserve(file.pageCount() * format.pageSize);
    for (const Bytes &page : file.pages())
        appendBytes(out, page);
    return out;
}

} // namespace gen::jet
