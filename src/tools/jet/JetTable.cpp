#include "tools/jet/JetTable.h"

namespace gen::jet {

bool isFixedLength(ColumnType type)
{
    return type == ColumnType::Integer || type == ColumnType::Long || type == ColumnType::DateTime;
}

bool isLongValue(ColumnType type)
{
    return type == ColumnType::Memo || type == ColumnType::Ole;
}

std::size_t fixedLength(ColumnType type)
{
    switch (type) {
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
        return 4;
    case ColumnType::DateTime:
        return 8;
    default:
        return 0;
    }
}

} // namespace gen::jet
