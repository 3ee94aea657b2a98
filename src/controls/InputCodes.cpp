#include "controls/InputCodes.h"

#include <QKeyEvent>

namespace {

struct KeyPair
{
    int qt;
    int code;
};

// clang-format off
constexpr KeyPair Named[] = {
    {Qt::Key_Backspace, InputCodes::Back}, {Qt::Key_Tab, InputCodes::Tab},
    {Qt::Key_Backtab, InputCodes::Tab}, {Qt::Key_Return, InputCodes::Return},
    {Qt::Key_Enter, InputCodes::Return}, {Qt::Key_Shift, InputCodes::Shift},
    {Qt::Key_Control, InputCodes::Control}, {Qt::Key_Alt, InputCodes::Menu},
    {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, InputCodes::Escape},
    {Qt::Key_Space, InputCodes::Space}, {Qt::Key_PageUp, InputCodes::PageUp},
    {Qt::Key_PageDown, InputCodes::PageDown}, {Qt::Key_End, InputCodes::End},
    {Qt::Key_Home, InputCodes::Home}, {Qt::Key_Left, InputCodes::Left},
    {Qt::Key_Up, InputCodes::Up}, {Qt::Key_Right, InputCodes::Right},
    {Qt::Key_Down, InputCodes::Down}, {Qt::Key_Print, 44}, {Qt::Key_Insert, InputCodes::Insert},
    {Qt::Key_Delete, InputCodes::Delete}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Period, 190}, {Qt::Key_Slash, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};
// clang-format on

} // namespace

int InputCodes::keyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (modifiers & Qt::KeypadModifier) ? 96 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // the letters share their upper-case codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair &pair : Named) {
        if (pair.qt == qtKey)
            return pair.code;
    }
    return 0;
}

int InputCodes::keyAscii(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.size() == 1)
        return text.at(0).unicode() == 0x7f ? 0 : text.at(0).unicode(); // Delete types nothing
    // Some input paths deliver these keys without their control characters.
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Return;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Backspace:
        return Back;
    case Qt::Key_Tab:
        return Tab;
    default:
        return 0;
    }
}

int InputCodes::shift(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0)
           | ((modifiers & Qt::AltModifier) ? 4 : 0);
}

int InputCodes::buttons(Qt::MouseButtons buttons)
{
    return ((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0)
           | ((buttons & Qt::MiddleButton) ? 4 : 0);
}
