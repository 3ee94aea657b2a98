#pragma once

#include "platform/DayBadge.h"

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

class QMenu;

// The notification-area icon on this desktop: a QSystemTrayIcon, which opens the menu itself
// and picks up a tray that appears later; while no tray is there, the day badge stands in.
class QtTray : public QObject
{
    Q_OBJECT

public:
    explicit QtTray(QObject *parent = nullptr);

    void setMenu(QMenu *menu);
    void setMessageHandler(std::function<void(int)> handler);
    void add(const QIcon &icon, const QString &tip);
    void modify(const QIcon &icon, const QString &tip);
    void remove();
    // Puts the program in front of the desktop, as a pop-up menu of the icon needs: otherwise
    // a click elsewhere would not close the menu.
    void bringToFront();

private:
    void deliver(int message);
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void followTrayAvailability();

    QSystemTrayIcon m_icon;
    DayBadge m_badge;
    QTimer m_watch;
    std::function<void(int)> m_handler;
    bool m_present = false;
};
