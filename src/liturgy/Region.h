#pragma once

namespace liturgy {

// The two calendars written side by side: the General Roman Calendar and the proper
// calendar of the dioceses of the United States.
enum class Region { Universal, USA };

// Liturgical colours; the value is the code the day cells understand.
enum class Colour { Black = 0, White = 1, Green = 2, Red = 4, Violet = 5, Rose = 6 };

inline int colourCode(Colour c)
{
    return static_cast<int>(c);
}
const char *colourName(Colour c);

} // namespace liturgy
