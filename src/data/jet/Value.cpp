#include "data/jet/Value.h"

#include "data/jet/JetError.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace jet {

namespace {

constexpr std::int64_t MillisecondsPerDay = 86400000;
constexpr std::int64_t DaysFrom1899To1970 = 25569;
constexpr int FirstYear = 100;
constexpr int LastYear = 9999;

// Proleptic Gregorian date of a day counted from 1970-01-01 (H. Hinnant's civil_from_days).
void civilFromDays(std::int64_t z, CivilTime &t)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    t.day = int(doy - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
}

template <typename Number> std::string shortest(Number value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string currencyText(Currency c)
{
    const bool negative = c.tenThousandths < 0;
    // Negating the smallest int64 overflows; its magnitude as unsigned does not.
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(c.tenThousandths) : std::uint64_t(c.tenThousandths);
    std::string text(negative ? "-" : "");
    text.append(std::to_string(magnitude / 10000));
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%04u", unsigned(magnitude % 10000));
    std::size_t length = 5;
    while (length > 1 && fraction[length - 1] == '0')
        --length;
    if (length > 1)
        text.append(fraction, length);
    return text;
}

std::string dateText(DateTime value)
{
    const CivilTime t = toCivil(value);
    char buffer[48];
    int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", t.year, t.month, t.day);
    if (t.hour || t.minute || t.second || t.millisecond)
        n += std::snprintf(buffer + n, sizeof buffer - std::size_t(n), " %02d:%02d:%02d", t.hour, t.minute, t.second);
    if (t.millisecond)
        std::snprintf(buffer + n, sizeof buffer - std::size_t(n), ".%03d", t.millisecond);
    return buffer;
}

} // namespace

CivilTime toCivil(DateTime value)
{
    if (!std::isfinite(value.days) || std::fabs(value.days) > 1e7)
        throw JetError("the date value " + shortest(value.days) + " is out of range");
    const double whole = std::trunc(value.days);
    std::int64_t day = std::int64_t(whole);
    std::int64_t ms = std::llround(std::fabs(value.days - whole) * double(MillisecondsPerDay));
    if (ms >= MillisecondsPerDay) {
        ms -= MillisecondsPerDay;
        ++day;
    }
    CivilTime t;
    civilFromDays(day - DaysFrom1899To1970, t);
    if (t.year < FirstYear || t.year > LastYear)
        throw JetError("the date value " + shortest(value.days) + " is out of range");
    t.hour = int(ms / 3600000);
    t.minute = int(ms / 60000 % 60);
    t.second = int(ms / 1000 % 60);
    t.millisecond = int(ms % 1000);
    return t;
}

std::string toText(const Value &value)
{
    struct Visitor
    {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(float f) const { return shortest(f); }
        std::string operator()(double d) const { return shortest(d); }
        std::string operator()(Currency c) const { return currencyText(c); }
        std::string operator()(DateTime d) const { return dateText(d); }
        std::string operator()(const std::string &s) const { return s; }
    };
    return std::visit(Visitor{}, value);
}

} // namespace jet
