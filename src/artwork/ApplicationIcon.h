#pragma once

#include <QIcon>

// The program's icon, an open missal: red page edges, a blue cross on the white page. A drawing
// made for 16 x 16 pixels is used at that size, the scalable drawing at every other.
namespace ApplicationIcon {

QIcon icon();

} // namespace ApplicationIcon
