// Start-up, the stored variant, today's row and the last row, damaged calendars, and the ways
// it ends.
#include "artwork/ApplicationIcon.h"
#include "artwork/DeferredIconEngine.h"
#include "controls/CimpData.h"
#include "controls/VisualControl.h"
#include "core/ErrorTrap.h"
#include "data/CalendarVariant.h"
#include "platform/HelpViewer.h"
#include "support/AccessCalendar.h"
#include "support/ShellHarness.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/frmAboutReg.h"
#include "windows/frmAutori.h"
#include "windows/frmSearch.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTextEdit>
#include <QtTest>

namespace {

const QDate Today(2001, 4, 16);

QIcon sampleIcon()
{
    QIcon icon;
    for (int side : {16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(side == 16 ? Qt::red : Qt::blue);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QImage iconImage(const QIcon &icon, int side)
{
    return icon.pixmap(QSize(side, side), 1.0).toImage();
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void storedVariantDecidesTheTip_data();
    void storedVariantDecidesTheTip();
    void findsTodayAndTheLastRow_data();
    void findsTodayAndTheLastRow();
    void emptyTableIsReportedAndTheProgramStays();
    void damagedCalendarsAreReportedOnceAndAgreeOnToday_data();
    void damagedCalendarsAreReportedOnceAndAgreeOnToday();
    void unusableDatabaseEndsStartUpAfterOneReport_data();
    void unusableDatabaseEndsStartUpAfterOneReport();
    void deferredIconIsMadeWhenFirstAskedAndAnswersAsMade();
    void everyWindowCarriesTheApplicationIcon();
    void secondStartShowsTheCalendarWindowOnceStarted();
    void aRunLoadsHiddenWritesNothingAndEndsWithoutTheIcon();
    void trapReportsOrLogsAndGoesOn();
    void accessCalendarStartsLikeTheSqliteOne_data();
    void accessCalendarStartsLikeTheSqliteOne();
};

namespace {

// What start-up shows of a calendar: the tip, today's and the last row, the grid's first page.
struct StartedCalendar
{
    bool loaded = false;
    QString tip;
    int today = 0;
    int last = 0;
    QStringList cells;
    QStringList messages;
};

StartedCalendar startOn(const std::vector<TestDay> &rows, int format)
{
    ShellHarness h;
    h.platform.clock = QDateTime(Today, QTime(8, 0));
    h.setVariant(QStringLiteral("SUA"));
    if (format < 0)
        h.writeDays(rows);
    else
        AccessCalendar::write(h.databasePath(), rows, JetImage::Version(format));
    StartedCalendar seen;
    seen.loaded = h.load();
    seen.tip = h.platform.lastTrayCall().tip;
    seen.today = h.module.TodayRowId;
    seen.last = h.module.LastRowId;
    const VisualControl &grid = h.module.windows().window<Form2>().grid();
    for (int k = 1; k <= VisualControl::CellCount; ++k)
        seen.cells << grid.cell(k).Caption1() + u'|' + grid.cell(k).Caption2() + u'|' + grid.cell(k).color2();
    seen.messages = h.platform.messages;
    return seen;
}

} // namespace

void TestStartup::storedVariantDecidesTheTip_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("tip");

    QTest::newRow("missing") << false << ""
                             << "Universal"
                             << "Saint Drogo";
    QTest::newRow("empty") << true << ""
                           << "Universal"
                           << "Saint Drogo";
    QTest::newRow("SUA") << true << "SUA"
                         << "SUA"
                         << "Saint Drogo of the USA";
    QTest::newRow("unknown value kept") << true << "xyz"
                                        << "xyz"
                                        << "";
    QTest::newRow("case matters") << true << "sua"
                                  << "sua"
                                  << "";
}

void TestStartup::storedVariantDecidesTheTip()
{
    QFETCH(bool, stored);
    QFETCH(QString, value);
    ShellHarness h;
    h.platform.clock = QDateTime(Today, QTime(8, 0));
    auto rows = TestDatabase::days(Today.addDays(-3), 7);
    rows[3].evenimentUniv = QStringLiteral("Saint Drogo");
    rows[3].evenimentSUA = QStringLiteral("Saint Drogo of the USA");
    h.writeDays(rows);
    if (stored)
        h.setVariant(value);
    const auto before = h.platform.settings;

    QVERIFY(h.load());
    QTEST(h.module.CalendarVariant, "variant");
    QCOMPARE(h.platform.settings, before); // the fallback is never written back
    QCOMPARE(h.platform.settingWrites, 0);
    QCOMPARE(h.platform.count(QStringLiteral("add")), 1);
    QTEST(h.platform.lastTrayCall().tip, "tip");
    QVERIFY(h.platform.messages.isEmpty());
}

void TestStartup::findsTodayAndTheLastRow_data()
{
    QTest::addColumn<int>("offset"); // today's row is first + offset
    QTest::addColumn<QString>("timeOfDay");
    QTest::addColumn<int>("todayRow");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("messages"); // a calendar without today says so once

    QTest::newRow("first row") << 0 << "" << 1 << "Event 2001-04-16" << 0;
    QTest::newRow("middle") << -100 << "" << 101 << "Event 2001-04-16" << 0;
    QTest::newRow("last row") << -199 << "" << 200 << "Event 2001-04-16" << 0;
    QTest::newRow("before the table") << 1 << "" << 0 << "" << 1;
    QTest::newRow("after the table") << -200 << "" << 0 << "" << 1;
    // A time stored with the date does not matter: the tip is that of the row the grid frames.
    QTest::newRow("time of day") << -5 << " 18:00:00" << 6 << "Event 2001-04-16" << 0;
    QTest::newRow("midnight written out") << -5 << " 00:00:00" << 6 << "Event 2001-04-16" << 0;
}

void TestStartup::findsTodayAndTheLastRow()
{
    QFETCH(int, offset);
    QFETCH(QString, timeOfDay);
    ShellHarness h;
    h.platform.clock = QDateTime(Today, QTime(23, 59, 59));
    auto rows = TestDatabase::days(Today.addDays(offset), 200);
    for (TestDay &day : rows)
        day.Data += timeOfDay;
    h.writeDays(rows);

    QVERIFY(h.load());
    QCOMPARE(h.module.LastRowId, 200);
    QTEST(int(h.module.TodayRowId), "todayRow");
    QTEST(h.platform.lastTrayCall().tip, "tip");
    QCOMPARE(h.module.DayOfMonthText, QStringLiteral("16"));
    QCOMPARE(h.shell->LastTickDate, Today);
    QTEST(int(h.platform.messages.size()), "messages");
}

void TestStartup::emptyTableIsReportedAndTheProgramStays()
{
    ShellHarness h;
    h.writeDays({});
    QVERIFY(h.load());
    // Start-up reports the missing last row; the grid, which then assumes a hundred rows,
    // reports once that the table ends early.
    QCOMPARE(h.platform.messages.size(), 2);
    QVERIFY(h.platform.messages.first().contains(QStringLiteral("empty")));
    QVERIFY(h.platform.messages.last().contains(QStringLiteral("ends after 0 rows")));
    QCOMPARE(h.module.LastRowId, 100); // the grid's assumption, kept for the rest of the run
    QCOMPARE(h.module.TodayRowId, 0);
    QCOMPARE(h.platform.count(QStringLiteral("add")), 1);
    QCOMPARE(h.platform.lastTrayCall().tip, QString());
}

void TestStartup::damagedCalendarsAreReportedOnceAndAgreeOnToday_data()
{
    QTest::addColumn<QString>("table"); // the name the good calendar is written under
    QTest::addColumn<QString>("sql");   // the one statement that damages it
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QStringList>("reported"); // one box at start-up each, holding these words
    QTest::addColumn<int>("todayColour");      // the colour code today's celebration is drawn in
    QTest::addColumn<QString>("dayReached");   // after 30 Down, 5 Page Down from today

    const QString calendar = QStringLiteral("calendarComplet");
    const QString later = QStringLiteral("2001-08-29");
    // Stored in reverse order, the table is walked from 2003 back to 2000.
    QTest::newRow("IDs negated") << calendar << "UPDATE calendarComplet SET ID = -ID" << true
                                 << QStringList{"row 1 has the ID -1461"} << 2 << "2000-12-02";
    QTest::newRow("one row deleted") << calendar << "DELETE FROM calendarComplet WHERE ID = 100" << true
                                     << QStringList{"row 100 has the ID 101"} << 2 << later;
    QTest::newRow("IDs beyond 16 bits") << calendar << "UPDATE calendarComplet SET ID = ID + 100000" << true
                                        << QStringList{"row 1 has the ID 100001"} << 2 << later;
    QTest::newRow("a view") << "days"
                            << "CREATE VIEW calendarComplet AS SELECT * FROM days" << false
                            << QStringList{"calendarComplet is a view"} << 2 << "";
    QTest::newRow("NULL colour on today's row")
        << calendar << "UPDATE calendarComplet SET culoriUniv = NULL WHERE Data = '2001-04-16'" << true
        << QStringList{"culoriUniv of row 472"} << 0 << later;
    QTest::newRow("bad colour codes on every row")
        << calendar << "UPDATE calendarComplet SET culoriUniv = 'x;y'" << true
        << QStringList{"\"x;y\" of row 1 (and of 1460 more rows)"} << 0 << later;
    QTest::newRow("a bad colour code on the way")
        << calendar << "UPDATE calendarComplet SET culoriUniv = '2;x' WHERE Data = '2001-05-01'" << true
        << QStringList{"\"2;x\" of row 487"} << 2 << later;
    QTest::newRow("NULL date") << calendar << "UPDATE calendarComplet SET Data = NULL WHERE ID = 100" << true
                               << QStringList{"Data of row 100 holds no value"} << 2 << later;
    QTest::newRow("impossible date") << calendar << "UPDATE calendarComplet SET Data = '2001-13-45' WHERE ID = 100"
                                     << true << QStringList{"row 100 holds \"2001-13-45\""} << 2 << later;
    QTest::newRow("empty date") << calendar << "UPDATE calendarComplet SET Data = '' WHERE ID = 100" << true
                                << QStringList{"row 100 holds \"\""} << 2 << later;
    QTest::newRow("no date") << calendar << "UPDATE calendarComplet SET Data = 'abc' WHERE ID = 100" << true
                             << QStringList{"row 100 holds \"abc\""} << 2 << later;
}

// A good calendar damaged by one statement: each damage is reported once at start-up, never
// again while the user walks the calendar, and the tray, the grid and the commentary all show
// 16 April as today.
void TestStartup::damagedCalendarsAreReportedOnceAndAgreeOnToday()
{
    QFETCH(QString, table);
    QFETCH(QString, sql);
    QFETCH(QStringList, reported);
    ShellHarness h;
    h.platform.clock = QDateTime(Today, QTime(10, 0));
    TestDatabase::write(h.databasePath(), TestDatabase::days(QDate(2000, 1, 1), 1461), table);
    TestDatabase::exec(h.databasePath(), sql);

    QTEST(h.load(), "starts");
    QCOMPARE(h.platform.messages.size(), reported.size());
    for (int i = 0; i < reported.size(); ++i)
        QVERIFY2(h.platform.messages.at(i).contains(reported.at(i)), qPrintable(h.platform.messages.at(i)));
    if (!h.module.CalendarRs)
        return;
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Event 2001-04-16"));

    // The tray's left press shows the grid with today framed and holding the keyboard.
    h.platform.sendTrayMessage(TrayMessage::LeftDown);
    Form2 &main = h.module.windows().window<Form2>();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTRY_VERIFY(qobject_cast<CimpData *>(QApplication::focusWidget()));
    const auto focusedCell = [] { return qobject_cast<CimpData *>(QApplication::focusWidget()); };
    QCOMPARE(focusedCell()->Caption1(), QStringLiteral("M Apr 16"));
    QCOMPARE(focusedCell()->shownText(), QStringLiteral("Event 2001-04-16"));
    QVERIFY(focusedCell()->Selectat());
    QFETCH(int, todayColour);
    QCOMPARE(focusedCell()->textColourAt(0), CimpData::colourForCode(todayColour));

    // Enter opens today's commentary.
    QTest::keyClick(focusedCell(), Qt::Key_Return);
    Form3 &comment = h.module.windows().window<Form3>();
    QVERIFY(QTest::qWaitForWindowActive(&comment));
    QCOMPARE(comment.text().toPlainText(), QStringLiteral("Commentary 2001-04-16"));

    // Back in the grid: 30 days down, 5 pages down, and the commentary of the day reached.
    h.activate<Form2>();
    QTRY_VERIFY(focusedCell());
    const qsizetype boxes = h.platform.messages.size();
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(&comment));
    QFETCH(QString, dayReached);
    QCOMPARE(comment.text().toPlainText(), QStringLiteral("Commentary ") + dayReached);
    QCOMPARE(h.platform.messages.size(), boxes);
}

void TestStartup::unusableDatabaseEndsStartUpAfterOneReport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("wrong table") << "wrong table";
    QTest::newRow("folder") << "folder";
}

void TestStartup::unusableDatabaseEndsStartUpAfterOneReport()
{
    QFETCH(QString, kind);
    ShellHarness h;
    const QString path = h.databasePath();
    if (kind == QLatin1String("truncated") || kind == QLatin1String("random")) {
        TestDatabase::write(path, TestDatabase::days(Today, 600));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (kind == QLatin1String("truncated")) {
            QVERIFY(file.resize(file.size() / 3));
        } else {
            QByteArray noise(int(file.size()), '\0');
            for (int i = 0; i < noise.size(); ++i)
                noise[i] = char((i * 7919 + 13) % 251);
            file.write(noise);
        }
    } else if (kind == QLatin1String("wrong table")) {
        TestDatabase::write(path, TestDatabase::days(Today, 10), QStringLiteral("calendarPartial"));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(h.folder.path()).mkdir(CalendarFileName));
    }

