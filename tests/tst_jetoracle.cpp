// The Access reader against two independent readers, mdb-export (mdbtools) and mdb-reader
// (npm): every table of the real Access files and of files the tests build must read the same.
//
// How the three outputs are made comparable, field by field:
// - NULL and the empty string are the same (mdb-export prints an empty memo as NULL);
// - Booleans: true/True/TRUE and 1 are 1, false/False/FALSE and 0 are 0;
// - dates: "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" and "YYYY-MM-DD HH:MM:SS.000" are one format;
// - numbers with a fraction or exponent are compared to six significant digits (mdb-export and
//   mdb-reader print a Single as a double); whole numbers exactly;
// - mdb-export cannot print some dates: before 1900 or after 9999 it prints "1900-01-00", and a
//   time that rounds up to midnight as "24:00:00" of the day before; such fields are left to
//   mdb-reader;
// - mdb-reader counts a date before 1899-12-30 straight back (-1.25 days as 1899-12-28 18:00),
//   where Access counts the day back and the time forward (1899-12-29 06:00, as mdb-export and
//   this reader do); such fields are left to mdb-export;
// - columns of types the program does not read are left out of feastbook-dump's output, so
//   only the columns it prints are compared;
// - row order is compared exactly, except in tables with rows that Access moved to another
//   page: both oracles list such a row where it now lies, while a table scan (Access, and this
//   reader) meets it in its own place. There the rows are compared as sorted lists, and
//   tst_jetreader holds the order.
#include "data/jet/JetDatabase.h"
#include "support/AccessCalendar.h"
#include "support/JetSamples.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Csv
{
    QStringList header;
    QList<QStringList> rows; // normalised fields
};

QString normalised(const QString &field, bool quoted)
{
    static const QRegularExpression date(QStringLiteral(R"(^(\d{4}-\d\d-\d\d)(?: (\d\d:\d\d:\d\d)(?:\.0+)?)?$)"));
    static const QRegularExpression number(QStringLiteral(R"(^-?\d+(\.\d+)?([eE][-+]?\d+)?$)"));
    if (field.isEmpty())
        return QString();
    const QString lower = field.toLower();
    if (lower == QLatin1String("true"))
        return QStringLiteral("1");
    if (lower == QLatin1String("false"))
        return QStringLiteral("0");
    if (const auto m = date.match(field); m.hasMatch())
        return m.captured(1) + u' ' + (m.captured(2).isEmpty() ? QStringLiteral("00:00:00") : m.captured(2));
    if (const auto m = number.match(field); m.hasMatch()) {
        if (m.captured(1).isEmpty() && m.captured(2).isEmpty())
            return QString::number(field.toLongLong());
        return QString::number(field.toDouble(), 'g', 6);
    }
    Q_UNUSED(quoted);
    return field;
}

bool isDate(const QString &field)
{
    static const QRegularExpression date(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)"));
    return date.match(field).hasMatch();
}

Csv parse(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool inQuotes = false;
    auto endField = [&] {
        record << (records.isEmpty() ? field : normalised(field, quoted));
        field.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else if (c == u'"')
                inQuotes = false;
            else
                field += c;
        } else if (c == u'"') {
            inQuotes = quoted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\n') {
            endField();
            records << record;
            record.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    Csv csv;
    if (!records.isEmpty())
        csv.header = records.takeFirst();
    csv.rows = records;
    return csv;
}

// Picks out the columns of ours from an oracle's table, in our order.
Csv project(const Csv &theirs, const QStringList &columns)
{
    Csv out;
    out.header = columns;
    QList<int> index;
    for (const QString &c : columns)
        index << int(theirs.header.indexOf(c));
    for (const QStringList &row : theirs.rows) {
        QStringList picked;
        for (int i : index)
            picked << (i >= 0 ? row.value(i) : QStringLiteral("<missing column>"));
        out.rows << picked;
    }
    return out;
}

QByteArray run(const QString &program, const QStringList &arguments, const QString &workingDir = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qWarning().noquote() << program << arguments << "failed:" << process.readAllStandardError();
    return process.readAllStandardOutput();
}

} // namespace

class TestJetOracle : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    bool m_mdbExport = false;
    bool m_mdbReader = false;

    void addCases(const QString &file, bool moved);
    void compare(const QString &who, Csv ours, Csv theirs, bool moved);

private slots:
    void initTestCase();
    void tablesReadAsOtherReadersReadThem_data();
    void tablesReadAsOtherReadersReadThem();
};

