#pragma once

#include "liturgy/CivilDate.h"
#include "liturgy/Region.h"

namespace liturgy {

// Easter Sunday by the Gregorian computus (valid for 1583 onwards).
CivilDate easterSunday(int year);

// The movable days of one civil year, as kept in one region.
struct MovableDates
{
    int year = 0;
    CivilDate epiphany;
    CivilDate baptism;
    CivilDate ashWednesday;
    CivilDate palmSunday;
    CivilDate easter;
    CivilDate ascension;
    CivilDate pentecost;
    CivilDate trinity;
    CivilDate corpusChristi;
    CivilDate sacredHeart;
    CivilDate immaculateHeart;
    CivilDate christTheKing;
    CivilDate adventSunday; // First Sunday of Advent
    CivilDate holyFamily;   // in the Christmas octave at the end of this year
    bool ascensionOnSunday = false;

    static MovableDates compute(int year, Region region);
};

// The USA moved the Ascension to the Seventh Sunday of Easter by province from 2000;
// the data notes explain why all provinces are written as having moved.
bool usaAscensionOnSunday(int year);

} // namespace liturgy
