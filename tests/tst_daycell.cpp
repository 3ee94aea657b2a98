// The day cell: colouring of the celebration, the moving frame, geometry, and the events it
// passes to the grid.
#include "controls/CimpData.h"
#include "support/FakePlatform.h"

#include <QAction>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <stdexcept>

namespace {

const QColor Red(225, 0, 0);
const QColor Blue(0, 0, 225);
const QColor Green(0, 128, 0);
const QColor Black(0, 0, 0);
const QColor FrameColour(205, 40, 19);

void format(CimpData &cell, const QString &text, const QString &code)
{
    cell.setCaption2(text);
    cell.setCaption1(QStringLiteral("W Apr 16"));
    cell.setColor2(code);
    cell.Formateaza();
}

QList<QColor> coloursOf(const CimpData &cell)
{
    QList<QColor> colours;
    for (int i = 0; i < cell.shownText().size(); ++i)
        colours << cell.textColourAt(i);
    return colours;
}

// A cell in an active window, beside a button that can take the focus from it.
struct Window
{
    FakePlatform platform;
    QWidget window;
    CimpData *cell = new CimpData(platform, &window);
    QPushButton *other = new QPushButton(QStringLiteral("other"), &window);

    bool open()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(cell);
        layout->addWidget(other);
        cell->setFixedWidth(419);
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

class TestDayCell : public QObject
{
    Q_OBJECT
    FakePlatform platform; // what the cells of the running test report

private slots:
    void init() { platform.messages.clear(); }

    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("firstPart"); // characters in the first colour
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        // One digit: "4" and "1" have colours of their own, the others are the 16-colour palette.
        // clang-format off
        QTest::newRow("4 red")              << "Easter Sunday"    << "4"   << 13 << Red               << Red;
        QTest::newRow("1 white shows blue") << "Easter Sunday"    << "1"   << 13 << Blue              << Blue;
        QTest::newRow("0 black")            << "Easter Sunday"    << "0"   << 13 << Black             << Black;
        QTest::newRow("9 palette blue")     << "Easter Sunday"    << "9"   << 13 << QColor(0, 0, 255) << QColor();
        // Two digits: split after the first ";", which belongs to the first part.
        QTest::newRow("2;4 split at 8")     << "Tuesday; St Anne" << "2;4" << 8  << Green             << Red;
        QTest::newRow("4;1 without ;")      << "Easter Sunday"    << "4;1" << 0  << Red               << Blue;
        QTest::newRow("first ; counts")     << "a;b;c"            << "5;6" << 2  << QColor(128, 0, 128) << QColor(128, 128, 0);
        QTest::newRow("middle not read")    << "Mon;Tue"          << "2x4" << 4  << Green             << Red;
        // clang-format on
    }

    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(int, firstPart);
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        CimpData cell(platform);
        const bool two = code.size() == 3;
        format(cell, QStringLiteral("Mon; Anne"),
               two ? QStringLiteral("4") : QStringLiteral("2;4")); // the other kind first
        format(cell, text, code);
        QCOMPARE(cell.showsTwoColours(), two);
        QCOMPARE(cell.shownText(), text);
        QCOMPARE(coloursOf(cell), QList<QColor>(firstPart, first) << QList<QColor>(text.size() - firstPart, second));
        QCOMPARE(cell.accessibleName(), QStringLiteral("W Apr 16, ") + text);

        // Codes of other lengths change neither the kind of box nor the colours.
        const QList<QColor> colours = coloursOf(cell);
        for (const QString &other :
             {QString(), QStringLiteral("10"), QStringLiteral("2;4;"), QStringLiteral("2;4;5")}) {
            cell.setColor2(other);
            cell.Formateaza();
            QCOMPARE(cell.showsTwoColours(), two);
            QCOMPARE(cell.shownText(), text);
            QCOMPARE(coloursOf(cell), colours);
        }
        QVERIFY(platform.messages.isEmpty());
    }