void TestJetOracle::initTestCase()
{
    m_mdbExport = !QStandardPaths::findExecutable(QStringLiteral("mdb-export")).isEmpty();
    m_mdbReader = !QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty()
                  && QFile::exists(QStringLiteral(FEASTBOOK_ORACLE_DIR "/node_modules/mdb-reader/package.json"));
    if (!m_mdbExport && !m_mdbReader)
        QSKIP("Neither mdb-export (Debian package mdbtools) nor mdb-reader (npm) is installed: "
              "the Access reader is not compared with an independent reader.");
    if (!m_mdbExport)
        qWarning("mdb-export is not installed (Debian package mdbtools): comparing with mdb-reader only.");
    if (!m_mdbReader)
        qWarning("mdb-reader could not be installed: comparing with mdb-export only.");

    auto save = [this](const QString &name, JetImage image) {
        QFile out(m_dir.filePath(name));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(image.build());
    };
    for (const auto version : {JetImage::Jet3, JetImage::Jet4}) {
        const QString suffix = version == JetImage::Jet3 ? QStringLiteral("97.mdb") : QStringLiteral("2000.mdb");
        save(QStringLiteral("samples") + suffix, JetSamples::image(version));
        JetImage referenced = JetSamples::image(version);
        referenced.setReferenceMaps(true);
        save(QStringLiteral("referenced") + suffix, referenced);
        auto days = TestDatabase::days(QDate(2000, 1, 1), 400);
        for (std::size_t i = 0; i < days.size(); i += 7)
            days[i].ComentariuUniv = days[i].ComentariuUniv.repeated(int(i % 300));
        save(QStringLiteral("calendar") + suffix, AccessCalendar::image(days, version));
    }
}

void TestJetOracle::addCases(const QString &file, bool moved)
{
    const jet::JetDatabase db = jet::JetDatabase::open(QFile::encodeName(file).toStdString());
    for (const jet::TableEntry &table : db.tables())
        if (!table.system)
            QTest::newRow(qPrintable(QFileInfo(file).fileName() + u'/' + QString::fromStdString(table.name)))
                << file << QString::fromStdString(table.name) << moved;
}

void TestJetOracle::tablesReadAsOtherReadersReadThem_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("moved"); // the table holds rows Access moved to other pages

    const QDir fixtures(QStringLiteral(FEASTBOOK_ACCESS_DATA));
    for (const QString &name : fixtures.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
        addCases(fixtures.filePath(name), name.startsWith(QLatin1String("overflowTest")));
    for (const QString &name : QDir(m_dir.path()).entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
        addCases(m_dir.filePath(name), false);
}

void TestJetOracle::compare(const QString &who, Csv ours, Csv theirs, bool moved)
{
    for (const QString &column : ours.header)
        QVERIFY2(theirs.header.contains(column), qPrintable(who + QStringLiteral(" has no column ") + column));
    theirs = project(theirs, ours.header);
    QCOMPARE(ours.rows.size(), theirs.rows.size());
    if (moved) {
        std::sort(ours.rows.begin(), ours.rows.end());
        std::sort(theirs.rows.begin(), theirs.rows.end());
    }
    const bool mdbExport = who == QLatin1String("mdb-export");
    for (qsizetype r = 0; r < ours.rows.size(); ++r)
        for (qsizetype c = 0; c < ours.header.size(); ++c) {
            const QString &field = theirs.rows.at(r).value(c);
            if (mdbExport
                && (field.startsWith(QLatin1String("1900-01-00")) || field.endsWith(QLatin1String(" 24:00:00"))))
                continue;
            if (!mdbExport && isDate(ours.rows.at(r).value(c))
                && ours.rows.at(r).value(c) < QLatin1String("1899-12-30"))
                continue;
            QVERIFY2(ours.rows.at(r).value(c) == field,
                     qPrintable(QStringLiteral("%1, row %2, column %3: ours \"%4\", theirs \"%5\"")
                                    .arg(who)
                                    .arg(r + 1)
                                    .arg(ours.header.at(c), ours.rows.at(r).value(c).left(80),
                                         theirs.rows.at(r).value(c).left(80))));
        }
}

void TestJetOracle::tablesReadAsOtherReadersReadThem()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(bool, moved);
    const Csv ours = parse(run(QStringLiteral(FEASTBOOK_DUMP_PATH), {file, table}));
    QVERIFY(!ours.header.isEmpty());
    if (m_mdbExport) {
        const QString format = QStringLiteral("%Y-%m-%d %H:%M:%S");
        compare(QStringLiteral("mdb-export"), ours,
                parse(run(QStringLiteral("mdb-export"),
                          {QStringLiteral("-b"), QStringLiteral("strip"), QStringLiteral("-D"), format,
                           QStringLiteral("-T"), format, file, table})),
                moved);
    }
    if (m_mdbReader)
        compare(QStringLiteral("mdb-reader"), ours,
                parse(run(QStringLiteral("node"), {QStringLiteral("mdbreader-csv.mjs"), file, table},
                          QStringLiteral(FEASTBOOK_ORACLE_DIR))),
                moved);
}

QTEST_GUILESS_MAIN(TestJetOracle)
#include "tst_jetoracle.moc"
