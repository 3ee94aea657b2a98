#include "core/WindowRegistry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <utility>

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

void WindowRegistry::wire(QWidget *window, std::function<void()> activate, std::function<void()> deactivate)
{
    connect(this, &WindowRegistry::activated, window, [window, activate = std::move(activate)](QWidget *active) {
        if (active == window)
            activate();
    });
    if (deactivate) {
        connect(this, &WindowRegistry::deactivated, window,
                [window, deactivate = std::move(deactivate)](QWidget *left) {
                    if (left == window)
                        deactivate();
                });
    }
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
    if (window == m_active) {
        // Back after it was hidden, no other program window active in between: it is
        // activated again, and nothing was deactivated.
        if (std::exchange(m_activeHidden, false))
            emit activated(window);
        return;
    }
    QPointer<QWidget> previous = m_active;
    m_active = window;
    m_activeHidden = false;
    if (previous)
        emit deactivated(previous);
    emit activated(window);
}

bool WindowRegistry::eventFilter(QObject *watched, QEvent *event)
{
    // Hiding is not deactivation: a hidden window keeps its turn until another program window
    // becomes active (a commentary the search put there survives Escape). Shown and focused
    // again, it is activated anew.
    if (event->type() == QEvent::Hide && watched == m_active)
        m_activeHidden = true;
    // Some desktops keep the focus on a window while it is hidden; showing it again then
    // brings no change of focus, yet it is an activation.
    if (event->type() == QEvent::Show && (watched != m_active || m_activeHidden)) {
        QWindow *focus = QGuiApplication::focusWindow();
        if (focus && programWindow(focus) == watched)
            activate(static_cast<QWidget *>(watched));
    }
    return QObject::eventFilter(watched, event);
}
