#pragma once

class QWidget;

// Where a window opens.
namespace WindowPlacement {

// In the middle of the primary screen's free area.
void centreOnScreen(QWidget &window);

// In the middle of another window, frame included.
void centreOn(QWidget &window, const QWidget &other);

} // namespace WindowPlacement
