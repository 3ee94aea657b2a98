#include "data/CalendarDate.h"

#include "data/DataError.h"

#include <QTimeZone>

namespace CalendarDate {

QDateTime dateValue(QDate day)
{
    return QDateTime(day, QTime(0, 0), QTimeZone::utc());
}

QDateTime parse(const QString &text)
{
    const QString t = text.trimmed();
    const QDate day = QDate::fromString(t.left(10), Qt::ISODate);
    if (day.isValid()) {
        if (t.size() == 10)
            return dateValue(day);
        if (t.size() > 11 && (t.at(10) == u' ' || t.at(10) == u'T')) {
            const QTime time = QTime::fromString(t.mid(11), Qt::ISODateWithMs);
            if (time.isValid())
                return QDateTime(day, time, QTimeZone::utc());
        }
    }
    throw DataError(QStringLiteral("\"%1\" is not a date.").arg(text));
}

qint64 daysBetween(const QDateTime &a, QDate b)
{
    return a.date().daysTo(b);
}

} // namespace CalendarDate
