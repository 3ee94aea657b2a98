#include "data/CalendarSchema.h"
#include "richtext/RtfReader.h"
#include "tools/CalendarRows.h"
#include "tools/DatabaseWriter.h"

#include <QtTest>

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

using gen::CalendarRow;

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run runGenerator(const QStringList &args, const QString &workDir = QString())
{
    QProcess p;
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1000000000"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(FEASTBOOK_GEN_PATH), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The text a reader takes from a SUA column: the Universal text where "=" stands.
QString effective(const std::string &universalText, const std::string &usaText)
{
    return QString::fromStdString(usaText == "=" ? universalText : usaText);
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_rows = gen::buildCalendarRows(2000, 4); }

    void rowsCoverEveryDayInOrder()
    {
        QCOMPARE(m_rows.size(), size_t(1461));
        QDate expected(2000, 1, 1);
        for (size_t i = 0; i < m_rows.size(); ++i) {
            const CalendarRow &r = m_rows[i];
            QCOMPARE(r.id, int(i) + 1);
            QCOMPARE(QString::fromStdString(r.data), expected.toString(Qt::ISODate));
            // "W Apr 16": the weekday initial, the month, the two-digit day.
            const QString cell = QLocale::c().toString(expected, QStringLiteral("ddd MMM dd"));
            QCOMPARE(QString::fromStdString(r.dataUniv), cell.left(1) + cell.mid(3));
            expected = expected.addDays(1);
        }
        QCOMPARE(m_rows.back().data, std::string("2003-12-31"));
    }

    void markerAndColourInvariants()
    {
        static const QRegularExpression oneColour(QStringLiteral("^[012456]$"));
        static const QRegularExpression twoColours(QStringLiteral("^[012456];[012456]$"));
        for (const CalendarRow &r : m_rows) {
            const QByteArray where = QByteArray::fromStdString(r.data);
            QVERIFY2(r.culoriSUA != "=" && r.culoriUniv != "=", where);
            // Texts are plain lines: a control character (a NUL from padding) would end the
            // string early in C readers of the file and show as garbage elsewhere.
            for (const std::string *t : {&r.dataUniv, &r.evenimentUniv, &r.evenimentSUA, &r.toolTipUniv, &r.toolTipSUA,
                                         &r.comentariuUniv, &r.comentariuSUA})
                QVERIFY2(std::none_of(t->begin(), t->end(), [](char c) { return c >= 0 && c < 0x20; }),
                         where + ": " + QByteArray::fromStdString(*t));
            QVERIFY2(r.comentariuSUA != "=" || r.toolTipSUA == "=", where);
            // The marker stands exactly where the texts are equal.
            QVERIFY2(r.evenimentSUA != r.evenimentUniv, where);
            QVERIFY2(r.toolTipSUA != r.toolTipUniv, where);
            QVERIFY2(r.comentariuSUA != r.comentariuUniv, where);

            for (const auto &[event, colours] :
                 {std::pair{QString::fromStdString(r.evenimentUniv), QString::fromStdString(r.culoriUniv)},
                  std::pair{effective(r.evenimentUniv, r.evenimentSUA), QString::fromStdString(r.culoriSUA)}}) {
                QVERIFY2(!event.isEmpty() && event.size() <= 45, qPrintable(event));
                const bool twoParts = event.count(QLatin1Char(';')) == 1;
                QVERIFY2(event.count(QLatin1Char(';')) <= 1, qPrintable(event));
                QVERIFY2(twoParts ? twoColours.match(colours).hasMatch() : oneColour.match(colours).hasMatch(),
                         qPrintable(event + " / " + colours));
            }
            for (const std::string *rtf : {&r.comentariuUniv, &r.comentariuSUA}) {
                if (*rtf == "=")
                    continue;
                QVERIFY2(rtf->rfind("{\\rtf1", 0) == 0 && rtf->back() == '}', where);
            }
        }
    }

    void everyCommentaryReadsBackCleanly()
    {
        for (const CalendarRow &r : m_rows) {
            for (const auto &[title, rtf] :
                 {std::pair{&r.toolTipUniv, &r.comentariuUniv}, std::pair{&r.toolTipSUA, &r.comentariuSUA}}) {
                if (*rtf == "=")
                    continue;
                QTextDocument document;
                const auto result = richtext::RtfReader::read(QString::fromStdString(*rtf), document);
                const QByteArray where = QByteArray::fromStdString(r.data) + " " + result.warning.toUtf8();
                QVERIFY2(result.wasRtf && !result.truncated && result.warning.isEmpty(), where);
                // The title comes out as written: nothing of the markup shows, nothing is lost.
                const QString text = document.toPlainText();
                QVERIFY2(text.startsWith(effective(r.toolTipUniv, *title) + u'\n'), where);
                QVERIFY2(!text.contains(u'\\') && !text.contains(u'{') && !text.contains(u'}'), where);
            }
        }
    }

    void programWritesTheTable()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("feastbook.mdb"));
        const Run run =
            runGenerator({QStringLiteral("--first-year"), QStringLiteral("2000"), QStringLiteral("-o"), path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"feastbook.mdb"});

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(100);
        QVERIFY(header.startsWith(QByteArray("SQLite format 3\0", 16)));
        QCOMPARE(int(header[18]), 1); // rollback journal, not WAL: read-only readers need no side files

        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        const auto scalar = [&](const char *sql) {
            sqlite3_stmt *s = nullptr;
            sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
            QString v;
            if (sqlite3_step(s) == SQLITE_ROW)
                v = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
            sqlite3_finalize(s);
            return v;
        };
        QCOMPARE(scalar("SELECT sql FROM sqlite_master WHERE name = 'calendarComplet'"),
                 QString::fromLatin1(CalendarSchema::CreateStatement));
        // Rows, order and IDs: tst_jetoracle reads this file beside the Access ones.
        QCOMPARE(scalar("SELECT evenimentSUA || '|' || CuloriSUA FROM calendarComplet WHERE Data = '2002-12-12'"),
                 QStringLiteral("Our Lady of Guadalupe|1"));
        sqlite3_close(db);

        // Same arguments, same bytes; an existing file is kept unless --force.
        const QByteArray before = fileHash(path);
        const Run refused =
            runGenerator({QStringLiteral("--first-year"), QStringLiteral("2000"), QStringLiteral("-o"), path});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains(QStringLiteral("--force")));
        QCOMPARE(fileHash(path), before);
        QCOMPARE(runGenerator({QStringLiteral("--first-year"), QStringLiteral("2000"), QStringLiteral("-o"), path,
                               QStringLiteral("--force")})
                     .exitCode,
                 0);
        QCOMPARE(fileHash(path), before);
        QCOMPARE(runGenerator({QStringLiteral("--first-year"), QStringLiteral("2026"), QStringLiteral("-o"), path,
                               QStringLiteral("--force")})
                     .exitCode,
                 0);
        QVERIFY(fileHash(path) != before);
    }

    // An Access file records when it was made: SOURCE_DATE_EPOCH sets that time, so the program
    // writes the same bytes as the library given that time.
    void accessFilesRecordTheGivenCreationTime()
    {
        QTemporaryDir dir;
        using gen::CalendarFormat;
        for (const auto &[format, name] : {std::pair{CalendarFormat::Access97, QStringLiteral("access97")},
                                           std::pair{CalendarFormat::Access2000, QStringLiteral("access2000")}}) {
            const QString program = dir.filePath(name + QStringLiteral(".mdb"));
            const QString library = dir.filePath(name + QStringLiteral("-library.mdb"));
            QCOMPARE(runGenerator({"--first-year", "2000", "--format", name, "-o", program}).exitCode, 0);
            gen::writeCalendarDatabase(m_rows, library.toStdString(), true, format, 1000000000);
            QCOMPARE(fileHash(program), fileHash(library));
        }
    }

    void defaultsAndArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        // Without options: the four years from this year (2001 at the SOURCE_DATE_EPOCH the runs
        // are given), into feastbook.mdb here.
        // clang-format off
        QTest::addRow("defaults")         << QStringList{}                                     << 0 << "(2001-2004)";
        QTest::addRow("help")             << QStringList{"--help"}                             << 0 << "--first-year";
        QTest::addRow("version")          << QStringList{"--version"}                          << 0 << "feastbook-gen";
        QTest::addRow("before Gregorian") << QStringList{"--first-year", "1582"}               << 2 << "1583";
        QTest::addRow("after 4099")       << QStringList{"--first-year", "4100"}               << 2 << "4099";
        QTest::addRow("span past 4099")   << QStringList{"--first-year", "4098", "--years", "3"} << 2 << "4099";
        QTest::addRow("too many days")    << QStringList{"--years", "5"}                       << 2 << "1462";
        QTest::addRow("too few days")     << QStringList{"--years", "0"}                       << 2 << "21";
        QTest::addRow("not a number")     << QStringList{"--years", "4x"}                      << 2 << "whole number";
        QTest::addRow("missing value")    << QStringList{"-o"}                                 << 2 << "needs a value";
        QTest::addRow("unknown")          << QStringList{"--frobnicate"}                       << 2 << "unknown argument";
        QTest::addRow("unknown format")   << QStringList{"--format", "access95"}               << 2 << "access2000";
        // clang-format on
    }
    void defaultsAndArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const Run run = runGenerator(args, dir.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(message), qPrintable(run.out + run.err));
        // Only a run that computes a calendar writes, and only to the default name.
        const QStringList written = args.isEmpty() ? QStringList{"feastbook.mdb"} : QStringList();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), written);
    }

private:
    std::vector<CalendarRow> m_rows;
};

QTEST_MAIN(TestGenerator)
#include "tst_generator.moc"
