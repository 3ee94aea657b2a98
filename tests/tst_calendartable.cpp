// The calendar table: opening the file, the cursor, and the column each reader takes.
#include "data/CalendarDatabase.h"
#include "data/CalendarDate.h"
#include "data/DataError.h"
#include "data/RowNumber.h"
#include "data/VariantColumns.h"
#include "support/DayRecord.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

class TestCalendarTable : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // One row whose SUA columns hold the given values.
    std::unique_ptr<CalendarCursor> oneRow(const QString &suaEvent, const QString &suaTitle, const QString &suaComment,
                                           const QString &suaColour)
    {
        auto rows = TestDatabase::days(QDate(2000, 1, 1), 1);
        rows[0].evenimentUniv = QStringLiteral("Univ event");
        rows[0].evenimentSUA = suaEvent;
        rows[0].ToolTipUniv = QStringLiteral("Univ title");
        rows[0].ToolTipSUA = suaTitle;
        rows[0].ComentariuUniv = QStringLiteral("Univ comment");
        rows[0].ComentariuSUA = suaComment;
        rows[0].culoriUniv = QStringLiteral("1");
        rows[0].CuloriSUA = suaColour;
        TestDatabase::write(path(QStringLiteral("one.mdb")), rows);
        m_db = CalendarDatabase::open(path(QStringLiteral("one.mdb")));
        return m_db->openTable(QStringLiteral("CalendarComplet"));
    }
    std::unique_ptr<CalendarDatabase> m_db;

private slots:
    void unusableFilesAreRefusedWithAClearReason_data();
    void unusableFilesAreRefusedWithAClearReason();
    void cursorWalksInStoredOrder();
    void columnsAreReadByNameWithoutRegardToCase();
    void badValuesRaiseErrors();
    void datesReadAsAnIsoDateReads_data();
    void datesReadAsAnIsoDateReads();
    void eachReaderTakesItsColumn_data();
    void eachReaderTakesItsColumn();
    void otherVariantsReadNothing();
    void rowNumbersAreSixteenBit();
};

void TestCalendarTable::unusableFilesAreRefusedWithAClearReason_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("reason");

    TestDatabase::write(path(QStringLiteral("good.mdb")), TestDatabase::days(QDate(2000, 1, 1), 400));
    QFile good(path(QStringLiteral("good.mdb")));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();

    QByteArray random(4096, '\0');
    QRandomGenerator generator(7);
    for (char &c : random)
        c = char(generator.bounded(256));
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");

    QTest::newRow("missing") << QByteArray() << "was not found";
    QTest::newRow("random bytes") << random << "is not a calendar database";
    QTest::newRow("text file") << QByteArray("ID;Data\n1;2000-01-01\n") << "is not a calendar database";
    QTest::newRow("truncated") << bytes.left(bytes.size() / 2) << "damaged";
    QTest::newRow("header only") << bytes.left(100) << "damaged";
    QTest::newRow("access, damaged") << jet << "damaged";
}

void TestCalendarTable::unusableFilesAreRefusedWithAClearReason()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString file = path(QStringLiteral("bad.mdb"));
    QFile::remove(file);
    if (!content.isEmpty()) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    try {
        CalendarDatabase::open(file);
        QFAIL("opened");
    } catch (const DatabaseUnusable &e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains(reason), e.what());
        QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("bad.mdb")));
    }
}

// MoveLast and MoveFirst, and the same failures as the Access store, are checked against it in
// tst_jetreader.
void TestCalendarTable::cursorWalksInStoredOrder()
{
    TestDatabase::write(path(QStringLiteral("three.mdb")), TestDatabase::days(QDate(2000, 2, 28), 3));
    auto db = CalendarDatabase::open(path(QStringLiteral("three.mdb")));
    QVERIFY_THROWS_EXCEPTION(DatabaseUnusable, db->openTable(QStringLiteral("calendar")));
    auto rs = db->openTable(QStringLiteral("calendarcomplet"));

    QStringList seen;
    for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
        seen << rs->text(QStringLiteral("Data"));
    QCOMPARE(seen, (QStringList{"2000-02-28", "2000-02-29", "2000-03-01"}));
    QVERIFY_THROWS_EXCEPTION(DataError, rs->text(QStringLiteral("Data")));
    rs->MoveFirst();
    rs->MoveNext();
    QCOMPARE(rs->integer(QStringLiteral("ID")), 2);
}