    QVERIFY(!h.load());
    QCOMPARE(h.platform.messages.size(), 1);
    // The whole path: the calendar might have come from several folders.
    const QString tried = QDir::toNativeSeparators(QDir::current().absoluteFilePath(CalendarFileName));
    QVERIFY2(h.platform.messages.first().contains(tried), qPrintable(h.platform.messages.first()));
    QVERIFY(h.platform.trayCalls.empty());
    QVERIFY(!h.module.windows().isLoaded<Form2>());

    // The timer goes on ticking until the process ends; a failed start-up must stay silent.
    h.shell->Timer1_Timer();
    QCOMPARE(h.platform.messages.size(), 1);
}

void TestStartup::deferredIconIsMadeWhenFirstAskedAndAnswersAsMade()
{
    int makings = 0;
    const QIcon deferred(new DeferredIconEngine([&makings] {
        ++makings;
        return sampleIcon();
    }));
    QWidget window;
    window.setWindowIcon(deferred);
    QVERIFY(!deferred.isNull());
    QCOMPARE(makings, 0);

    // How the answers follow the sizes is the on-demand engine's, tested with the day icon.
    const QIcon made = sampleIcon();
    QCOMPARE(deferred.availableSizes(), made.availableSizes());
    QCOMPARE(iconImage(deferred, 20), iconImage(made, 20));
    QCOMPARE(iconImage(deferred, 32), iconImage(made, 32));
    QCOMPARE(makings, 1);
}

