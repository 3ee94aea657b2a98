#pragma once

#include "liturgy/Celebration.h"
#include "liturgy/CivilDate.h"

#include <string>
#include <vector>

namespace liturgy {

enum class Season { Advent, Christmas, OrdinaryTime, Lent, HolyWeek, Triduum, Easter };

const char *seasonName(Season s);

// One day of one calendar, with everything its texts are composed from.
struct LiturgicalDay
{
    CivilDate date;
    Season season = Season::OrdinaryTime;
    int week = 0;                     // week of the season (0: the days after Ash Wednesday)
    char sundayCycle = 'A';           // A, B, C
    int weekdayCycle = 1;             // I or II
    int psalterWeek = 1;              // 1..4
    Celebration weekday;              // what the day is in the cycle of seasons
    Celebration celebration;          // what is celebrated (may be the weekday itself)
    std::vector<Celebration> options; // optional memorials that may be kept instead
    // Obligatory memorials reduced to optional ones by a privileged season.
    bool commemorationsOnly = false;

    bool isWeekdayWithOptions() const { return !options.empty(); }
};

} // namespace liturgy
