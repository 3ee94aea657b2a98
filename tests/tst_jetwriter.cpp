#include "tools/CalendarJetFile.h"
#include "tools/CalendarRows.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/JetText.h"
#include "tools/jet/JetWriter.h"

#include <QtTest>

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace jet = gen::jet;
using jet::ColumnType;
using jet::JetVersion;

Q_DECLARE_METATYPE(jet::JetVersion)

namespace {

// A table as a reader prints it: every value as text, or no value for NULL.
using Cell = std::optional<QString>;
using Row = QList<Cell>;
struct TableText
{
    QStringList columns;
    QList<Row> rows;
    QString error;
};

// CSV as mdb-export writes it: texts quoted (quotes inside doubled), numbers bare, NULL an empty
// unquoted field.
QList<Row> parseCsv(const QString &text)
{
    QList<Row> rows;
    Row row;
    QString field;
    bool quoted = false;
    bool inQuotes = false;
    const auto endField = [&] {
        row.append(quoted || !field.isEmpty() ? Cell(field) : std::nullopt);
        field.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
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
            rows.append(row);
            row.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

class Oracles
{
public:
    Oracles()
        : m_mdbExport(QStandardPaths::findExecutable(QStringLiteral("mdb-export"))),
          m_node(QStandardPaths::findExecutable(QStringLiteral("node"))),
          m_script(QStringLiteral(FEASTBOOK_ORACLE_DIR "/mdb-reader-dump.mjs"))
    {}

    bool haveMdbExport() const { return !m_mdbExport.isEmpty(); }
    bool haveMdbReader() const
    {
        return !m_node.isEmpty()
               && QFile::exists(QStringLiteral(FEASTBOOK_ORACLE_DIR "/node_modules/mdb-reader/package.json"));
    }

    TableText mdbExport(const QString &file, const QString &table) const
    {
        const QString iso = QStringLiteral("%Y-%m-%dT%H:%M:%S");
        QString error;
        const QByteArray out = run(m_mdbExport, {"-D", iso, "-T", iso, file, table}, error);
        TableText t{{}, parseCsv(QString::fromUtf8(out)), error};
        if (!t.rows.isEmpty()) {
            for (const Cell &c : t.rows.takeFirst())
                t.columns.append(c.value_or(QString()));
        }
        return t;
    }

    // What another mdbtools program prints, or nothing when it fails.
    QString mdbTool(const QString &name, const QStringList &args) const
    {
        QString error;
        const QByteArray out = run(QFileInfo(m_mdbExport).dir().filePath(name), args, error);
        return error.isEmpty() ? QString::fromUtf8(out) : QString();
    }

    TableText mdbReader(const QString &file, const QString &table) const
    {
        TableText t;
        const QByteArray out = run(m_node, {m_script, file, table}, t.error);
        const QJsonObject json = QJsonDocument::fromJson(out).object();
        for (const QJsonValue &c : json.value(QStringLiteral("columns")).toArray())
            t.columns.append(c.toString());
        for (const QJsonValue &r : json.value(QStringLiteral("rows")).toArray()) {
            Row row;
            for (const QJsonValue &v : r.toArray())
                row.append(v.isNull() ? std::nullopt : Cell(v.toString()));
            t.rows.append(row);
        }
        return t;
    }

private:
    static QByteArray run(const QString &program, const QStringList &args, QString &error)
    {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            error = program + " failed: " + QString::fromUtf8(p.readAllStandardError());
        return p.readAllStandardOutput();
    }

    QString m_mdbExport;
    QString m_node;
    QString m_script;
};

QString show(const Cell &c)
{
    return c ? '"' + (c->size() > 80 ? c->left(80) + "..." : *c) + '"' : QStringLiteral("NULL");
}

// The first difference between what a reader printed and what was written, or nothing; values
// the reader cannot print are not compared.
QString difference(const QString &reader, const TableText &got, const QStringList &columns, const QList<Row> &expected,
                   const std::function<bool(const Cell &)> &unprintable = {})
{
    if (!got.error.isEmpty())
        return reader + ": " + got.error;
    if (got.columns != columns)
        return reader + ": columns " + got.columns.join(',');
    if (got.rows.size() != expected.size())
        return reader + QStringLiteral(": %1 rows, %2 written").arg(got.rows.size()).arg(expected.size());
    for (qsizetype r = 0; r < expected.size(); ++r)
        for (qsizetype c = 0; c < columns.size(); ++c)
            if (got.rows[r].value(c) != expected[r].value(c) && !(unprintable && unprintable(expected[r].value(c))))
                return reader
                       + QStringLiteral(": row %1, %2: read %3, written %4")
                             .arg(r + 1)
                             .arg(columns[c], show(got.rows[r].value(c)), show(expected[r].value(c)));
    return {};
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const jet::Bytes &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    return path;
}

// Text of n characters in which no stretch repeats, so a long value read with its pieces in the
// wrong order, doubled or cut, never equals the original.
std::string numbered(std::size_t n, const std::string &mark = {})
{
    std::string s = mark;
    for (int i = 0; s.size() < n; ++i) {
        s += '[';
        s += std::to_string(i);
        s += ']';
    }
    // Cut at a character boundary of the (UTF-8) mark.
    while (s.size() > n || (s.size() > 0 && (static_cast<unsigned char>(s[s.size() - 1]) & 0xC0) == 0xC0))
        s.pop_back();
    return s;
}

std::string repeated(std::size_t n, const std::string &character)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += character;
    return s;
}

// The text as written, a leading byte order mark included (QString::fromUtf8 drops it).
Cell text(const std::string &s)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return QString(utf8(QByteArray::fromStdString(s)));
}

// A table written both as Jet values and as what a reader should print for them.
struct Sample
{
    jet::Table table;
    QStringList columns;
    QList<Row> expected;

