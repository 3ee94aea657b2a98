// Every table of the real Access files, of the files feastbook-gen's writer makes, and of a
// generated calendar, as three readers print it: the program (feastbook-dump), mdb-export
// (mdbtools) and mdb-reader (npm). Where the test wrote the table, the program must print exactly
// what was written; the independent readers must agree with that, or for the real files with the
// program, field by field. How their outputs are made comparable:
// - mdb-export prints NULL and the empty text alike;
// - Booleans: true/True/1 are one value, false/False/0 another;
// - dates: "YYYY-MM-DD" alone or with " HH:MM:SS" / "THH:MM:SS" and ".000" are one form;
// - numbers with a fraction or exponent agree to six significant digits (the others print a
//   Single as a double); whole numbers exactly;
// - mdb-export prints no date before 1900 or after 9999 ("1900-01-00"), a time that rounds up to
//   midnight as "24:00:00" of the day before, and reads Jet 4 text as UCS-2, without characters
//   past U+FFFF: such fields are left to mdb-reader;
// - mdb-reader counts a date before 1899-12-30 straight back (-1.25 days as 1899-12-28 18:00),
//   where Access counts the day back and the time forward: such fields are left to mdb-export;
// - the program leaves out columns of types it does not read, so only its columns are compared;
//   and it drops a byte order mark that begins a value, as Qt's UTF-8 decoding does;
// - rows Access moved to another page: both oracles list such a row where it now lies, while a
//   table scan (Access, and the program) meets it in its own place. There the rows are compared
//   as sorted lists, and tst_jetreader holds the order.
#include "data/jet/JetDatabase.h"
#include "support/JetSamples.h"
#include "tools/DatabaseWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray run(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        error = program + " failed: " + QString::fromUtf8(process.readAllStandardError());
    return process.readAllStandardOutput();
}

// CSV as the three readers write it: a line of column names, then the rows; a value
// quoted (quotes inside doubled) or bare, NULL an empty field without quotes.
TableText csv(const QByteArray &bytes, const QString &error)
{
    const QString text = QString::fromUtf8(bytes);
    QList<TableRow> records;
    TableRow record;
    QString field;
    bool quoted = false;
    bool inQuotes = false;
    const auto endField = [&] {
        record.append(quoted || !field.isEmpty() ? Cell(field) : std::nullopt);
        field.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes && c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
            field += text.at(++i);
        else if (c == u'"') {
            inQuotes = !inQuotes;
            quoted = true;
        } else if (inQuotes || (c != u',' && c != u'\n' && c != u'\r'))
            field += c;
        else if (c == u',')
            endField();
        else if (c == u'\n') {
            endField();
            records.append(record);
            record.clear();
        }
    }
    TableText t{{}, records, error};
    if (!t.rows.isEmpty())
        for (const Cell &name : t.rows.takeFirst())
            t.columns.append(name.value_or(QString()));
    return t;
}

// What a reader prints of a table: the program (feastbook-dump), mdb-export or mdb-reader.
TableText read(const QString &who, const QString &file, const QString &table)
{
    const QString iso = QStringLiteral("%Y-%m-%d %H:%M:%S");
    QString error;
    QByteArray out;
    if (who == QLatin1String("mdb-export"))
        out = run(who, {"-b", "strip", "-D", iso, "-T", iso, file, table}, error);
    else if (who == QLatin1String("mdb-reader"))
        out = run(QStringLiteral("node"), {QStringLiteral(FEASTBOOK_ORACLE_DIR "/mdb-reader-dump.mjs"), file, table},
                  error);
    else
        out = run(QStringLiteral(FEASTBOOK_DUMP_PATH), {file, table}, error);
    return csv(out, error);
}

// One form for the values that the readers print in forms of their own.
Cell comparable(const Cell &value, bool emptyIsNull)
{
    static const QRegularExpression date(QStringLiteral(R"(^(\d{4}-\d\d-\d\d)(?:[ T](\d\d:\d\d:\d\d)(?:\.0+)?)?$)"));
    static const QRegularExpression number(QStringLiteral(R"(^-?\d+(\.\d+)?([eE][-+]?\d+)?$)"));
    if (!value || (emptyIsNull && value->isEmpty()))
        return std::nullopt;
    const QString lower = value->toLower();
    if (lower == QLatin1String("true"))
        return QStringLiteral("1");
    if (lower == QLatin1String("false"))
        return QStringLiteral("0");
    if (const auto m = date.match(*value); m.hasMatch())
        return m.captured(1) + u' ' + (m.captured(2).isEmpty() ? QStringLiteral("00:00:00") : m.captured(2));
    if (const auto m = number.match(*value); m.hasMatch())
        return m.captured(1).isEmpty() && m.captured(2).isEmpty() ? QString::number(value->toLongLong())
                                                                  : QString::number(value->toDouble(), 'g', 6);
    return value;
}

