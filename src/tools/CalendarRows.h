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

// Every day of the civil years firstYear .. firstYear + years - 1, in date order, IDs from 1.
std::vector<CalendarRow> buildCalendarRows(int firstYear, int years);

} // namespace gen
