#pragma once

#include "tools/CalendarRows.h"

#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

namespace gen {

struct WriteError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

enum class CalendarFormat { Sqlite, Access97, Access2000 };

// Writes the rows as a database with the one table calendarComplet: an SQLite file, or an
// Access file (Jet 3 or Jet 4) that records created as its creation time. The file appears
// complete or not at all: it is written beside the target under a temporary name and then
// moved into place. Without overwrite an existing target is left alone and WriteError thrown.
void writeCalendarDatabase(const std::vector<CalendarRow> &rows, const std::string &path, bool overwrite,
                           CalendarFormat format = CalendarFormat::Sqlite, std::time_t created = std::time(nullptr));

} // namespace gen
