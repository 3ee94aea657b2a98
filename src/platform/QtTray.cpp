#include "platform/QtTray.h"

#include "core/Platform.h"

#include <QCoreApplication>
#include <QMenu>

QtTray::QtTray(QObject *parent) : QObject(parent), m_badge([this](int message) { deliver(message); })
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, &QtTray::onActivated);
    // A panel may start after the program or go away; the badge covers the time without one.
    m_watch.setInterval(2000);
    connect(&m_watch, &QTimer::timeout, this, &QtTray::followTrayAvailability);
}

void QtTray::setMenu(QMenu *menu)
{
    m_icon.setContextMenu(menu);
}

void QtTray::setMessageHandler(std::function<void(int)> handler)
{
    m_handler = std::move(handler);
}

void QtTray::deliver(int message)
{
    if (m_handler)
        m_handler(message);
}

void QtTray::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // The tray opens the context menu itself, so only the left button is passed on.
    if (reason == QSystemTrayIcon::Trigger)
        deliver(TrayMessage::LeftDown);
    else if (reason == QSystemTrayIcon::DoubleClick)
        deliver(TrayMessage::LeftDouble);
}

void QtTray::add(const QIcon &icon, const QString &tip)
{
    m_present = true;
    modify(icon, tip);
    m_icon.show();
    m_badge.placeInCorner();
    followTrayAvailability();
    m_watch.start();
}

void QtTray::modify(const QIcon &icon, const QString &tip)
{
    m_icon.setIcon(icon);
    m_icon.setToolTip(tip);
    m_badge.setIcon(icon);
    m_badge.setToolTip(tip);
}

void QtTray::remove()
{
    m_present = false;
    m_watch.stop();
    m_icon.hide();
    m_badge.hide();
}

// The badge is the program's window under the mouse. A tray icon opens its menu itself and
// does not come this way.
void QtTray::bringToFront()
{
    if (!m_badge.isVisible())
        return;
    m_badge.raise();
    m_badge.activateWindow();
    // The desktop answers the request with an event; it must be in before the menu opens, as
    // a window that asks while a menu is open is not made active.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtTray::followTrayAvailability()
{
    m_badge.setVisible(m_present && !QSystemTrayIcon::isSystemTrayAvailable());
}