// A field an oracle cannot print (see the head of this file).
bool blind(const QString &who, const Cell &ours, const Cell &theirs)
{
    static const QRegularExpression astral(QStringLiteral("[\\x{10000}-\\x{10FFFF}]"));
    if (who == QLatin1String("mdb-export"))
        return (ours && astral.match(*ours).hasMatch())
               || (theirs
                   && (theirs->startsWith(QLatin1String("1900-01-00")) || theirs->endsWith(QLatin1String("24:00:00"))));
    const Cell day = comparable(ours, false);
    static const QRegularExpression date(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)"));
    return day && date.match(*day).hasMatch() && *day < QLatin1String("1899-12-30");
}

Cell withoutMark(const Cell &c)
{
    return c && c->startsWith(QChar(0xFEFF)) ? Cell(c->mid(1)) : c;
}

QString shown(const Cell &c)
{
    return c ? '"' + (c->size() > 80 ? c->left(80) + "..." : *c) + '"' : QStringLiteral("NULL");
}

// The first difference of a reader's print from the reference, or "". The program's print must
// equal the values written to the letter; an oracle's, the reference as comparable() has it.
QString difference(const QString &who, const TableText &reference, TableText theirs, bool moved)
{
    if (!theirs.error.isEmpty())
        return theirs.error;
    const bool exact = who == QLatin1String("feastbook-dump");
    QList<TableRow> rows;
    for (const TableRow &row : theirs.rows) {
        TableRow picked;
        for (const QString &column : reference.columns)
            picked.append(row.value(theirs.columns.indexOf(column), QStringLiteral("<no column %1>").arg(column)));
        rows.append(picked);
    }
    if (rows.size() != reference.rows.size())
        return QStringLiteral("%1 rows, %2 expected").arg(rows.size()).arg(reference.rows.size());
    QList<TableRow> expected = reference.rows;
    if (moved) {
        std::sort(rows.begin(), rows.end());
        std::sort(expected.begin(), expected.end());
    }
    const bool emptyIsNull = who == QLatin1String("mdb-export");
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < reference.columns.size(); ++c) {
            const Cell &ours = expected[r].value(c);
            const Cell &their = rows[r].value(c);
            const bool same =
                exact ? withoutMark(ours) == their
                      : blind(who, ours, their) || comparable(ours, emptyIsNull) == comparable(their, emptyIsNull);
            if (!same)
                return QStringLiteral("row %1, %2: %3, expected %4")
                    .arg(r + 1)
                    .arg(reference.columns[c], shown(their), shown(ours));
        }
    return {};
}

// The tables of a file the program finds, system tables left out.
QStringList userTables(const QString &file)
{
    const jet::JetDatabase db = jet::JetDatabase::open(QFile::encodeName(file).toStdString());
    QStringList names;
    for (const jet::TableEntry &table : db.tables())
        if (!table.system)
            names << QString::fromStdString(table.name);
    return names;
}

