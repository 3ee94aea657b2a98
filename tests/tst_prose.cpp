#include "liturgy/DayText.h"
#include "liturgy/LiturgicalCalendar.h"
#include "liturgy/Prose.h"
#include "liturgy/ProseKeys.h"
#include "richtext/RtfReader.h"
#include "support/LiturgyDays.h"
#include "tools/ProseFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <fstream>
#include <map>
#include <sstream>

using namespace liturgy;

namespace {

int wordCount(std::string_view text)
{
    std::istringstream words{std::string(text)};
    int n = 0;
    for (std::string w; words >> w;)
        ++n;
    return n;
}

QString commentaryText(const LiturgicalDay &day)
{
    QTextDocument document;
    richtext::RtfReader::read(QString::fromStdString(composeDayText(day).comment), document);
    return document.toPlainText();
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string readFile(const QString &path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestProse : public QObject
{
    Q_OBJECT

private slots:
    void everyDayOfTheCenturyHasItsProse()
    {
        for (Region region : {Region::Universal, Region::USA}) {
            const LiturgicalCalendar calendar(region);
            for (int year = ProseFirstYear; year <= ProseLastYear; ++year) {
                for (const LiturgicalDay &day : calendar.year(year)) {
                    const ProseKeys keys = proseKeysOf(day);
                    const QByteArray where = QByteArray::fromStdString(day.date.iso());
                    QVERIFY2(keys.celebration.empty() || !proseFor(keys.celebration).empty(),
                             where + " " + keys.celebration.c_str());
                    for (const std::string &k : keys.options)
                        QVERIFY2(!proseFor(k).empty(), where + " " + k.c_str());
                    QVERIFY2(!proseFor(keys.season).empty(), where + " " + keys.season.c_str());
                }
            }
        }
    }

    // Days whose key is easy to get wrong: the edges of the seasons and the days named by date.
    void keysOfTheTemporalCycle_data()
    {
        QTest::addColumn<Region>("region");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("week");
        const Region U = Region::Universal;
        const Region S = Region::USA;
        const auto row = [](const char *name, Region r, const char *date, const char *own, const char *week) {
            QTest::addRow("%s", name) << r << QString(date) << QString(own) << QString(week);
        };
        // clang-format off
        row("17 December",               U, "2026-12-17", "advent-dec-17",                     "advent-week-3");
        row("Fourth Sunday on the 24th", U, "2023-12-24", "advent-sunday-4",                   "advent-week-4");
        row("octave weekday",            U, "2026-12-29", "christmas-octave-dec-29",           "christmas-season");
        // 7 January 2029 is a Sunday: the Universal Baptism, the USA Epiphany; the 8th is a
        // Monday, the USA Baptism.
        row("before Epiphany",           U, "2027-01-04", "christmas-weekday-before-epiphany", "christmas-season");
        row("after Epiphany",            U, "2027-01-08", "christmas-weekday-after-epiphany",  "christmas-season");
        row("USA Epiphany on the 7th",   S, "2029-01-07", "epiphany",                          "christmas-season");
        row("USA Baptism on Monday",     S, "2029-01-08", "baptism-of-the-lord",               "christmas-season");
        row("after Ash Wednesday",       U, "2026-02-20", "lent-ash-friday",                   "lent-ash-week");
        row("Holy Tuesday",              U, "2026-03-31", "holy-week-tuesday",                 "holy-week");
        row("Easter Sunday",             U, "2026-04-05", "easter-sunday",                     "triduum");
        row("USA Ascension",             S, "2026-05-17", "ascension",                         "easter-week-7");
        row("Pentecost",                 U, "2026-05-24", "pentecost",                         "easter-week-7");
        // clang-format on
    }
    void keysOfTheTemporalCycle()
    {
        QFETCH(Region, region);
        QFETCH(QString, date);
        QFETCH(QString, own);
        QFETCH(QString, week);
        const QStringList ymd = date.split(u'-');
        const ProseKeys keys = proseKeysOf(dayOf(region, ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt()));
        QCOMPARE(QString::fromStdString(keys.celebration), own.isEmpty() ? QString() : "temporal/" + own);
        QCOMPARE(QString::fromStdString(keys.season), "temporal/" + week);
    }

    void textsKeepTheirLimitsAndNeverRepeat()
    {
        std::map<std::string_view, std::string_view> seen; // paragraph -> key
        for (const ProseEntry &e : proseTable()) {
            QVERIFY2(!e.paragraphs.empty(), e.key.data());
            if (e.key.starts_with("sanctoral/")) {
                int words = 0;
                for (std::string_view p : e.paragraphs)
                    words += wordCount(p);
                QVERIFY2(words >= 80 && words <= 200, qPrintable(qs(e.key) + ": " + QString::number(words)));
            }
            for (std::string_view p : e.paragraphs) {
                const auto [it, fresh] = seen.emplace(p, e.key);
                QVERIFY2(fresh, qPrintable(qs(e.key) + " repeats a paragraph of " + qs(it->second)));
            }
        }
    }

    void commentaryShowsTheProseInOrder()
    {
        // Monday 28 September 2026: Saints Wenceslaus and Lawrence Ruiz, both optional.
        const LiturgicalDay monday = dayOf(Region::Universal, 2026, 9, 28);
        QCOMPARE(monday.options.size(), size_t(2));
        const QString text = commentaryText(monday);
        const auto wenceslaus = proseFor("sanctoral/wenceslaus");
        const auto lawrence = proseFor("sanctoral/lawrence-ruiz");
        const auto week = proseFor("temporal/ordinary-week-26");
        QVERIFY(!wenceslaus.empty() && !lawrence.empty() && !week.empty());
        const qsizetype first = text.indexOf(qs(wenceslaus.front()));
        const qsizetype second = text.indexOf(qs(lawrence.front()));
        const qsizetype last = text.indexOf(qs(week.front()));
        QVERIFY(text.indexOf(QStringLiteral("psalter week")) < first);
        QVERIFY2(first > 0 && second > first && last > second, qPrintable(text));
        // A memorial that is only offered shows its summary, not its whole text.
        for (const auto &prose : {wenceslaus, lawrence})
            for (size_t i = 1; i < prose.size(); ++i)
                QVERIFY(!text.contains(qs(prose[i])));

        // A saint's memorial shows every paragraph of its text, then the week's.
        const QString jerome = commentaryText(dayOf(Region::Universal, 2026, 9, 30));
        qsizetype at = 0;
        for (std::string_view p : proseFor("sanctoral/jerome")) {
            at = jerome.indexOf(qs(p), at);
            QVERIFY(at > 0);
        }
        QVERIFY(jerome.indexOf(qs(week.front())) > at);

        // Where the USA keeps another celebration, its commentary has that prose: 22 January
        // 2026 is the Day of Prayer in the USA and St Vincent's optional memorial elsewhere.
        const QString universal = commentaryText(dayOf(Region::Universal, 2026, 1, 22));
        const QString usa = commentaryText(dayOf(Region::USA, 2026, 1, 22));
        const QString vincent = qs(proseFor("sanctoral/vincent-deacon").front());
        const QString prayer = qs(proseFor("sanctoral/day-of-prayer-unborn").front());
        QVERIFY(universal.contains(vincent) && !universal.contains(prayer));
        QVERIFY(usa.contains(prayer) && !usa.contains(vincent));
    }

    void embeddedTableIsTheFolder()
    {
        const QDir folder(QStringLiteral(FEASTBOOK_PROSE_DIR));
        size_t files = 0;
        for (const QString &section : {QStringLiteral("sanctoral"), QStringLiteral("temporal")}) {
            for (const QFileInfo &file : QDir(folder.filePath(section)).entryInfoList({"*.txt"}, QDir::Files)) {
                ++files;
                const std::string key = (section + u'/' + file.completeBaseName()).toStdString();
                const auto expected = prose::paragraphsOf(readFile(file.filePath()));
                QVERIFY(expected);
                const auto embedded = proseFor(key);
                QVERIFY2(std::equal(embedded.begin(), embedded.end(), expected->begin(), expected->end()), key.c_str());
            }
        }
        QCOMPARE(proseTable().size(), files);
    }

    void folderCheckNamesWhatIsWrong()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Written on another system: a byte-order mark, CR LF, wrapped lines, tabs, blank lines.
        writeFile(dir.filePath("sanctoral/a.txt"),
                  "\xEF\xBB\xBF  First line\r\nwrapped\there. \r\n \r\n\r\nSaint Th\xC3\xA9r\xC3\xA8se.\r\n");
        writeFile(dir.filePath("sanctoral/b.txt"), "caf\xE9 in Latin-1\n");
        writeFile(dir.filePath("sanctoral/empty.txt"), "\n \n");
        writeFile(dir.filePath("sanctoral/.a.txt.swp"), "editor state");
        writeFile(dir.filePath("temporal/stray.txt"), "A text nobody asked for.\n");
        writeFile(dir.filePath("temporal/notes.md"), "notes\n");

        const std::set<std::string> used = {"sanctoral/a", "sanctoral/b", "sanctoral/empty", "temporal/w"};
        const auto folder = prose::ProseFolder::read(dir.path().toStdString(), used);
        QCOMPARE(folder.texts.size(), size_t(1));
        QCOMPARE(folder.texts[0].key, std::string("sanctoral/a"));
        QCOMPARE(folder.texts[0].paragraphs,
                 (std::vector<std::string>{"First line wrapped here.", "Saint Th\xC3\xA9r\xC3\xA8se."}));

        QStringList problems;
        for (const std::string &p : folder.problems)
            problems << QString::fromStdString(p);
        QCOMPARE(problems.size(), 5);
        const std::pair<const char *, const char *> expected[] = {{"sanctoral/b.txt", "not UTF-8"},
                                                                  {"sanctoral/empty.txt", "no text"},
                                                                  {"temporal/stray.txt", "no day"},
                                                                  {"temporal/notes.md", "no day"},
                                                                  {"temporal/w.txt", "no text for the key temporal/w"}};
        for (const auto &[name, why] : expected)
            QVERIFY2(std::any_of(problems.begin(), problems.end(),
                                 [&](const QString &p) { return p.contains(name) && p.contains(why); }),
                     qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(TestProse)
#include "tst_prose.moc"