    void add(std::vector<jet::Value> values, Row printed)
    {
        table.rows.push_back(std::move(values));
        expected.append(std::move(printed));
    }
};

Sample sample(const std::string &name, std::vector<jet::Column> columns)
{
    Sample s{{name, columns, {}, false}, {}, {}};
    for (const jet::Column &c : columns)
        s.columns.append(QString::fromStdString(c.name));
    return s;
}

// The characters a memo must have to take the given bytes once stored: Jet 3 stores a byte a
// character; Jet 4 two bytes a character past the length Access compresses.
std::size_t memoCharacters(JetVersion v, std::size_t bytes)
{
    return v == JetVersion::Jet3 ? bytes : bytes / 2;
}

// Values that test the edges of the format: empty and NULL values, full-length and non-ASCII
// texts, long values inline, on one page, exactly filling chain links and spanning several.
Sample hostileValues(JetVersion v)
{
    Sample s = sample("Hostile", {{"ID", ColumnType::Long},
                                  {"Day", ColumnType::DateTime},
                                  {"Short", ColumnType::Text},
                                  {"Note", ColumnType::Memo},
                                  {"Small", ColumnType::Integer}});
    const bool jet3 = v == JetVersion::Jet3;
    std::int32_t id = 0;
    const auto add = [&](jet::Value day, Cell dayText, const std::string &shortText, Cell shortPrinted,
                         const std::string &note, std::int32_t small) {
        ++id;
        s.add({id, day, shortText, note, small},
              {QString::number(id), dayText, shortPrinted, text(note), QString::number(small)});
    };
    add(0.0, "1899-12-30T00:00:00", "", text(""), "", 0);
    ++id;
    s.add({id, {}, {}, {}, {}}, {QString::number(id), {}, {}, {}, {}});
    add(-115780.0, "1583-01-01T00:00:00", repeated(255, "x"), text(repeated(255, "x")), numbered(64), -32768);
    add(37986.75, "2003-12-31T18:00:00", repeated(255, "é"), text(repeated(255, "é")), numbered(65), 32767);
    add(36526.0, "2000-01-01T00:00:00", repeated(255, "€"), text(repeated(255, "€")), numbered(2000, "Thérèse "), 1);
    const std::string saint = "Saint Thérèse – 5 € Ω 🙏";
    add(36527.5, "2000-01-02T12:00:00", saint, text(jet3 ? "Saint Thérèse – 5 € ? ?" : saint), "\xEF\xBB\xBF" + saint,
        2);
    if (jet3) // characters cp1252 lacks are written as "?", in a memo as in a text
        s.expected.back()[3] = QStringLiteral("?Saint Thérèse – 5 € ? ?");
    add(36528.0, "2000-01-03T00:00:00",
        "\xEF\xBB\xBF"
        "BOM",
        text(jet3 ? "?BOM"
                  : "\xEF\xBB\xBF"
                    "BOM"),
        "", 3);
    const jet::JetFormat &f = jet::formatOf(v);
    const std::size_t onePage = f.pageSize - f.dataPageHeaderSize() - 2;
    const std::size_t link = onePage - 4;
    for (std::size_t bytes : {onePage, onePage + 2, 2 * link, 2 * link + 2, 5 * link + 10})
        add(36529.0, "2000-01-04T00:00:00", "long", text("long"), numbered(memoCharacters(v, bytes)), 4);
    return s;
}

// Rows whose variable columns end on either side of the 256- and 512-byte marks, so that every
// shape of the Jet 3 jump table occurs: no entry, a placeholder, a column or the end of the data
// first past a mark, two marks.
Sample rowWidths()
{
    Sample s =
        sample("Widths",
               {{"ID", ColumnType::Long}, {"A", ColumnType::Text}, {"B", ColumnType::Text}, {"C", ColumnType::Text}});
    std::int32_t id = 0;
    const auto add = [&](std::size_t a, std::size_t b, std::size_t c) {
        const std::string ta = numbered(a, "a"), tb = numbered(b, "b"), tc = numbered(c, "c");
        ++id;
        s.add({id, ta, tb, tc}, {QString::number(id), text(ta), text(tb), text(tc)});
    };
    for (std::size_t b = 30; b <= 65; ++b)
        add(200, b, 0);
    for (std::size_t b = 0; b <= 20; ++b)
        add(250, b, 240);
    for (std::size_t c = 30; c <= 75; ++c)
        add(200, 250, c);
    add(10, 255, 255);
    return s;
}

// So many rows that the table's pages reach past what an inline usage map covers.
Sample manyRows(std::size_t count)
{
    Sample s = sample("Many", {{"ID", ColumnType::Long}, {"A", ColumnType::Text}, {"B", ColumnType::Text}});
    const std::string wide = repeated(250, "€");
    for (std::size_t i = 1; i <= count; ++i) {
        const std::string a = std::to_string(i) + wide;
        s.add({std::int32_t(i), a, wide}, {QString::number(i), text(a), text(wide)});
    }
    return s;
}

// The first byte of a table's usage map of data pages: 0 inline, 1 reference pages.
int dataMapType(const jet::Bytes &file, JetVersion v, std::uint32_t definitionPage)
{
    const jet::JetFormat &f = jet::formatOf(v);
    const auto get = [&](std::size_t at, int size) {
        std::uint32_t n = 0;
        for (int i = size - 1; i >= 0; --i)
            n = n << 8 | file.at(at + i);
        return n;
    };
    const std::uint32_t where = get(definitionPage * f.pageSize + f.tdefColumnsOffset - 8, 4);
    const std::size_t page = (where >> 8) * f.pageSize;
    return file.at(page + get(page + f.rowCountOffset + 2 + 2 * (where & 0xFF), 2));
}

QList<Row> sqliteCalendar(const QString &path, QStringList &columns)
{
    QList<Row> rows;
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM calendarComplet ORDER BY rowid", -1, &s, nullptr);
    for (int c = 0; c < sqlite3_column_count(s); ++c)
        columns.append(QString::fromUtf8(sqlite3_column_name(s, c)));
    while (sqlite3_step(s) == SQLITE_ROW) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(s); ++c)
            row.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, c))));
        // The same day as a date: the SQLite calendar writes it without the time of day.
        const QDateTime day = QDateTime::fromString(*row[1], Qt::ISODate);
        row[1] = day.isValid() ? day.toString(Qt::ISODate)
                               : QDate::fromString(*row[1], Qt::ISODate).startOfDay().toString(Qt::ISODate);
        rows.append(row);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return rows;
}

