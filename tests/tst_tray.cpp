// The tray icon, its tip, the day rollover, the tray's mouse messages, the menu, the day badge
// that stands in for a missing tray, and the help window.
#include "artwork/DayIcon.h"
#include "platform/DayBadge.h"
#include "platform/HelpFile.h"
#include "platform/HelpLauncher.h"
#include "platform/QtPlatform.h"
#include "support/ShellHarness.h"
#include "windows/Form2.h"
#include "windows/Form3.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QtTest>

namespace {

const QDate First(2000, 12, 28);

// Four days from 28 December 2000; the 30th is missing from the table's tip texts' point of
// view only when a test removes it.
ShellHarness *started(ShellHarness &h, QDateTime at, std::vector<TestDay> rows = TestDatabase::days(First, 6))
{
    h.platform.clock = at;
    h.writeDays(rows);
    return h.load() ? &h : nullptr;
}

void tickAt(ShellHarness &h, QDateTime at)
{
    h.platform.clock = at;
    h.shell->Timer1_Timer();
}

QImage render(int day, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DayIcon::paint(painter, image.rect(), day);
    return image;
}

// The day's blue over the white page: how much of a pixel the number covers, 0 to 255, or -1
// for a pixel that is neither page nor number (the frame, the rings).
int ink(QColor c)
{
    if (c.alpha() != 255 || c.blue() != 255 || c.red() != c.green())
        return -1;
    return 255 - c.red();
}

// Paints nowhere; counts the pieces of text a painter hands it.
class TextCounter : public QPaintEngine
{
public:
    int texts = 0;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override { ++texts; }
    Type type() const override { return User; }
};

// An image whose painters draw into a text counter instead.
class TextCountingImage : public QImage
{
public:
    mutable TextCounter counter;

    TextCountingImage() : QImage(128, 128, QImage::Format_ARGB32) {}
    QPaintEngine *paintEngine() const override { return &counter; }
};

int countPixels(const QImage &image, const std::function<bool(QColor)> &accept)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += accept(image.pixelColor(x, y));
    return n;
}

// The pixels the day's number covers at all.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixelColor(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestTray : public QObject
{
    Q_OBJECT

private slots:
    void tipFieldTrimsAndCuts_data();
    void tipFieldTrimsAndCuts();
    void tipFollowsTheRowAndTheMarker_data();
    void tipFollowsTheRowAndTheMarker();
    void rolloverAtMidnightAndWhenTheClockMoves();
    void unchangedTicksSendNothing();
    void dayPicturesFollowTheDayOfTheMonth();
    void dayNumbersAreCrispAndSitOnThePage();
    void dayPicturesAreDrawnWithoutText();
    void dayIconDrawnOnDemandAnswersLikeOneOfEverySize();
    void trayMessagesAreDecoded();
    void menuHasTheSevenEntries();
    void helpFromTheMenuOpensANormalWindow();
    void badgePassesMouseMessagesOn();
    void badgeMenuComesWithTheProgramInFront();
    void helpLookupAndWindowStyles();
};

void TestTray::tipFieldTrimsAndCuts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const QString s63(63, u'x');
    QTest::newRow("blanks at both ends") << "  Saint Blaise  "
                                         << "Saint Blaise";
    QTest::newRow("a tab is no blank") << "\tSaint Blaise \t"
                                       << "\tSaint Blaise \t";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("63 characters") << s63 << s63;
    QTest::newRow("64 characters") << s63 + u'y' << s63;
    QTest::newRow("100 characters") << QString(100, u'z') << QString(63, u'z');
    QTest::newRow("63 after trimming") << "   " + s63 + "   " << s63;
}

void TestTray::tipFieldTrimsAndCuts()
{
    QFETCH(QString, text);
    TrayIconData data;
    data.szTip = TrayIconData::tipField(text);
    QCOMPARE(data.szTip.size(), TrayIconData::TipFieldLength);
    QTEST(data.shownTip(), "shown");
}

