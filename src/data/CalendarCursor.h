#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A cursor over the rows of one table in stored order. Reading a column that is missing, NULL
// or not convertible throws DataError; so does reading while the cursor is past the last row.
class CalendarCursor
{
public:
    virtual ~CalendarCursor() = default;

    virtual void MoveFirst() = 0;
    virtual void MoveNext() = 0;
    virtual void MoveLast() = 0;
    // True once the cursor has passed the last row (or the table is empty).
    virtual bool isEOF() const = 0;

    virtual QString text(const QString &column) const = 0;
    virtual qint64 integer(const QString &column) const = 0;
    // A date with its time of day; a value without one reads as midnight. Always in UTC so
    // that no daylight-saving gap can make a stored value invalid.
    virtual QDateTime date(const QString &column) const = 0;

    // The columns whose values can be read, in the table's order (for listing a whole table).
    virtual QStringList columnNames() const = 0;
    // Whether the current row holds NULL in the column; throws as the readers above do when
    // there is no current row or no such column.
    virtual bool isNull(const QString &column) const = 0;
};
