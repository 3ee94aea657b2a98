#pragma once

#include "data/CalendarCursor.h"
#include "data/CalendarSchema.h"
#include "data/RowNumber.h"

#include <QDateTime>
#include <QString>

// One whole row of the calendar table, for tests that compare rows of two stores column by
// column. The program's readers take single columns instead, each with its own fallback.
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

    bool operator==(const DayRecord &) const = default;

    // Reads the current row; throws DataError like the cursor does.
    static DayRecord read(const CalendarCursor &row)
    {
        using namespace CalendarSchema;
        DayRecord r;
        r.ID = toRowNumber(row.integer(Id));
        r.Data = row.date(Date);
        r.DataUniv = row.text(DateText);
        r.evenimentUniv = row.text(EventUniv);
        r.evenimentSUA = row.text(EventSua);
        r.ToolTipUniv = row.text(TitleUniv);
        r.ToolTipSUA = row.text(TitleSua);
        r.ComentariuUniv = row.text(CommentaryUniv);
        r.ComentariuSUA = row.text(CommentarySua);
        r.culoriUniv = row.text(ColoursUniv);
        r.CuloriSUA = row.text(ColoursSua);
        return r;
    }
};