void TestTray::tipFollowsTheRowAndTheMarker_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("sua");
    QTest::addColumn<QString>("tip");

    QTest::newRow("universal") << "Universal"
                               << "USA text"
                               << "Universal text";
    QTest::newRow("marker") << "SUA"
                            << "="
                            << "Universal text";
    QTest::newRow("blank before the sign") << "SUA"
                                           << " ="
                                           << "=";
    QTest::newRow("blank after the sign") << "SUA"
                                          << "= "
                                          << "=";
    QTest::newRow("own text, trimmed") << "SUA"
                                       << "  USA text "
                                       << "USA text";
    QTest::newRow("own text, tab and line break kept") << "SUA"
                                                       << " \tUSA text\n "
                                                       << "\tUSA text\n";
}

void TestTray::tipFollowsTheRowAndTheMarker()
{
    QFETCH(QString, variant);
    QFETCH(QString, sua);
    ShellHarness h;
    h.setVariant(variant);
    auto rows = TestDatabase::days(First, 6);
    rows[2].evenimentUniv = QStringLiteral(" Universal text ");
    rows[2].evenimentSUA = sua;
    QVERIFY(started(h, QDateTime(First.addDays(2), QTime(12, 0)), rows));
    QTEST(h.platform.lastTrayCall().tip, "tip");
}

void TestTray::rolloverAtMidnightAndWhenTheClockMoves()
{
    ShellHarness h;
    auto rows = TestDatabase::days(First, 6);
    rows.erase(rows.begin() + 3); // no row for 31 December
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].ComentariuUniv.clear();
    QVERIFY(started(h, QDateTime(First, QTime(23, 59, 59)), rows));
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Event 2000-12-28"));

    tickAt(h, QDateTime(First.addDays(1), QTime(0, 0, 0)));
    QCOMPARE(h.platform.lastTrayCall().kind, QStringLiteral("modify"));
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Event 2000-12-29"));
    QCOMPARE(h.platform.lastTrayCall().iconKey, h.shell->dayPicture(29).cacheKey());
    QCOMPARE(h.shell->LastTickDate, First.addDays(1));

    // The clock set back: the next tick treats it as a change of date.
    tickAt(h, QDateTime(First, QTime(10, 0)));
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Event 2000-12-28"));
    QCOMPARE(h.trayIconDataDay(), 28);

    // A day the table does not hold: the icon follows the date, the tip keeps yesterday's text.
    tickAt(h, QDateTime(QDate(2000, 12, 31), QTime(0, 0, 1)));
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Event 2000-12-28"));
    QCOMPARE(h.trayIconDataDay(), 31);

    // Into the next year, day 1 with its leading zero dropped.
    tickAt(h, QDateTime(QDate(2001, 1, 1), QTime(0, 0, 0)));
    QCOMPARE(h.platform.lastTrayCall().tip, QStringLiteral("Event 2001-01-01"));
    QCOMPARE(h.trayIconDataDay(), 1);

    // The grid's notion of today does not follow the date.
    QCOMPARE(h.module.TodayRowId, 1);
    QVERIFY(h.platform.messages.isEmpty());
}

void TestTray::unchangedTicksSendNothing()
{
    ShellHarness h;
    QVERIFY(started(h, QDateTime(First, QTime(12, 0))));
    for (int s = 1; s <= 30; ++s)
        tickAt(h, QDateTime(First, QTime(12, 0, s)));
    QCOMPARE(h.platform.trayCalls.size(), size_t(1));
    // A variant switch in the main window does not reach the tip until the date changes.
    h.module.CalendarVariant = QStringLiteral("SUA");
    tickAt(h, QDateTime(First, QTime(12, 1)));
    QCOMPARE(h.platform.trayCalls.size(), size_t(1));
}

