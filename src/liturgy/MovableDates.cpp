#include "liturgy/MovableDates.h"

namespace liturgy {

CivilDate easterSunday(int year)
{
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return CivilDate(year, month, day);
}

bool usaAscensionOnSunday(int year)
{
    return year >= 2000;
}

MovableDates MovableDates::compute(int year, Region region)
{
    MovableDates m;
    m.year = year;
    const bool usa = region == Region::USA;

    if (usa) {
        // Epiphany on the Sunday between 2 and 8 January; when that is the 7th or 8th,
        // the Baptism of the Lord is kept on the following Monday.
        m.epiphany = CivilDate(year, 1, 2).addDays((7 - static_cast<int>(CivilDate(year, 1, 2).weekday())) % 7);
        m.baptism = m.epiphany.day() >= 7 ? m.epiphany.addDays(1) : m.epiphany.addDays(7);
    } else {
        m.epiphany = CivilDate(year, 1, 6);
        m.baptism = m.epiphany.after(Weekday::Sunday);
    }

    m.easter = easterSunday(year);
    m.ashWednesday = m.easter.addDays(-46);
    m.palmSunday = m.easter.addDays(-7);
    m.ascensionOnSunday = usa && usaAscensionOnSunday(year);
    m.ascension = m.easter.addDays(m.ascensionOnSunday ? 42 : 39);
    m.pentecost = m.easter.addDays(49);
    m.trinity = m.easter.addDays(56);
    // Corpus Christi is kept on the Sunday after Trinity in the USA, on Thursday elsewhere.
    m.corpusChristi = m.easter.addDays(usa ? 63 : 60);
    m.sacredHeart = m.easter.addDays(68);
    m.immaculateHeart = m.easter.addDays(69);
    m.adventSunday = CivilDate(year, 12, 3).onOrBefore(Weekday::Sunday);
    m.christTheKing = m.adventSunday.addDays(-7);

    const CivilDate christmas(year, 12, 25);
    m.holyFamily = christmas.weekday() == Weekday::Sunday ? CivilDate(year, 12, 30) : christmas.after(Weekday::Sunday);
    return m;
}

} // namespace liturgy
