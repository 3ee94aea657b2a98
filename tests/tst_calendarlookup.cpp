// Where the calendar comes from: the order of the folders, the calendar computed at the first
// start, and a calendar that today has passed — the program's own and the user's.
#include "app/CalendarSource.h"
#include "controls/CimpData.h"
#include "controls/VisualControl.h"
#include "support/ShellHarness.h"
#include "windows/Form2.h"
#include "windows/frmSearch.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// A calendar whose every day is called label, so that the tip tells which calendar was read.
void writeCalendar(const QString &path, QDate first, int days, const QString &label)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto rows = TestDatabase::days(first, days);
    for (TestDay &day : rows)
        day.evenimentUniv = label;
    TestDatabase::write(path, rows);
}

QString placePath(const ShellHarness &h, const QString &place)
{
    if (place.startsWith(QLatin1String("current")))
        return QDir::current().absoluteFilePath(CalendarFileName);
    if (place == QLatin1String("home"))
        return h.ownCalendarPath();
    return h.folder.file(place + QStringLiteral("/feastbook/") + CalendarFileName);
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Starts the program once on a data folder with no calendar, at the given time: it computes one.
void computeInto(const QString &dataHome, const QDateTime &when)
{
    ShellHarness first;
    first.platform.dataHome = dataHome;
    first.platform.clock = when;
    QVERIFY(first.load());
    QVERIFY(QFile::exists(first.ownCalendarPath()));
}

} // namespace

class TestCalendarLookup : public QObject
{
    Q_OBJECT

private slots:
    void firstCalendarFoundIsRead_data();
    void firstCalendarFoundIsRead();
    void firstStartComputesTheCalendarOnce();
    void calendarThatCannotBeComputedEndsStartUp();
    void ownCalendarGoesOnWithTheNextYears_data();
    void ownCalendarGoesOnWithTheNextYears();
    void calendarOfTheUserIsOnlyRead_data();
    void calendarOfTheUserIsOnlyRead();
};

void TestCalendarLookup::firstCalendarFoundIsRead_data()
{
    QTest::addColumn<QStringList>("places"); // where a calendar lies
    QTest::addColumn<QString>("read");       // which one is read; empty: start-up ends

    QTest::newRow("the current folder first") << QStringList{"current", "home", "share-1", "share-2"} << "current";
    QTest::newRow("then the user's data folder") << QStringList{"home", "share-1", "share-2"} << "home";
    QTest::newRow("then the installed folders in order") << QStringList{"share-1", "share-2"} << "share-1";
    QTest::newRow("the last installed folder") << QStringList{"share-2"} << "share-2";
    QTest::newRow("a damaged one here is not passed over") << QStringList{"current-broken", "home"} << "";
}

void TestCalendarLookup::firstCalendarFoundIsRead()
{
    QFETCH(QStringList, places);
    QFETCH(QString, read);
    ShellHarness h;
    const QDate today = h.platform.clock.date();
    for (const QString &place : places) {
        writeCalendar(placePath(h, place), today.addDays(-10), 30, place);
        if (place.endsWith(QLatin1String("broken"))) {
            QFile file(placePath(h, place));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(100));
        }
    }

    QCOMPARE(h.load(), !read.isEmpty());
    if (read.isEmpty()) {
        QCOMPARE(h.platform.messages.size(), 1);
        const QString tried = QDir::toNativeSeparators(placePath(h, places.first()));
        QVERIFY2(h.platform.messages.first().contains(tried), qPrintable(h.platform.messages.first()));
        return;
    }
    QCOMPARE(h.platform.lastTrayCall().tip, read);
    QVERIFY(h.platform.messages.isEmpty());
    QVERIFY(!h.shell->calendarSource().isOwn()); // found, not computed: only read
}

// No calendar anywhere: the four years from this one are computed into the user's data folder,
// the user is told where, and the next start reads that calendar without a word.
void TestCalendarLookup::firstStartComputesTheCalendarOnce()
{
    QTemporaryDir dataHome;
    ShellHarness h;
    h.platform.dataHome = dataHome.path();
    QVERIFY(h.load());
    QCOMPARE(h.platform.messages.size(), 1);
    QVERIFY2(h.platform.messages.first().contains(QDir::toNativeSeparators(h.ownCalendarPath()))
                 && h.platform.messages.first().contains(QStringLiteral("2001 to 2004")),
             qPrintable(h.platform.messages.first()));
    QCOMPARE(h.module.LastRowId, 1461);
    QCOMPARE(h.module.TodayRowId, 106); // 16 April 2001
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Monday in the Octave of Easter"));
    QVERIFY(h.shell->calendarSource().isOwn());

    const QByteArray computed = fileHash(h.ownCalendarPath());
    ShellHarness again;
    again.platform.dataHome = dataHome.path();
    again.platform.clock = h.platform.clock.addDays(1);
    QVERIFY(again.load());
    QVERIFY(again.platform.messages.isEmpty());
    QCOMPARE(fileHash(again.ownCalendarPath()), computed);
    QCOMPARE(again.module.TodayRowId, 107);
}