void TestTray::dayPicturesFollowTheDayOfTheMonth()
{
    for (int day : {1, 5, 9, 10, 31}) {
        ShellHarness h;
        QVERIFY(started(h, QDateTime(QDate(2001, 1, day), QTime(7, 0)), TestDatabase::days(QDate(2001, 1, 1), 31)));
        QCOMPARE(h.module.DayOfMonthText, QStringLiteral("%1").arg(day, 2, 10, QChar(u'0')));
        QCOMPARE(h.trayIconDataDay(), day);
        QCOMPARE(h.platform.lastTrayCall().iconKey, h.shell->dayPicture(day).cacheKey());
    }
}

// Every number at every size: the bottom row and right column left clear, clear of the frame
// and the rings, white beside and below it, centred across the page, as tall as every other,
// its two digits apart, unlike any other day's, and the sides of a 0 laid on whole pixels, so
// that the digits are sharp rather than smeared.
void TestTray::dayNumbersAreCrispAndSitOnThePage()
{
    for (int size : DayIcon::Sizes) {
        QList<QImage> seen;
        QRect first;
        for (int day = 1; day <= 31; ++day) {
            const QImage image = render(day, size);
            const QByteArray where = QStringLiteral("day %1 at %2 pixels").arg(day).arg(size).toUtf8();
            for (int i = 0; i < size; ++i)
                QVERIFY2(image.pixelColor(i, size - 1).alpha() == 0 && image.pixelColor(size - 1, i).alpha() == 0,
                         where);
            const QRect box = inkBox(image);
            QVERIFY2(!box.isEmpty(), where);
            // Above, the rings may come down to its first row on the smallest pages.
            for (int y = box.top(); y <= box.bottom() + 1; ++y)
                for (int x = box.left() - 1; x <= box.right() + 1; ++x)
                    QVERIFY2(ink(image.pixelColor(x, y)) >= 0, where);
            QVERIFY2(qAbs((box.left() + box.right() + 1) / 2.0 - 7.5 * size / 16.0) <= 1, where);
            if (day == 1)
                first = box;
            QVERIFY2(box.top() == first.top() && box.bottom() == first.bottom(), where);
            if (day >= 10) {
                bool gap = false;
                for (int x = box.left(); x <= box.right() && !gap; ++x) {
                    int column = 0;
                    for (int y = box.top(); y <= box.bottom(); ++y)
                        column += ink(image.pixelColor(x, y));
                    gap = column == 0;
                }
                QVERIFY2(gap, where);
            }
            if (day == 10)
                for (int y = box.top() + box.height() * 2 / 5; y <= box.top() + box.height() / 2; ++y)
                    for (int x = box.center().x(); x <= box.right() + 1; ++x)
                        QVERIFY2(ink(image.pixelColor(x, y)) % 255 == 0, where);
            QVERIFY2(!seen.contains(image), where);
            seen.append(image);
        }
    }
}

// The number is drawn from outlines of the program's own, not as text: the icon is the first
// thing shown, and text would first set up the font system and read every installed font.
void TestTray::dayPicturesAreDrawnWithoutText()
{
    TextCountingImage image;
    QPainter painter(&image);
    for (int day : {1, 10, 28})
        for (int size : DayIcon::Sizes)
            DayIcon::paint(painter, QRect(0, 0, size, size), day);
    painter.end();
    QCOMPARE(image.counter.texts, 0);
}

