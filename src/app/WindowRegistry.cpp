#include "app/WindowRegistry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

WindowRegistry::WindowRegistry(Module1 &module) : m_module(module)
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::focusWindowChanged, this, &WindowRegistry::focusWindowChanged);
}

WindowRegistry::~WindowRegistry()
{
    // Windows being destroyed are hidden on the way; no window may hear of that while it is
    // half gone.
    blockSignals(true);
    m_active = nullptr;
    for (auto &[type, window] : m_windows)
        delete window.data();
}

void WindowRegistry::present(QWidget &window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void WindowRegistry::unload(std::type_index type)
{
    const auto found = m_windows.find(type);
    if (found == m_windows.end())
        return;
    if (QWidget *window = found->second.data()) {
        window->hide();
        window->deleteLater();
    }
    m_windows.erase(found);
}

QWidget *WindowRegistry::programWindow(QWindow *handle) const
{
    for (const auto &[type, window] : m_windows) {
        if (window && window->windowHandle() == handle)
            return window.data();
    }
    return nullptr;
}

void WindowRegistry::focusWindowChanged(QWindow *focus)
{
    // No focus window: another application is active. Message boxes and the help window are
    // not windows of the calendar; they change nothing either.
    if (QWidget *window = focus ? programWindow(focus) : nullptr)
        activate(window);
}

void WindowRegistry::activate(QWidget *window)
{
    if (window == m_active)
        return;
    QPointer<QWidget> previous = m_active;
    m_active = window;
    if (previous)
        emit deactivated(previous);
    emit activated(window);
}

bool WindowRegistry::eventFilter(QObject *watched, QEvent *event)
{
    // A window that is hidden gives up its turn: whichever window the desktop activates next,
    // the hidden one has stopped being the active program window, and it activates again when
    // it is next shown and focused.
    if (event->type() == QEvent::Hide && watched == m_active) {
        QPointer<QWidget> hidden = m_active;
        m_active = nullptr;
        emit deactivated(hidden);
    }
    // Some desktops keep the focus on a window while it is hidden; showing it again then
    // brings no change of focus, yet it is an activation.
    if (event->type() == QEvent::Show && watched != m_active) {
        QWindow *focus = QGuiApplication::focusWindow();
        if (focus && programWindow(focus) == watched)
            activate(static_cast<QWidget *>(watched));
    }
    return QObject::eventFilter(watched, event);
}