void TestCalendarTable::columnsAreReadByNameWithoutRegardToCase()
{
    auto rows = TestDatabase::days(QDate(2000, 4, 16), 1);
    rows[0].Data = QStringLiteral("2000-04-16 18:30:00");
    rows[0].evenimentUniv = QStringLiteral("Palm Sunday of the Passion of the Lord — ü");
    TestDatabase::write(path(QStringLiteral("case.mdb")), rows);
    auto db = CalendarDatabase::open(path(QStringLiteral("case.mdb")));
    auto rs = db->openTable(QStringLiteral("CALENDARCOMPLET"));

    QCOMPARE(rs->text(QStringLiteral("EVENIMENTUNIV")), rows[0].evenimentUniv);
    QCOMPARE(rs->text(QStringLiteral("id")), QStringLiteral("1"));
    QCOMPARE(rs->integer(QStringLiteral("Id")), 1);
    const QDateTime when = rs->date(QStringLiteral("data"));
    QCOMPARE(when.date(), QDate(2000, 4, 16));
    QCOMPARE(when.time(), QTime(18, 30));
    const DayRecord record = DayRecord::read(*rs);
    QCOMPARE(record.ID, 1);
    QCOMPARE(record.DataUniv, QStringLiteral("S Apr 16"));
}

void TestCalendarTable::badValuesRaiseErrors()
{
    const QString file = path(QStringLiteral("bad-values.mdb"));
    TestDatabase::write(file, TestDatabase::days(QDate(2000, 1, 1), 1));
    TestDatabase::exec(file, QStringLiteral("CREATE TABLE loose (ID, Data, Note); "
                                            "INSERT INTO loose VALUES ('x1', 'April 16', NULL);"));
    auto db = CalendarDatabase::open(file);
    auto rs = db->openTable(QStringLiteral("loose"));
    QVERIFY_THROWS_EXCEPTION(DataError, rs->integer(QStringLiteral("ID")));
    QVERIFY_THROWS_EXCEPTION(DataError, rs->date(QStringLiteral("Data")));
    QVERIFY_THROWS_EXCEPTION(DataError, rs->text(QStringLiteral("Note")));
    QVERIFY_THROWS_EXCEPTION(DataError, rs->text(QStringLiteral("NoSuchColumn")));
}

void TestCalendarTable::datesReadAsAnIsoDateReads_data()
{
    QTest::addColumn<QString>("text");
    // clang-format off
    const char *const texts[] = {
        "2001-04-16", "2001-04-05", " 2001-12-01 ", "2000-02-29", "2001-02-29", "1900-02-29", "2001-13-01",
        "2001-00-10", "2001-04-00", "2001-04-31", "0000-01-01", "9999-12-31", "2001-04-1x", "2001/04/16",
        "2001-4-16", "20010-04-16", "2001-04-16-", "+001-04-16", "2001-04-16 10:30:00", "2001-04-16T23:59:59.5",
        "2001-04-16 noon", "", "   "};
    // clang-format on
    for (const char *text : texts)
        QTest::newRow(text) << QString::fromLatin1(text);
    QTest::newRow("other digits") << QStringLiteral("\u0662\u0660\u0660\u0661-\u0660\u0664-\u0661\u0666");
}

