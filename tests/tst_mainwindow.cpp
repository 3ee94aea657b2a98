// The main window: its layout, the calendar variant switch, the year line, its buttons and
// the three ways it follows a resize.
#include "controls/CimpData.h"
#include "controls/InputCodes.h"
#include "controls/MuvButtons.h"
#include "controls/VisualControl.h"
#include "support/WindowHarness.h"
#include "windows/Form2.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

void usaTextOfTheDay(std::vector<TestDay> &rows)
{
    rows[471].evenimentSUA = QStringLiteral("USA text of the day");
}

struct MainHarness : WindowHarness
{
    explicit MainHarness(const QString &variant = QString(), const QString &drag = QStringLiteral("Not Found"))
        : WindowHarness(usaTextOfTheDay, variant, drag)
    {}
    Form2 &main() { return module.windows().window<Form2>(); }
    Form2 &shown() { return activate<Form2>(); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void layoutAtTheDesignSize();
    void resizeWhenTheDesktopRedrawsContinuously();
    void resizeAtTheEndOfADrag();
    void resizeWhenTheDesktopDoesNotSay();
    void buttonsHelpCloseAndHover();
    void onlyAPickFromTheListSwitchesTheCalendar();
    void yearLineStartsFromTheGridsYear();
    void controlsMadeAtTheFirstShowShowWhatTheHiddenWindowKept();
};

void TestMainWindow::layoutAtTheDesignSize()
{
    MainHarness h;
    Form2 &w = h.shown();
    QCOMPARE(w.size(), QSize(470, 535));
    QCOMPARE(w.grid().geometry(), QRect(6, 60, 458, 469));
    const int lefts[] = {6, 122, 238, 354};
    const char *labels[] = {"Comment", "Search", "Help", "Close"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.button(i).geometry(), QRect(lefts[i], 5, 110, 24));
        QCOMPARE(w.button(i).TextLabel(), QString::fromLatin1(labels[i]));
        QCOMPARE(w.button(i).Poza1(), 2 * i + 1);
        QCOMPARE(w.button(i).Poza2(), 2 * i + 2);
    }
    QCOMPARE(w.variantBox().geometry(), QRect(6, 34, 340, 21));
    QCOMPARE(w.yearLine().geometry(), QRect(354, 34, 110, 21));
    QCOMPARE(w.variantBox().currentText(), QStringLiteral("The Universal Feastbook"));
    QCOMPARE(w.variantBox().itemText(0), QStringLiteral("The USA Feastbook"));
    QCOMPARE(w.yearLine().text(), QStringLiteral("Current year is 2001"));
    QCOMPARE(w.grid().CurrentRecord(), 472);
    QCOMPARE(w.grid().cell(1).Caption1(), QStringLiteral("S Apr 07")); // row 463
}

void TestMainWindow::resizeWhenTheDesktopRedrawsContinuously()
{
    MainHarness h(QString(), QStringLiteral("1"));
    Form2 &w = h.shown();
    // At the design width the Close button sits at the right edge of the original frame.
    QCOMPARE(w.button(3).geometry(), QRect(356, 5, 104, 23));

    struct Step
    {
        int width;
        bool help, search, comment;
        int closeLeft;
    };
    // Each step's visibility comes from the Close button's place before the step.
    const Step steps[] = {{300, true, true, true, 186},    {290, false, false, true, 176},
                          {200, false, false, true, 86},   {190, false, false, false, 76},
                          {600, false, false, false, 486}, {610, true, true, true, 496}};
    for (const Step &step : steps) {
        w.resize(step.width, 535);
        QCOMPARE(w.width(), step.width); // no minimum width in this mode
        QCOMPARE(w.button(2).isVisibleTo(&w), step.help);
        QCOMPARE(w.button(1).isVisibleTo(&w), step.search);
        QCOMPARE(w.button(0).isVisibleTo(&w), step.comment);
        QCOMPARE(w.button(3).x(), step.closeLeft);
        QCOMPARE(w.grid().width(), qRound((step.width * 15 - 180) / 15.0));
    }
    QCOMPARE(w.variantBox().width(), 340);
    w.resize(610, 600); // any other height snaps back
    QCOMPARE(w.size(), QSize(610, 535));
}

