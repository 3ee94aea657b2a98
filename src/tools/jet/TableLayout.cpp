#include "tools/jet/TableLayout.h"

namespace gen::jet {

namespace {

std::size_t declaredSize(ColumnType type, const JetFormat &format)
{
    if (type == ColumnType::Text || type == ColumnType::Binary)
        return format.textColumnSize;
    return fixedLength(type); // long values declare 0
}

} // namespace

TableLayout layoutOf(const std::vector<Column> &columns, const JetFormat &format)
{
    TableLayout layout;
    for (const Column &c : columns) {
        ColumnLayout l;
        l.fixed = isFixedLength(c.type);
        l.declaredSize = declaredSize(c.type, format);
        l.varIndex = layout.varCount;
        if (l.fixed) {
            l.fixedOffset = layout.fixedAreaSize;
            layout.fixedAreaSize += fixedLength(c.type);
        } else {
            ++layout.varCount;
        }
        layout.columns.push_back(l);
    }
    return layout;
}

} // namespace gen::jet
