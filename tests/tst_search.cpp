// The search window: the word-beginning rule, the year box, the listed titles and the
// commentary they open, and how the window is activated, hidden and unloaded.
#include "controls/MuvButtons.h"
#include "controls/VisualControl.h"
#include "platform/HelpFile.h"
#include "support/ShellHarness.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/WordStartMatcher.h"
#include "windows/frmAboutReg.h"
#include "windows/frmSearch.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

const QDate First(2000, 1, 1);

// Four years of days (2000 to 2003) with plain-text commentaries; a few carry real titles.
struct SearchHarness : ShellHarness
{
    std::vector<TestDay> rows = TestDatabase::days(First, 1461);

    explicit SearchHarness(QDate today = QDate(2001, 10, 4), const QString &variant = QString())
    {
        for (TestDay &d : rows)
            d.ComentariuUniv = QStringLiteral("Univ ") + d.Data;
        day(QDate(2000, 10, 4)).ToolTipUniv = QStringLiteral("Saint Francis of Assisi, Religious");
        day(QDate(2001, 1, 24)).ToolTipUniv = QStringLiteral("Saint Francis de Sales, Bishop");
        day(QDate(2001, 3, 9)).ToolTipUniv = QStringLiteral("Saint Frances of Rome, Religious");
        day(QDate(2001, 10, 4)).ToolTipUniv = QStringLiteral("Saint Francis of Assisi, Religious");
        day(QDate(2001, 12, 3)).ToolTipUniv = QStringLiteral("Saint Francis Xavier, Priest");
        platform.clock = QDateTime(today, QTime(10, 0));
        if (!variant.isEmpty())
            setVariant(variant);
    }
    TestDay &day(QDate d) { return rows[size_t(First.daysTo(d))]; }

    frmSearch &load()
    {
        writeDays(rows);
        ShellHarness::load();
        platform.messages.clear(); // only what the search window says counts
        return module.windows().window<frmSearch>();
    }
    frmSearch &shown() { return activate<frmSearch>(); }
    QString commentary() { return module.windows().window<Form3>().text().toPlainText(); }
};

void pickYear(frmSearch &w, const QString &year)
{
    const int index = w.yearBox().findText(year);
    QVERIFY(index >= 0);
    w.yearBox().setCurrentIndex(index);
    emit w.yearBox().activated(index);
}