void TestMainWindow::resizeAtTheEndOfADrag()
{
    MainHarness h(QString(), QStringLiteral("0"));
    Form2 &w = h.shown();
    w.resize(300, 600);
    QCOMPARE(w.size(), QSize(470, 535));
    QCOMPARE(w.button(3).x(), 356);
    QCOMPARE(w.yearLine().x(), 356);
    QCOMPARE(w.grid().width(), 458);
    QCOMPARE(w.variantBox().width(), 344);

    w.resize(600, 535);
    QCOMPARE(w.size(), QSize(600, 535));
    QCOMPARE(w.button(3).x(), 486);
    QCOMPARE(w.yearLine().x(), 486);
    QCOMPARE(w.grid().width(), 588);
    QCOMPARE(w.variantBox().width(), 474);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.button(i).geometry().topLeft(), QPoint(6 + 116 * i, 5));
}

void TestMainWindow::resizeWhenTheDesktopDoesNotSay()
{
    MainHarness h;
    Form2 &w = h.shown();
    w.resize(600, 700);
    QCOMPARE(w.size(), QSize(600, 700));
    QCOMPARE(w.grid().width(), 458);
    QCOMPARE(w.button(3).geometry(), QRect(354, 5, 110, 24));
    QCOMPARE(w.variantBox().width(), 340);
}

void TestMainWindow::buttonsHelpCloseAndHover()
{
    MainHarness h;
    Form2 &w = h.shown();
    emit w.button(2).Click();
    QCOMPARE(h.platform.helpLaunches, std::vector<HelpWindowStyle>{HelpWindowStyle::Minimized});

    // Hovering one button returns every other button to its normal picture.
    emit w.button(1).MouseMove(0, 0, 10, 10);
    QVERIFY(w.button(0).PeButon() && w.button(2).PeButon() && w.button(3).PeButon());
    QVERIFY(!w.button(1).PeButon());
    w.button(1).MakeVizibil();
    emit w.grid().MouseMove(0, 0, 5, 5);
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.button(i).PeButon());

    // Close unloads; the next show loads the window and its grid again, on today.
    w.grid().cellClick(2);
    emit w.button(3).Click();
    QTRY_VERIFY(!h.module.windows().isLoaded<Form2>());
    Form2 &again = h.shown();
    QCOMPARE(again.grid().CurrentRecord(), 472);

    // Escape in a day cell closes it too.
    again.grid().cellKeyPress(10, InputCodes::Escape);
    QTRY_VERIFY(!h.module.windows().isLoaded<Form2>());
    QVERIFY(h.platform.messages.isEmpty());
}

