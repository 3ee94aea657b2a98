#pragma once

#include "CalendarRows.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace feastbook::gen {

struct WriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes the rows as an SQLite database with the one table calendarComplet. The file appears
// complete or not at all: it is written beside the target under a temporary name and then
// moved into place. Without overwrite an existing target is left alone and WriteError thrown.
void writeCalendarDatabase(const std::vector<CalendarRow>& rows, const std::string& path,
                           bool overwrite);

} // namespace feastbook::gen
