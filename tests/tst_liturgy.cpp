#include "liturgy/DayText.h"
#include "liturgy/LiturgicalCalendar.h"
#include "liturgy/MovableDates.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "support/LiturgyDays.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <algorithm>
#include <optional>

using namespace liturgy;

namespace {

// Where a celebration is kept as the day's celebration in the given year (first match).
std::optional<CivilDate> findCelebration(Region region, int year, const std::string &key)
{
    for (const LiturgicalDay &d : LiturgicalCalendar(region).year(year))
        if (d.celebration.key == key)
            return d.date;
    return std::nullopt;
}

bool offers(const LiturgicalDay &d, const std::string &key)
{
    return std::any_of(d.options.begin(), d.options.end(), [&](const Celebration &c) { return c.key == key; });
}

} // namespace

class TestLiturgy : public QObject
{
    Q_OBJECT

private slots:
    void easter_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        const int known[][3] = {{1583, 4, 10}, {1818, 3, 22}, {1943, 4, 25}, {1954, 4, 18}, {2000, 4, 23},
                                {2001, 4, 15}, {2002, 3, 31}, {2003, 4, 20}, {2008, 3, 23}, {2011, 4, 24},
                                {2026, 4, 5},  {2027, 3, 28}, {2038, 4, 25}, {2285, 3, 22}};
        for (const auto &k : known)
            QTest::addRow("%d", k[0]) << k[0] << k[1] << k[2];
    }
    void easter()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QCOMPARE(easterSunday(year).iso(), CivilDate(year, month, day).iso());
    }

    void seasonsAndWeeks_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("ashWednesday");
        QTest::addColumn<int>("weekBeforeLent"); // week of the Tuesday before Ash Wednesday
        QTest::addColumn<QString>("pentecost");
        QTest::addColumn<int>("weekAfterPentecost"); // week of the Monday after Pentecost
        QTest::addColumn<QString>("advent");
        QTest::addRow("2000") << 2000 << "2000-03-08" << 9 << "2000-06-11" << 10 << "2000-12-03";
        QTest::addRow("2001") << 2001 << "2001-02-28" << 8 << "2001-06-03" << 9 << "2001-12-02";
        QTest::addRow("2002") << 2002 << "2002-02-13" << 5 << "2002-05-19" << 7 << "2002-12-01";
        QTest::addRow("2003") << 2003 << "2003-03-05" << 8 << "2003-06-08" << 10 << "2003-11-30";
    }
    void seasonsAndWeeks()
    {
        QFETCH(int, year);
        const MovableDates m = MovableDates::compute(year, Region::Universal);
        QTEST(QString::fromStdString(m.ashWednesday.iso()), "ashWednesday");
        QTEST(QString::fromStdString(m.pentecost.iso()), "pentecost");
        QTEST(QString::fromStdString(m.adventSunday.iso()), "advent");

        const auto days = LiturgicalCalendar(Region::Universal).year(year);
        const auto at = [&](CivilDate d) { return days.at(static_cast<size_t>(CivilDate(year, 1, 1).daysTo(d))); };
        QTEST(at(m.ashWednesday.addDays(-1)).week, "weekBeforeLent");
        QCOMPARE(at(m.ashWednesday.addDays(-1)).season, Season::OrdinaryTime);
        QCOMPARE(at(m.ashWednesday).celebration.key, std::string("ash-wednesday"));
        QCOMPARE(at(m.ashWednesday.addDays(4)).weekday.title, std::string("First Sunday of Lent"));
        QTEST(at(m.pentecost.addDays(1)).week, "weekAfterPentecost");
        QCOMPARE(at(m.christTheKing).week, 34);
        QCOMPARE(at(m.christTheKing).celebration.key, std::string("christ-the-king"));
        QCOMPARE(at(m.adventSunday.addDays(-1)).week, 34);
        QCOMPARE(at(m.adventSunday).season, Season::Advent);
        QCOMPARE(at(m.adventSunday).psalterWeek, 1);
        // The Sunday cycle changes with Advent: 2000 is Year B, Advent 2000 opens Year C.
        const char cycles[] = {'B', 'C', 'A', 'B', 'C'};
        QCOMPARE(at(m.ashWednesday).sundayCycle, cycles[year - 2000]);
        QCOMPARE(at(m.adventSunday).sundayCycle, cycles[year - 2000 + 1]);
        QCOMPARE(at(m.ashWednesday).weekdayCycle, year % 2 == 1 ? 1 : 2);
    }

    void impededSolemnitiesAreTransferred_data()
    {
        QTest::addColumn<Region>("region");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("keptOn");
        for (Region r : {Region::Universal, Region::USA}) {
            const auto row = [&](const char *key, int year, const char *keptOn) {
                QTest::addRow("%s %s %d", r == Region::USA ? "USA" : "Universal", key, year)
                    << r << year << QString(key) << QString(keptOn);
            };
            // clang-format off
            // Sunday of Lent, Sunday of Lent, Holy Week, Sunday of Advent.
            row("joseph",                2000, "2000-03-20");
            row("annunciation",          2001, "2001-03-26");
            row("annunciation",          2002, "2002-04-08");
            row("immaculate-conception", 2002, "2002-12-09");
            // St Joseph in Holy Week goes before Palm Sunday since 2008; the Annunciation
            // after the Easter octave.
            row("joseph",                2008, "2008-03-15");
            row("annunciation",          2008, "2008-03-31");
            // The Sacred Heart on 24 June 2022 moved the Baptist to the 23rd.
            row("john-baptist-nativity", 2022, "2022-06-23");
            row("sacred-heart",          2022, "2022-06-24");
            // clang-format on
        }
    }
    void impededSolemnitiesAreTransferred()
    {
        QFETCH(Region, region);
        QFETCH(int, year);
        QFETCH(QString, key);
        const auto date = findCelebration(region, year, key.toStdString());
        QVERIFY(date);
        QTEST(QString::fromStdString(date->iso()), "keptOn");
    }

    void usaEpiphanyBaptismAscensionCorpusChristi_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("epiphany");
        QTest::addColumn<QString>("baptism");
        QTest::addColumn<QString>("universalBaptism");
        // clang-format off
        QTest::addRow("2000") << 2000 << "2000-01-02" << "2000-01-09" << "2000-01-09";
        QTest::addRow("2001") << 2001 << "2001-01-07" << "2001-01-08" << "2001-01-07";
        QTest::addRow("2002") << 2002 << "2002-01-06" << "2002-01-13" << "2002-01-13";
        QTest::addRow("2003") << 2003 << "2003-01-05" << "2003-01-12" << "2003-01-12";
        // clang-format on
    }
    void usaEpiphanyBaptismAscensionCorpusChristi()
    {
        QFETCH(int, year);
        const auto iso = [](std::optional<CivilDate> d) { return d ? QString::fromStdString(d->iso()) : QString(); };
        QTEST(iso(findCelebration(Region::USA, year, "epiphany")), "epiphany");
        QTEST(iso(findCelebration(Region::USA, year, "baptism-of-the-lord")), "baptism");
        QCOMPARE(iso(findCelebration(Region::Universal, year, "epiphany")), QString("%1-01-06").arg(year));
        QTEST(iso(findCelebration(Region::Universal, year, "baptism-of-the-lord")), "universalBaptism");

        const CivilDate easter = easterSunday(year);
        QCOMPARE(findCelebration(Region::Universal, year, "ascension"), easter.addDays(39));
        QCOMPARE(findCelebration(Region::USA, year, "ascension"), easter.addDays(42));
        QCOMPARE(findCelebration(Region::Universal, year, "corpus-christi"), easter.addDays(60));
        QCOMPARE(findCelebration(Region::USA, year, "corpus-christi"), easter.addDays(63));
        // Where the USA keeps the Ascension, the Universal calendar has the 7th Sunday of Easter.
        QCOMPARE(dayOf(Region::Universal, year, easter.addDays(42).month(), easter.addDays(42).day()).celebration.key,
                 std::string("easter-sunday-7"));
    }

    void precedence()
    {
        // A memorial on a Sunday gives way: Basil and Gregory, Sunday 2 January 2000.
        QCOMPARE(dayOf(Region::Universal, 2000, 1, 2).celebration.key, std::string("second-sunday-after-christmas"));
        QVERIFY(dayOf(Region::Universal, 2000, 1, 2).options.empty());
        // Feasts of the Lord and All Souls take a Sunday of Ordinary Time.
        QCOMPARE(dayOf(Region::Universal, 2003, 2, 2).celebration.key, std::string("presentation-of-the-lord"));
        QCOMPARE(dayOf(Region::Universal, 2000, 8, 6).celebration.key, std::string("transfiguration"));
        QCOMPARE(dayOf(Region::USA, 2003, 11, 2).celebration.key, std::string("all-souls"));
        // A feast of a saint does not: St Luke on Sunday 18 October 2026.
        QCOMPARE(dayOf(Region::Universal, 2026, 10, 18).celebration.key, std::string("ordinary-sunday-29"));
        // Ash Wednesday and the Easter octave exclude memorials altogether.
        QVERIFY(dayOf(Region::Universal, 2000, 3, 8).options.empty());
        QCOMPARE(dayOf(Region::Universal, 2003, 4, 25).celebration.key, std::string("easter-octave"));
        // Obligatory memorials in Lent are only commemorated: Perpetua and Felicity 2003.
        const LiturgicalDay lent = dayOf(Region::Universal, 2003, 3, 7);
        QCOMPARE(lent.celebration.key, std::string("lent-weekday"));
        QVERIFY(lent.commemorationsOnly && offers(lent, "perpetua-felicity"));
        // Two obligatory memorials on one day are both optional: Immaculate Heart and
        // St Irenaeus, 28 June 2003.
        const LiturgicalDay both = dayOf(Region::Universal, 2003, 6, 28);
        QVERIFY(offers(both, "immaculate-heart") && offers(both, "irenaeus"));
        // Mary, Mother of the Church prevails over another memorial of the same Monday:
        // St Justin, 1 June 2020; before 2018 the day is an ordinary weekday.
        QCOMPARE(dayOf(Region::Universal, 2020, 6, 1).celebration.key, std::string("mary-mother-of-the-church"));
        QCOMPARE(dayOf(Region::Universal, 2015, 5, 25).celebration.key, std::string("ordinary-weekday"));
        // Advent began on 28 November 2021; its Monday is not one of the days 17-24 December.
        QCOMPARE(dayOf(Region::Universal, 2021, 11, 29).celebration.title,
                 std::string("Monday of the First Week of Advent"));
        // Holy Family on 30 December when Christmas is a Sunday.
        QCOMPARE(dayOf(Region::Universal, 2005, 12, 30).celebration.key, std::string("holy-family"));
        QCOMPARE(dayOf(Region::Universal, 2005, 12, 26).celebration.key, std::string("stephen"));
        // Saturday of the Blessed Virgin Mary only on free Saturdays of Ordinary Time.
        QVERIFY(offers(dayOf(Region::Universal, 2000, 1, 15), "saturday-of-mary"));
        QVERIFY(!offers(dayOf(Region::Universal, 2000, 12, 9), "saturday-of-mary"));
    }

    // A sanctoral entry holds from its first year to its last, both included, in its regions
    // only, with the grade and title of those years; a celebration that moves (Camillus in the
    // USA) or changes rank or title is met on either side of the change. how: "absent", "option",
    // or the grade of the day.
    void sanctoralInItsYears_data()
    {
        QTest::addColumn<Region>("region");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        const auto row = [](Region r, const char *date, const char *key, const char *how, const char *title = "") {
            QTest::addRow("%s %s %s", r == Region::USA ? "USA" : "Universal", date, key)
                << r << QString(date) << QString(key) << QString(how) << QString(title);
        };
        const Region usa = Region::USA;
        const Region all = Region::Universal;
        // clang-format off
        row(usa, "1982-07-14", "camillus",              "option");
        row(usa, "1983-07-14", "kateri-tekakwitha",     "Memorial", "Blessed Kateri Tekakwitha, Virgin");
        row(all, "1983-07-14", "camillus",              "option");
        row(usa, "1983-07-18", "camillus",              "option",   "Saint Camillus de Lellis, Priest");
        row(all, "1983-07-18", "camillus",              "absent");
        row(usa, "2012-07-14", "kateri-tekakwitha",     "Memorial", "Blessed Kateri Tekakwitha, Virgin");
        row(usa, "2014-07-14", "kateri-tekakwitha",     "Memorial", "Saint Kateri Tekakwitha, Virgin");
        row(all, "2014-07-14", "kateri-tekakwitha",     "absent");
        row(all, "2015-07-22", "mary-magdalene",        "Memorial");
        row(all, "2016-07-22", "mary-magdalene",        "Feast");
        row(all, "2001-12-12", "jane-frances-de-chantal", "option");
        row(all, "2002-12-12", "our-lady-of-guadalupe", "option");
        row(usa, "2001-12-12", "our-lady-of-guadalupe", "Feast");
        row(usa, "2013-10-22", "john-paul-ii",          "option",   "Blessed John Paul II, Pope");
        row(all, "2013-10-22", "john-paul-ii",          "absent");
        row(all, "2014-10-22", "john-paul-ii",          "option",   "Saint John Paul II, Pope");
        // The Day of Prayer, from 2012, goes to the 23rd when the 22nd is a Sunday.
        row(usa, "2011-01-22", "day-of-prayer-unborn",  "absent");
        row(usa, "2017-01-23", "day-of-prayer-unborn",  "Memorial");
        row(usa, "2026-01-22", "day-of-prayer-unborn",  "Memorial");
        // clang-format on
    }
    void sanctoralInItsYears()
    {
        QFETCH(Region, region);
        QFETCH(QString, date);
        QFETCH(QString, key);
        QFETCH(QString, how);
        const QDate d = QDate::fromString(date, Qt::ISODate);
        const LiturgicalDay day = dayOf(region, d.year(), d.month(), d.day());
        const std::string k = key.toStdString();
        const Celebration *found = day.celebration.key == k ? &day.celebration : nullptr;
        for (const Celebration &c : day.options)
            if (c.key == k)
                found = &c;
        if (how == "absent") {
            QVERIFY2(!found, qPrintable(QString::fromStdString(day.celebration.title)));
            return;
        }
        QVERIFY2(found, qPrintable(QString::fromStdString(day.celebration.title)));
        QCOMPARE(found == &day.celebration ? QString(gradeName(found->grade)) : QStringLiteral("option"), how);
        QFETCH(QString, title);
        if (!title.isEmpty())
            QCOMPARE(QString::fromStdString(found->title), title);
    }

    void cellTextFitsAndKeepsOneSeparator()
    {
        const std::string long1(40, 'x');
        const std::string text =
            fitWeekdayWithOptions("Saturday, 33rd week in Ordinary Time", "Saturday", {long1, "Blessed Virgin Mary"});
        QVERIFY(text.size() <= CellWidth);
        QCOMPARE(std::count(text.begin(), text.end(), ';'), 1);
        // A first memorial that fits alone is kept whole; "..." stands for the others.
        QCOMPARE(fitWeekdayWithOptions("Saturday, 18th week in Ordinary Time", "Saturday",
                                       {"Dedication of St Mary Major", "Blessed Virgin Mary"}),
                 std::string("Saturday; Dedication of St Mary Major..."));
        // Short enough: the full weekday stays.
        QCOMPARE(fitWeekdayWithOptions("Monday, 2nd week of Easter", "Monday", {"St Stanislaus"}),
                 std::string("Monday, 2nd week of Easter; St Stanislaus"));
    }

    void rtfRoundTrip()
    {
        richtext::RtfWriter w;
        const int red = w.colour(200, 0, 0);
        QCOMPARE(w.colour(200, 0, 0), red);
        const std::string text = "Saint Thérèse {a\\b} – 5 € Ω 🙏";
        w.bold(true).fontSize(14).foreground(red).text(text).bold(false).paragraph().italic(true).text("x");
        const std::string rtf = w.finish();
        QVERIFY(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0) == 0);
        QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](unsigned char c) { return c < 0x80; })); // a 7-bit file
        // Read back with its formats by the reader the commentary window uses: the escapes of
        // cp1252 letters, of letters beyond it and of surrogate pairs are all understood.
        QTextDocument document;
        richtext::RtfReader::read(QString::fromStdString(rtf), document);
        QCOMPARE(document.toPlainText(), QStringLiteral("Saint Thérèse {a\\b} – 5 € Ω 🙏\nx"));
        QTextCursor cursor(&document);
        cursor.setPosition(1);
        QVERIFY(cursor.charFormat().fontWeight() == QFont::Bold && cursor.charFormat().fontPointSize() == 14);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(200, 0, 0));
        cursor.setPosition(document.characterCount() - 1);
        QVERIFY(cursor.charFormat().fontItalic() && cursor.charFormat().fontWeight() != QFont::Bold);
        // Malformed UTF-8 becomes U+FFFD instead of being passed on.
        QCOMPARE(richtext::RtfWriter::escape("a\xC3"), std::string("a\\u-3?"));
    }
};

QTEST_MAIN(TestLiturgy)
#include "tst_liturgy.moc"
