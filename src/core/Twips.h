#pragma once

#include <QRect>

// Positions and sizes of the windows and controls are designed in twips; the screen works in
// logical pixels (15 twips each at 96 dots per inch; Qt scales logical pixels for dense screens).
namespace Twips {

constexpr int PerPixel = 15;

constexpr double toPixels(double twips)
{
    return twips / PerPixel;
}

// Whole pixels, rounded to the nearest.
constexpr int px(double twips)
{
    return int(twips / PerPixel + (twips >= 0 ? 0.5 : -0.5));
}

constexpr double toTwips(double pixels)
{
    return pixels * PerPixel;
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

// A design rectangle (left, top, width, height in twips) in whole pixels.
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QRect rect(const QRect &design)
{
    return rect(design.x(), design.y(), design.width(), design.height());
}

} // namespace Twips
