#pragma once

#include "support/TestDatabase.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The two kinds of Access file a test calendar is written as (the values of gen::jet::JetVersion).
namespace JetImage {
enum Version { Jet3, Jet4 };
}

// calendarComplet as feastbook-gen's Access writer lays it out (ID a Long Integer, Data a
// Date/Time, each text column Text where every value fits and Memo otherwise), IDs 1..N.
namespace AccessCalendar {

QByteArray bytes(const std::vector<TestDay> &rows, JetImage::Version version);
void write(const QString &path, const std::vector<TestDay> &rows, JetImage::Version version);

} // namespace AccessCalendar
