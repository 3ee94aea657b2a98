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
            const char *name = r == Region::USA ? "USA" : "Universal";
            // Sunday of Lent, Sunday of Lent, Holy Week, Sunday of Advent.
            QTest::addRow("%s St Joseph 2000", name) << r << 2000 << "joseph"
                                                     << "2000-03-20";
            QTest::addRow("%s Annunciation 2001", name) << r << 2001 << "annunciation"
                                                        << "2001-03-26";
            QTest::addRow("%s Annunciation 2002", name) << r << 2002 << "annunciation"
                                                        << "2002-04-08";
            QTest::addRow("%s Immaculate Conception 2002", name) << r << 2002 << "immaculate-conception"
                                                                 << "2002-12-09";
            // St Joseph in Holy Week goes before Palm Sunday since 2008; the Annunciation
            // after the Easter octave.
            QTest::addRow("%s St Joseph 2008", name) << r << 2008 << "joseph"
                                                     << "2008-03-15";
            QTest::addRow("%s Annunciation 2008", name) << r << 2008 << "annunciation"
                                                        << "2008-03-31";
            // The Sacred Heart on 24 June 2022 moved the Baptist to the 23rd.
            QTest::addRow("%s John the Baptist 2022", name) << r << 2022 << "john-baptist-nativity"
                                                            << "2022-06-23";
            QTest::addRow("%s Sacred Heart 2022", name) << r << 2022 << "sacred-heart"
                                                        << "2022-06-24";
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
        QTest::addRow("2000") << 2000 << "2000-01-02"
                              << "2000-01-09"
                              << "2000-01-09";
        QTest::addRow("2001") << 2001 << "2001-01-07"
                              << "2001-01-08"
                              << "2001-01-07";
        QTest::addRow("2002") << 2002 << "2002-01-06"
                              << "2002-01-13"
                              << "2002-01-13";
        QTest::addRow("2003") << 2003 << "2003-01-05"
                              << "2003-01-12"
                              << "2003-01-12";
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

    void yearsOfForce()
    {
        // 2002 Missal: the Holy Name of Jesus, St Pio.
        QVERIFY(!offers(dayOf(Region::Universal, 2001, 1, 3), "holy-name-of-jesus"));
        QVERIFY(offers(dayOf(Region::Universal, 2002, 1, 3), "holy-name-of-jesus"));
        QCOMPARE(dayOf(Region::Universal, 2003, 9, 23).celebration.key, std::string("pius-of-pietrelcina"));
        QCOMPARE(dayOf(Region::Universal, 2000, 9, 23).celebration.key, std::string("ordinary-weekday"));
        // Jane Frances de Chantal moved from 12 December to 12 August in 2002; Guadalupe.
        QVERIFY(offers(dayOf(Region::Universal, 2001, 12, 12), "jane-frances-de-chantal"));
        QVERIFY(offers(dayOf(Region::Universal, 2003, 12, 12), "our-lady-of-guadalupe"));
        QCOMPARE(dayOf(Region::USA, 2001, 12, 12).celebration.grade, Grade::Feast);
        // Mary Magdalene raised to a feast in 2016; St John Paul II from 2014 (USA: 2012).
        QCOMPARE(dayOf(Region::Universal, 2015, 7, 22).celebration.grade, Grade::Memorial);
        QCOMPARE(dayOf(Region::Universal, 2016, 7, 22).celebration.grade, Grade::Feast);
        QVERIFY(!offers(dayOf(Region::Universal, 2013, 10, 22), "john-paul-ii"));
        QVERIFY(offers(dayOf(Region::USA, 2013, 10, 22), "john-paul-ii"));
        QVERIFY(offers(dayOf(Region::Universal, 2014, 10, 22), "john-paul-ii"));
        // Kateri Tekakwitha: a memorial in the USA as Blessed and as Saint alike.
        for (int year : {2001, 2003, 2027}) {
            const Celebration kateri = dayOf(Region::USA, year, 7, 14).celebration;
            QCOMPARE(kateri.key, std::string("kateri-tekakwitha"));
            QCOMPARE(kateri.grade, Grade::Memorial);
            QCOMPARE(kateri.title.rfind(year < 2013 ? "Blessed" : "Saint", 0), size_t(0));
        }
        QCOMPARE(dayOf(Region::Universal, 2001, 7, 14).celebration.key, std::string("ordinary-weekday"));
        // On the US calendar as Blessed before 2002: Junipero Serra, Katharine Drexel, Juan Diego.
        QVERIFY(offers(dayOf(Region::USA, 2003, 7, 1), "junipero-serra"));
        QVERIFY(offers(dayOf(Region::USA, 2000, 3, 3), "katharine-drexel"));
        QVERIFY(offers(dayOf(Region::USA, 2000, 12, 9), "juan-diego"));
        QVERIFY(!offers(dayOf(Region::Universal, 2000, 12, 9), "juan-diego"));
        // The Day of Prayer for the unborn: from 2012, on the 23rd when the 22nd is a Sunday.
        QCOMPARE(dayOf(Region::USA, 2026, 1, 22).celebration.key, std::string("day-of-prayer-unborn"));
        QCOMPARE(dayOf(Region::USA, 2017, 1, 23).celebration.key, std::string("day-of-prayer-unborn"));
        QCOMPARE(dayOf(Region::USA, 2002, 1, 22).celebration.key, std::string("ordinary-weekday"));
        QVERIFY(offers(dayOf(Region::USA, 2002, 1, 22), "vincent-deacon"));
    }

    // A saint stands on a day only from the year the calendar received the celebration, with
    // the title and grade of that year. how: "absent", "option", or the grade of the day.
    void sanctoralInItsYears_data()
    {
        QTest::addColumn<Region>("region");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        const auto row = [](const char *name, Region r, const char *date, const char *key, const char *how,
                            const char *title = "") {
            QTest::newRow(name) << r << QString(date) << QString(key) << QString(how) << QString(title);
        };
        const Region usa = Region::USA;
        const Region all = Region::Universal;
        // Kateri Tekakwitha joined the US calendar in 1983; only then did St Camillus move to the 18th.
        row("Kateri not yet, 1975", usa, "1975-07-14", "kateri-tekakwitha", "absent");
        row("Camillus on the 14th, US 1975", usa, "1975-07-14", "camillus", "option",
            "Saint Camillus de Lellis, Priest");
        row("Kateri a memorial, 1986", usa, "1986-07-14", "kateri-tekakwitha", "Memorial",
            "Blessed Kateri Tekakwitha, Virgin");
        row("Camillus on the 18th, US 1986", usa, "1986-07-18", "camillus", "option",
            "Saint Camillus de Lellis, Priest");
        // The US proper calendar of 1972 and what was granted to it later.
        row("Seton while Blessed, 1975", usa, "1975-01-04", "elizabeth-ann-seton", "Memorial",
            "Blessed Elizabeth Ann Seton, Religious");
        row("Guadalupe a memorial, 1987", usa, "1987-12-12", "our-lady-of-guadalupe", "Memorial",
            "Our Lady of Guadalupe");
        row("Guadalupe a feast, 1988", usa, "1988-12-12", "our-lady-of-guadalupe", "Feast", "Our Lady of Guadalupe");
        row("Paul of the Cross not yet on the 20th, 1990", usa, "1990-10-20", "paul-of-the-cross", "absent");
        row("Paul of the Cross on the 20th, 1992", usa, "1992-10-20", "paul-of-the-cross", "option",
            "Saint Paul of the Cross, Priest");
        row("Drexel not before 1989", usa, "1988-03-03", "katharine-drexel", "absent");
        row("Marianne Cope not before 2014", usa, "2013-01-23", "marianne-cope", "absent");
        row("Seelos, 2015", usa, "2015-10-05", "francis-xavier-seelos", "option",
            "Blessed Francis Xavier Seelos, Priest");
        // Teresa of Calcutta came with the General Calendar of 2025, in the USA as everywhere.
        row("Teresa of Calcutta not in the USA, 2022", usa, "2022-09-05", "teresa-of-calcutta", "absent");
        row("Teresa of Calcutta, 2025", all, "2025-09-05", "teresa-of-calcutta", "option",
            "Saint Teresa of Calcutta, Virgin");
        row("Newman not before 2026", all, "2025-10-09", "john-henry-newman", "absent");
        row("Newman, 2026", all, "2026-10-09", "john-henry-newman", "option",
            "Saint John Henry Newman, Priest and Doctor of the Church");
        // The General Calendar after 1969: new saints, a raised memorial, new Doctors.
        row("Kolbe not before 1983", all, "1982-08-14", "maximilian-kolbe", "absent");
        row("Kolbe, 1984", all, "1984-08-14", "maximilian-kolbe", "Memorial",
            "Saint Maximilian Kolbe, Priest and Martyr");
        row("Korean martyrs not before 1985", all, "1984-09-20", "korean-martyrs", "absent");
        row("Eymard, 1996", all, "1996-08-02", "peter-julian-eymard", "option", "Saint Peter Julian Eymard, Priest");
        row("Stanislaus optional, 1978", all, "1978-04-11", "stanislaus", "option",
            "Saint Stanislaus, Bishop and Martyr");
        row("Stanislaus a memorial, 1983", all, "1983-04-11", "stanislaus", "Memorial",
            "Saint Stanislaus, Bishop and Martyr");
        row("Teresa of Avila, 1975", all, "1975-10-15", "teresa-of-jesus", "Memorial",
            "Saint Teresa of Avila, Virgin and Doctor of the Church");
        row("Teresa of Jesus, 1984", all, "1984-10-15", "teresa-of-jesus", "Memorial",
            "Saint Teresa of Jesus, Virgin and Doctor of the Church");
        row("Therese before her doctorate, 1997", all, "1997-10-01", "therese", "Memorial",
            "Saint Therese of the Child Jesus, Virgin");
        row("Irenaeus before his doctorate, 2021", all, "2021-06-28", "irenaeus", "Memorial",
            "Saint Irenaeus, Bishop and Martyr");
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
        QTEST(QString::fromStdString(found->title), "title");
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
        QVERIFY(rtf.find("\\red200\\green0\\blue0;") != std::string::npos);
        QVERIFY(rtf.find("\\'e9") != std::string::npos);               // é in cp1252
        QVERIFY(rtf.find("\\'80") != std::string::npos);               // €
        QVERIFY(rtf.find("\\u937?") != std::string::npos);             // Ω has no cp1252 byte
        QVERIFY(rtf.find("\\u-10179?\\u-8625?") != std::string::npos); // surrogate pair
        for (unsigned char c : rtf)
            QVERIFY(c < 0x80); // pure 7-bit file
        // Read back with its formats by the reader the commentary window uses.
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
