#pragma once

#include "tools/CalendarRows.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/JetTable.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace gen {

// The calendar as the Jet table calendarComplet: ID a Long Integer, Data a Date/Time, and each
// text column Text where every value fits 255 characters, Memo otherwise.
jet::Table calendarJetTable(const std::vector<CalendarRow> &rows, jet::JetVersion version);

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS" as Access stores a date: days since 1899-12-30, the time
// of day as the fraction, which Access counts away from day 0 for days before it (-1.25 is
// 1899-12-29 06:00). Throws std::invalid_argument for any other text.
double jetDate(std::string_view text);

// A moment as an Access date in local time.
double jetDate(std::time_t moment);

// Writes the calendar as an Access 97 (Jet 3) or Access 2000 (Jet 4) file at path.
void writeCalendarJet(const std::vector<CalendarRow> &rows, const std::string &path, jet::JetVersion version,
                      std::time_t created);

} // namespace gen
