#include "tools/jet/TableRows.h"

#include "tools/jet/FieldEncoder.h"
#include "tools/jet/RowEncoder.h"

#include <stdexcept>
#include <string>

namespace gen::jet {

WrittenRows writeTableRows(PageFile &file, const Table &table, const TableLayout &layout, std::uint32_t definitionPage)
{
    const JetFormat &format = file.format();
    FieldEncoder encoder(file, table);
    WrittenRows written;
    std::vector<std::uint32_t> &pages = written.data.used;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<Value> &values = table.rows[r];
        const std::string where = "table " + table.name + ", row " + std::to_string(r + 1);
        if (values.size() != table.columns.size())
            throw std::invalid_argument(where + ": wrong number of values");
        std::vector<Field> fields;
        for (std::size_t c = 0; c < values.size(); ++c)
            fields.push_back(encoder.encode(r, c, values[c]));
        const Bytes row = encodeRow(format, layout, fields);
        if (row.size() > format.maxRecordSize)
            throw std::length_error(where + " takes " + std::to_string(row.size()) + " bytes; an Access row "
                                    + "holds at most " + std::to_string(format.maxRecordSize));
        if (pages.empty() || !file.fits(pages.back(), row.size()))
            pages.push_back(file.allocateRowPage(definitionPage));
        file.addRow(pages.back(), row);
    }
    if (!pages.empty())
        written.data.withRoom = {pages.back()};
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (isLongValue(table.columns[c].type))
            written.longValues.push_back(encoder.longValuePages(c));
    return written;
}

} // namespace gen::jet
