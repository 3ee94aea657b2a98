#include "app/frmShell.h"

#include "artwork/DayIcon.h"
#include "controls/VisualControl.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Platform.h"
#include "data/CalendarSchema.h"
#include "data/CalendarVariant.h"
#include "data/DataError.h"
#include "data/GridRows.h"
#include "data/RowNumber.h"
#include "data/RowWalk.h"
#include "data/VariantColumns.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/frmAboutReg.h"
#include "windows/frmSearch.h"

#include <QAction>
#include <limits>

namespace {

const QStringList MenuCaptions = {QStringLiteral("Feastbook "), QStringLiteral("Comment"), QStringLiteral("Search"),
                                  QStringLiteral("Help"),       QStringLiteral("About"),   QStringLiteral("-"),
                                  QStringLiteral("Exit")};

} // namespace

frmShell::frmShell(Module1 &module, QObject *parent)
    : QObject(parent), m(module), m_platform(module.platform()), m_source(m_platform)
{
    mnuPop.setTitle(QStringLiteral("Popup1"));
    for (int index = 0; index < MenuCaptions.size(); ++index) {
        if (index == MenuSeparator) {
            mnuPop.addSeparator();
            continue;
        }
        QAction *action = mnuPop.addAction(MenuCaptions.at(index));
        connect(action, &QAction::triggered, this, [this, index] { mnuPop_Click(index); });
    }
    m_platform.setTrayMenu(&mnuPop);
    m_platform.setTrayMessageHandler([this](int message) { Form_MouseMove(message); });

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &frmShell::Timer1_Timer);
    Timer1.start();
}

frmShell::~frmShell()
{
    if (m_iconAdded)
        m_platform.trayDelete();
}

QDate frmShell::today() const
{
    return m_platform.now().date();
}

bool frmShell::Form_Load()
{
    ErrorTrap trap(m_platform);
    trap([&] { LastTickDate = today(); });
    trap([&] {
        GetDataSistem();
        SetIcon();
    });
    trap([&] { m_tray.hIcon = m.DayOfMonthText.toInt(); });

    // Without its calendar the program has nothing to show: one report, then the end.
    if (!trap([&] { openCalendar(m_source.locate()); }))
        return false;

    trap([&] {
        m.CalendarVariant = m_platform.getSetting(SettingsKey::App, SettingsKey::Section, SettingsKey::Key, QString());
        if (m.CalendarVariant.isEmpty())
            m.CalendarVariant = Variant::Universal; // not written back: the store stays as it was
    });
    findLastAndTodayRows();
    trap([&] { checkTodayIsInTheCalendar(); });
    // The grid of the main window reads TodayRowId and LastRowId when it loads.
    trap([&] { m.windows().window<Form2>().setWindowTitle(QStringLiteral("Feastbook")); });
    trap([&] {
        m_platform.trayAdd(m_icon, m_tray.shownTip());
        m_iconAdded = true;
        m_sentToTray = m_tray;
    });
    m_loaded = true;
    if (!m_source.notice().isEmpty())
        trap.report(m_source.notice());
    if (m_showWhenLoaded)
        trap([&] { m.windows().show<Form2>(); });
    return true;
}

void frmShell::secondStart()
{
    if (m_loaded)
        mnuPop_Click(MenuMain);
    else
        m_showWhenLoaded = true;
}

void frmShell::openCalendar(const QString &path)
{
    std::unique_ptr<CalendarDatabase> db = CalendarDatabase::open(path);
    std::unique_ptr<CalendarCursor> rs = db->openTable(CalendarSchema::TableName);
    m.CalendarRs.reset(); // a cursor goes before the database it reads
    m.CalendarDb = std::move(db);
    m.CalendarRs = std::move(rs);
}

// A calendar without today: the program's own gives way to the next four years; one the user
// chose is never changed, so the user is told once how to make one that holds today. An empty
// table has been reported already.
void frmShell::checkTodayIsInTheCalendar()
{
    if (m.TodayRowId != 0 || !m_lastDay.isValid())
        return;
    if (m_source.isOwn()) {
        renewOwnCalendar();
        return;
    }
    ErrorTrap(m_platform).report(m_source.todayMissingAdvice(today(), m_firstDay, m_lastDay));
}

bool frmShell::renewOwnCalendar()
{
    ErrorTrap trap(m_platform);
    m_renewalFailed = !trap([&] {
        m_source.renew();
        openCalendar(m_source.path());
    });
    if (!m_renewalFailed)
        findLastAndTodayRows();
    return !m_renewalFailed;
}

bool frmShell::ownCalendarLacks(QDate day) const
{
    return !m_renewalFailed && m_lastDay.isValid() && (day < m_firstDay || day > m_lastDay) && m_source.isOwn();
}

// The program's own calendar ran out while it runs: it goes on with the next four years as a
// new start would, and the windows read the new calendar from its first row, so that no window
// holds a row number of the old one.
void frmShell::continueWithRenewedCalendar()
{
    if (!renewOwnCalendar())
        return;
    m.windows().unload<Form3>();
    m.windows().unload<frmSearch>();
    if (m.windows().isLoaded<Form2>())
        m.windows().window<Form2>().grid().Initializare();
}

short frmShell::GetDataSistem()
{
    m.DayOfMonthText = today().toString(QStringLiteral("dd/MM/yyyy")).left(2);
    return 0;
}