int runGenerator(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1000000000"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(FEASTBOOK_GEN_PATH), args);
    p.waitForFinished(120000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class TestJetWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (m_oracles.haveMdbExport() != m_oracles.haveMdbReader())
            qWarning("%s is not available: Access files are checked with %s alone",
                     m_oracles.haveMdbExport() ? "mdb-reader (npm)" : "mdb-export (mdbtools)",
                     m_oracles.haveMdbExport() ? "mdb-export" : "mdb-reader");
    }

    void generatedCalendarReadsAsTheSqliteOne_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addRow("Access 97") << "access97";
        QTest::addRow("Access 2000") << "access2000";
    }
    void generatedCalendarReadsAsTheSqliteOne()
    {
        QFETCH(QString, format);
        requireOracle();
        const QString sqlite = m_dir.filePath(QStringLiteral("calendar.sqlite"));
        if (!QFile::exists(sqlite))
            QCOMPARE(runGenerator({"-o", sqlite}), 0);
        QStringList columns;
        const QList<Row> expected = sqliteCalendar(sqlite, columns);
        QCOMPARE(expected.size(), 1461);

        const QString mdb = m_dir.filePath(format + ".mdb");
        QCOMPARE(runGenerator({"--format", format, "-o", mdb}), 0);
        checkWithOracles(mdb, QStringLiteral("calendarComplet"), columns, expected);
        if (m_oracles.haveMdbExport()) {
            QCOMPARE(m_oracles.mdbTool("mdb-tables", {"-1", mdb}), QStringLiteral("calendarComplet\n"));
            const QString schema = m_oracles.mdbTool("mdb-schema", {mdb});
            for (const char *column : {"\\[ID\\]\\s+Long Integer", "\\[Data\\]\\s+DateTime",
                                       "\\[ToolTipUniv\\]\\s+Text \\(255\\)", "\\[ComentariuSUA\\]\\s+Memo"})
                QVERIFY2(schema.contains(QRegularExpression(column)), qPrintable(schema));
        }

        // The same calendar and creation time give the same bytes; an existing file is kept
        // without --force.
        const QByteArray before = fileHash(mdb);
        QCOMPARE(runGenerator({"--format", format, "-o", mdb}), 1);
        QCOMPARE(runGenerator({"--format", format, "-o", mdb, "--force"}), 0);
        QCOMPARE(fileHash(mdb), before);
    }

    void edgeValuesRoundTrip_data() { versions(); }
    void edgeValuesRoundTrip()
    {
        QFETCH(JetVersion, version);
        requireOracle();
        const std::vector<Sample> samples{hostileValues(version), rowWidths()};
        std::vector<jet::Table> tables;
        for (const Sample &s : samples)
            tables.push_back(s.table);
        const QString path = writeFile(m_dir, QStringLiteral("edges%1.mdb").arg(int(version)),
                                       jet::writeJetDatabase(version, tables, 36526.5));
        for (const Sample &s : samples)
            checkWithOracles(path, QString::fromStdString(s.table.name), s.columns, s.expected);
    }

    void wideTablesUseReferenceUsageMaps_data() { versions(); }
    void wideTablesUseReferenceUsageMaps()
    {
        QFETCH(JetVersion, version);
        requireOracle();
        const Sample many = manyRows(3300);
        jet::Table tiny{"Tiny", {{"ID", ColumnType::Long}}, {}, false};
        for (std::int32_t i = 1; i <= 700; ++i)
            tiny.rows.push_back({i});
        const jet::Bytes bytes = jet::writeJetDatabase(version, {many.table, tiny}, 36526.5);
        QCOMPARE(dataMapType(bytes, version, 3), 1);
        QCOMPARE(dataMapType(bytes, version, 4), 0);
        const QString path = writeFile(m_dir, QStringLiteral("wide%1.mdb").arg(int(version)), bytes);
        checkWithOracles(path, QStringLiteral("Many"), many.columns, many.expected);
        QList<Row> ids;
        for (std::int32_t i = 1; i <= 700; ++i)
            ids.append({QString::number(i)});
        checkWithOracles(path, QStringLiteral("Tiny"), {"ID"}, ids);
    }

    void valuesThatDoNotFitAreRefused_data()
    {
        QTest::addColumn<JetVersion>("version");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString long256 = QString(256, u'x');
        QTest::addRow("Text of 256 characters") << JetVersion::Jet3 << 2 << long256 << "255 characters";
        // "🙏" is two UTF-16 units: 128 of them do not fit Jet 4's 255.
        QTest::addRow("Text of 256 UTF-16 units")
            << JetVersion::Jet4 << 2 << QString(QStringLiteral("🙏")).repeated(128) << "255 characters";
        QTest::addRow("Integer above 32767") << JetVersion::Jet3 << 1 << "32768"
                                             << "Integer";
        QTest::addRow("text for a number") << JetVersion::Jet4 << 0 << "text"
                                           << "wrong kind";
        QTest::addRow("row longer than a page") << JetVersion::Jet3 << -1 << QString(255, u'x') << "at most 2012";
    }
    void valuesThatDoNotFitAreRefused()
    {
        QFETCH(JetVersion, version);
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(QString, message);
        jet::Table t{"T", {{"ID", ColumnType::Long}, {"Small", ColumnType::Integer}}, {}, false};
        for (int i = 0; i < 9; ++i)
            t.columns.push_back({"Text" + std::to_string(i), ColumnType::Text});
        std::vector<jet::Value> row{1, 1};
        for (int i = 0; i < 9; ++i)
            row.push_back(std::string(column < 0 ? value.toStdString() : "x"));
        if (column == 0)
            row[0] = value.toStdString();
        else if (column == 1)
            row[1] = value.toInt();
        else if (column == 2)
            row[2] = value.toStdString();
        t.rows.push_back(row);
        try {
            jet::writeJetDatabase(version, {t}, 0);
            QFAIL("written");
        } catch (const std::exception &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(message), e.what());
        }
    }

    void textEncoding_data()
    {
        QTest::addColumn<JetVersion>("version");
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("stored");
        QTest::addRow("cp1252 euro") << JetVersion::Jet3 << QByteArray("5 €") << QByteArray::fromHex("352080");
        QTest::addRow("outside cp1252") << JetVersion::Jet3 << QByteArray("Ω🙏") << QByteArray("??");
        QTest::addRow("C1 control") << JetVersion::Jet3 << QByteArray("\xC2\x81") << QByteArray("?");
        QTest::addRow("malformed UTF-8") << JetVersion::Jet3 << QByteArray("\xC3(\xE2\x82") << QByteArray("?(??");
        QTest::addRow("compressed") << JetVersion::Jet4 << QByteArray("abé") << QByteArray::fromHex("fffe6162e9");
        QTest::addRow("too short to gain") << JetVersion::Jet4 << QByteArray("ab") << QByteArray::fromHex("61006200");
        QTest::addRow("not one byte each")
            << JetVersion::Jet4 << QByteArray("a€a") << QByteArray::fromHex("6100ac206100");
        QTest::addRow("past U+FFFF") << JetVersion::Jet4 << QByteArray("🙏") << QByteArray::fromHex("3dd84fde");
        // Plain UTF-16 of U+FEFF would begin with the compression marker.
        QTest::addRow("byte order mark") << JetVersion::Jet4 << QByteArray("\xEF\xBB\xBF")
                                         << QByteArray::fromHex("fffe00fffe");
    }
    void textEncoding()
    {
        QFETCH(JetVersion, version);
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, stored);
        const jet::Bytes b = jet::encodeText(version, utf8.toStdString(), true);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())).toHex(), stored.toHex());
    }

    void datesAsAccessStoresThem()
    {
        using gen::jetDate;
        QCOMPARE(jetDate("1899-12-30"), 0.0);
        QCOMPARE(jetDate("2000-01-01"), 36526.0);
        QCOMPARE(jetDate("2003-12-31 18:00:00"), 37986.75);
        // Before day 0 the time of day still counts away from zero.
        QCOMPARE(jetDate("1899-12-29 06:00:00"), -1.25);
        QCOMPARE(jetDate("1583-01-01"), -115780.0);
        for (const char *bad : {"2001-02-29", "2000-13-01", "2000-01-01T00:00:00", "2000-1-01", "2000-01-01 24:00:00",
                                " 2000-01-01", "0099-12-31", "2000-01-+1", ""})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, jetDate(bad));
    }

