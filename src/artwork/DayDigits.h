#pragma once

#include <QPainterPath>
#include <QPoint>

// The day number of the tray's day pictures, drawn from outlines of our own rather than from a
// font: the picture is the first thing the program draws, and drawing text would set up the
// font system (reading every installed font's description) before the icon can show.
//
// Each digit is a few strokes of one width laid out on the pixel grid of the size it is drawn
// at, so that straight stems and bars cover whole pixels; where the strokes are one pixel wide
// (16-pixel icons), a design drawn pixel by pixel takes their place. The digits stay sharp at
// every size.
namespace DayDigits {

// How the digits are set at one height, in whole pixels.
struct Metrics
{
    int height; // of a digit
    int width;  // of a digit; every digit is as wide
    int stroke; // width of the strokes
    int gap;    // between two digits
};

// The metrics for digits of the given height, at least 7 pixels.
Metrics forHeight(int height);

// The width of number (0..99) set with these metrics.
int width(int number, const Metrics &metrics);

// The outline of number (0..99) with its top left corner at topLeft, to be filled.
QPainterPath outline(int number, QPoint topLeft, const Metrics &metrics);

} // namespace DayDigits
