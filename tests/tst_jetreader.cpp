// The Access reader: real files written by Access, the cursor's rules shared with the SQLite
// store, text and dates. tst_jetoracle compares every value of every table it reads, of real
// files and of files feastbook-gen's writer makes, with two independent readers.
#include "data/CalendarDatabase.h"
#include "data/DataError.h"
#include "data/jet/JetDatabase.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"
#include "data/jet/LongValue.h"
#include "data/jet/Text.h"
#include "support/AccessCalendar.h"
#include "support/DayRecord.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(JetImage::Version)

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(FEASTBOOK_ACCESS_DATA "/") + name;
}

// The message of the DataError a call throws, or "" when it throws none.
template <typename F> QString errorOf(F &&call)
{
    try {
        call();
    } catch (const DataError &e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

} // namespace

class TestJetReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void catalogListsTablesByNameInAnyCase()
    {
        const jet::JetDatabase queries =
            jet::JetDatabase::open(fixture(QStringLiteral("queryTestV1997.mdb")).toStdString());
        // Which tables it lists, stored queries left out, tst_jetoracle compares with mdb-tables.
        QVERIFY(queries.find("msysobjects") && queries.find("msysobjects")->system);

        const auto db = CalendarDatabase::open(fixture(QStringLiteral("testV1997.mdb")));
        QCOMPARE(db->openTable(QStringLiteral("tABLE1"))->text(QStringLiteral("a")), QStringLiteral("a"));
        const QString missing = errorOf([&] { db->openTable(QStringLiteral("calendarComplet")); });
        QVERIFY2(missing.contains(QLatin1String("testV1997.mdb holds no usable table calendarComplet")),
                 qPrintable(missing));

        const auto empty = CalendarDatabase::open(fixture(QStringLiteral("empty.mdb")));
        QVERIFY_THROWS_EXCEPTION(DatabaseUnusable, empty->openTable(QStringLiteral("calendarComplet")));
    }

    // Access moves a row that grows past its page's room and leaves a pointer in its place; a
    // table scan meets the row at the pointer, so the rows stay in the order they were added.
    void movedRowsKeepTheirPlace()
    {
        for (const char *file : {"overflowTestV1997.mdb", "overflowTestV2000.mdb", "overflowTestV2003.mdb"}) {
            const auto rs = CalendarDatabase::open(fixture(QLatin1String(file)))->openTable(QStringLiteral("Table1"));
            QStringList rows;
            for (; !rs->isEOF(); rs->MoveNext())
                rows << (rs->isNull(QStringLiteral("data1")) ? rs->text(QStringLiteral("data3"))
                                                             : rs->text(QStringLiteral("data1")));
            QCOMPARE(rows,
                     (QStringList{"row1col1", "row2col1", "row3col3", "row4col1", "row5col2", "row6col2", "row7col1"}));
        }
    }

    // The catalog's property blobs (OLE values, so read here as raw bytes) are kept in the row, on
    // one long-value page and on chains of them; each begins with its format's mark. The wide
    // tables' definitions run over two pages.
    void realLongValuesInEveryStorage()
    {
        QSet<int> storages;
        for (const char *name : {"test2V1997.mdb", "delTestV2000.mdb", "queryTestV1997.mdb"}) {
            const jet::JetDatabase db = jet::JetDatabase::open(fixture(QLatin1String(name)).toStdString());
            const jet::JetTable catalog = db.openTable(*db.find("MSysObjects"));
            const jet::Column &property = catalog.columns().at(std::size_t(catalog.columnIndex("LvProp")));
            const QByteArray mark = db.file().isJet4() ? QByteArray("MR2\0", 4) : QByteArray("KKD\0", 4);
            for (std::size_t r = 0; r < catalog.rowCount(); ++r) {
                const jet::RowLayout row = catalog.layout(r);
                if (row.isNull(property))
                    continue;
                const jet::Bytes field = row.field(property);
                const std::vector<std::uint8_t> blob = jet::longValue::read(db.file(), field);
                QCOMPARE(blob.size(), std::size_t(field.u32(0) & 0x3FFFFFFF));
                QCOMPARE(QByteArray(reinterpret_cast<const char *>(blob.data()), 4), mark);
                storages.insert(int(field.u32(0) >> 30));
            }
        }
        QCOMPARE(storages, (QSet<int>{0, 1, 2})); // a chain, one page, in the row

        const jet::JetDatabase wide = jet::JetDatabase::open(fixture(QStringLiteral("testV1997.mdb")).toStdString());
        const jet::JetTable table2 = wide.openTable(*wide.find("Table2"));
        QCOMPARE(table2.columns().size(), std::size_t(89));
        QCOMPARE(table2.columns().back().name, std::string("column89"));
    }

    void storesCannotBeToldApart_data()
    {
        QTest::addColumn<JetImage::Version>("version");
        QTest::newRow("Access 97") << JetImage::Jet3;
        QTest::newRow("Access 2000") << JetImage::Jet4;
    }

    // The same calendar as SQLite and as Access: the readers see the same records, and every
    // failure reads the same.
    void storesCannotBeToldApart()
    {
        QFETCH(JetImage::Version, version);
        auto days = TestDatabase::days(QDate(2000, 2, 27), 5);
        days[1].Data = QStringLiteral("2000-02-28 18:30:00");
        days[2].evenimentUniv =
            QString::fromUtf8(version == JetImage::Jet3 ? "Saint \xc3\x9clrich \xc2\xa3"
                                                        : "Saint \xc3\x9clrich \xe2\x80\x94 \xe2\x82\xac");
        days[3].ComentariuUniv = QStringLiteral("{\\rtf1 long } ").repeated(900);
        const QString sqlite = m_dir.filePath(QStringLiteral("same.sqlite"));
        const QString access = m_dir.filePath(QStringLiteral("same.mdb"));
        TestDatabase::write(sqlite, days);
        AccessCalendar::write(access, days, version);

        const auto sqliteDb = CalendarDatabase::open(sqlite);
        const auto accessDb = CalendarDatabase::open(access);
        const auto a = sqliteDb->openTable(QStringLiteral("CalendarComplet"));
        const auto b = accessDb->openTable(QStringLiteral("CalendarComplet"));
        QCOMPARE(b->columnNames(), a->columnNames());
        for (; !a->isEOF(); a->MoveNext(), b->MoveNext()) {
            QVERIFY(!b->isEOF());
            QVERIFY(DayRecord::read(*b) == DayRecord::read(*a));
            QCOMPARE(b->text(QStringLiteral("data")), a->text(QStringLiteral("data")));
        }
        QVERIFY(b->isEOF());
        for (CalendarCursor *rs : {a.get(), b.get()}) {
            QVERIFY_THROWS_EXCEPTION(DataError, rs->MoveNext());
            rs->MoveLast();
            QCOMPARE(rs->integer(QStringLiteral("id")), 5);
            rs->MoveNext();
            QVERIFY(rs->isEOF());
            rs->MoveFirst();
            QCOMPARE(rs->integer(QStringLiteral("ID")), 1);
        }
        QCOMPARE(errorOf([&] { b->text(QStringLiteral("Nothing")); }),
                 errorOf([&] { a->text(QStringLiteral("Nothing")); }));
        b->MoveLast();
        b->MoveNext();
        a->MoveLast();
        a->MoveNext();
        QCOMPARE(errorOf([&] { b->text(QStringLiteral("ID")); }), errorOf([&] { a->text(QStringLiteral("ID")); }));

        TestDatabase::write(sqlite, {});
        AccessCalendar::write(access, {}, version);
        const auto emptyA = CalendarDatabase::open(sqlite)->openTable(QStringLiteral("calendarComplet"));
        const auto emptyB = CalendarDatabase::open(access)->openTable(QStringLiteral("calendarComplet"));
        QVERIFY(emptyA->isEOF() && emptyB->isEOF());
        const QString noLastRow = errorOf([&] { emptyA->MoveLast(); });
        QVERIFY(!noLastRow.isEmpty() && emptyA->isEOF());
        QCOMPARE(errorOf([&] { emptyB->MoveLast(); }), noLastRow);
    }

    void valuesConvertAsInTheSqliteStore()
    {
        const auto types = CalendarDatabase::open(fixture(QStringLiteral("testV1997.mdb")));
        const auto rs = types->openTable(QStringLiteral("Table1"));
        QCOMPARE(rs->integer(QStringLiteral("I")), 0);
        rs->MoveNext();
        QCOMPARE(rs->integer(QStringLiteral("I")), -1); // an Access True
        QCOMPARE(rs->integer(QStringLiteral("C")), 2);  // a Byte
        QCOMPARE(rs->integer(QStringLiteral("D")), 222);
        QCOMPARE(rs->date(QStringLiteral("G")), QDateTime(QDate(1974, 9, 21), QTime(0, 0), QTimeZone::utc()));
        QCOMPARE(errorOf([&] { rs->integer(QStringLiteral("H")); }),
                 QStringLiteral("Type mismatch: the column H of row 2 holds \"3.5\", not a whole number."));
        QCOMPARE(errorOf([&] { rs->date(QStringLiteral("B")); }),
                 QStringLiteral("Type mismatch: the column B of row 2 holds \"hijklmnop\", not a date."));
        const auto users = CalendarDatabase::open(fixture(QStringLiteral("fixedTextTestV2000.mdb")));
        QCOMPARE(users->openTable(QStringLiteral("users"))->date(QStringLiteral("d_stamp_")),
                 QDateTime(QDate(2009, 11, 5), QTime(23, 41, 28), QTimeZone::utc()));

        const auto db = CalendarDatabase::open(fixture(QStringLiteral("test2V1997.mdb")));
        const auto project = db->openTable(QStringLiteral("MSP_PROJECTS"));
        QCOMPARE(errorOf([&] { project->text(QStringLiteral("PROJ_PROP_CATEGORY")); }),
                 QStringLiteral("Invalid use of Null: the column PROJ_PROP_CATEGORY of row 1 holds no value."));
        const QString ole = errorOf([&] { project->text(QStringLiteral("RESERVED_BINARY_DATA")); });
        QVERIFY2(ole.contains(QLatin1String("OLE Object")), qPrintable(ole));
        QVERIFY(!project->columnNames().contains(QStringLiteral("RESERVED_BINARY_DATA")));
        QVERIFY(project->text(QStringLiteral("PROJ_PROP_AUTHOR")).startsWith(QLatin1String("Jon Iles this is")));
        QCOMPARE(project->text(QStringLiteral("PROJ_OPT_CURRENCY_SYMBOL")), QStringLiteral("£")); // cp1252

        // A column deleted from the table leaves a gap in the numbers of the others.
        const auto deleted = CalendarDatabase::open(fixture(QStringLiteral("delColTestV2000.mdb")));
        const auto columns = deleted->openTable(QStringLiteral("Table1"));
        columns->MoveLast();
        QCOMPARE(columns->text(QStringLiteral("id2")) + columns->text(QStringLiteral("data2")),
                 QStringLiteral("5bar2"));
    }

    void textIsDecoded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codePage"); // 0: Jet 4 Unicode
        QTest::addColumn<QString>("text"); // empty: refused

        const auto row = [](const char *name, const char *bytes, int codePage, const char *utf8) {
            QTest::newRow(name) << QByteArray::fromHex(bytes) << codePage << QString::fromUtf8(utf8);
        };
        // clang-format off
        row("compressed, switching",    "fffe4142003a040043", 0,       "AB\xd0\xba" "C");
        row("compressed, stray byte",   "fffe41003a",         0,       "A");
        row("two bytes a letter",       "4100ac20",           0,       "A\xe2\x82\xac");
        row("surrogate pair",           "3dd800de",           0,       "\xf0\x9f\x98\x80");
        row("lone surrogate",           "3dd84100",           0,       "\xef\xbf\xbd" "A");
        row("odd last byte",            "410042",             0,       "A");
        row("windows-1252",             "80e98141",           1252,    "\xe2\x82\xac\xc3\xa9\xc2\x81" "A");
        row("code page unset",          "a3",                 0x10000, "\xc2\xa3");
        row("another code page, ASCII", "4142",               1250,    "AB");
        row("another code page",        "41e9",               1250,    "");
        // clang-format on
    }

    void textIsDecoded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codePage);
        QFETCH(QString, text);
        const jet::Bytes view(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        try {
            const std::string decoded =
                codePage == 0 ? jet::text::fromJet4(view) : jet::text::fromCodePage(view, std::uint16_t(codePage));
            QCOMPARE(QString::fromStdString(decoded), text);
        } catch (const jet::UnsupportedType &) {
            QVERIFY(text.isEmpty());
        }
    }

    void datesCountFrom1899_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("text"); // empty: out of range

        QTest::newRow("day zero") << 0.0 << "1899-12-30";
        QTest::newRow("before day zero") << -1.25 << "1899-12-29 06:00:00";
        QTest::newRow("half a day either way") << -0.5 << "1899-12-30 12:00:00";
        QTest::newRow("leap day") << 36585.0 << "2000-02-29";
        QTest::newRow("milliseconds") << 36526.0 + 1.5 / 86400 << "2000-01-01 00:00:01.500";
        QTest::newRow("rounds to midnight") << 1.9999999999 << "1900-01-01";
        QTest::newRow("first Access day") << -657434.0 << "0100-01-01";
        QTest::newRow("last Access day") << 2958465.9999 << "9999-12-31 23:59:51.360";
        QTest::newRow("year 10000") << 2958466.0 << "";
        QTest::newRow("year 99") << -657435.0 << "";
        QTest::newRow("not a number") << std::nan("") << "";
        QTest::newRow("huge") << 1e300 << "";
    }

    void datesCountFrom1899()
    {
        QFETCH(double, days);
        QFETCH(QString, text);
        try {
            QCOMPARE(QString::fromStdString(jet::toText(jet::DateTime{days})), text);
        } catch (const jet::JetError &) {
            QVERIFY(text.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestJetReader)
#include "tst_jetreader.moc"
