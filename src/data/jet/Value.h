#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace jet {

// Currency: a whole number of ten-thousandths.
struct Currency
{
    std::int64_t tenThousandths = 0;
    bool operator==(const Currency &) const = default;
};

// Date/Time: days since 1899-12-30, the fraction being the time of day. Before that day the
// whole part counts back while the fraction still counts forward: -1.25 is 1899-12-29 06:00.
struct DateTime
{
    double days = 0;
    bool operator==(const DateTime &) const = default;
};

// A calendar date and time of day, to the millisecond.
struct CivilTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// One stored value. Byte, Integer and Long Integer all arrive as int64_t; Text and Memo as UTF-8.
using Value = std::variant<std::monostate, bool, std::int64_t, float, double, Currency, DateTime, std::string>;

// Throws JetError for a value outside the years 100 to 9999 (Access's range) or not a number.
CivilTime toCivil(DateTime value);

// The value as text: numbers in the shortest form that reads back the same, Currency with its
// decimals trimmed, dates as "YYYY-MM-DD" with " HH:MM:SS" (and ".mmm") when not midnight,
// Booleans as "True"/"False", null as an empty string.
std::string toText(const Value &value);

} // namespace jet
