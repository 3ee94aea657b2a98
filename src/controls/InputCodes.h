#pragma once

#include <Qt>

class QKeyEvent;

// The numbers the controls raise with their mouse and key events. Hosts compare them with the
// desktop's classic virtual-key codes (38 is Up, 114 is F3 …) and the classic bit sets for the
// mouse buttons (1 left, 2 right, 4 middle) and the shift keys (1 Shift, 2 Ctrl, 4 Alt).
class InputCodes
{
public:
    // clang-format off
    enum Key : int {
        Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
        Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
        Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
        F1 = 112, F3 = 114
    };
    // clang-format on

    // The virtual-key code of a Qt key, 0 for keys that have none.
    static int keyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The character code a key press delivers (13 for Enter, 27 for Esc), 0 for none.
    static int keyAscii(const QKeyEvent &event);
    static int shift(Qt::KeyboardModifiers modifiers);
    static int buttons(Qt::MouseButtons buttons);
};