    void nonDigitCodesAreReportedAndSkipped()
    {
        CimpData cell(platform);
        format(cell, QStringLiteral("Easter"), QStringLiteral("4"));
        // A letter: the text moves to the one-colour box, its colour stays.
        format(cell, QStringLiteral("Advent"), QStringLiteral("x"));
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().contains(QLatin1String("\"x\"")));
        QCOMPARE(cell.shownText(), QStringLiteral("Advent"));
        QCOMPARE(coloursOf(cell), QList<QColor>(6, Red));
        // A bad first digit: only the second colouring runs.
        format(cell, QStringLiteral("Mon; Anne"), QStringLiteral("y;4"));
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(cell.showsTwoColours());
        QCOMPARE(coloursOf(cell), QList<QColor>(4, Black) << QList<QColor>(5, Red));
        // Both bad: two reports, the text shows in the colour it arrived in.
        format(cell, QStringLiteral("Mon; Anne"), QStringLiteral("a;b"));
        QCOMPARE(platform.messages.size(), 4);
        QCOMPARE(coloursOf(cell), QList<QColor>(9, Black));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, CimpData::colourForCode(16));
    }

    void caption2WithoutFormateaza()
    {
        CimpData cell(platform);
        format(cell, QStringLiteral("Easter Sunday"), QStringLiteral("4"));
        cell.setCaption2(QStringLiteral("Easter Monday"));
        QCOMPARE(cell.shownText(), QStringLiteral("Easter Sunday"));
        // The two-colour box shows new text at once, in the colour text arrives in.
        format(cell, QStringLiteral("Mon; Anne"), QStringLiteral("2;4"));
        cell.setCaption2(QStringLiteral("Tue; Joachim"));
        QCOMPARE(cell.shownText(), QStringLiteral("Tue; Joachim"));
        QCOMPARE(coloursOf(cell), QList<QColor>(12, Black));
    }

    void framePhasesAlternate()
    {
        CimpData cell(platform);
        QList<int> phases;
        for (int i = 0; i < 5; ++i) {
            phases << cell.visiblePhase();
            cell.Paint();
        }
        QCOMPARE(phases, QList<int>({0, 1, 2, 1, 2})); // now A again
        cell.UnPaint();
        QVERIFY(!cell.frameVisible());
        QVERIFY(cell.FramePhase());
        cell.Paint();
        QCOMPARE(cell.visiblePhase(), 2); // goes on from where it was
    }

    void timerPaintsOnlyTheSelectedCell()
    {
        CimpData selected(platform);
        CimpData other(platform);
        selected.setSelectat(true); // never painted
        QTRY_COMPARE_WITH_TIMEOUT(selected.visiblePhase(), 1, 1000);
        QTRY_COMPARE_WITH_TIMEOUT(selected.visiblePhase(), 2, 1000);
        selected.setSelectat(false);
        selected.UnPaint();
        QTest::qWait(400);
        QCOMPARE(selected.visiblePhase(), 0);
        QCOMPARE(other.visiblePhase(), 0);
    }

    void frameAndGeometry()
    {
        CimpData cell(platform);
        cell.show();
        cell.resize(419, 40);
        QCOMPARE(cell.height(), 19);
        QTRY_COMPARE(cell.celebrationBox(), QRectF(132, 2, 281, 14));
        const auto frameAt = [&](int x, int y) { return cell.grab().toImage().pixelColor(x, y) == FrameColour; };
        QVERIFY(!frameAt(0, 0));
        cell.Paint(); // A: dots from the start of each line; the lines end before the right-hand side
        QVERIFY(frameAt(0, 0) && frameAt(0, 17) && frameAt(417, 2) && !frameAt(4, 0) && !frameAt(416, 17));
        cell.Paint(); // B: four pixels later
        QVERIFY(!frameAt(0, 0) && frameAt(4, 0) && frameAt(0, 4) && frameAt(417, 4) && !frameAt(417, 0));
        cell.UnPaint();
        QVERIFY(!frameAt(4, 0) && !frameAt(417, 4));

        // Narrower than 140 px the celebration box stays where it was; the frame follows the width.
        cell.resize(100, 19);
        QTRY_COMPARE(cell.width(), 100);
        QCOMPARE(cell.celebrationBox(), QRectF(132, 2, 281, 14));
        cell.Paint();                              // A again
        QVERIFY(frameAt(97, 0) && frameAt(98, 0)); // 100 - 2.986 and 100 - 1.99
    }

    void mouseEvents()
    {
        Window w;
        QVERIFY(w.open());
        CimpData *cell = w.cell;
        QTRY_COMPARE(cell->celebrationBox().left(), 132.0);
        QStringList events;
        bool focusedAtClick = false;
        connect(cell, &CimpData::MouseDown, cell,
                [&](int b, int, double x, double) { events << QStringLiteral("down %1 %2").arg(b).arg(x); });
        connect(cell, &CimpData::MouseMove, cell,
                [&](int, int, double x, double y) { events << QStringLiteral("move %1,%2").arg(x).arg(y); });
        connect(cell, &CimpData::Click, cell, [&] {
            events << QStringLiteral("click");
            focusedAtClick = cell->hasFocus();
        });
        connect(cell, &CimpData::DblClick, cell, [&] { events << QStringLiteral("dbl"); });

        w.other->setFocus();
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(20, 8)); // the date text
        QCOMPARE(events, QStringList({"click"}));
        QVERIFY(focusedAtClick);
        events.clear();
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(120, 8));  // the surface between the texts
        QTest::mouseClick(cell, Qt::RightButton, {}, QPoint(200, 8)); // the celebration text
        QCOMPARE(events, QStringList({"down 1 120", "click"}));
        events.clear();
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(200, 8));
        QTest::mouseDClick(cell, Qt::LeftButton, {}, QPoint(200, 8));
        QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(200, 8));
        QCOMPARE(events, QStringList({"click", "dbl"}));
        events.clear();
        QTest::mouseMove(cell, QPoint(12, 7));  // over the date: its own coordinates
        QTest::mouseMove(cell, QPoint(200, 7)); // over the celebration: nothing
        QTest::mouseMove(cell, QPoint(118, 7));
        QCOMPARE(events, QStringList({"move 10,5", "move 118,7"}));
    }

    void keysReachTheHost_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("ascii");
        QTest::newRow("Down") << int(Qt::Key_Down) << 40 << 0;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 33 << 0;
        QTest::newRow("F3") << int(Qt::Key_F3) << 114 << 0;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 27 << 27;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 13 << 13;
        QTest::newRow("a") << int(Qt::Key_A) << 65 << 97;
    }

    void keysReachTheHost()
    {
        QFETCH(int, key);
        QFETCH(int, code);
        QFETCH(int, ascii);
        Window w;
        // A window shortcut on a grid key must not take it from the cell.
        auto *action = new QAction(&w.window);
        if (key != Qt::Key_A)
            action->setShortcut(QKeySequence(key));
        w.window.addAction(action);
        QSignalSpy shortcut(action, &QAction::triggered);
        QVERIFY(w.open());
        w.cell->setFocus();
        QList<int> codes, asciis;
        connect(w.cell, &CimpData::KeyDown, w.cell, [&](int *c, int) { codes << *c; });
        connect(w.cell, &CimpData::KeyPress, w.cell, [&](int *a) { asciis << *a; });
        QTest::keyClick(w.window.windowHandle(), Qt::Key(key));
        QCOMPARE(codes, QList<int>({code}));
        QCOMPARE(asciis, ascii ? QList<int>({ascii}) : QList<int>());
        QVERIFY(w.cell->hasFocus());
        QCOMPARE(shortcut.count(), 0);
    }

    void hostMayKeepTab()
    {
        Window w;
        QVERIFY(w.open());
        w.cell->setFocus();
        bool keep = true;
        QList<int> codes;
        connect(w.cell, &CimpData::KeyDown, w.cell, [&](int *c, int) {
            codes << *c;
            if (keep)
                *c = 0;
        });
        QTest::keyClick(w.window.windowHandle(), Qt::Key_Tab);
        QVERIFY(w.cell->hasFocus());
        keep = false;
        QTest::keyClick(w.window.windowHandle(), Qt::Key_Tab);
        QVERIFY(w.other->hasFocus());
        QCOMPARE(codes, QList<int>({9, 9}));
    }

    void failingHostIsReported()
    {
        CimpData cell(platform);
        cell.resize(419, 19);
        connect(&cell, &CimpData::Click, &cell, [] { throw std::runtime_error("host failed"); });
        QTest::mouseClick(&cell, Qt::LeftButton, {}, QPoint(120, 8));
        QCOMPARE(platform.messages, QStringList({"host failed"}));
    }
};

QTEST_MAIN(TestDayCell)
#include "tst_daycell.moc"
