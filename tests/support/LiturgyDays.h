#pragma once

#include "liturgy/LiturgicalCalendar.h"

#include <QMetaType>

Q_DECLARE_METATYPE(liturgy::Region)

// One day of a computed calendar, by its civil date.
inline liturgy::LiturgicalDay dayOf(liturgy::Region region, int y, int m, int d)
{
    using liturgy::CivilDate;
    const auto days = liturgy::LiturgicalCalendar(region).year(y);
    return days.at(static_cast<size_t>(CivilDate(y, 1, 1).daysTo(CivilDate(y, m, d))));
}
