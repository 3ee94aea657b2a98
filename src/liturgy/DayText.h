#pragma once

#include "liturgy/LiturgicalDay.h"

#include <string>

namespace liturgy {

// The texts of one day in one calendar, as the table stores them (before the "=" marker).
struct DayText
{
    std::string event;   // short, fits a day cell
    std::string toolTip; // full title
    std::string colours; // "4" or "2;4"
    std::string comment; // RTF
};

// The widest celebration text a day cell shows without cutting it.
constexpr std::size_t CellWidth = 45;

DayText composeDayText(const LiturgicalDay &day);

// The cell text of a weekday with optional memorials, shortened step by step until it fits.
std::string fitWeekdayWithOptions(const std::string &weekday, const std::string &weekdayName,
                                  const std::vector<std::string> &options);

} // namespace liturgy