// The day icon draws a size only when it is asked for; whatever is asked, in whatever order, it
// must answer as an icon holding every size from the start would.
void TestTray::dayIconDrawnOnDemandAnswersLikeOneOfEverySize()
{
    QIcon everySize;
    for (int side : DayIcon::Sizes)
        everySize.addPixmap(DayIcon::picture(12, side));
    const QIcon onDemand = DayIcon::make(12);

    const QList<QSize> requests = {{22, 22}, {8, 8},    {17, 17},   {23, 30}, {40, 16}, {64, 64},
                                   {65, 65}, {100, 90}, {200, 200}, {16, 16}, {0, 0}};
    const auto painted = [](const QIcon &icon, QSize size) {
        QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, QRect(QPoint(0, 0), size)); // as a tray or the badge does
        return image;
    };
    for (const QSize &size : requests) {
        QVERIFY(painted(onDemand, size) == painted(everySize, size));
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
            for (QIcon::State state : {QIcon::Off, QIcon::On}) {
                QCOMPARE(onDemand.actualSize(size, mode, state), everySize.actualSize(size, mode, state));
                QCOMPARE(onDemand.pixmap(size, 1.0, mode, state).toImage(),
                         everySize.pixmap(size, 1.0, mode, state).toImage());
            }
    }
    QCOMPARE(onDemand.availableSizes(), everySize.availableSizes());
    for (int side : {16, 22, 48}) // the sizes trays ask for most, so none is scaled from another
        QVERIFY(onDemand.availableSizes().contains(QSize(side, side)));
    QVERIFY(onDemand.availableSizes(QIcon::Disabled).isEmpty());
    QVERIFY(!onDemand.isNull());
}

void TestTray::trayMessagesAreDecoded()
{
    ShellHarness h;
    QVERIFY(started(h, QDateTime(First, QTime(12, 0))));
    Form2 &main = h.module.windows().window<Form2>();

    for (int ignored : {0x200, 0x202, 0x203, 0x204, 0x206, 0})
        h.platform.sendTrayMessage(ignored);
    QVERIFY(!main.isVisible());
    QCOMPARE(h.platform.popups, 0);

    // A double click: press, release, double, release. One show, nothing more.
    for (int message : {0x201, 0x202, 0x203, 0x202})
        h.platform.sendTrayMessage(message);
    QVERIFY(main.isVisible());
    QCOMPARE(&h.module.windows().window<Form2>(), &main);
    QCOMPARE(h.platform.popups, 0);

    h.platform.sendTrayMessage(0x205);
    QCOMPARE(h.platform.popups, 1);
    QVERIFY(h.platform.messages.isEmpty());
}

