#pragma once

#include "data/CalendarSchema.h"

#include <string>
#include <utility>
#include <vector>

namespace gen {

// One row of calendarComplet, the SUA columns already reduced to the "=" marker.
struct CalendarRow
{
    int id = 0;
    std::string data;
    std::string dataUniv;
    std::string evenimentUniv;
    std::string evenimentSUA;
    std::string toolTipUniv;
    std::string toolTipSUA;
    std::string comentariuUniv;
    std::string comentariuSUA;
    std::string culoriUniv;
    std::string culoriSUA;
};

// The text columns after ID and Data, in the table's order, with the members that hold them.
using TextMember = std::string CalendarRow::*;
inline constexpr std::pair<const char *, TextMember> TextColumns[] = {
    {CalendarSchema::DateText, &CalendarRow::dataUniv},
    {CalendarSchema::EventUniv, &CalendarRow::evenimentUniv},
    {CalendarSchema::EventSua, &CalendarRow::evenimentSUA},
    {CalendarSchema::TitleUniv, &CalendarRow::toolTipUniv},
    {CalendarSchema::TitleSua, &CalendarRow::toolTipSUA},
    {CalendarSchema::CommentaryUniv, &CalendarRow::comentariuUniv},
    {CalendarSchema::CommentarySua, &CalendarRow::comentariuSUA},
    {CalendarSchema::ColoursUniv, &CalendarRow::culoriUniv},
    {CalendarSchema::ColoursSua, &CalendarRow::culoriSUA}};

// The civil years a calendar can hold: from the first whole Gregorian year to the last one the
// computus tables of the readers cover.
inline constexpr int FirstYear = 1583;
inline constexpr int LastYear = 4099;
// The years of a calendar by default: four, 1461 days, what the calendar grid is made for.
inline constexpr int DefaultYears = 4;

// Every day of the civil years firstYear .. firstYear + years - 1, in date order, IDs from 1.
std::vector<CalendarRow> buildCalendarRows(int firstYear, int years);

} // namespace gen
