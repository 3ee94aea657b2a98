#pragma once

#include <QPixmap>
#include <QSize>

// The picture buttons' library: ten small 16-colour pictures in five pairs of a normal and a
// hover look, drawn here pixel by pixel so they stay crisp at their tiny sizes.
//   1, 2  Comment  29 x 16      3, 4  Search  24 x 12      5, 6  Help  16 x 16
//   7, 8  Close    23 x 16      9, 10 Print   16 x 16
// Odd numbers are the normal look, even numbers the brighter hover look.
namespace ButtonPictures {

constexpr int Count = 10;

// Throws std::range_error for an index outside 1..10.
QPixmap picture(int index);
QSize size(int index);

} // namespace ButtonPictures