void TestTray::menuHasTheSevenEntries()
{
    ShellHarness h;
    QVERIFY(started(h, QDateTime(First, QTime(12, 0))));
    QCOMPARE(h.platform.trayMenu, &h.shell->menu());
    const QList<QAction *> actions = h.shell->menu().actions();
    QStringList captions;
    for (const QAction *action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(captions, (QStringList{"Feastbook ", "Comment", "Search", "Help", "About", "-", "Exit"}));

    actions.at(frmShell::MenuMain)->trigger();
    Form2 &main = h.module.windows().window<Form2>();
    QVERIFY(main.isVisible());
    // Choosing it again brings the same window to the front without reloading it.
    actions.at(frmShell::MenuMain)->trigger();
    QCOMPARE(&h.module.windows().window<Form2>(), &main);

    actions.at(frmShell::MenuComment)->trigger();
    QVERIFY(h.module.windows().window<Form3>().isVisible());
    QVERIFY(h.platform.messages.isEmpty());
    QVERIFY(h.platform.endedWith.empty());
}

void TestTray::helpFromTheMenuOpensANormalWindow()
{
    ShellHarness h;
    QVERIFY(started(h, QDateTime(First, QTime(12, 0))));
    h.shell->mnuPop_Click(frmShell::MenuHelp);
    QCOMPARE(h.platform.helpLaunches, std::vector<HelpWindowStyle>{HelpWindowStyle::Normal});

    h.platform.helpMissing = true;
    h.shell->mnuPop_Click(frmShell::MenuHelp);
    QCOMPARE(h.platform.messages.size(), 1);
    QVERIFY(h.platform.endedWith.empty());
    QCOMPARE(h.platform.trayCalls.size(), size_t(1));
}

void TestTray::badgePassesMouseMessagesOn()
{
    std::vector<int> received;
    DayBadge badge([&](int message) { received.push_back(message); });
    badge.setIcon(DayIcon::make(6));
    badge.show();
    QVERIFY(QTest::qWaitForWindowExposed(&badge));

    // A double click: the first press opens, the second arrives as a double click only.
    QTest::mouseClick(&badge, Qt::LeftButton);
    QTest::mouseDClick(&badge, Qt::LeftButton);
    QCOMPARE(std::count(received.begin(), received.end(), 0x201), 1);
    QCOMPARE(std::count(received.begin(), received.end(), 0x203), 1);
    received.clear();
    // The menu's message comes with the release of the right button.
    QTest::mousePress(&badge, Qt::RightButton);
    QCOMPARE(received, std::vector<int>{0x204});
    QTest::mouseRelease(&badge, Qt::RightButton);
    QCOMPARE(received, (std::vector<int>{0x204, 0x205}));

    const QImage shown = badge.grab().toImage();
    QCOMPARE(shown.size(), QSize(DayBadge::Side, DayBadge::Side));
    const auto white = [](QColor c) { return c.red() == 255 && c.green() == 255 && c.blue() == 255; };
    QVERIFY(countPixels(shown, white) >= DayBadge::Side * DayBadge::Side / 4); // the page shows
}

// Without a tray, the badge's right click pops the menu up with the program in front, so that a
// click elsewhere closes the menu.
void TestTray::badgeMenuComesWithTheProgramInFront()
{
    QtPlatform platform;
    QMenu menu;
    menu.addAction(QStringLiteral("Exit"));
    platform.setTrayMenu(&menu);
    platform.setTrayMessageHandler([&](int message) {
        if (message == TrayMessage::RightUp)
            platform.popupMenu(menu);
    });
    platform.trayAdd(DayIcon::make(16), QStringLiteral("Saint Drogo"));
    DayBadge *badge = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        badge = badge ? badge : qobject_cast<DayBadge *>(w);
    QVERIFY(badge && badge->isVisible()); // an offscreen desktop has no tray
    QVERIFY(QTest::qWaitForWindowExposed(badge));
    QWidget elsewhere; // the window the user was working in
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));

    QWidget *inFront = nullptr;
    connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        inFront = QApplication::activeWindow();
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
    QTest::mouseClick(badge, Qt::RightButton);
    QCOMPARE(inFront, badge);
    platform.trayDelete();
}

void TestTray::helpLookupAndWindowStyles()
{
    QTemporaryDir current, data;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, HelpFile::locate(current.path(), {data.path()}));

    auto writeHelp = [](const QString &folder, const QString &title) {
        QFile file(QDir(folder).filePath(HelpFile::FileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>").arg(title).toUtf8());
    };
    writeHelp(data.path(), QStringLiteral("installed"));
    QCOMPARE(HelpFile::locate(current.path(), {data.path()}), QDir(data.path()).absoluteFilePath(HelpFile::FileName));
    writeHelp(current.path(), QStringLiteral("current"));
    QCOMPARE(HelpFile::locate(current.path(), {data.path()}),
             QDir(current.path()).absoluteFilePath(HelpFile::FileName));

    HelpLauncher launcher(current.path(), {data.path()});
    launcher.launch(HelpWindowStyle::Normal);
    QVERIFY(launcher.viewer()->isVisible());
    QVERIFY(!launcher.viewer()->isMinimized());
    QCOMPARE(launcher.viewer()->source(), QDir(current.path()).absoluteFilePath(HelpFile::FileName));

    launcher.launch(HelpWindowStyle::Minimized);
    QVERIFY(launcher.viewer()->isMinimized());

    // A missing file leaves the open window as it was.
    HelpViewer *viewer = launcher.viewer();
    HelpLauncher missing(data.path() + QStringLiteral("/nowhere"), {});
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, missing.launch(HelpWindowStyle::Normal));
    QVERIFY(!missing.viewer());
    QCOMPARE(launcher.viewer(), viewer);
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
