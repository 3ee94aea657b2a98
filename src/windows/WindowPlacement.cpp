#include "windows/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void centreOn(QWidget &window, const QWidget &other)
{
    window.move(other.frameGeometry().center() - window.rect().center());
}

} // namespace WindowPlacement