private:
    static void versions()
    {
        QTest::addColumn<JetVersion>("version");
        QTest::addRow("Jet 3") << JetVersion::Jet3;
        QTest::addRow("Jet 4") << JetVersion::Jet4;
    }

    void requireOracle()
    {
        if (!m_oracles.haveMdbExport() && !m_oracles.haveMdbReader())
            QSKIP("Neither mdb-export (mdbtools) nor mdb-reader (npm) is available: Access files are not checked");
    }

    void checkWithOracles(const QString &file, const QString &table, const QStringList &columns,
                          const QList<Row> &expected)
    {
        if (m_oracles.haveMdbExport()) {
            // mdb-export prints an empty text as it prints NULL: nothing.
            QList<Row> printed = expected;
            for (Row &row : printed)
                for (Cell &c : row)
                    if (c && c->isEmpty())
                        c.reset();
            // mdbtools 1.0 prints no date before 1900, and reads Jet 4 text as UCS-2, without the
            // characters past U+FFFF that UTF-16 surrogate pairs carry.
            static const QRegularExpression unprintable(
                QStringLiteral("^1[0-8]\\d\\d-\\d\\d-\\d\\dT|[\\x{10000}-\\x{10FFFF}]"));
            const auto blind = [](const Cell &c) { return c && unprintable.match(*c).hasMatch(); };
            const QString d = difference("mdb-export", m_oracles.mdbExport(file, table), columns, printed, blind);
            QVERIFY2(d.isEmpty(), qPrintable(table + ": " + d));
        }
        if (m_oracles.haveMdbReader()) {
            const QString d = difference("mdb-reader", m_oracles.mdbReader(file, table), columns, expected);
            QVERIFY2(d.isEmpty(), qPrintable(table + ": " + d));
        }
    }

    QTemporaryDir m_dir;
    Oracles m_oracles;
};

QTEST_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
