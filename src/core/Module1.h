#pragma once

#include "core/WindowRegistry.h"
#include "data/CalendarCursor.h"
#include "data/CalendarDatabase.h"
#include "data/GridRows.h"

#include <QSet>
#include <QString>
#include <memory>
#include <optional>

class Platform;

// The process-wide state every window shares, kept in this one place. Made once by the
// program (and by each test), handed to every window by reference.
class Module1
{
public:
    explicit Module1(Platform &platform) : m_platform(platform), m_windows(*this) {}
    Module1(const Module1 &) = delete;
    Module1 &operator=(const Module1 &) = delete;

    Platform &platform() { return m_platform; }
    WindowRegistry &windows() { return m_windows; }

    std::unique_ptr<CalendarDatabase> CalendarDb;
    // The one shared cursor over calendarComplet. Every reader moves it to the first row before
    // walking it and none restores the position it found.
    std::unique_ptr<CalendarCursor> CalendarRs;
    QString CalendarVariant;
    // Fixed after start-up; the grid alone replaces a LastRowId of 0 by 100.
    qint16 TodayRowId = 0;
    qint16 LastRowId = 0;
    QString DayOfMonthText;

    // The days the grid shows. Start-up reads them in the walk that finds today and the last
    // row, and leaves that walk's outcome here for the grid's next load of the same variant: the
    // main window is loaded before the icon shows, and need not walk the table a second time.
    GridRows CalendarRows;
    struct GridPass
    {
        QString variant;
        GridRows::Pass pass;
    };
    std::optional<GridPass> PendingGridPass;

    // Reports a damaged value of the calendar the first time it is met in this run. Start-up,
    // the grid, the rollover and the search all walk the same rows; one box per damage is
    // enough, not one per walk or per keystroke.
    void reportDamage(const QString &text);

private:
    Platform &m_platform;
    QSet<QString> m_reportedDamage;
    WindowRegistry m_windows; // last: windows go before the state they use
};

// The one persistent setting: the chosen calendar variant.
namespace SettingsKey {
inline const QString App = QStringLiteral("Dark");
inline const QString Section = QStringLiteral("Setup");
inline const QString Key = QStringLiteral("Implicit");
} // namespace SettingsKey

// The calendar database, read from the current folder.
inline const QString CalendarFileName = QStringLiteral("feastbook.mdb");
