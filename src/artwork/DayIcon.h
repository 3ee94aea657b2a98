#pragma once

#include <QIcon>

class QPainter;
class QRect;

// The tray's day pictures: a white calendar page with a black frame and binding rings on top,
// the day of the month in blue. Drawn at run time at every size a tray may ask for.
namespace DayIcon {

// The icon for day 1..31.
QIcon make(int day);

// Draws the picture into the square rect; the bottom and right edge pixels stay transparent,
// as on a 16-pixel icon.
void paint(QPainter &painter, const QRect &rect, int day);

} // namespace DayIcon