void TestCalendarLookup::calendarThatCannotBeComputedEndsStartUp()
{
    ShellHarness h;
    QFile inTheWay(h.platform.dataHome); // a file where the data folder should be
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();

    QVERIFY(!h.load());
    QCOMPARE(h.platform.messages.size(), 1);
    QVERIFY2(h.platform.messages.first().contains(QDir::toNativeSeparators(h.ownCalendarPath())),
             qPrintable(h.platform.messages.first()));
    QVERIFY(h.platform.trayCalls.empty());
}

void TestCalendarLookup::ownCalendarGoesOnWithTheNextYears_data()
{
    QTest::addColumn<bool>("whileRunning");
    QTest::newRow("at the next start") << false;
    QTest::newRow("at midnight") << true;
}

// The calendar computed for 2001-2004 gives way to 2005-2008 on New Year's Day 2005, whether
// the program starts then or is running at midnight; the windows follow the new calendar.
void TestCalendarLookup::ownCalendarGoesOnWithTheNextYears()
{
    QFETCH(bool, whileRunning);
    QTemporaryDir dataHome;
    computeInto(dataHome.path(), QDateTime(QDate(2001, 6, 1), QTime(12, 0)));
    ShellHarness h;
    h.platform.dataHome = dataHome.path();
    const QByteArray computed = fileHash(h.ownCalendarPath());
    const QDateTime newYear(QDate(2005, 1, 1), QTime(0, 0, 1));

    h.platform.clock = whileRunning ? newYear.addSecs(-2) : newYear;
    QVERIFY(h.load());
    if (whileRunning) {
        QCOMPARE(h.module.TodayRowId, 1461);
        h.activate<Form2>();
        h.module.windows().window<frmSearch>();
        h.platform.clock = newYear;
        h.shell->Timer1_Timer();
        QVERIFY(!h.module.windows().isLoaded<frmSearch>()); // its list named days of the old calendar
        const VisualControl &grid = h.module.windows().window<Form2>().grid();
        QCOMPARE(grid.CurrentRecord(), 1);
        QCOMPARE(grid.cell(grid.SelectedCell()).Caption1(), QStringLiteral("S Jan 01"));
    }
    QVERIFY(h.platform.messages.isEmpty());
    QVERIFY(fileHash(h.ownCalendarPath()) != computed);
    QVERIFY(h.shell->calendarSource().isOwn());
    QCOMPARE(h.module.TodayRowId, 1);
    QCOMPARE(h.module.LastRowId, 1461);
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Mary, Mother of God"));
}

void TestCalendarLookup::calendarOfTheUserIsOnlyRead_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("advised"); // where the advice writes a new calendar
    QTest::addColumn<bool>("replacing");

    // clang-format off
    QTest::newRow("in the current folder")                     << "current"  << "current" << true;
    QTest::newRow("in the data folder, put there by the user") << "home"     << "home"    << true;
    QTest::newRow("put in place of the computed one")          << "replaced" << "home"    << true;
    QTest::newRow("installed for every user")                  << "share-1"  << "home"    << false;
    // clang-format on
}

// A calendar of 2000-2003 that the program did not compute, read in 2005: one message says
// that today is not in it and how to make one that holds it; the file is never changed, not at
// start-up and not at midnight.
void TestCalendarLookup::calendarOfTheUserIsOnlyRead()
{
    QFETCH(QString, place);
    QFETCH(QString, advised);
    QFETCH(bool, replacing);
    QTemporaryDir dataHome;
    if (place == QLatin1String("replaced"))
        computeInto(dataHome.path(), QDateTime(QDate(2001, 6, 1), QTime(12, 0)));
    ShellHarness h;
    h.platform.dataHome = dataHome.path();
    const QString calendar = placePath(h, place == QLatin1String("replaced") ? QStringLiteral("home") : place);
    writeCalendar(calendar, QDate(2000, 1, 1), 1461, QStringLiteral("User"));
    const QByteArray before = fileHash(calendar);
    h.platform.clock = QDateTime(QDate(2005, 3, 1), QTime(23, 59, 59));

    QVERIFY(h.load());
    QCOMPARE(h.platform.messages.size(), 1);
    const QString &message = h.platform.messages.first();
    const QString command =
        QStringLiteral("feastbook-gen %1-o %2")
            .arg(replacing ? QStringLiteral("--force ") : QString(), QDir::toNativeSeparators(placePath(h, advised)));
    QVERIFY2(message.contains(QStringLiteral("Today, 2005-03-01, is not in the calendar ")
                              + QDir::toNativeSeparators(calendar))
                 && message.contains(QStringLiteral("from 2000-01-01 to 2003-12-31")) && message.contains(command),
             qPrintable(message));

    h.platform.clock = h.platform.clock.addSecs(2);
    h.shell->Timer1_Timer();
    QCOMPARE(h.platform.messages.size(), 1);
    QCOMPARE(fileHash(calendar), before);
    QCOMPARE(QFile::exists(h.ownCalendarPath()), place == QLatin1String("home") || place == QLatin1String("replaced"));
}

QTEST_MAIN(TestCalendarLookup)
#include "tst_calendarlookup.moc"
