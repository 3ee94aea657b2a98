#pragma once

#include "data/jet/Column.h"

#include <cstdint>
#include <vector>

namespace jet {

class JetFile;

// A table definition: its chain of definition pages read as one block, the columns (in column
// number order, deleted columns absent) and where the table's page usage map is.
class TableDef
{
public:
    // Throws JetError when the pages are not a sound table definition.
    TableDef(const JetFile &file, std::uint32_t firstPage);

    std::uint32_t firstPage() const { return m_firstPage; }
    const std::vector<Column> &columns() const { return m_columns; }
    std::uint16_t varColumnCount() const { return m_varColumnCount; }
    // Page and row (page << 8 | row) of the usage map listing the table's data pages.
    std::uint32_t usedPages() const { return m_usedPages; }

private:
    std::vector<std::uint8_t> readChain(const JetFile &file) const;
    void readColumns(const JetFile &file, const std::vector<std::uint8_t> &definition);

    std::uint32_t m_firstPage;
    std::vector<Column> m_columns;
    std::uint16_t m_varColumnCount = 0;
    std::uint32_t m_usedPages = 0;
};

} // namespace jet