// Typing in the variant box and Enter change nothing: not the list, not the setting, not the
// grid. A pick from the list switches the calendar, and every row follows, also past a row
// that cannot be read.
void TestMainWindow::onlyAPickFromTheListSwitchesTheCalendar()
{
    MainHarness h;
    TestDatabase::exec(h.databasePath(), QStringLiteral("UPDATE calendarComplet SET CuloriSUA = NULL WHERE ID = 480"));
    Form2 &w = h.shown();
    QComboBox &box = w.variantBox();
    QCOMPARE(box.currentText(), QStringLiteral("The Universal Feastbook"));
    QCOMPARE(box.itemText(box.currentIndex()), box.currentText());

    QTRY_VERIFY(w.grid().cell(10).hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(w.grid().CurrentRecord(), 473);
    QTest::mouseClick(box.lineEdit(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), &box);
    QTest::keyClick(&box, Qt::Key_Return); // the text as it stands
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, QStringLiteral("abc"));
    QCOMPARE(box.currentText(), QStringLiteral("abc"));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.count(), 2);
    QCOMPARE(h.platform.settingWrites, 0);
    QCOMPARE(h.module.CalendarVariant, QStringLiteral("Universal"));
    QCOMPARE(w.grid().CurrentRecord(), 473);

    // The list, opened from the keyboard: "The USA Feastbook" is the entry above.
    QTest::keyClick(&box, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(box.view()->isVisible());
    QTest::keyClick(box.view(), Qt::Key_Up);
    QTest::keyClick(box.view(), Qt::Key_Return);
    QCOMPARE(h.module.CalendarVariant, QStringLiteral("SUA"));
    QCOMPARE(h.storedVariant(), QStringLiteral("SUA"));
    QCOMPARE(h.platform.settingWrites, 1); // nothing to delete the first time
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.currentText(), QStringLiteral("The USA Feastbook"));
    QCOMPARE(w.grid().CurrentRecord(), 472); // the reload opens on today again
    QCOMPARE(w.grid().cell(10).Caption2(), QStringLiteral("USA text of the day"));
    w.grid().scrollBar().setValue(480);
    QCOMPARE(w.grid().cell(1).color2(), QStringLiteral("0")); // row 480: no colour to read
    QCOMPARE(w.grid().cell(2).color2(), QStringLiteral("2")); // the rows after it are read

    // The same pick again still deletes, rewrites and reloads: the grid is back on today.
    w.grid().cellClick(3);
    emit box.activated(box.currentIndex());
    QCOMPARE(h.platform.settingWrites, 3);
    QCOMPARE(w.grid().CurrentRecord(), 472);
    QCOMPARE(w.grid().SelectedCell(), 10);
    box.setCurrentIndex(1);
    emit box.activated(1);
    QCOMPARE(h.storedVariant(), QStringLiteral("Universal"));
    QCOMPARE(w.grid().cell(10).Caption2(), QStringLiteral("Event 2001-04-16"));
    QCOMPARE(h.platform.messages.size(), 1);
    QVERIFY(h.platform.messages.first().contains(QStringLiteral("CuloriSUA of row 480")));
}

// The grid loads before the window hears its year: the line must start from the grid's year,
// not from the clock's, here with today outside the calendar and the grid on row 10.
void TestMainWindow::yearLineStartsFromTheGridsYear()
{
    ShellHarness h;
    h.platform.clock = QDateTime(QDate(2005, 6, 1), QTime(10, 0));
    h.writeDays(TestDatabase::days(QDate(2000, 1, 1), 1461));
    QVERIFY(h.load());
    Form2 &w = h.activate<Form2>();
    QCOMPARE(w.grid().CurrentRecord(), 10);
    QCOMPARE(w.yearLine().text(), QStringLiteral("Current year is 2000"));
    QTRY_VERIFY(w.grid().cell(10).hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(w.yearLine().text(), QStringLiteral("Current year is 2000"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(w.yearLine().text(), QStringLiteral("Current year is 2003"));
}

// The buttons, the variant box and the year line are made when the window is first shown. What
// happened to the hidden window before that must be on them: the stored calendar, and the year
// of a day the grid moved to.
void TestMainWindow::controlsMadeAtTheFirstShowShowWhatTheHiddenWindowKept()
{
    MainHarness h(QStringLiteral("SUA"));
    Form2 &hidden = h.main();
    QVERIFY(!hidden.isVisible());
    QCOMPARE(hidden.grid().cell(10).Caption2(), QStringLiteral("USA text of the day"));
    hidden.grid().cellKeyDown(hidden.grid().SelectedCell(), InputCodes::End);
    QCOMPARE(hidden.grid().AnulCurent(), QStringLiteral("2003"));

    Form2 &w = h.shown();
    QCOMPARE(&w, &hidden);
    QCOMPARE(w.yearLine().text(), QStringLiteral("Current year is 2003"));
    QCOMPARE(w.yearLine().cursorPosition(), 0);
    QCOMPARE(w.variantBox().currentText(), QStringLiteral("The USA Feastbook"));
    QVERIFY(w.button(3).isVisible() && w.variantBox().isVisible() && w.yearLine().isVisible());
    // The buttons work: Close unloads the window.
    emit w.button(3).Click();
    QTRY_VERIFY(!h.module.windows().isLoaded<Form2>());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