// The application icon is not set on the application, so that the tray's hidden window does
// not draw it at start-up; every window of the program sets it on itself instead (the
// commentary window shows a picture of its own).
void TestStartup::everyWindowCarriesTheApplicationIcon()
{
    ShellHarness h;
    h.writeDays(TestDatabase::days(Today, 30));
    QVERIFY(h.load());

    const QImage expected = iconImage(ApplicationIcon::icon(), 32);
    QVERIFY(!expected.isNull());
    WindowRegistry &windows = h.module.windows();
    HelpViewer help;
    const QList<QWidget *> all = {&windows.window<Form2>(), &windows.window<frmSearch>(),
                                  &windows.window<frmAboutReg>(), &windows.window<frmAutori>(), &help};
    for (QWidget *window : all)
        QVERIFY2(iconImage(window->windowIcon(), 32) == expected, window->metaObject()->className());
}

// A second start may arrive while start-up still runs (a message box of start-up has an event
// loop of its own): the window waits for the grid to be loaded.
void TestStartup::secondStartShowsTheCalendarWindowOnceStarted()
{
    ShellHarness h;
    h.writeDays(TestDatabase::days(Today, 30));
    h.shell->secondStart();
    QVERIFY(!h.module.windows().isLoaded<Form2>());
    QVERIFY(h.load());
    Form2 &main = h.module.windows().window<Form2>();
    QVERIFY(main.isVisible());
    main.hide();
    h.shell->secondStart();
    QVERIFY(main.isVisible());
    QVERIFY(h.platform.messages.isEmpty());
}

