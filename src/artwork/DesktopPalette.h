#pragma once

#include <QColor>

// The desktop's 16-colour palette: the button pictures are drawn in it, and the digits of a
// day's colour code are indexes into it.
namespace DesktopPalette {

inline constexpr QColor Black(0, 0, 0), Navy(0, 0, 128), Green(0, 128, 0), Teal(0, 128, 128), Maroon(128, 0, 0),
    Purple(128, 0, 128), Olive(128, 128, 0), Silver(192, 192, 192), Grey(128, 128, 128), Blue(0, 0, 255),
    Lime(0, 255, 0), Aqua(0, 255, 255), Red(255, 0, 0), Fuchsia(255, 0, 255), Yellow(255, 255, 0), White(255, 255, 255);

// In the palette's order.
inline constexpr QColor Colours[16] = {Black, Navy, Green, Teal, Maroon, Purple,  Olive,  Silver,
                                       Grey,  Blue, Lime,  Aqua, Red,    Fuchsia, Yellow, White};

} // namespace DesktopPalette
