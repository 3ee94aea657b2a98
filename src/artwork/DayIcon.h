#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

class QPainter;
class QRect;

// The tray's day pictures: a white calendar page with a black frame and binding rings on top,
// the day of the month in blue. Drawn at run time at every size a tray may ask for.
namespace DayIcon {

// Tray hosts ask for 16 to 64 pixels, twice that on high-density screens.
inline constexpr std::array<int, 10> Sizes{16, 20, 22, 24, 32, 40, 44, 48, 64, 128};

// The icon for day 1..31. It offers every size of Sizes; each is drawn when first asked for.
QIcon make(int day);

// The picture of the day at one size, on a transparent square.
QPixmap picture(int day, int size);

// Draws the picture into the square rect; the bottom and right edge pixels stay transparent,
// as on a 16-pixel icon.
void paint(QPainter &painter, const QRect &rect, int day);

} // namespace DayIcon
