#include "liturgy/DayText.h"

#include "liturgy/Commentary.h"

namespace liturgy {

namespace {

std::string replaceAll(std::string s, std::string_view from, std::string_view to)
{
    for (size_t pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size()))
        s.replace(pos, from.size(), to);
    return s;
}

std::string joined(const std::vector<std::string> &parts, std::string_view separator)
{
    std::string out;
    for (const std::string &p : parts) {
        if (!out.empty())
            out += separator;
        out += p;
    }
    return out;
}

// Compact form of a weekday's cell text: "Tue, 12th wk Ord. Time".
std::string compactWeekday(std::string s)
{
    s = replaceAll(s, " week in Ordinary Time", " wk Ord. Time");
    s = replaceAll(s, " week of ", " wk ");
    s = replaceAll(s, " in the Octave of ", " Octave ");
    for (const char *day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
        if (s.rfind(day, 0) == 0)
            s = std::string(day, 3) + s.substr(std::string_view(day).size());
    return s;
}

} // namespace

std::string fitWeekdayWithOptions(const std::string &weekday, const std::string &weekdayName,
                                  const std::vector<std::string> &options)
{
    const std::string all = joined(options, " or ");
    const std::string firstAndMore = options.size() > 1 ? options.front() + " & others" : options.front();
    const std::string candidates[] = {
        weekday + "; " + all,
        compactWeekday(weekday) + "; " + all,
        weekdayName + "; " + all,
        compactWeekday(weekday) + "; " + firstAndMore,
        weekdayName + "; " + firstAndMore,
    };
    for (const std::string &c : candidates)
        if (c.size() <= CellWidth)
            return c;
    // Nothing fits: cut the memorial's name, keeping the one ";" the colouring relies on. The
    // "..." also stands for the other memorials, so a name that is short enough is not padded.
    std::string cut = weekdayName + "; " + options.front();
    if (cut.size() > CellWidth - 3)
        cut.resize(CellWidth - 3);
    return cut + "...";
}

DayText composeDayText(const LiturgicalDay &day)
{
    DayText t;
    if (day.options.empty()) {
        t.event = day.celebration.shortName;
        t.toolTip = day.celebration.title;
        t.colours = std::to_string(colourCode(day.celebration.colour));
    } else {
        std::vector<std::string> shortNames;
        std::vector<std::string> titles;
        for (const Celebration &o : day.options) {
            shortNames.push_back(o.shortName);
            titles.push_back(o.title);
        }
        // A weekday cell names the weekday only; the week is in the full title.
        std::string weekdayOnly = weekdayName(day.date.weekday());
        if (day.weekday.key == "advent-weekday-late" || day.weekday.key.starts_with("christmas-weekday"))
            weekdayOnly = day.weekday.shortName.substr(0, day.weekday.shortName.find(','));
        t.event = fitWeekdayWithOptions(day.weekday.shortName, weekdayOnly, shortNames);
        t.toolTip = day.weekday.title + "; " + joined(titles, " or ");
        t.colours = std::to_string(colourCode(day.weekday.colour)) + ";"
                    + std::to_string(colourCode(day.options.front().colour));
    }
    t.comment = composeCommentary(day, t.toolTip);
    return t;
}

} // namespace liturgy
