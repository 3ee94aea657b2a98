#include "liturgy/CivilDate.h"

#include <cstdio>

namespace liturgy {

namespace {

struct Ymd
{
    int y, m, d;
};

Ymd fromSerialDays(long z)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

constexpr const char *MonthAbbrev[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char *WeekdayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

} // namespace

int CivilDate::year() const
{
    return fromSerialDays(m_serial).y;
}
int CivilDate::month() const
{
    return fromSerialDays(m_serial).m;
}
int CivilDate::day() const
{
    return fromSerialDays(m_serial).d;
}

Weekday CivilDate::weekday() const
{
    // 1970-01-01 was a Thursday.
    long w = (m_serial + 4) % 7;
    if (w < 0)
        w += 7;
    return static_cast<Weekday>(w);
}

CivilDate CivilDate::onOrBefore(Weekday w) const
{
    long back = (static_cast<int>(weekday()) - static_cast<int>(w) + 7) % 7;
    return addDays(-back);
}

CivilDate CivilDate::after(Weekday w) const
{
    long ahead = (static_cast<int>(w) - static_cast<int>(weekday()) + 7) % 7;
    return addDays(ahead == 0 ? 7 : ahead);
}

std::string CivilDate::iso() const
{
    const Ymd v = fromSerialDays(m_serial);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", v.y, v.m, v.d);
    return buf;
}

std::string CivilDate::cellText() const
{
    const Ymd v = fromSerialDays(m_serial);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c %s %02d", WeekdayNames[static_cast<int>(weekday())][0], MonthAbbrev[v.m - 1],
                  v.d);
    return buf;
}

bool CivilDate::isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CivilDate::daysInMonth(int year, int month)
{
    static constexpr int DaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : DaysInMonth[month - 1];
}

const char *weekdayName(Weekday w)
{
    return WeekdayNames[static_cast<int>(w)];
}

} // namespace liturgy
