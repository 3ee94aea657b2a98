#pragma once

#include "app/CalendarSource.h"
#include "app/TrayIconData.h"

#include <QDate>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QTimer>
#include <array>

class Module1;
class Platform;

// The program's hidden owner: it runs start-up, owns the tray icon, its menu and the
// one-second timer that keeps the icon and its tip on today.
class frmShell : public QObject
{
    Q_OBJECT

public:
    // Menu entries, by their index in the tray menu.
    enum MenuIndex { MenuMain = 0, MenuComment, MenuSearch, MenuHelp, MenuAbout, MenuSeparator, MenuExit };

    explicit frmShell(Module1 &module, QObject *parent = nullptr);
    // Removes the tray icon if it is still there.
    ~frmShell() override;

    // The start-up sequence. Returns false when the calendar database cannot be used; that
    // has been reported once and the program should end with status 1.
    bool Form_Load();

    // Sets DayOfMonthText to today's day of the month, "01" to "31".
    short GetDataSistem();
    // The icon becomes the picture of day DayOfMonthText.
    short SetIcon();

    // A second start of the program hands over to this one: it shows the calendar window, as
    // the menu's first entry does, once start-up has finished.
    void secondStart();

    void Timer1_Timer();
    // Decodes a mouse message from the tray icon.
    void Form_MouseMove(int message);
    void mnuPop_Click(int index);

    const TrayIconData &trayIconData() const { return m_tray; }
    QDate LastTickDate;
    QMenu &menu() { return mnuPop; }
    const QIcon &icon() const { return m_icon; }
    // The picture of day 1..31, drawn on first use.
    const QIcon &dayPicture(int day);

    const CalendarSource &calendarSource() const { return m_source; }

private:
    void openCalendar(const QString &path);
    void checkTodayIsInTheCalendar();
    bool renewOwnCalendar();
    void continueWithRenewedCalendar();
    bool ownCalendarLacks(QDate day) const;
    void applyTooltipRule();
    void walkForToday();
    void findLastAndTodayRows();
    void handToTray();
    QDate today() const;

    Module1 &m;
    Platform &m_platform;
    CalendarSource m_source;
    QDate m_firstDay; // the dates of the calendar's first and last rows
    QDate m_lastDay;
    bool m_renewalFailed = false; // reported once; the next start tries again
    bool m_showWhenLoaded = false;
    TrayIconData m_tray;
    TrayIconData m_sentToTray; // what the tray last received, so unchanged ticks send nothing
    bool m_iconAdded = false;
    bool m_loaded = false;
    bool m_inTick = false;
    QIcon m_icon;
    std::array<QIcon, 32> Picture2; // index 1..31
    QMenu mnuPop;
    QTimer Timer1;
};
