#pragma once

#include <compare>
#include <string>

namespace liturgy {

enum class Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// A day of the proleptic Gregorian calendar. Arithmetic goes through a serial day number
// so that "the Sunday before", "forty days after Easter" and so on stay one subtraction.
class CivilDate
{
public:
    constexpr CivilDate() = default;
    constexpr CivilDate(int year, int month, int day) : m_serial(toSerial(year, month, day)) {}

    static constexpr CivilDate fromSerial(long serial)
    {
        CivilDate d;
        d.m_serial = serial;
        return d;
    }
    constexpr long serial() const { return m_serial; }

    int year() const;
    int month() const;
    int day() const;
    Weekday weekday() const;

    constexpr CivilDate addDays(long n) const { return fromSerial(m_serial + n); }
    constexpr long daysTo(CivilDate other) const { return other.m_serial - m_serial; }

    // The given weekday on or before / strictly after this date.
    CivilDate onOrBefore(Weekday w) const;
    CivilDate after(Weekday w) const;

    std::string iso() const;      // "2000-04-23"
    std::string cellText() const; // "S Apr 23"

    constexpr auto operator<=>(const CivilDate &) const = default;

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

private:
    // Days since 1970-01-01 (Howard Hinnant's days_from_civil).
    static constexpr long toSerial(int y, int m, int d)
    {
        y -= m <= 2;
        const long era = (y >= 0 ? y : y - 399) / 400;
        const long yoe = y - era * 400;
        const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return era * 146097 + doe - 719468;
    }

    long m_serial = 0;
};

const char *weekdayName(Weekday w);

} // namespace liturgy
