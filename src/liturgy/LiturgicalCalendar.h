#pragma once

#include "liturgy/LiturgicalDay.h"
#include "liturgy/MovableDates.h"
#include "liturgy/Region.h"

#include <vector>

namespace liturgy {

// Computes the days of civil years in one region: the cycle of seasons, the sanctoral of the
// years in force, precedence and the transfer of impeded solemnities.
class LiturgicalCalendar
{
public:
    explicit LiturgicalCalendar(Region region) : m_region(region) {}

    // Every day of the civil year, 1 January to 31 December.
    std::vector<LiturgicalDay> year(int civilYear) const;

    Region region() const { return m_region; }

private:
    Region m_region;
};

} // namespace liturgy
