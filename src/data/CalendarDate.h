#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Date values of the calendar table: "YYYY-MM-DD", optionally followed by a time of day
// ("YYYY-MM-DD HH:MM:SS" or with a "T"). Kept in UTC so that every stored value is valid.
namespace CalendarDate {

// Midnight of the given day: what a date without a time of day reads as.
QDateTime dateValue(QDate day);

// Throws DataError when text is not such a date.
QDateTime parse(const QString &text);

// Whole calendar days from a to b, ignoring the time of day of either.
qint64 daysBetween(const QDateTime &a, QDate b);

} // namespace CalendarDate
