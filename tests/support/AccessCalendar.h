#pragma once

#include "support/JetImage.h"
#include "support/TestDatabase.h"

#include <QByteArray>
#include <QString>
#include <vector>

// calendarComplet as an Access file: ID Long Integer, Data Date/Time, the commentaries Memo and
// the other texts Text, in the column order of the SQLite calendar.
namespace AccessCalendar {

JetImage image(const std::vector<TestDay> &rows, JetImage::Version version);
void write(const QString &path, const std::vector<TestDay> &rows, JetImage::Version version);
// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS" as days since 1899-12-30.
double days(const QString &date);

} // namespace AccessCalendar
