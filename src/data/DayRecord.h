#pragma once

#include "data/CalendarCursor.h"

#include <QDateTime>
#include <QString>

// One row of calendarComplet as the program reads it.
struct DayRecord
{
    qint16 ID = 0;
    QDateTime Data;
    QString DataUniv;
    QString evenimentUniv;
    QString evenimentSUA;
    QString ToolTipUniv;
    QString ToolTipSUA;
    QString ComentariuUniv;
    QString ComentariuSUA;
    QString culoriUniv;
    QString CuloriSUA;

    // Reads the current row; throws DataError like the cursor does.
    static DayRecord read(const CalendarCursor &row);
};

// Row numbers and IDs are 16-bit signed in the calendar's readers; a larger value is an
// overflow error rather than a silently wrapped number.
qint16 toRowNumber(qint64 value);
