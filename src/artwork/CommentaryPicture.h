#pragma once

#include <QPixmap>

// The picture at the left of the commentary: an open book under a cross on a violet ground,
// 96 x 120 pixels, drawn by the program.
namespace CommentaryPicture {

constexpr int Width = 96;
constexpr int Height = 120;

QPixmap make(qreal devicePixelRatio = 1.0);

} // namespace CommentaryPicture
