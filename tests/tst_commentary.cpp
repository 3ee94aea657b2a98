// The commentary window: which day it shows and when it reads it again, printing, the keys and
// the three ways it follows a resize.
#include "controls/CimpData.h"
#include "controls/MuvButtons.h"
#include "controls/VisualControl.h"
#include "support/WindowHarness.h"
#include "windows/Form2.h"
#include "windows/Form3.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

void commentaries(std::vector<TestDay> &rows)
{
    rows[471].ComentariuUniv = QStringLiteral("{\\rtf1\\ansi {\\b Easter Monday} in the \\'e9glise}");
    rows[471].ComentariuSUA = QStringLiteral("{\\rtf1 USA commentary of the day}");
    rows[471].ToolTipSUA = QStringLiteral("USA title");
    rows[472].ComentariuUniv = QStringLiteral("Plain text, <b>not markup</b>");
}

struct CommentaryHarness : WindowHarness
{
    explicit CommentaryHarness(const QString &variant = QString(), const QString &drag = QStringLiteral("Not Found"))
        : WindowHarness(commentaries, variant, drag)
    {}
    QString shown() { return module.windows().window<Form3>().text().toPlainText(); }
};

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(10000))
        return QStringLiteral("<pdftotext did not finish>");
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class TestCommentary : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSelectedDay_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");

        QTest::newRow("universal, formatted") << "Universal" << 10 << "Easter Monday in the \u00e9glise";
        QTest::newRow("usa, own text") << "SUA" << 10 << "USA commentary of the day";
        QTest::newRow("usa, marker") << "SUA" << 9 << "{\\rtf1 Commentary 2001-04-15}";
        QTest::newRow("plain text stays plain") << "Universal" << 11 << "Plain text, <b>not markup</b>";
    }

    void showsTheSelectedDay()
    {
        QFETCH(QString, variant);
        QFETCH(int, cell);
        QFETCH(QString, text);
        CommentaryHarness h(variant);
        Form2 &main = h.activate<Form2>();
        main.grid().cellClick(cell);
        h.activate<Form3>();
        const QString expected = text.startsWith(QLatin1String("{\\rtf1 ")) ? text.mid(7).chopped(1) : text;
        QCOMPARE(h.shown(), expected);
        QVERIFY(h.module.windows().window<Form3>().text().hasFocus());
        if (cell == 10 && variant == QLatin1String("Universal")) {
            QTextCursor bold(h.module.windows().window<Form3>().text().document());
            bold.setPosition(3);
            QCOMPARE(bold.charFormat().fontWeight(), int(QFont::Bold));
        }
        QVERIFY(h.platform.messages.isEmpty());
    }

    void textFilledByACallerIsKeptUntilAnotherWindowIsActive()
    {
        CommentaryHarness h;
        Form2 &main = h.activate<Form2>();
        Form3 &comment = h.module.windows().window<Form3>();
        comment.setCommentary(QStringLiteral("{\\rtf1 Put here by the search}"));
        h.activate<Form3>();
        QCOMPARE(h.shown(), QStringLiteral("Put here by the search"));

        // Escape hides the window; no other program window became active, so the menu's
        // "Comment" brings the same text back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!comment.isVisible() && h.module.windows().isLoaded<Form3>());
        h.shell->menu().actions().at(frmShell::MenuComment)->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&comment));
        QCOMPARE(h.shown(), QStringLiteral("Put here by the search"));

        // Another program window becomes active: the text goes; the next activation reads the day
        // the grid has selected then.
        h.activate<Form2>();
        QVERIFY(comment.textEmpty());
        main.grid().cellClick(9);
        h.activate<Form3>();
        QCOMPARE(h.shown(), QStringLiteral("Commentary 2001-04-15"));
    }

    void closedMainWindowIsLoadedAgainHidden()
    {
        CommentaryHarness h;
        h.module.windows().unload<Form2>();
        QTRY_VERIFY(!h.module.windows().isLoaded<Form2>());
        h.activate<Form3>();
        QVERIFY(h.module.windows().isLoaded<Form2>());
        QVERIFY(!h.module.windows().window<Form2>().isVisible());
        QCOMPARE(h.shown(), QStringLiteral("Easter Monday in the \u00e9glise"));
    }

    void printsTheTextOrTheSelection()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        CommentaryHarness h;
        QTemporaryDir out;
        Form3 &comment = h.activate<Form3>();

        h.platform.printerPdf = out.filePath(QStringLiteral("whole.pdf"));
        comment.cmdPrint_Click();
        QCOMPARE(pdfText(h.platform.printerPdf), QStringLiteral("Easter Monday in the \u00e9glise"));

        QTextCursor selection(comment.text().document());
        selection.setPosition(7);
        selection.setPosition(13, QTextCursor::KeepAnchor); // "Monday"
        comment.text().setTextCursor(selection);
        h.platform.printerPdf = out.filePath(QStringLiteral("selection.pdf"));
        emit comment.button(0).Click();
        QCOMPARE(pdfText(h.platform.printerPdf), QStringLiteral("Monday"));
        QCOMPARE(h.platform.printJobs, 2);
        QVERIFY(h.platform.messages.isEmpty());
    }

    void noPrinterIsReportedOnceHelpAndCloseAct()
    {
        CommentaryHarness h;
        Form3 &comment = h.activate<Form3>();
        h.activate<Form2>();
        h.activate<Form3>();
        comment.cmdPrint_Click();
        QCOMPARE(h.platform.messages, QStringList{QStringLiteral("No default printer is installed.")});
        QVERIFY(comment.text().hasFocus());
        QCOMPARE(h.platform.printJobs, 0);

        emit comment.button(1).Click();
        QCOMPARE(h.platform.helpLaunches, std::vector<HelpWindowStyle>{HelpWindowStyle::Normal});
        emit comment.button(2).Click();
        QTRY_VERIFY(!h.module.windows().isLoaded<Form3>());
    }

    void resizeFollowsTheDesktop()
    {
        {
            CommentaryHarness h(QString(), QStringLiteral("0"));
            Form3 &w = h.activate<Form3>();
            w.resize(300, 200);
            QCOMPARE(w.size(), QSize(525, 343)); // 8000 x 5500 twips with the original frame
            QCOMPARE(w.text().geometry(), QRect(114, 36, 525 - 120, 343 - 42));
            QCOMPARE(w.button(2).x(), qRound((525 * 15 + 120 - 2154) / 15.0));
        }
        {
            CommentaryHarness h(QString(), QStringLiteral("1"));
            Form3 &w = h.activate<Form3>();
            const QRect close = w.button(2).geometry();
            const QRect text = w.text().geometry();
            w.resize(110, 300); // 1650 twips: too narrow for the text and for moving Close
            QCOMPARE(w.button(2).geometry(), close);
            QCOMPARE(w.text().geometry(), text);
            QVERIFY(w.button(0).isVisibleTo(&w));
            w.resize(140, 300); // Close's left edge was far right: Help and Print stay
            QVERIFY(w.button(1).isVisibleTo(&w) && w.button(0).isVisibleTo(&w));
            w.resize(150, 300); // Close is now at the left: both hide
            QVERIFY(!w.button(1).isVisibleTo(&w) && !w.button(0).isVisibleTo(&w));
        }
        {
            CommentaryHarness h;
            Form3 &w = h.activate<Form3>();
            w.resize(800, 600);
            QCOMPARE(w.text().geometry(), QRect(114, 36, 438, 337));
            QCOMPARE(w.button(2).geometry().topLeft(), QPoint(402, 5));
        }
    }

    // Laid out whole, this commentary would hold the program for minutes; the window shows its
    // beginning and says the rest is not shown, and Escape still hides it.
    void tooTallACommentaryIsCutWithANote()
    {
        CommentaryHarness h;
        TestDatabase::exec(h.databasePath(),
                           QStringLiteral("UPDATE calendarComplet SET ComentariuUniv = "
                                          "'{\\rtf1\\fs3276 i' || replace(printf('%.3600c', '*'), '*', '\\par') || '}' "
                                          "WHERE Data = '2001-04-16'"));
        Form2 &main = h.activate<Form2>();
        QTRY_VERIFY(main.grid().cell(10).hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Form3 &comment = h.module.windows().window<Form3>();
        QVERIFY(QTest::qWaitForWindowActive(&comment));
        QVERIFY(h.shown().startsWith(QStringLiteral("i\n")));
        QVERIFY2(h.shown().endsWith(QStringLiteral("only its beginning is shown.]")), qPrintable(h.shown().right(80)));
        QVERIFY(comment.text().document()->size().height() < 4'000'000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!comment.isVisible());
        QVERIFY(h.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestCommentary)
#include "tst_commentary.moc"
