#pragma once

#include "data/jet/JetTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace jet {

class JetFile;

// A table as the catalog (the system table MSysObjects) lists it.
struct TableEntry
{
    std::string name;
    std::uint32_t definitionPage = 0;
    bool system = false;
};

// An Access database opened for reading: the file and its catalog of tables.
class JetDatabase
{
public:
    // Throws JetError when the file or its catalog cannot be read.
    explicit JetDatabase(std::shared_ptr<const JetFile> file);
    static JetDatabase open(const std::string &path);

    const JetFile &file() const { return *m_file; }
    // Every table of the catalog, system tables included, in catalog order.
    const std::vector<TableEntry> &tables() const { return m_tables; }
    // The table of that name, ASCII letters compared without regard to case; null if none.
    const TableEntry *find(std::string_view name) const;
    JetTable openTable(const TableEntry &entry) const;

private:
    void readCatalog();

    std::shared_ptr<const JetFile> m_file;
    std::vector<TableEntry> m_tables;
};

} // namespace jet
