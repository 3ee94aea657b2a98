#pragma once

#include <string>
#include <vector>

namespace feastbook::gen {

// One row of calendarComplet, the SUA columns already reduced to the "=" marker.
struct CalendarRow {
    int id = 0;
    std::string data;
    std::string dataUniv;
    std::string evenimentUniv;
    std::string evenimentSUA;
    std::string toolTipUniv;
    std::string toolTipSUA;
    std::string comentariuUniv;
    std::string comentariuSUA;
    std::string culoriUniv;
    std::string culoriSUA;
};

inline constexpr const char* kSameAsUniversal = "=";

// Every day of the civil years firstYear .. firstYear + years - 1, in date order, IDs from 1.
std::vector<CalendarRow> buildCalendarRows(int firstYear, int years);

} // namespace feastbook::gen
