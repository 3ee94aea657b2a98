#include "app/WindowRegistry.h"

WindowRegistry::~WindowRegistry()
{
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
