#pragma once

#include "liturgy/Celebration.h"
#include "liturgy/CivilDate.h"

#include <span>
#include <vector>

namespace liturgy {

// Which calendar a row of the sanctoral belongs to.
enum class Scope { Both, UniversalOnly, UsaOnly };

// How a row finds its day in a given year.
enum class DateRule {
    Fixed,
    FourthThursdayOfNovember,
    January22UnlessSunday, // then 23 January
};

struct SanctoralEntry
{
    int month;
    int day;
    Grade grade;
    Colour colour;
    Scope scope;
    int firstYear; // first civil year in force
    int lastYear;  // last civil year in force
    const char *key;
    const char *title;
    const char *shortName;
    DateRule rule = DateRule::Fixed;
};

// The whole table, in calendar order.
std::span<const SanctoralEntry> sanctoralTable();

bool appliesTo(const SanctoralEntry &e, Region region, int year);
CivilDate dateIn(const SanctoralEntry &e, int year);

// The celebration as it stands in the given region (proper celebrations rank below
// the General Calendar's celebrations of the same grade).
Celebration toCelebration(const SanctoralEntry &e, Region region);

} // namespace liturgy
