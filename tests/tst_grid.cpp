// The calendar grid: its first page, the key table, scrolling, the year line and the week marks.
#include "controls/InputCodes.h"
#include "support/GridHarness.h"

#include <QSignalSpy>

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void firstPageAroundToday_data()
    {
        QTest::addColumn<int>("today");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("selected");

        QTest::newRow("today not in the table") << 0 << 1 << 10 << 10;
        QTest::newRow("first row") << 1 << 1 << 1 << 1;
        QTest::newRow("ninth row") << 9 << 1 << 9 << 9;
        QTest::newRow("tenth row") << 10 << 1 << 10 << 10;
        QTest::newRow("middle") << 500 << 491 << 10 << 500;
        QTest::newRow("eleven before the end") << 1450 << 1441 << 10 << 1450;
        QTest::newRow("ten before the end") << 1451 << 1441 << 11 << 1451;
        QTest::newRow("last row") << 1461 << 1441 << 21 << 1461;
    }

    void firstPageAroundToday()
    {
        QFETCH(int, today);
        GridHarness h;
        VisualControl &grid = h.open(today);
        QTEST(h.scroll(), "scroll");
        QCOMPARE(grid.scrollBar().maximum(), 1441);
        QTEST(grid.SelectedCell(), "cell");
        QTEST(int(grid.NumarInregistrare()), "selected");
        QCOMPARE(h.highlighted(), QList<int>{grid.SelectedCell()});
        QVERIFY(h.pageFollowsScroll());
        const QString year = QString::number(QDate(2000, 1, 1).addDays(grid.CurrentRecord() - 1).year());
        QCOMPARE(grid.yearCaption(), QStringLiteral("Current year is ") + year);
        QCOMPARE(grid.AnulCurent(), year);
        QVERIFY(h.platform.messages.isEmpty());
    }

    void keysMoveTheSelection_data()
    {
        QTest::addColumn<int>("today");
        QTest::addColumn<int>("scrollFirst"); // 0: leave the first page as it is
        QTest::addColumn<int>("clickFirst");  // 0: keep today's cell
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("cell");

        // The arithmetic of every key is GridPaging's (tst_gridpaging); here each way the grid applies
        // a move: the selection alone, the page alone, both, neither, and from a page scrolled by hand.
        using K = InputCodes;
        // clang-format off
        QTest::newRow("up")                     << 500  << 0 << 0  << int(K::Up)       << 499  << 491  << 9;
        QTest::newRow("up in cell 1 scrolls")   << 500  << 0 << 1  << int(K::Up)       << 490  << 490  << 1;
        QTest::newRow("down at the bottom")     << 1461 << 0 << 0  << int(K::Down)     << 1461 << 1441 << 21;
        QTest::newRow("page up")                << 500  << 0 << 0  << int(K::PageUp)   << 479  << 470  << 10;
        QTest::newRow("page down onto the last page") << 1430 << 0 << 0 << int(K::PageDown) << 1451 << 1441 << 11;
        QTest::newRow("page up while scrolled") << 500  << 5 << 11 << int(K::PageUp)   << 1    << 1    << 1;
        QTest::newRow("home while scrolled")    << 15   << 5 << 11 << int(K::Home)     << 1    << 1    << 1;
        QTest::newRow("end")                    << 500  << 0 << 0  << int(K::End)      << 1461 << 1441 << 21;
        QTest::newRow("another key")            << 500  << 0 << 0  << int('A')         << 500  << 491  << 10;
        // clang-format on
    }

    void keysMoveTheSelection()
    {
        QFETCH(int, today);
        QFETCH(int, scrollFirst);
        QFETCH(int, clickFirst);
        QFETCH(int, key);
        GridHarness h;
        VisualControl &grid = h.open(today);
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        if (scrollFirst)
            grid.scrollBar().setValue(scrollFirst);
        if (clickFirst)
            grid.cellClick(clickFirst);

        h.key(key);
        QTEST(int(grid.CurrentRecord()), "row");
        QTEST(h.scroll(), "scroll");
        QTEST(grid.SelectedCell(), "cell");
        QCOMPARE(int(grid.NumarInregistrare()), int(grid.CurrentRecord()));
        QCOMPARE(h.highlighted(), QList<int>{grid.SelectedCell()});
        QVERIFY(h.pageFollowsScroll());
        QVERIFY(grid.cell(grid.SelectedCell()).hasFocus());
        QCOMPARE(grid.SelectedKey(),
                 grid.cell(grid.SelectedCell()).Caption1() + grid.cell(grid.SelectedCell()).Caption2());
        QVERIFY(h.platform.messages.isEmpty());
    }

    void selectionSurvivesScrollingOutOfView()
    {
        GridHarness h;
        VisualControl &grid = h.open(500);
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        grid.scrollBar().setValue(600);
        QVERIFY(h.highlighted().isEmpty());
        QCOMPARE(grid.SelectedCell(), -1);
        QCOMPARE(grid.NumarInregistrare(), 500);
        QVERIFY(h.pageFollowsScroll());

        grid.scrollBar().setValue(480); // row 500 is now in cell 21
        QCOMPARE(h.highlighted(), QList<int>{21});
        QCOMPARE(grid.SelectedCell(), 21);
        QVERIFY(grid.cell(21).hasFocus());
    }

    void yearChangeIsRaisedOnceAcrossNewYear()
    {
        GridHarness h;
        VisualControl &grid = h.open(366); // 31 December 2000
        QSignalSpy change(&grid, &VisualControl::Change);
        h.key(InputCodes::Down);
        QCOMPARE(change.count(), 1);
        QCOMPARE(grid.yearCaption(), QStringLiteral("Current year is 2001"));
        h.key(InputCodes::Down);
        h.key(InputCodes::PageDown);
        grid.cellClick(15);
        QCOMPARE(change.count(), 1);
        h.key(InputCodes::Home);
        QCOMPARE(change.count(), 2);
        QCOMPARE(grid.AnulCurent(), QStringLiteral("2000"));
    }

    void weeksAreMarkedAboveEachSunday_data()
    {
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QList<int>>("sundays");
        QTest::addColumn<QList<int>>("separatorsBelow");

        // Row 2 (2 January 2000) is a Sunday.
        QTest::newRow("cell 2 is a Monday") << 2 << QList<int>{1, 8, 15} << QList<int>{21, 7, 14};
        QTest::newRow("cell 1 is a Monday") << 3 << QList<int>{7, 14, 21} << QList<int>{20, 6, 13};
        QTest::newRow("cell 5 is a Monday") << 6 << QList<int>{4, 11, 18} << QList<int>{3, 10, 17};
    }

    void weeksAreMarkedAboveEachSunday()
    {
        QFETCH(int, scroll);
        QFETCH(QList<int>, sundays);
        QFETCH(QList<int>, separatorsBelow);
        GridHarness h;
        VisualControl &grid = h.open(500);
        grid.scrollBar().setValue(scroll);
        for (int k = 1; k <= VisualControl::CellCount; ++k)
            QCOMPARE(grid.cell(k).color1(), sundays.contains(k) ? QColor(128, 0, 0) : QColor(Qt::black));
        // 18 twips below the Saturday's cell: 330 x k + 33 twips.
        const auto rows = grid.separatorRows();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rows[i], qRound((330.0 * separatorsBelow[i] + 33) / 15));
    }

    void usaCalendarFallsBackToUniversalTexts()
    {
        auto rows = TestDatabase::days(QDate(2000, 1, 1), 1461);
        rows[499].evenimentSUA = QStringLiteral("USA only");
        rows[499].CuloriSUA = QStringLiteral("4");
        rows[500].CuloriSUA = QStringLiteral("2;5");
        GridHarness h(rows);
        h.module.CalendarVariant = Variant::SUA;
        VisualControl &grid = h.open(500);
        QCOMPARE(grid.cell(10).Caption2(), QStringLiteral("USA only"));
        QCOMPARE(grid.cell(10).color2(), QStringLiteral("4"));
        QCOMPARE(grid.cell(11).Caption2(), rows[500].evenimentUniv); // "=" shows the Universal text
        QCOMPARE(grid.cell(11).color2(), QStringLiteral("2;5"));

        h.module.CalendarVariant = Variant::Universal;
        grid.Initializare();
        QCOMPARE(grid.cell(10).Caption2(), rows[499].evenimentUniv);
        QCOMPARE(grid.cell(10).color2(), QStringLiteral("2"));
        QVERIFY(h.platform.messages.isEmpty());
    }

    void unknownEndOfTableAssumesAHundredRows()
    {
        GridHarness h;
        h.module.LastRowId = 0;
        VisualControl &grid = h.open(0);
        QCOMPARE(h.module.LastRowId, 100);
        QCOMPARE(grid.scrollBar().maximum(), 80);
        h.key(InputCodes::End);
        QCOMPARE(grid.CurrentRecord(), 100);
        QVERIFY(h.platform.messages.isEmpty());
    }

    void rowsBeyondTheArraysAreReportedNotRead()
    {
        // More rows than the grid holds: one report, the rows it holds are shown.
        {
            GridHarness h(TestDatabase::days(QDate(2000, 1, 1), 1470));
            VisualControl &grid = h.open(1465);
            QVERIFY(!h.platform.messages.isEmpty());
            QVERIFY(h.platform.messages.first().contains(QStringLiteral("1463")));
            QCOMPARE(grid.cell(1).Caption1().isEmpty(), false);
        }
        // A table shorter than its last ID says: one report, not one per missing row.
        {
            GridHarness h(TestDatabase::days(QDate(2000, 1, 1), 300));
            h.module.LastRowId = 400;
            h.open(10);
            QCOMPARE(h.platform.messages.size(), 1);
        }
        // A key whose cell falls outside the page (the selection scrolled away) is reported.
        {
            GridHarness h;
            VisualControl &grid = h.open(500);
            grid.scrollBar().setValue(1425);
            grid.cellKeyDown(3, InputCodes::PageDown);
            QCOMPARE(h.platform.messages.size(), 1);
            QVERIFY(h.highlighted().size() <= 1);
        }
    }

    void reloadKeepsOneHighlight()
    {
        GridHarness h;
        VisualControl &grid = h.open(500);
        grid.cellClick(3);
        grid.scrollBar().setValue(700);
        grid.Initializare();
        QCOMPARE(h.highlighted(), QList<int>{10});
        QCOMPARE(grid.CurrentRecord(), 500);
        QCOMPARE(h.scroll(), 491);
    }

    // Enter, F3 and Escape in a cell reach the window. Clicked, the scroll bar holds the keyboard:
    // with the selected day scrolled out of view, the arrows move the page, not a cell, and the
    // bar's own keys answer alike.
    void keysReachTheWindowFromACellAndFromTheScrollBar()
    {
        GridHarness h;
        VisualControl &grid = h.open(500);
        QSignalSpy comment(&grid, &VisualControl::commentaryRequested);
        QSignalSpy search(&grid, &VisualControl::searchRequested);
        QSignalSpy close(&grid, &VisualControl::closeRequested);
        const auto requested = [&] { return QList<qsizetype>{comment.count(), search.count(), close.count()}; };
        grid.cellKeyPress(10, InputCodes::Return);
        QCOMPARE(grid.Pozitie(), 10);
        h.key(InputCodes::F3);
        grid.cellKeyPress(10, InputCodes::Escape);
        QCOMPARE(requested(), (QList<qsizetype>{1, 1, 1}));

        QVERIFY(QTest::qWaitForWindowActive(&grid));
        QTRY_VERIFY(grid.cell(10).hasFocus());
        QScrollBar &bar = grid.scrollBar();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - bar.width() - 5));
        QCOMPARE(h.scroll(), 512); // one page down: row 500 is out of view
        QVERIFY(h.highlighted().isEmpty());
        QCOMPARE(QApplication::focusWidget(), &bar);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(h.scroll(), 513);
        QCOMPARE(grid.CurrentRecord(), 500);
        for (Qt::Key key : {Qt::Key_F3, Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(requested(), (QList<qsizetype>{2, 2, 2}));
        QVERIFY(h.platform.messages.isEmpty());
    }

    void todayTheGridDoesNotHoldIsReportedNotIndexed_data()
    {
        QTest::addColumn<int>("today");
        QTest::newRow("negative") << -472;
        QTest::newRow("past the last row") << 1500;
    }

    // Whatever row start-up hands over as today, the grid reads no array out of bounds: it says so
    // once, opens as if today were not in the table, and answers the mouse and the keys.
    void todayTheGridDoesNotHoldIsReportedNotIndexed()
    {
        QFETCH(int, today);
        GridHarness h;
        VisualControl &grid = h.open(today);
        QCOMPARE(h.platform.messages.size(), 1);
        QVERIFY(h.platform.messages.first().contains(QString::number(today)));
        QCOMPARE(grid.CurrentRecord(), 10);
        QCOMPARE(h.highlighted(), QList<int>{10});
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
        QTRY_VERIFY(grid.cell(10).hasFocus());

        QTest::mouseClick(&grid.cell(3), Qt::LeftButton, {}, QPoint(2, 9));
        QCOMPARE(grid.CurrentRecord(), 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(grid.CurrentRecord(), 4);
        QCOMPARE(h.highlighted(), QList<int>{4});
        QCOMPARE(h.platform.messages.size(), 1);
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
