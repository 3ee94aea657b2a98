#include "liturgy/ProseKeys.h"

#include "liturgy/LiturgicalCalendar.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace liturgy {

namespace {

std::string lowerWeekday(const CivilDate &d)
{
    std::string s = weekdayName(d.weekday());
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// "dec-17": the days of late Advent and of the Christmas octave each have a text of their own.
std::string monthDay(const CivilDate &d)
{
    static constexpr const char *Months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                             "jul", "aug", "sep", "oct", "nov", "dec"};
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%s-%02d", Months[d.month() - 1], d.day());
    return buffer;
}

bool startsWith(const std::string &s, std::string_view prefix)
{
    return s.rfind(prefix, 0) == 0;
}

std::string temporalDayName(const Celebration &c, const LiturgicalDay &day)
{
    const std::string &key = c.key;
    if (key == "ordinary-weekday" || startsWith(key, "ordinary-sunday-") || key == "advent-weekday"
        || key == "easter-weekday")
        return {};
    if (key == "lent-weekday")
        return day.week == 0 ? "lent-ash-" + lowerWeekday(day.date) : std::string();
    if (key == "advent-weekday-late")
        return "advent-" + monthDay(day.date);
    if (key == "christmas-octave")
        return "christmas-octave-" + monthDay(day.date);
    if (key == "holy-week")
        return "holy-week-" + lowerWeekday(day.date);
    if (key == "easter-octave")
        return "easter-octave-" + lowerWeekday(day.date);
    // Solemnities and feasts of the cycle, the Sundays of Advent, Lent and Easter and the
    // movable memorials are filed under their own key.
    return key;
}

std::string weekName(const LiturgicalDay &day)
{
    const std::string week = std::to_string(day.week);
    switch (day.season) {
    case Season::Advent:
        return "advent-week-" + week;
    case Season::Christmas:
        return "christmas-season";
    case Season::OrdinaryTime:
        return "ordinary-week-" + week;
    case Season::Lent:
        return day.week == 0 ? "lent-ash-week" : "lent-week-" + week;
    case Season::HolyWeek:
        return "holy-week";
    case Season::Triduum:
        return "triduum";
    // Pentecost, the fiftieth day, counts as an eighth week; it closes the seventh.
    case Season::Easter:
        return "easter-week-" + std::to_string(std::min(day.week, 7));
    }
    return {};
}

} // namespace

std::string celebrationProseKey(const Celebration &c, const LiturgicalDay &day)
{
    if (c.sanctoral)
        return "sanctoral/" + c.key;
    const std::string name = temporalDayName(c, day);
    return name.empty() ? name : "temporal/" + name;
}

ProseKeys proseKeysOf(const LiturgicalDay &day)
{
    ProseKeys keys;
    keys.celebration = celebrationProseKey(day.celebration, day);
    for (const Celebration &option : day.options)
        keys.options.push_back(celebrationProseKey(option, day));
    keys.season = "temporal/" + weekName(day);
    return keys;
}

std::set<std::string> proseKeysInUse(int firstYear, int lastYear)
{
    std::set<std::string> used;
    for (Region region : {Region::Universal, Region::USA}) {
        const LiturgicalCalendar calendar(region);
        for (int year = firstYear; year <= lastYear; ++year) {
            for (const LiturgicalDay &day : calendar.year(year)) {
                ProseKeys keys = proseKeysOf(day);
                keys.options.push_back(std::move(keys.celebration));
                keys.options.push_back(std::move(keys.season));
                for (std::string &k : keys.options)
                    if (!k.empty())
                        used.insert(std::move(k));
            }
        }
    }
    return used;
}

} // namespace liturgy