void doubleClick(QWidget *widget, QPoint at)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void wordBeginnings_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("matches");

        const auto row = [](const char *name, const char *title, const char *text, bool matches,
                            const char *locale = "en_US") {
            QTest::newRow(name) << QString::fromUtf8(title) << QString::fromUtf8(text) << QString(locale) << matches;
        };
        const char *francis = "Saint Francis of Assisi";
        // clang-format off
        row("first word",                   francis,            "saint",             true);
        row("beginning of a word",          francis,            "fran",              true);
        row("two words, other case",        francis,            "FRANCIS OF",        true);
        row("last word",                    francis,            "assisi",            true);
        row("inside a word",                francis,            "ncis",              false);
        row("two spaces typed",             francis,            "of  Assisi",        false);
        row("longer than the title",        francis,            "assisi, religious", false);
        row("empty text",                   francis,            "",                  true);
        row("empty title",                  "",                 "a",                 false);
        // Two spaces in a row: the place after the first one starts with the second space.
        row("double space: word after it",  "Feast  of Saints", "of saints",         true);
        row("double space: leading space",  "Feast  of Saints", " of",               true);
        row("double space: other text",     "Feast  of Saints", " x",                false);
        row("trailing space",               "Feast ",           " ",                 false);
        // Letter case by the user's locale.
        row("accented letters",             "Sainte Thérèse",   "THÉR",              true);
        row("dotless i, Turkish",           "IRMAK",            "ırmak",             true, "tr_TR");
        row("dotless i, English",           "IRMAK",            "ırmak",             false);
        // clang-format on
    }

    void wordBeginnings()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QTEST(WordStartMatcher(text, QLocale(locale)).matches(title), "matches");
    }

    void titlesOfTheChosenYearInTableOrder()
    {
        SearchHarness h;
        frmSearch &w = h.load();
        QCOMPARE(w.SearchYear, QStringLiteral("2001"));

        // Each keystroke searches again; 2000's Francis of Assisi is not of the chosen year.
        QTest::keyClicks(&w.searchBox(), QStringLiteral("fran"));
        QCOMPARE(w.SearchText, QStringLiteral("fran"));
        QCOMPARE(w.listedTitles(), QStringList({"Saint Francis de Sales, Bishop", "Saint Frances of Rome, Religious",
                                                "Saint Francis of Assisi, Religious", "Saint Francis Xavier, Priest"}));
        QTest::keyClicks(&w.searchBox(), QStringLiteral("cis "));
        QCOMPARE(w.results().count(), 3);
        pickYear(w, QStringLiteral("2000"));
        QCOMPARE(w.SearchYear, QStringLiteral("2000"));
        QCOMPARE(w.listedTitles(), QStringList{"Saint Francis of Assisi, Religious"});

        // The empty text lists every day of the year (2000 is a leap year), in table order.
        w.searchBox().clear();
        QStringList all;
        for (int i = 0; i < 366; ++i)
            all << h.rows[size_t(i)].ToolTipUniv;
        QCOMPARE(w.listedTitles(), all);
        QVERIFY(h.platform.messages.isEmpty());
    }

    void yearItemsFollowTheTable_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("selected");
        QTest::newRow("2000-2003") << First << QDate(2001, 10, 4) << QStringList({"2000", "2001", "2002", "2003"})
                                   << "2001";
        QTest::newRow("2026-2029") << QDate(2026, 1, 1) << QDate(2029, 12, 31)
                                   << QStringList({"2026", "2027", "2028", "2029"}) << "2029";
        QTest::newRow("this year missing")
            << First << QDate(2005, 6, 1) << QStringList({"2000", "2001", "2002", "2003"}) << "";
    }

    void yearItemsFollowTheTable()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, today);
        QFETCH(QString, selected);
        SearchHarness h(today);
        h.rows = TestDatabase::days(first, 1461);
        h.rows.back().Data += QStringLiteral(" 12:30:00"); // a time of day is no matter
        frmSearch &w = h.load();
        QStringList offered;
        for (int i = 0; i < w.yearBox().count(); ++i)
            offered << w.yearBox().itemText(i);
        QTEST(offered, "items");
        QCOMPARE(w.yearBox().currentText(), selected);
        QCOMPARE(w.SearchYear, QString::number(today.year()));
        if (!selected.isEmpty()) {
            QVERIFY(h.platform.messages.isEmpty());
            return;
        }
        // Reported once, on load; every search finds nothing until a year is picked.
        QCOMPARE(h.platform.messages.size(), 1);
        QVERIFY(h.platform.messages.first().contains(QLatin1String("2005")));
        h.shown();
        QTest::keyClicks(&w.searchBox(), QStringLiteral("t"));
        w.searchBox().clear();
        QCOMPARE(w.results().count(), 0);
        pickYear(w, QStringLiteral("2002"));
        QCOMPARE(w.results().count(), 365);
        QCOMPARE(h.platform.messages.size(), 1);
    }

    void usaTitlesAndTheirCommentaries()
    {
        SearchHarness h(QDate(2001, 10, 4), QStringLiteral("SUA"));
        TestDay &own = h.day(QDate(2001, 1, 4)); // a title and commentary of its own
        own.ToolTipUniv = QStringLiteral("Weekday of Christmas Time");
        own.ToolTipSUA = QStringLiteral("Saint Elizabeth Ann Seton, Religious");
        own.ComentariuSUA = QStringLiteral("USA commentary");
        // "=" title: the Universal title is searched and its commentary opened, whatever the USA
        // commentary column holds.
        TestDay &same = h.day(QDate(2001, 1, 5));
        same.ToolTipUniv = QStringLiteral("Saint John Neumann, Bishop");
        same.ComentariuSUA = QStringLiteral("not this one");
        frmSearch &w = h.load();
        h.shown();

        w.searchBox().setText(QStringLiteral("saint e"));
        QCOMPARE(w.listedTitles(), QStringList{own.ToolTipSUA});
        w.results().setCurrentRow(0);
        emit w.button(0).Click();
        QCOMPARE(h.commentary(), own.ComentariuSUA);

        h.shown();
        w.searchBox().setText(QStringLiteral("saint john n"));
        QCOMPARE(w.listedTitles(), QStringList{same.ToolTipUniv});
        w.results().setCurrentRow(0);
        QTest::keyClick(&w.results(), Qt::Key_Return);
        QCOMPARE(h.commentary(), QStringLiteral("Univ 2001-01-05"));

        w.searchBox().setText(QStringLiteral("weekday of christmas"));
        QCOMPARE(w.results().count(), 0); // its USA title stands in place of the Universal one
        QVERIFY(h.platform.messages.isEmpty());
    }

    void openWithNothingChosenOrTheSameTitleTwice()
    {
        SearchHarness h;
        for (QDate d : {QDate(2001, 2, 1), QDate(2001, 8, 1), QDate(2002, 2, 1)})
            h.day(d).ToolTipUniv = QStringLiteral("Votive Mass");
        frmSearch &w = h.load();
        h.shown();
        QTest::keyClicks(&w.searchBox(), QStringLiteral("votive"));
        emit w.button(0).Click(); // nothing chosen: the commentary of the grid's day (today)
        QVERIFY(QTest::qWaitForWindowActive(&h.module.windows().window<Form3>()));
        QTRY_COMPARE(h.commentary(), QStringLiteral("Univ 2001-10-04"));
        // Either item opens the later day of the chosen year, not the one of 2002.
        for (int item : {0, 1}) {
            h.shown(); // activation empties the list
            w.searchBox().clear();
            QTest::keyClicks(&w.searchBox(), QStringLiteral("votive"));
            QCOMPARE(w.listedTitles(), QStringList({"Votive Mass", "Votive Mass"}));
            w.results().setCurrentRow(item);
            doubleClick(w.results().viewport(), w.results().visualItemRect(w.results().item(item)).center());
            QCOMPARE(h.commentary(), QStringLiteral("Univ 2001-08-01"));
        }
    }

    void helpEscapeCloseAndTitleBar()
    {
        SearchHarness h;
        frmSearch &w = h.load();
        h.shown();
        // Help opens a normal window and gives the focus back to the box.
        w.results().setFocus();
        emit w.button(1).Click();
        QCOMPARE(h.platform.helpLaunches, std::vector<HelpWindowStyle>{HelpWindowStyle::Normal});
        QTRY_VERIFY(w.searchBox().hasFocus());
        pickYear(w, QStringLiteral("2003"));
        // Escape, in the box or in the list, hides and keeps the list.
        for (QWidget *target : {static_cast<QWidget *>(&w.searchBox()), static_cast<QWidget *>(&w.results())}) {
            h.shown();
            w.searchBox().setText(target == &w.results() ? QStringLiteral("title 2003-01") : QStringLiteral("title"));
            const int listed = w.results().count();
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(!w.isVisible());
            QCOMPARE(w.results().count(), listed);
        }
        // Activation empties the list and keeps the words.
        h.shown();
        QCOMPARE(w.results().count(), 0);
        QCOMPARE(w.searchBox().text(), QStringLiteral("title 2003-01"));
        // Close hides and empties the list; the window keeps its year and words.
        w.searchBox().setText(QStringLiteral("title 2003-02"));
        emit w.button(2).Click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.results().count(), 0);
        QCOMPARE(h.shown().SearchYear, QStringLiteral("2003"));
        QCOMPARE(w.searchBox().text(), QStringLiteral("title 2003-02"));

        // The title bar unloads: the next show starts from the current year and no words.
        w.close();
        QVERIFY(!h.module.windows().isLoaded<frmSearch>());
        frmSearch &again = h.shown();
        QCOMPARE(again.yearBox().currentText(), QStringLiteral("2001"));
        QVERIFY(again.searchBox().text().isEmpty());
        QVERIFY(h.platform.messages.isEmpty());
    }

    void aDamagedRowIsReportedOnceInTheRun()
    {
        SearchHarness h;
        for (auto [day, data] :
             {std::pair{QDate(2001, 11, 4), "2001-11-04 noon"}, std::pair{QDate(2001, 11, 5), "Nov 5"}}) {
            h.day(day).Data = QString::fromLatin1(data);
            h.day(day).ToolTipUniv = QStringLiteral("Saint Damaged");
        }
        h.writeDays(h.rows);
        TestDatabase::exec(h.databasePath(),
                           QStringLiteral("UPDATE calendarComplet SET ToolTipUniv = NULL WHERE Data = '2001-10-24'"));
        QVERIFY(h.ShellHarness::load());
        // Start-up has read the dates: the first damaged one is reported, once for all its walks.
        QCOMPARE(h.platform.messages.size(), 1);
        QVERIFY(h.platform.messages.first().contains(QLatin1String("\"2001-11-04 noon\", not a date")));

        // Every letter searches again: the damaged rows are left out, every other row is still
        // searched, and what each search meets first, the title start-up never read, is
        // reported once.
        frmSearch &w = h.shown();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("saint"));
        QCOMPARE(w.searchBox().text(), QStringLiteral("saint"));
        QCOMPARE(w.results().count(), 4);
        QCOMPARE(h.platform.messages.size(), 2);
        QVERIFY(h.platform.messages.last().contains(QLatin1String("ToolTipUniv of row 663")));
    }

    // The help says what the search lists: the full title, not the short name of the tray's tip.
    void helpDescribesTheListedTitles()
    {
        QFile help(HelpFile::locate(QStringLiteral("/nonexistent"), HelpFile::dataFolders()));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(help.readAll());
        const QString section = html.section(QStringLiteral("name=\"search\""), 1).section(QStringLiteral("<h2"), 0, 0);
        QVERIFY(section.contains(QLatin1String("full")));
        QVERIFY(!section.contains(QLatin1String("same text as the tray")));
    }

    void opensFromTheTrayTheMainWindowAndTheGrid()
    {
        SearchHarness h;
        frmSearch &w = h.load();
        h.shell->mnuPop_Click(frmShell::MenuSearch);
        QVERIFY(w.isVisible());
        w.hide();
        Form2 &main = h.module.windows().show<Form2>();
        emit main.button(1).Click();
        QVERIFY(w.isVisible());
        w.hide();
        emit main.grid().searchRequested();
        QVERIFY(w.isVisible());
        h.shell->mnuPop_Click(frmShell::MenuAbout);
        QVERIFY(h.module.windows().isLoaded<frmAboutReg>() && h.module.windows().window<frmAboutReg>().isVisible());
        QVERIFY(h.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
