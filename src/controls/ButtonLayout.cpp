#include "controls/ButtonLayout.h"

#include <cmath>

namespace {
constexpr int Gap = 100; // between picture and caption
constexpr int HalfGap = Gap / 2;
} // namespace

int ButtonLayout::roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return int(floor) + 1;
    if (fraction < 0.5)
        return int(floor);
    return std::fmod(floor, 2.0) == 0 ? int(floor) : int(floor) + 1;
}

ButtonLayout::Places ButtonLayout::centre(QSize control, QSize picture, QSize label)
{
    const int x = roundHalfEven((control.width() - picture.width() - label.width()) / 2.0);
    Places places;
    places.picture = QPoint(x - HalfGap, roundHalfEven((control.height() - picture.height()) / 2.0));
    places.label = QPoint(x + picture.width() + HalfGap, roundHalfEven((control.height() - label.height()) / 2.0));
    return places;
}