// Dates are read by a short path for the stored form and by Qt's ISO reading otherwise; which
// ever reads a text, it must be read as Qt reads it, and refused where Qt refuses it.
void TestCalendarTable::datesReadAsAnIsoDateReads()
{
    QFETCH(QString, text);
    const QString t = text.trimmed();
    const QDate day = QDate::fromString(t.left(10), Qt::ISODate);
    QTime time(0, 0);
    if (day.isValid() && t.size() > 10)
        time = t.size() > 11 && (t.at(10) == u' ' || t.at(10) == u'T') ? QTime::fromString(t.mid(11), Qt::ISODateWithMs)
                                                                       : QTime();
    if (!day.isValid() || !time.isValid()) {
        QVERIFY_THROWS_EXCEPTION(DataError, CalendarDate::parse(text));
        return;
    }
    const QDateTime read = CalendarDate::parse(text);
    QCOMPARE(read.date(), day);
    QCOMPARE(read.time(), time);
    QCOMPARE(read, QDateTime(day, time, QTimeZone::utc()));
}

void TestCalendarTable::eachReaderTakesItsColumn_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("sua"); // the value of every SUA column of the row
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("commentary");
    QTest::addColumn<QString>("title");

    // clang-format off
    QTest::newRow("universal")    << "Universal" << "="   << "Univ event" << "1"   << "Univ comment" << "Univ title";
    QTest::newRow("sua marker")   << "SUA"       << "="   << "Univ event" << "="   << "Univ comment" << "Univ title";
    QTest::newRow("sua own text") << "SUA"       << "USA" << "USA"        << "USA" << "USA"          << "USA";
    QTest::newRow("blank before") << "SUA"       << " ="  << " ="         << " ="  << " ="           << " =";
    QTest::newRow("blank after")  << "SUA"       << "= "  << "= "         << "= "  << "= "           << "= ";
    // clang-format on
}

void TestCalendarTable::eachReaderTakesItsColumn()
{
    QFETCH(QString, variant);
    QFETCH(QString, sua);
    auto rs = oneRow(sua, sua, sua, sua);
    QTEST(*VariantColumns::event(*rs, variant), "event");
    QTEST(*VariantColumns::colourCode(*rs, variant), "colour");
    QTEST(*VariantColumns::commentary(*rs, variant), "commentary");
    QTEST(*VariantColumns::searchTitle(*rs, variant), "title");
}

void TestCalendarTable::otherVariantsReadNothing()
{
    auto rs =
        oneRow(QStringLiteral("USA event"), QStringLiteral("="), QStringLiteral("USA comment"), QStringLiteral("4"));
    // The search opens the Universal commentary when the title is "=", whatever the
    // commentary column holds; the commentary window goes by the commentary column.
    QCOMPARE(*VariantColumns::searchCommentary(*rs, QStringLiteral("SUA")), QStringLiteral("Univ comment"));
    QCOMPARE(*VariantColumns::commentary(*rs, QStringLiteral("SUA")), QStringLiteral("USA comment"));
    rs = oneRow(QStringLiteral("USA event"), QStringLiteral("USA title"), QStringLiteral("="), QStringLiteral("4"));
    QCOMPARE(*VariantColumns::searchCommentary(*rs, QStringLiteral("SUA")), QStringLiteral("="));

    for (const QString &variant : {QStringLiteral("xyz"), QStringLiteral("sua"), QString()}) {
        QVERIFY(!VariantColumns::event(*rs, variant));
        QVERIFY(!VariantColumns::colourCode(*rs, variant));
        QVERIFY(!VariantColumns::commentary(*rs, variant));
        QVERIFY(!VariantColumns::searchTitle(*rs, variant));
        QVERIFY(!VariantColumns::searchCommentary(*rs, variant));
    }
}

void TestCalendarTable::rowNumbersAreSixteenBit()
{
    QCOMPARE(toRowNumber(1461), qint16(1461));
    QCOMPARE(toRowNumber(32767), qint16(32767));
    QVERIFY_THROWS_EXCEPTION(DataError, toRowNumber(32768));
    QVERIFY_THROWS_EXCEPTION(DataError, toRowNumber(-32769));
}

QTEST_GUILESS_MAIN(TestCalendarTable)
#include "tst_calendartable.moc"