// The main window is loaded hidden before the icon is added; ticks and the exit write nothing
// to the calendar, and the icon is gone before the process ends.
void TestStartup::aRunLoadsHiddenWritesNothingAndEndsWithoutTheIcon()
{
    ShellHarness h;
    h.platform.clock = QDateTime(Today, QTime(23, 59, 59));
    h.writeDays(TestDatabase::days(Today.addDays(-10), 40));
    QFile::setPermissions(h.databasePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray before = fileHash(h.databasePath());
    const QDateTime modified = QFileInfo(h.databasePath()).lastModified();

    QVERIFY(!h.module.windows().isLoaded<Form2>());
    QVERIFY(h.load());
    QCOMPARE(h.platform.events, QStringList{QStringLiteral("add")});
    QVERIFY(h.module.windows().isLoaded<Form2>());
    QVERIFY(!h.module.windows().window<Form2>().isVisible());
    QCOMPARE(h.module.windows().window<Form2>().windowTitle(), QStringLiteral("Feastbook"));
    for (int second = 0; second < 3; ++second) {
        h.platform.clock = h.platform.clock.addSecs(1);
        h.shell->Timer1_Timer();
    }
    h.shell->mnuPop_Click(frmShell::MenuExit);
    QCOMPARE(h.platform.events, (QStringList{"add", "modify", "delete", "end 0"}));
    // The hidden window's own end removes the icon only if it is still there.
    h.shell.reset();
    QCOMPARE(h.platform.count(QStringLiteral("delete")), 1);
    h.module.CalendarRs.reset();
    h.module.CalendarDb.reset();

    QVERIFY(h.platform.messages.isEmpty());
    QCOMPARE(h.platform.settingWrites, 0);
    QCOMPARE(fileHash(h.databasePath()), before);
    QCOMPARE(QFileInfo(h.databasePath()).lastModified(), modified);
    QCOMPARE(QDir(h.folder.path()).entryList(QDir::Files), QStringList{CalendarFileName}); // no journal left
}

// A failing step is shown and the handler goes on; the quiet trap of the sizing handlers logs
// instead of showing, so that no failure disappears; a report without a failure is shown alike.
void TestStartup::trapReportsOrLogsAndGoesOn()
{
    FakePlatform platform;
    const auto fail = [] { throw std::runtime_error("The step failed."); };
    int stepsRun = 0;

    ErrorTrap trap(platform);
    QVERIFY(!trap(fail));
    QVERIFY(trap([&] { ++stepsRun; }));
    trap.report(QStringLiteral("Something is wrong."));
    QCOMPARE(platform.messages, (QStringList{"The step failed.", "Something is wrong."}));

    ErrorTrap quiet(platform, ErrorTrap::Quiet);
    QTest::ignoreMessage(QtWarningMsg, "The step failed.");
    QVERIFY(!quiet(fail));
    QVERIFY(quiet([&] { ++stepsRun; }));
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(stepsRun, 2);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

void TestStartup::accessCalendarStartsLikeTheSqliteOne_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("Access 97") << int(JetImage::Jet3);
    QTest::newRow("Access 2000") << int(JetImage::Jet4);
}

void TestStartup::accessCalendarStartsLikeTheSqliteOne()
{
    QFETCH(int, format);
    auto rows = TestDatabase::days(Today.addDays(-40), 80);
    rows[40].evenimentUniv = QStringLiteral("Saint Drogo");
    rows[40].evenimentSUA = QStringLiteral("Saint Drogo of the USA");
    rows[41].CuloriSUA = QStringLiteral("4;1");
    const StartedCalendar sqlite = startOn(rows, -1);
    const StartedCalendar access = startOn(rows, format);
    QVERIFY(sqlite.loaded && access.loaded);
    QCOMPARE(access.tip, QStringLiteral("Saint Drogo of the USA"));
    QCOMPARE(access.tip, sqlite.tip);
    QCOMPARE(access.today, 41);
    QCOMPARE(access.today, sqlite.today);
    QCOMPARE(access.last, sqlite.last);
    QCOMPARE(access.cells, sqlite.cells);
    QCOMPARE(access.messages, sqlite.messages);
}
