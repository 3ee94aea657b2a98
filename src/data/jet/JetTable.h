#pragma once

#include "data/jet/Column.h"
#include "data/jet/RowLayout.h"
#include "data/jet/TableDef.h"
#include "data/jet/Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace jet {

class JetFile;

// One table: its definition and the places of its rows in stored order, which is the order a
// table scan meets them: data pages in ascending page order, rows in slot order, deleted rows
// left out and moved rows read where their forwarding pointer stands.
class JetTable
{
public:
    // Reads the definition and finds every row; throws JetError when either is damaged.
    JetTable(std::shared_ptr<const JetFile> file, std::string name, std::uint32_t definitionPage);

    const std::string &name() const { return m_name; }
    const std::vector<Column> &columns() const { return m_def.columns(); }
    // The column's index in columns(), ASCII letters compared without regard to case; -1 if none.
    int columnIndex(std::string_view name) const;
    std::size_t rowCount() const { return m_rows.size(); }

    // Where the values of one row lie; throws JetError when the row is damaged.
    RowLayout layout(std::size_t row) const;
    // One value of a row. Throws UnsupportedType for a column whose type is not decoded (even
    // when it is null) and JetError for damage met on the way.
    Value value(const RowLayout &row, std::size_t column) const;

private:
    struct RowPlace
    {
        std::uint32_t page;
        std::uint16_t row;
    };

    void findRows();
    RowPlace followOverflow(RowPlace pointerRow) const;
    Value decode(const Column &column, Bytes field) const;
    std::string decodeText(Bytes bytes) const;

    std::shared_ptr<const JetFile> m_file;
    std::string m_name;
    TableDef m_def;
    std::vector<RowPlace> m_rows;
};

// ASCII letters compared without regard to case (names in the file are mostly ASCII).
bool sameName(std::string_view a, std::string_view b);

} // namespace jet
