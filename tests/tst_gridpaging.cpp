#include "controls/GridPaging.h"
#include "controls/InputCodes.h"

#include <QtTest>

using K = InputCodes::Key;
constexpr int None = -1; // no change of the window's top, or of the selection

// The grid's keys as arithmetic: the edges of the table, the edges of the window, and tables
// shorter than the grid's last page, where the page keys must stay within the rows there are.
class TestGridPaging : public QObject
{
    Q_OBJECT

private slots:
    void keysMoveTheWindowAndTheSelection_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("newTop");
        QTest::addColumn<int>("newCell");

        // Four years: 1461 rows, the last page starts at row 1441.
        QTest::newRow("up inside the window") << int(K::Up) << 5 << 100 << 104 << 1461 << None << 4;
        QTest::newRow("up from cell 1 scrolls one row") << int(K::Up) << 1 << 100 << 100 << 1461 << 99 << 1;
        QTest::newRow("up from the first row stays") << int(K::Up) << 1 << 1 << 1 << 1461 << None << None;
        QTest::newRow("down from cell 21 scrolls one row") << int(K::Down) << 21 << 100 << 120 << 1461 << 101 << 21;
        QTest::newRow("down from the last row stays") << int(K::Down) << 21 << 1441 << 1461 << 1461 << None << None;
        QTest::newRow("page up from row 21 goes to row 1") << int(K::PageUp) << 21 << 1 << 21 << 1461 << 1 << 1;
        QTest::newRow("page up from row 22 keeps its distance") << int(K::PageUp) << 21 << 2 << 22 << 1461 << 1 << 1;
        QTest::newRow("page up with top 21 lands on the first page")
            << int(K::PageUp) << 10 << 21 << 30 << 1461 << 1 << 9;
        QTest::newRow("page up with top 22 moves a page") << int(K::PageUp) << 10 << 22 << 31 << 1461 << 1 << 10;
        QTest::newRow("page down onto the last row") << int(K::PageDown) << 1 << 1440 << 1440 << 1461 << 1441 << 21;
        QTest::newRow("page down one row before that moves a page")
            << int(K::PageDown) << 1 << 1419 << 1439 << 1461 << 1440 << 1;
        QTest::newRow("page down onto the last page, 21 rows on")
            << int(K::PageDown) << 10 << 1420 << 1429 << 1461 << 1441 << 10;
        QTest::newRow("page down moves a page") << int(K::PageDown) << 10 << 1419 << 1428 << 1461 << 1440 << 10;
        QTest::newRow("home") << int(K::Home) << 7 << 500 << 506 << 1461 << 1 << 1;
        QTest::newRow("end") << int(K::End) << 7 << 500 << 506 << 1461 << 1441 << 21;
        // One page of rows: the window cannot move, and Page Down selects the last row.
        QTest::newRow("one page, page down") << int(K::PageDown) << 3 << 1 << 3 << 21 << 1 << 21;
        QTest::newRow("one page, down from cell 21") << int(K::Down) << 21 << 1 << 21 << 21 << None << None;
        QTest::newRow("one page, end") << int(K::End) << 3 << 1 << 3 << 21 << 1 << 21;
        // Keys the grid leaves to others.
        QTest::newRow("F3") << int(K::F3) << 5 << 100 << 104 << 1461 << None << None;
        QTest::newRow("a letter") << int('A') << 5 << 100 << 104 << 1461 << None << None;
    }

    void keysMoveTheWindowAndTheSelection()
    {
        QFETCH(int, key);
        QFETCH(int, cell);
        QFETCH(int, top);
        QFETCH(int, current);
        QFETCH(int, lastRow);
        QFETCH(int, newTop);
        QFETCH(int, newCell);

        const int maxTop = qMax(1, lastRow - (GridPaging::Cells - 1));
        const GridPaging::Move move = GridPaging::forKey(key, {cell, top, current, lastRow, maxTop});
        QCOMPARE(move.top.value_or(None), newTop);
        QCOMPARE(move.cell.value_or(None), newCell);
    }
};

QTEST_APPLESS_MAIN(TestGridPaging)
#include "tst_gridpaging.moc"
