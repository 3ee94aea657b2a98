#pragma once

#include "liturgy/LiturgicalDay.h"

#include <set>
#include <string>
#include <vector>

namespace liturgy {

// The years over which the prose must be complete: every key a day of these years uses has a
// text, and every text belongs to a key of these years.
constexpr int ProseFirstYear = 1970;
constexpr int ProseLastYear = 2100;

// Where the commentary of one day takes its prose from. A key names a file of the prose folder
// without its extension: "sanctoral/agnes", "temporal/lent-week-3".
struct ProseKeys
{
    std::string celebration;          // the day's own prose (all paragraphs); empty: none
    std::vector<std::string> options; // one per optional memorial (first paragraph only)
    std::string season;               // the week's or season's paragraph, shown last
};

ProseKeys proseKeysOf(const LiturgicalDay &day);

// The key of a celebration's own prose on the given day; empty for plain weekdays and the
// Sundays of Ordinary Time, which are told by their week's paragraph alone.
std::string celebrationProseKey(const Celebration &c, const LiturgicalDay &day);

// Every key that some day of the given civil years uses, in either calendar.
std::set<std::string> proseKeysInUse(int firstYear, int lastYear);

} // namespace liturgy
