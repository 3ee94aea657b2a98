#pragma once

#include <QIcon>

// The program's icon, an open missal: red page edges, a blue cross on the white page. A drawing
// made for 16 x 16 pixels is used at that size, the scalable drawing at every other.
//
// Each window sets it on itself rather than on the application: the tray's own hidden window
// would otherwise draw it while the tray icon is added, which is not what the icon is for.
// The drawing is made when a window first needs it, not when the icon is set.
namespace ApplicationIcon {

QIcon icon();

} // namespace ApplicationIcon
