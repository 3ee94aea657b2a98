#pragma once

#include <QPixmap>

// The about window's emblem: an open book with a red cross on a blue disc, ringed by sixteen
// lights of which one after the other glows, so that the glow circles the book once every
// sixteen frames. Drawn here, 48 x 48 logical pixels, crisp on dense screens.
namespace Emblem {

constexpr int FrameCount = 16;
constexpr int Size = 48;

// Frame 1..16; throws std::range_error for any other number.
// Each call draws the frame afresh; a window keeps the frames it shows.
QPixmap frame(int number);

} // namespace Emblem