short frmShell::SetIcon()
{
    m_icon = dayPicture(m.DayOfMonthText.toInt());
    return 0;
}

const QIcon &frmShell::dayPicture(int day)
{
    QIcon &picture = Picture2.at(day);
    if (picture.isNull())
        picture = DayIcon::make(day);
    return picture;
}

void frmShell::applyTooltipRule()
{
    if (const auto text = VariantColumns::event(*m.CalendarRs, m.CalendarVariant))
        m_tray.szTip = TrayIconData::tipField(*text);
}

// At a change of date: walks the shared cursor from its first row, and each row dated today sets
// the tip. A row that cannot be read is passed over, so that it hides no later row; its damage
// is reported once.
void frmShell::walkForToday()
{
    const QDate day = today();
    m.reportDamage(RowWalk::fromFirst(*m.CalendarRs, [&](const CalendarCursor &row, int) {
        if (row.date(CalendarSchema::Date).date() == day) // as at start-up: the calendar day
            applyTooltipRule();
        return RowWalk::Next::Continue;
    }));
}

// LastRowId and TodayRowId are places in the table: the grid and the commentary window count
// rows by their place, so start-up must too. The same walk gives the tray its tip, from the row
// that is today's place. A calendar should number its rows 1..N in the order
// it stores them; one that does not is told so once, and the places are used.
void frmShell::findLastAndTodayRows()
{
    ErrorTrap trap(m_platform);
    trap([&] {
        const QDate day = today();
        int todayPlace = 0;
        QDate first;
        QDate last;
        QString misnumbered;
        // The grid's rows are read in the same walk, for the main window to show them.
        const GridRows::Pass pass = m.CalendarRows.read(
            *m.CalendarRs, m.CalendarVariant, std::numeric_limits<int>::max(),
            [&](const CalendarCursor &row, int place) {
                // Calendar days, so a time of day stored with the date does not matter here.
                const QDate date = row.date(CalendarSchema::Date).date();
                const bool firstToday = todayPlace == 0 && date == day;
                if (firstToday)
                    todayPlace = place;
                first = first.isValid() ? first : date;
                last = date;
                const qint64 id = row.integer(CalendarSchema::Id);
                if (id != place && misnumbered.isEmpty())
                    misnumbered = QStringLiteral("The calendar's rows are not numbered in order: row %1 has the ID %2. "
                                                 "Feastbook takes the days in the order the table stores them.")
                                      .arg(place)
                                      .arg(id);
                if (firstToday)
                    applyTooltipRule(); // the tip of the row the grid and the commentary take for today
            });
        m.PendingGridPass = Module1::GridPass{m.CalendarVariant, pass};
        m.reportDamage(pass.damage);
        if (!misnumbered.isEmpty())
            trap.report(misnumbered);
        if (pass.read == 0)
            throw DataError(QStringLiteral("No current record: the table %1 is empty.").arg(CalendarSchema::TableName));
        m_firstDay = first;
        m_lastDay = last;
        m.LastRowId = toRowNumber(pass.read);
        m.TodayRowId = toRowNumber(todayPlace);
    });
}

void frmShell::Timer1_Timer()
{
    // A message box opened by a handler runs its own event loop; the tick must not run inside
    // start-up or inside another tick.
    if (!m_loaded || m_inTick)
        return;
    m_inTick = true;
    ErrorTrap trap(m_platform);
    trap([&] {
        const QDate day = today();
        if (day != LastTickDate) { // midnight, or the clock was set back or forward
            LastTickDate = day;
            if (ownCalendarLacks(day))
                continueWithRenewedCalendar();
            walkForToday();
        }
    });
    trap([&] {
        GetDataSistem();
        SetIcon();
    });
    trap([&] {
        m_tray.hIcon = m.DayOfMonthText.toInt();
        handToTray();
    });
    m_inTick = false;
}

// The tray is told only about changes: a once-a-second update of an unchanged icon is wasted
// work on a desktop tray.
void frmShell::handToTray()
{
    if (!m_iconAdded || m_tray == m_sentToTray)
        return;
    m_platform.trayModify(m_icon, m_tray.shownTip());
    m_sentToTray = m_tray;
}

void frmShell::Form_MouseMove(int message)
{
    ErrorTrap trap(m_platform);
    if (message == TrayMessage::LeftDown) {
        trap([&] { m.windows().show<Form2>(); });
    } else if (message == TrayMessage::RightUp) {
        trap([&] { m_platform.popupMenu(mnuPop); });
    }
    // Everything else (moves, releases of the left button, presses of the right one, double
    // clicks) is ignored: the second press of a double click must not open a window again.
}

void frmShell::mnuPop_Click(int index)
{
    ErrorTrap trap(m_platform);
    switch (index) {
    case MenuMain:
        trap([&] { m.windows().show<Form2>(); });
        break;
    case MenuComment:
        trap([&] { m.windows().show<Form3>(); });
        break;
    case MenuSearch:
        trap([&] { m.windows().show<frmSearch>(); });
        break;
    case MenuHelp:
        trap([&] { m_platform.launchHelp(HelpWindowStyle::Normal); });
        break;
    case MenuAbout:
        trap([&] { m.windows().show<frmAboutReg>(); });
        break;
    case MenuExit:
        trap([&] {
            m_platform.trayDelete();
            m_iconAdded = false;
        });
        m_platform.endProcess(0);
        break;
    default:
        break; // the separator
    }
}
