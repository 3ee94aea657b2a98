#pragma once

#include "liturgy/Region.h"

#include <string>

namespace liturgy {

// The grade a celebration has in the calendar books.
enum class Grade { Solemnity, FeastOfTheLord, Feast, Memorial, OptionalMemorial, Commemoration };

// Precedence by the Table of Liturgical Days: the lower number wins.
namespace precedence {
constexpr int Triduum = 1;
constexpr int PrincipalDay = 2; // Christmas, Epiphany, Ascension, Pentecost, Sundays of
                                // Advent, Lent and Easter, Ash Wednesday, Holy Week, Easter octave
constexpr int Solemnity = 3;    // solemnities of the General Calendar, All Souls
constexpr int ProperSolemnity = 4;
constexpr int FeastOfTheLord = 5;
constexpr int Sunday = 6; // Sundays of Christmas time and Ordinary Time
constexpr int Feast = 7;
constexpr int ProperFeast = 8;
constexpr int PrivilegedWeekday = 9; // 17-24 December, the Christmas octave, Lent
constexpr int Memorial = 10;
constexpr int ProperMemorial = 11;
constexpr int OptionalMemorial = 12;
constexpr int Weekday = 13;
} // namespace precedence

// One celebration that may claim a day.
struct Celebration
{
    std::string key;       // stable identifier, also the key of the prose table
    std::string title;     // full title, as search lists it
    std::string shortName; // as a day cell shows it
    Grade grade = Grade::OptionalMemorial;
    Colour colour = Colour::White;
    int rank = precedence::OptionalMemorial;
    bool transferable = false; // an impeded solemnity moves to another day
    bool prevailsOverMemorials = false;
    bool transferred = false;
    bool sanctoral = false; // a row of the sanctoral: its prose is filed under the saints
};

const char *gradeName(Grade g);

} // namespace liturgy