void save(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestJetOracle : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_oracles;              // the independent readers at hand
    QMap<QString, TableText> m_written; // "file/table" -> what the test wrote there

private slots:
    void initTestCase()
    {
        if (!QStandardPaths::findExecutable(QStringLiteral("mdb-export")).isEmpty())
            m_oracles << QStringLiteral("mdb-export");
        else
            qWarning("mdb-export (Debian package mdbtools) is not installed: Access files are not compared with it.");
        if (!QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty()
            && QFile::exists(QStringLiteral(FEASTBOOK_ORACLE_DIR "/node_modules/mdb-reader/package.json")))
            m_oracles << QStringLiteral("mdb-reader");
        else
            qWarning("mdb-reader (npm) could not be installed: Access files are not compared with it.");

        using gen::jet::JetVersion;
        for (const auto &[version, name] : {std::pair{JetVersion::Jet3, "97"}, std::pair{JetVersion::Jet4, "2000"}}) {
            const QString file = m_dir.filePath(QStringLiteral("samples%1.mdb").arg(name));
            const auto samples = JetSamples::tables(version);
            save(file, JetSamples::file(version, samples));
            for (const JetSamples::Sample &s : samples)
                m_written.insert(file + u'/' + QString::fromStdString(s.table.name), s.expected);
        }

        // The generated calendar: its Access files must read as the SQLite file does.
        using gen::CalendarFormat;
        const auto rows = gen::buildCalendarRows(2000, 4);
        const QString sqlite = m_dir.filePath(QStringLiteral("calendar.sqlite"));
        gen::writeCalendarDatabase(rows, sqlite.toStdString(), true);
        const TableText calendar = read(QStringLiteral("feastbook-dump"), sqlite, QStringLiteral("calendarComplet"));
        QCOMPARE(calendar.rows.size(), 1461);
        for (const auto &[format, name] :
             {std::pair{CalendarFormat::Access97, "97"}, std::pair{CalendarFormat::Access2000, "2000"}}) {
            const QString file = m_dir.filePath(QStringLiteral("calendar%1.mdb").arg(name));
            gen::writeCalendarDatabase(rows, file.toStdString(), true, format, 1000000000);
            m_written.insert(file + QStringLiteral("/calendarComplet"), calendar);
        }
    }

    void tablesReadAsOtherReadersReadThem_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("moved"); // the table holds rows Access moved to other pages

        const QDir fixtures(QStringLiteral(FEASTBOOK_ACCESS_DATA));
        for (const QString &name : fixtures.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
            for (const QString &table : userTables(fixtures.filePath(name)))
                QTest::newRow(qPrintable(name + u'/' + table))
                    << fixtures.filePath(name) << table << name.startsWith(QLatin1String("overflowTest"));
        for (const QString &written : m_written.keys())
            QTest::newRow(qPrintable(QFileInfo(written).dir().dirName() + u'/' + QFileInfo(written).fileName()))
                << QFileInfo(written).path() << QFileInfo(written).fileName() << false;
    }

    void tablesReadAsOtherReadersReadThem()
    {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(bool, moved);
        const TableText ours = read(QStringLiteral("feastbook-dump"), file, table);
        QVERIFY2(ours.error.isEmpty() && !ours.columns.isEmpty(), qPrintable(ours.error));
        const auto written = m_written.constFind(file + u'/' + table);
        if (written != m_written.cend()) {
            QCOMPARE(ours.columns, written->columns);
            const QString d = difference(QStringLiteral("feastbook-dump"), *written, ours, false);
            QVERIFY2(d.isEmpty(), qPrintable(d));
        } else if (m_oracles.isEmpty()) {
            QSKIP("Neither mdb-export (mdbtools) nor mdb-reader (npm) is available: real Access files are not checked");
        }
        for (const QString &who : m_oracles) {
            const QString d =
                difference(who, written != m_written.cend() ? *written : ours, read(who, file, table), moved);
            QVERIFY2(d.isEmpty(), qPrintable(who + ": " + d));
        }
    }

    // The real files' tables compared above are those the program finds: mdbtools must list the
    // same ones (no system table, no stored query) in every file, written ones too, and see the
    // types the writer chose for the calendar: Text where every value fits 255 characters, Memo
    // where one does not.
    void everyReaderListsTheSameTables()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("mdb-tables")).isEmpty())
            QSKIP("mdbtools is not installed");
        QStringList files;
        const QDir fixtures(QStringLiteral(FEASTBOOK_ACCESS_DATA));
        for (const QString &name : fixtures.entryList({QStringLiteral("*.mdb")}, QDir::Files))
            files << fixtures.filePath(name);
        for (const QString &name : QDir(m_dir.path()).entryList({QStringLiteral("*.mdb")}, QDir::Files))
            files << m_dir.filePath(name);
        QString error;
        for (const QString &file : files)
            QCOMPARE(QString::fromUtf8(run(QStringLiteral("mdb-tables"), {"-1", file}, error))
                         .split(u'\n', Qt::SkipEmptyParts),
                     userTables(file));
        const QString schema =
            QString::fromUtf8(run(QStringLiteral("mdb-schema"), {m_dir.filePath("calendar97.mdb")}, error));
        for (const char *column : {"\\[ID\\]\\s+Long Integer,", "\\[Data\\]\\s+DateTime,",
                                   "\\[ToolTipUniv\\]\\s+Text \\(255\\),", "\\[ComentariuSUA\\]\\s+Memo"})
            QVERIFY2(schema.contains(QRegularExpression(QString::fromLatin1(column))), qPrintable(schema));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestJetOracle)
#include "tst_jetoracle.moc"
