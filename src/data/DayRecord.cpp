#include "data/DayRecord.h"

#include "data/DataError.h"

#include <limits>

qint16 toRowNumber(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw DataError(QStringLiteral("Overflow: the row number %1 is out of range.").arg(value));
    return static_cast<qint16>(value);
}

DayRecord DayRecord::read(const CalendarCursor &row)
{
    DayRecord r;
    r.ID = toRowNumber(row.integer(QStringLiteral("ID")));
    r.Data = row.date(QStringLiteral("Data"));
    r.DataUniv = row.text(QStringLiteral("DataUniv"));
    r.evenimentUniv = row.text(QStringLiteral("evenimentUniv"));
    r.evenimentSUA = row.text(QStringLiteral("evenimentSUA"));
    r.ToolTipUniv = row.text(QStringLiteral("ToolTipUniv"));
    r.ToolTipSUA = row.text(QStringLiteral("ToolTipSUA"));
    r.ComentariuUniv = row.text(QStringLiteral("ComentariuUniv"));
    r.ComentariuSUA = row.text(QStringLiteral("ComentariuSUA"));
    r.culoriUniv = row.text(QStringLiteral("culoriUniv"));
    r.CuloriSUA = row.text(QStringLiteral("CuloriSUA"));
    return r;
}
