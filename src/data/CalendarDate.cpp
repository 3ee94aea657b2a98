#include "data/CalendarDate.h"

#include "data/DataError.h"

#include <optional>

namespace CalendarDate {
namespace {

// "YYYY-MM-DD" exactly, the form the calendar stores its dates in. Start-up and the grid read
// every row's date, and the general parser costs more than reading the rest of the row; what
// this does not take goes to the general parser.
std::optional<QDate> plainDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const auto number = [&](qsizetype from, qsizetype to) -> std::optional<int> {
        int value = 0;
        for (qsizetype i = from; i < to; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const auto year = number(0, 4);
    const auto month = number(5, 7);
    const auto day = number(8, 10);
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

} // namespace

// Qt::UTC rather than a QTimeZone: a date-time in a zone holds the zone on the heap, and
// start-up and the grid make one for every row of the calendar.
QDateTime dateValue(QDate day)
{
    return QDateTime(day, QTime(0, 0), Qt::UTC);
}

QDateTime parse(const QString &text)
{
    const QString t = text.trimmed();
    if (const auto plain = plainDate(t))
        return dateValue(*plain);
    const QDate day = QDate::fromString(t.left(10), Qt::ISODate);
    if (day.isValid()) {
        if (t.size() == 10)
            return dateValue(day);
        if (t.size() > 11 && (t.at(10) == u' ' || t.at(10) == u'T')) {
            const QTime time = QTime::fromString(t.mid(11), Qt::ISODateWithMs);
            if (time.isValid())
                return QDateTime(day, time, Qt::UTC);
        }
    }
    throw DataError(QStringLiteral("\"%1\" is not a date.").arg(text));
}

qint64 daysBetween(const QDateTime &a, QDate b)
{
    return a.date().daysTo(b);
}

} // namespace CalendarDate
