#include "data/RowNumber.h"

#include "data/DataError.h"

#include <limits>

qint16 toRowNumber(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw DataError(QStringLiteral("Overflow: the row number %1 is out of range.").arg(value));
    return static_cast<qint16>(value);
}
