// Figures on the prose of the commentaries of a generated table (four years from 2026 unless
// another first year is given): how many different bodies there are, how many days share the
// commonest, how long they are, and how many words the prose folder holds.
// The body of a commentary is what follows its cycles line, read back as the window shows it.

#include "liturgy/Prose.h"
#include "richtext/RtfReader.h"
#include "tools/CalendarRows.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Day
{
    QString date;
    bool ordinaryWeekday; // the weekdays of one week of Ordinary Time share their week's text
};

qsizetype wordCount(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts).size();
}

QString bodyOf(const std::string &rtf)
{
    QTextDocument document;
    richtext::RtfReader::read(QString::fromStdString(rtf), document);
    const QString text = document.toPlainText();
    const qsizetype cycles = text.indexOf(QStringLiteral("\nSunday cycle "));
    const qsizetype end = cycles < 0 ? -1 : text.indexOf(u'\n', cycles + 1);
    return end < 0 ? QString() : text.mid(end + 1).trimmed();
}

void report(const char *variant, const std::map<QString, std::vector<Day>> &bodies)
{
    std::vector<qsizetype> words;
    qsizetype mostDays = 0;
    qsizetype mostInAYear = 0;
    qsizetype mostInAYearBesidesOrdinary = 0;
    QString commonest;
    QString shortestDay;
    qsizetype shortest = -1;
    for (const auto &[body, days] : bodies) {
        const qsizetype n = wordCount(body);
        if (shortest < 0 || n < shortest) {
            shortest = n;
            shortestDay = days.front().date;
        }
        words.insert(words.end(), days.size(), n);
        if (qsizetype(days.size()) > mostDays) {
            mostDays = qsizetype(days.size());
            commonest = body.left(60);
        }
        std::map<QString, qsizetype> perYear;
        std::map<QString, qsizetype> perYearBesides;
        for (const Day &d : days) {
            ++perYear[d.date.left(4)];
            if (!d.ordinaryWeekday)
                ++perYearBesides[d.date.left(4)];
        }
        for (const auto &[year, count] : perYear)
            mostInAYear = std::max(mostInAYear, count);
        for (const auto &[year, count] : perYearBesides)
            mostInAYearBesidesOrdinary = std::max(mostInAYearBesidesOrdinary, count);
    }
    std::sort(words.begin(), words.end());
    std::printf("%s: %zu different bodies over %zu days\n", variant, bodies.size(), words.size());
    std::printf("  most days sharing one body: %lld in the table, %lld in one year "
                "(%lld outside weekdays of Ordinary Time): \"%s...\"\n",
                static_cast<long long>(mostDays), static_cast<long long>(mostInAYear),
                static_cast<long long>(mostInAYearBesidesOrdinary), qPrintable(commonest));
    std::printf("  words of a body: median %lld, minimum %lld (%s)\n", static_cast<long long>(words[words.size() / 2]),
                static_cast<long long>(shortest), qPrintable(shortestDay));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int firstYear = argc > 1 ? std::atoi(argv[1]) : 2026;
    if (firstYear < 1583 || firstYear > 4096) {
        std::fprintf(stderr, "usage: bench_prose [first-year]\n");
        return 2;
    }
    const auto rows = gen::buildCalendarRows(firstYear, 4);

    std::map<QString, std::vector<Day>> universal;
    std::map<QString, std::vector<Day>> usa;
    std::map<QString, int> either;
    for (const auto &r : rows) {
        const bool sameInUsa = r.comentariuSUA == CalendarSchema::SameAsUniversal;
        const QString bodyU = bodyOf(r.comentariuUniv);
        const QString bodyS = sameInUsa ? bodyU : bodyOf(r.comentariuSUA);
        const QString date = QString::fromStdString(r.data);
        const auto ordinary = [](const std::string &title) {
            return title.find(" Week in Ordinary Time") != std::string::npos;
        };
        universal[bodyU].push_back({date, ordinary(r.toolTipUniv)});
        usa[bodyS].push_back({date, ordinary(sameInUsa ? r.toolTipUniv : r.toolTipSUA)});
        ++either[bodyU];
        ++either[bodyS];
    }
    std::printf("commentaries of %d-%d\n", firstYear, firstYear + 3);
    report("Universal", universal);
    report("USA", usa);
    std::printf("both calendars: %zu different bodies\n", either.size());

    qsizetype total = 0;
    for (const liturgy::ProseEntry &e : liturgy::proseTable())
        for (std::string_view p : e.paragraphs)
            total += wordCount(QString::fromUtf8(p.data(), qsizetype(p.size())));
    std::printf("prose folder: %zu texts, %lld words\n", liturgy::proseTable().size(), static_cast<long long>(total));
    return 0;
}
