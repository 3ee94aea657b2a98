#include "liturgy/LiturgicalCalendar.h"

#include "liturgy/Sanctoral.h"

#include <algorithm>
#include <array>

namespace liturgy {

namespace {

// clang-format off
constexpr std::array<const char *, 35> Ordinal = {
    "", "First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh", "Eighth", "Ninth",
    "Tenth", "Eleventh", "Twelfth", "Thirteenth", "Fourteenth", "Fifteenth", "Sixteenth",
    "Seventeenth", "Eighteenth", "Nineteenth", "Twentieth", "Twenty-First", "Twenty-Second",
    "Twenty-Third", "Twenty-Fourth", "Twenty-Fifth", "Twenty-Sixth", "Twenty-Seventh",
    "Twenty-Eighth", "Twenty-Ninth", "Thirtieth", "Thirty-First", "Thirty-Second",
    "Thirty-Third", "Thirty-Fourth"};
// clang-format on

constexpr std::array<const char *, 13> MonthName = {"",        "January",  "February", "March",  "April",
                                                    "May",     "June",     "July",     "August", "September",
                                                    "October", "November", "December"};

std::string shortOrdinal(int n)
{
    const int lastTwo = n % 100;
    const char *suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(n) + suffix;
}

Celebration make(std::string key, std::string title, std::string shortName, Grade grade, Colour colour, int rank)
{
    Celebration c;
    c.key = std::move(key);
    c.title = std::move(title);
    c.shortName = std::move(shortName);
    c.grade = grade;
    c.colour = colour;
    c.rank = rank;
    return c;
}

// A day of the cycle of seasons that no celebration has claimed: Sundays and weekdays.
Celebration weekdayOf(const std::string &key, const std::string &title, const std::string &shortName, Colour colour,
                      int rank)
{
    return make(key, title, shortName, Grade::Commemoration, colour, rank);
}

struct Temporal
{
    Season season = Season::OrdinaryTime;
    int week = 0;
    int psalter = 1;
    Celebration day;
};

int psalterOf(int week)
{
    return (week - 1) % 4 + 1;
}

// Psalter weeks of Christmas time start again at the first Sunday after Christmas
// (Christmas Day itself when it is a Sunday); the days before it keep Advent's fourth week.
int christmasPsalter(CivilDate d)
{
    const int christmasYear = d.month() == 12 ? d.year() : d.year() - 1;
    const CivilDate christmas(christmasYear, 12, 25);
    const CivilDate anchor = christmas.weekday() == Weekday::Sunday ? christmas : christmas.after(Weekday::Sunday);
    if (d < anchor)
        return 4;
    return psalterOf(1 + static_cast<int>(anchor.daysTo(d.onOrBefore(Weekday::Sunday)) / 7));
}

Temporal ordinaryTime(CivilDate d, int week)
{
    Temporal t;
    t.season = Season::OrdinaryTime;
    t.week = week;
    t.psalter = psalterOf(week);
    const std::string wd = weekdayName(d.weekday());
    if (d.weekday() == Weekday::Sunday) {
        t.day = weekdayOf("ordinary-sunday-" + std::to_string(week),
                          std::string(Ordinal[week]) + " Sunday in Ordinary Time",
                          shortOrdinal(week) + " Sunday in Ordinary Time", Colour::Green, precedence::Sunday);
    } else {
        t.day =
            weekdayOf("ordinary-weekday", wd + " of the " + Ordinal[week] + " Week in Ordinary Time",
                      wd + ", " + shortOrdinal(week) + " week in Ordinary Time", Colour::Green, precedence::Weekday);
    }
    return t;
}

Temporal temporalDay(CivilDate d, const MovableDates &m)
{
    Temporal t;
    const Weekday wday = d.weekday();
    const bool sunday = wday == Weekday::Sunday;
    const std::string wd = weekdayName(wday);

    if (d < m.baptism) {
        t.season = Season::Christmas;
        t.psalter = christmasPsalter(d);
        if (d.day() == 1) {
            t.day = weekdayOf("christmas-octave", "Octave Day of the Nativity of the Lord", "Octave Day of Christmas",
                              Colour::White, precedence::PrivilegedWeekday);
        } else if (d < m.epiphany) {
            if (sunday) {
                t.day = weekdayOf("second-sunday-after-christmas", "Second Sunday after Christmas",
                                  "2nd Sunday after Christmas", Colour::White, precedence::Sunday);
            } else {
                const std::string date = std::string("January ") + std::to_string(d.day());
                t.day =
                    weekdayOf("christmas-weekday-before-epiphany", "Christmas Weekday (" + date + ")",
                              "Christmas weekday, Jan " + std::to_string(d.day()), Colour::White, precedence::Weekday);
            }
        } else if (d == m.epiphany) {
            t.day = weekdayOf("epiphany", "The Epiphany of the Lord", "Epiphany of the Lord", Colour::White,
                              precedence::PrincipalDay);
            t.day.grade = Grade::Solemnity;
        } else {
            t.day = weekdayOf("christmas-weekday-after-epiphany", wd + " after Epiphany", wd + " after Epiphany",
                              Colour::White, precedence::Weekday);
        }
        return t;
    }
    if (d == m.baptism) {
        t.season = Season::Christmas;
        t.psalter = christmasPsalter(d);
        t.day = make("baptism-of-the-lord", "The Baptism of the Lord", "Baptism of the Lord", Grade::FeastOfTheLord,
                     Colour::White, precedence::FeastOfTheLord);
        return t;
    }
    if (d < m.ashWednesday) {
        const CivilDate anchor = m.baptism.onOrBefore(Weekday::Sunday);
        return ordinaryTime(d, 1 + static_cast<int>(anchor.daysTo(d.onOrBefore(Weekday::Sunday)) / 7));
    }
    if (d < m.palmSunday) {
        t.season = Season::Lent;
        const CivilDate firstSunday = m.ashWednesday.addDays(4);
        if (d < firstSunday) {
            t.week = 0;
            t.psalter = 4;
            if (d == m.ashWednesday) {
                t.day = weekdayOf("ash-wednesday", "Ash Wednesday", "Ash Wednesday", Colour::Violet,
                                  precedence::PrincipalDay);
            } else {
                t.day = weekdayOf("lent-weekday", wd + " after Ash Wednesday", wd + " after Ash Wednesday",
                                  Colour::Violet, precedence::PrivilegedWeekday);
            }
            return t;
        }
        t.week = 1 + static_cast<int>(firstSunday.daysTo(d.onOrBefore(Weekday::Sunday)) / 7);
        t.psalter = psalterOf(t.week);
        if (sunday) {
            // The Fourth Sunday of Lent (Laetare) may be kept in rose.
            t.day = weekdayOf("lent-sunday-" + std::to_string(t.week), std::string(Ordinal[t.week]) + " Sunday of Lent",
                              shortOrdinal(t.week) + " Sunday of Lent", t.week == 4 ? Colour::Rose : Colour::Violet,
                              precedence::PrincipalDay);
        } else {
            t.day = weekdayOf("lent-weekday", wd + " of the " + Ordinal[t.week] + " Week of Lent",
                              wd + ", " + shortOrdinal(t.week) + " week of Lent", Colour::Violet,
                              precedence::PrivilegedWeekday);
        }
        return t;
    }
    if (d < m.easter) {
        t.season = Season::HolyWeek;
        t.week = 6;
        t.psalter = 2;
        switch (m.palmSunday.daysTo(d)) {
        case 0:
            t.day = weekdayOf("palm-sunday", "Palm Sunday of the Passion of the Lord", "Palm Sunday", Colour::Red,
                              precedence::PrincipalDay);
            break;
        case 4:
            t.day = weekdayOf("holy-thursday", "Thursday of Holy Week (Holy Thursday)", "Holy Thursday", Colour::White,
                              precedence::PrincipalDay);
            break;
        case 5:
            t.season = Season::Triduum;
            t.day = weekdayOf("good-friday", "Friday of the Passion of the Lord (Good Friday)", "Good Friday",
                              Colour::Red, precedence::Triduum);
            break;
        case 6:
            // No Mass is celebrated by day; the Liturgy of the Hours is said in violet.
            t.season = Season::Triduum;
            t.day = weekdayOf("holy-saturday", "Holy Saturday", "Holy Saturday", Colour::Violet, precedence::Triduum);
            break;
        default:
            t.day = weekdayOf("holy-week", wd + " of Holy Week", wd + " of Holy Week", Colour::Violet,
                              precedence::PrincipalDay);
            break;
        }
        return t;
    }
    if (d <= m.pentecost) {
        t.season = Season::Easter;
        const long offset = m.easter.daysTo(d);
        t.week = static_cast<int>(offset / 7) + 1;
        t.psalter = psalterOf(t.week);
        if (offset == 0) {
            t.season = Season::Triduum;
            t.day = weekdayOf("easter-sunday", "Easter Sunday of the Resurrection of the Lord", "Easter Sunday",
                              Colour::White, precedence::Triduum);
            t.day.grade = Grade::Solemnity;
        } else if (offset < 7) {
            t.day = weekdayOf("easter-octave", wd + " within the Octave of Easter", wd + " in the Octave of Easter",
                              Colour::White, precedence::PrincipalDay);
        } else if (d == m.ascension) {
            t.day = weekdayOf("ascension", "The Ascension of the Lord", "Ascension of the Lord", Colour::White,
                              precedence::PrincipalDay);
            t.day.grade = Grade::Solemnity;
        } else if (d == m.pentecost) {
            t.day =
                weekdayOf("pentecost", "Pentecost Sunday", "Pentecost Sunday", Colour::Red, precedence::PrincipalDay);
            t.day.grade = Grade::Solemnity;
        } else if (sunday) {
            std::string title = std::string(Ordinal[t.week]) + " Sunday of Easter";
            // Named the Sunday of Divine Mercy by the decree of 5 May 2000.
            if (t.week == 2 && d.year() >= 2001)
                title += " (Sunday of Divine Mercy)";
            t.day = weekdayOf("easter-sunday-" + std::to_string(t.week), title,
                              shortOrdinal(t.week) + " Sunday of Easter", Colour::White, precedence::PrincipalDay);
        } else {
            t.day = weekdayOf("easter-weekday", wd + " of the " + Ordinal[t.week] + " Week of Easter",
                              wd + ", " + shortOrdinal(t.week) + " week of Easter", Colour::White, precedence::Weekday);
        }
        return t;
    }
    if (d < m.adventSunday) {
        // The weeks after Pentecost are counted back from Advent, so that the last is the 34th.
        const CivilDate sundayBefore = d.onOrBefore(Weekday::Sunday);
        return ordinaryTime(d, 35 - static_cast<int>(sundayBefore.daysTo(m.adventSunday) / 7));
    }
    const CivilDate christmas(m.year, 12, 25);
    if (d < christmas) {
        t.season = Season::Advent;
        t.week = 1 + static_cast<int>(m.adventSunday.daysTo(d.onOrBefore(Weekday::Sunday)) / 7);
        t.psalter = t.week;
        if (sunday) {
            // The Third Sunday of Advent (Gaudete) may be kept in rose.
            t.day =
                weekdayOf("advent-sunday-" + std::to_string(t.week), std::string(Ordinal[t.week]) + " Sunday of Advent",
                          shortOrdinal(t.week) + " Sunday of Advent", t.week == 3 ? Colour::Rose : Colour::Violet,
                          precedence::PrincipalDay);
        } else if (d.month() == 12 && d.day() >= 17) { // Advent can begin in late November
            t.day = weekdayOf(
                "advent-weekday-late",
                wd + " of the " + Ordinal[t.week] + " Week of Advent (December " + std::to_string(d.day()) + ")",
                "Advent weekday, Dec " + std::to_string(d.day()), Colour::Violet, precedence::PrivilegedWeekday);
        } else {
            t.day =
                weekdayOf("advent-weekday", wd + " of the " + Ordinal[t.week] + " Week of Advent",
                          wd + ", " + shortOrdinal(t.week) + " week of Advent", Colour::Violet, precedence::Weekday);
        }
        return t;
    }
    t.season = Season::Christmas;
    t.psalter = christmasPsalter(d);
    if (d == christmas) {
        t.day = weekdayOf("christmas", "The Nativity of the Lord (Christmas)", "Christmas", Colour::White,
                          precedence::PrincipalDay);
        t.day.grade = Grade::Solemnity;
    } else {
        const int n = d.day() - 24;
        t.day = weekdayOf(
            "christmas-octave", std::string(Ordinal[n]) + " Day within the Octave of the Nativity of the Lord",
            shortOrdinal(n) + " day in the Octave of Christmas", Colour::White, precedence::PrivilegedWeekday);
    }
    return t;
}

// Celebrations whose date follows Easter, Advent or Christmas.
void addMovableCelebrations(CivilDate d, const MovableDates &m, std::vector<Celebration> &out)
{
    if (d == m.trinity)
        out.push_back(make("trinity", "The Most Holy Trinity", "Most Holy Trinity", Grade::Solemnity, Colour::White,
                           precedence::Solemnity));
    if (d == m.corpusChristi)
        out.push_back(make("corpus-christi", "The Most Holy Body and Blood of Christ", "Body and Blood of Christ",
                           Grade::Solemnity, Colour::White, precedence::Solemnity));
    if (d == m.sacredHeart)
        out.push_back(make("sacred-heart", "The Most Sacred Heart of Jesus", "Sacred Heart of Jesus", Grade::Solemnity,
                           Colour::White, precedence::Solemnity));
    if (d == m.immaculateHeart) {
        // An obligatory memorial since 1996; before that an optional one.
        const bool obligatory = m.year >= 1996;
        out.push_back(make("immaculate-heart", "The Immaculate Heart of the Blessed Virgin Mary",
                           "Immaculate Heart of Mary", obligatory ? Grade::Memorial : Grade::OptionalMemorial,
                           Colour::White, obligatory ? precedence::Memorial : precedence::OptionalMemorial));
    }
    if (d == m.christTheKing)
        out.push_back(make("christ-the-king", "Our Lord Jesus Christ, King of the Universe", "Christ the King",
                           Grade::Solemnity, Colour::White, precedence::Solemnity));
    if (d == m.holyFamily)
        out.push_back(make("holy-family", "The Holy Family of Jesus, Mary and Joseph", "Holy Family",
                           Grade::FeastOfTheLord, Colour::White, precedence::FeastOfTheLord));
    if (m.year >= 2018 && d == m.pentecost.addDays(1)) {
        Celebration c = make("mary-mother-of-the-church", "The Blessed Virgin Mary, Mother of the Church",
                             "Mary, Mother of the Church", Grade::Memorial, Colour::White, precedence::Memorial);
        // The decree of 2018 gives it precedence over any other memorial of that Monday.
        c.prevailsOverMemorials = true;
        out.push_back(c);
    }
}

Celebration saturdayOfMary()
{
    return make("saturday-of-mary", "Saturday Memorial of the Blessed Virgin Mary", "Blessed Virgin Mary",
                Grade::OptionalMemorial, Colour::White, precedence::OptionalMemorial);
}

char sundayCycleOf(int liturgicalYear)
{
    switch (liturgicalYear % 3) {
    case 1:
        return 'A';
    case 2:
        return 'B';
    default:
        return 'C';
    }
}

struct Work
{
    Temporal temporal;
    std::vector<Celebration> candidates; // movable first, then the sanctoral in table order
};

// The celebration that wins the day before memorials are considered; nullptr: the weekday.
const Celebration *strongest(const Work &w)
{
    const Celebration *best = nullptr;
    for (const Celebration &c : w.candidates)
        if (!best || c.rank < best->rank)
            best = &c;
    if (best && best->rank < w.temporal.day.rank)
        return best;
    return nullptr;
}

bool freeForTransfer(const Work &w)
{
    if (w.temporal.day.rank <= precedence::ProperFeast)
        return false;
    return std::none_of(w.candidates.begin(), w.candidates.end(),
                        [](const Celebration &c) { return c.rank <= precedence::ProperFeast; });
}

} // namespace

std::vector<LiturgicalDay> LiturgicalCalendar::year(int civilYear) const
{
    const MovableDates m = MovableDates::compute(civilYear, m_region);
    const CivilDate first(civilYear, 1, 1);
    const int length = CivilDate::isLeapYear(civilYear) ? 366 : 365;

    std::vector<Work> work(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        const CivilDate d = first.addDays(i);
        work[static_cast<size_t>(i)].temporal = temporalDay(d, m);
        addMovableCelebrations(d, m, work[static_cast<size_t>(i)].candidates);
    }
    for (const SanctoralEntry &e : sanctoralTable()) {
        if (!appliesTo(e, m_region, civilYear))
            continue;
        work[static_cast<size_t>(first.daysTo(dateIn(e, civilYear)))].candidates.push_back(toCelebration(e, m_region));
    }

    // Impeded solemnities leave their day first, then find their new one, in date order.
    struct Pending
    {
        Celebration celebration;
        int index;
    };
    std::vector<Pending> pending;
    for (int i = 0; i < length; ++i) {
        Work &w = work[static_cast<size_t>(i)];
        for (size_t k = 0; k < w.candidates.size();) {
            const Celebration &c = w.candidates[k];
            bool impeded = c.transferable && w.temporal.day.rank <= c.rank;
            for (size_t j = 0; j < k && !impeded; ++j)
                impeded = c.transferable && w.candidates[j].rank <= c.rank;
            for (size_t j = k + 1; j < w.candidates.size() && !impeded; ++j)
                impeded = c.transferable && w.candidates[j].rank < c.rank;
            if (impeded) {
                pending.push_back({c, i});
                w.candidates.erase(w.candidates.begin() + static_cast<long>(k));
            } else {
                ++k;
            }
        }
    }
    for (Pending &p : pending) {
        const CivilDate from = first.addDays(p.index);
        int target = -1;
        if (p.celebration.key == "joseph" && civilYear >= 2008 && from >= m.palmSunday && from < m.easter) {
            // Since 2008 St Joseph in Holy Week is anticipated to the Saturday before Palm Sunday.
            target = static_cast<int>(first.daysTo(m.palmSunday.addDays(-1)));
        } else if (p.celebration.key == "john-baptist-nativity" && p.index > 0
                   && freeForTransfer(work[static_cast<size_t>(p.index - 1)])) {
            // Displaced by the Sacred Heart, the Nativity of John the Baptist is anticipated
            // by one day (the Holy See's ruling for 2022) so as not to fall on the 25th,
            // which the Immaculate Heart may hold.
            target = p.index - 1;
        } else {
            target = p.index + 1;
            while (target < length && !freeForTransfer(work[static_cast<size_t>(target)]))
                ++target;
        }
        if (target < 0 || target >= length)
            continue; // cannot happen with real dates: every solemnity finds a day in its year
        p.celebration.transferred = true;
        work[static_cast<size_t>(target)].candidates.insert(work[static_cast<size_t>(target)].candidates.begin(),
                                                            p.celebration);
    }

    std::vector<LiturgicalDay> days;
    days.reserve(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        const Work &w = work[static_cast<size_t>(i)];
        LiturgicalDay day;
        day.date = first.addDays(i);
        day.season = w.temporal.season;
        day.week = w.temporal.week;
        day.psalterWeek = w.temporal.psalter;
        const int liturgicalYear = day.date >= m.adventSunday ? civilYear + 1 : civilYear;
        day.sundayCycle = sundayCycleOf(liturgicalYear);
        day.weekdayCycle = liturgicalYear % 2 == 1 ? 1 : 2;
        day.weekday = w.temporal.day;
        day.celebration = w.temporal.day;

        const int base = w.temporal.day.rank;
        if (const Celebration *best = strongest(w); best && best->rank <= precedence::ProperFeast) {
            day.celebration = *best;
        } else if (base <= precedence::ProperFeast) {
            // Sundays and the principal days exclude every memorial.
        } else if (base == precedence::PrivilegedWeekday) {
            for (const Celebration &c : w.candidates) {
                if (c.rank >= precedence::Memorial && c.rank <= precedence::OptionalMemorial) {
                    Celebration option = c;
                    option.rank = precedence::OptionalMemorial;
                    day.options.push_back(option);
                    day.commemorationsOnly = true;
                }
            }
        } else {
            std::vector<const Celebration *> obligatory;
            const Celebration *prevailing = nullptr;
            for (const Celebration &c : w.candidates) {
                if (c.rank == precedence::Memorial || c.rank == precedence::ProperMemorial) {
                    obligatory.push_back(&c);
                    if (c.prevailsOverMemorials)
                        prevailing = &c;
                }
            }
            if (prevailing) {
                day.celebration = *prevailing;
            } else if (obligatory.size() == 1) {
                day.celebration = *obligatory.front();
            } else {
                // Two obligatory memorials on one day are both kept as optional ones.
                for (const Celebration &c : w.candidates) {
                    if (c.rank >= precedence::Memorial && c.rank <= precedence::OptionalMemorial) {
                        Celebration option = c;
                        option.rank = precedence::OptionalMemorial;
                        day.options.push_back(option);
                    }
                }
                if (obligatory.empty() && day.season == Season::OrdinaryTime && day.date.weekday() == Weekday::Saturday)
                    day.options.push_back(saturdayOfMary());
            }
        }
        days.push_back(std::move(day));
    }
    return days;
}

const char *seasonName(Season s)
{
    // clang-format off
    switch (s) {
    case Season::Advent: return "Advent";
    case Season::Christmas: return "Christmas Time";
    case Season::OrdinaryTime: return "Ordinary Time";
    case Season::Lent: return "Lent";
    case Season::HolyWeek: return "Holy Week";
    case Season::Triduum: return "Easter Triduum";
    case Season::Easter: return "Easter Time";
    }
    // clang-format on
    return "";
}

const char *gradeName(Grade g)
{
    // clang-format off
    switch (g) {
    case Grade::Solemnity: return "Solemnity";
    case Grade::FeastOfTheLord: return "Feast of the Lord";
    case Grade::Feast: return "Feast";
    case Grade::Memorial: return "Memorial";
    case Grade::OptionalMemorial: return "Optional Memorial";
    case Grade::Commemoration: return "";
    }
    // clang-format on
    return "";
}

const char *colourName(Colour c)
{
    // clang-format off
    switch (c) {
    case Colour::Black: return "Black";
    case Colour::White: return "White";
    case Colour::Green: return "Green";
    case Colour::Red: return "Red";
    case Colour::Violet: return "Violet";
    case Colour::Rose: return "Rose";
    }
    // clang-format on
    return "";
}

} // namespace liturgy
