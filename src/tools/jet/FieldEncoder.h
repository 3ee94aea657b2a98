#pragma once

#include "tools/jet/JetTable.h"
#include "tools/jet/LongValueStore.h"
#include "tools/jet/PageFile.h"
#include "tools/jet/RowEncoder.h"
#include "tools/jet/TableRows.h"

#include <memory>
#include <string>
#include <vector>

namespace gen::jet {

// Turns the values of a table's rows into the bytes their row holds: numbers little-endian,
// dates as doubles, texts encoded for the Jet version (compressed in user tables), long values
// stored on the long-value pages of their column. Values that do not fit their column are
// refused with an exception that names table, row and column.
class FieldEncoder
{
public:
    FieldEncoder(PageFile &file, const Table &table);

    Field encode(std::size_t row, std::size_t column, const Value &value);

    // The long-value pages a Memo or OLE column took.
    PageSets longValuePages(std::size_t column) const;

private:
    Bytes wholeNumber(std::size_t row, const Column &c, const Value &value) const;
    Bytes text(std::size_t row, const Column &c, const Value &value) const;
    Bytes memo(std::size_t row, std::size_t column, const Value &value);
    const std::string &textOf(std::size_t row, const Column &c, const Value &value) const;
    std::string where(std::size_t row, const Column &c) const;

    JetVersion m_version;
    const Table &m_table;
    std::vector<std::unique_ptr<LongValueStore>> m_stores; // one per long-value column
};

} // namespace gen::jet
