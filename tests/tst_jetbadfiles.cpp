// Damaged Access files: each kind of damage gives one clear error, at open or at the read that
// meets it, never a hang or a crash (the sanitizer build runs this too). Every case damages a
// calendar that feastbook-gen's writer made, in one place.
#include "data/CalendarDatabase.h"
#include "data/CalendarSchema.h"
#include "data/DataError.h"
#include "data/jet/JetDatabase.h"
#include "data/jet/JetFile.h"
#include "support/AccessCalendar.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(JetImage::Version)

namespace {

constexpr int LongMemoRow = 10;

// Where the parts of the calendar table lie in the undamaged file.
struct Layout
{
    qsizetype pageSize = 0;
    bool jet3 = false;
    quint32 definition = 0;  // page of the table definition
    QList<quint32> data;     // data pages, in file order
    quint32 usageMap = 0;    // the map of data pages, as page << 8 | row
    qsizetype memoField = 0; // where a chained memo's reference is stored
    quint32 firstLink = 0;   // that memo's first long-value row, as page << 8 | row

    qsizetype page(quint32 number) const { return qsizetype(number) * pageSize; }
    // Where the offset of a row is kept on its page.
    qsizetype rowOffsetAt(quint32 number, int row) const { return page(number) + (jet3 ? 8 : 12) + 2 + 2 * row; }
    qsizetype rowAt(const QByteArray &f, quint32 number, int row) const
    {
        return page(number) + (qFromLittleEndian<quint16>(f.constData() + rowOffsetAt(number, row)) & 0x1FFF);
    }
};

using Damage = std::function<void(QByteArray &file, const Layout &at)>;

void put16(QByteArray &file, qsizetype at, quint16 v)
{
    qToLittleEndian(v, file.data() + at);
}
void put32(QByteArray &file, qsizetype at, quint32 v)
{
    qToLittleEndian(v, file.data() + at);
}

Layout layoutOf(const QByteArray &file)
{
    auto jetFile = std::make_shared<const jet::JetFile>(std::vector<std::uint8_t>(file.begin(), file.end()));
    const jet::JetDatabase db(jetFile);
    Layout at;
    at.pageSize = qsizetype(jetFile->pageSize());
    at.jet3 = !jetFile->isJet4();
    at.definition = db.find(CalendarSchema::TableName)->definitionPage;
    for (quint32 p = 0; p < jetFile->pageCount(); ++p)
        if (file.at(at.page(p)) == 0x01
            && qFromLittleEndian<quint32>(file.constData() + at.page(p) + 4) == at.definition)
            at.data.append(p);
    at.usageMap = qFromLittleEndian<quint32>(file.constData() + at.page(at.definition) + (at.jet3 ? 35 : 55));
    const jet::JetTable table = db.openTable(*db.find(CalendarSchema::TableName));
    const jet::Column &memo = table.columns().at(std::size_t(table.columnIndex(CalendarSchema::CommentaryUniv)));
    const jet::Bytes field = table.layout(LongMemoRow).field(memo);
    at.memoField = qsizetype(field.data() - jetFile->page(0).data());
    at.firstLink = field.u32(4);
    return at;
}

} // namespace

class TestJetBadFiles : public QObject
{
    Q_OBJECT

private slots:
    void damageGivesOneClearError_data()
    {
        QTest::addColumn<JetImage::Version>("version");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("reason"); // part of the message; the file name is always in it

        const auto add = [&](const char *name, const QString &reason, Damage damage) {
            QTest::addRow("97: %s", name) << JetImage::Jet3 << damage << reason;
            QTest::addRow("2000: %s", name) << JetImage::Jet4 << damage << reason;
        };
        add("truncated to its header", "too short", [](QByteArray &f, const Layout &at) { f.truncate(at.pageSize); });
        add("truncated in half", "past the end",
            [](QByteArray &f, const Layout &at) { f.truncate(at.page(at.data.at(at.data.size() / 2)) + 100); });
        add("zeroed after the header", "damaged", [](QByteArray &f, const Layout &at) {
            f = f.left(at.pageSize) + QByteArray(f.size() - at.pageSize, '\0');
        });
        add("random after the header", "damaged", [](QByteArray &f, const Layout &at) {
            QRandomGenerator random(12);
            for (qsizetype p = at.pageSize; p < f.size(); ++p)
                f[p] = char(random.bounded(256));
        });
        add("of a later Access", "Access 2007", [](QByteArray &f, const Layout &) { f[0x14] = 3; });
        add("encrypted", "encrypted", [](QByteArray &f, const Layout &) { f[0x3E] = char(f.at(0x3E) ^ 0x5A); });
        add("catalog definition loops", "loops back to page 2",
            [](QByteArray &f, const Layout &at) { put32(f, at.page(2) + 4, 2); });
        add("table definition chain loops", "loops back",
            [](QByteArray &f, const Layout &at) { put32(f, at.page(at.definition) + 4, at.definition); });
        add("table definition is no definition", "not a table definition",
            [](QByteArray &f, const Layout &at) { f[at.page(at.definition)] = 1; });
        add("column count past the definition", "outside",
            [](QByteArray &f, const Layout &at) { put16(f, at.page(at.definition) + (at.jet3 ? 25 : 45), 0xFFFF); });
        add("row count past the page", "more than fit",
            [](QByteArray &f, const Layout &at) { put16(f, at.page(at.data.first()) + (at.jet3 ? 8 : 12), 0xFFFF); });
        add("row offset past the page", "impossible bounds",
            [](QByteArray &f, const Layout &at) { put16(f, at.rowOffsetAt(at.data.first(), 0), 0x1FFF); });
        add("variable columns past the row", "variable columns", [](QByteArray &f, const Layout &at) {
            // Row 0 ends at the page's end with two bytes of null mask (eleven columns) and, before
            // them, the count of variable columns.
            const qsizetype end = at.page(at.data.first()) + at.pageSize - 2;
            if (at.jet3)
                f[end - 1] = char(0xFF);
            else
                put16(f, end - 2, 0xFFFF);
        });
        add("moved row points to itself", "loop", [](QByteArray &f, const Layout &at) {
            const quint32 page = at.data.first();
            put16(f, at.rowOffsetAt(page, 1),
                  qFromLittleEndian<quint16>(f.constData() + at.rowOffsetAt(page, 1)) | 0x4000);
            put32(f, at.rowAt(f, page, 1), page << 8 | 1);
        });
        add("usage map of size 0", "empty", [](QByteArray &f, const Layout &at) {
            // A row ends where the row before it starts (the first row at the page's end).
            const quint32 page = at.usageMap >> 8;
            const int row = int(at.usageMap & 0xFF);
            const qsizetype end = row == 0 ? at.pageSize : at.rowAt(f, page, row - 1) - at.page(page);
            put16(f, at.rowOffsetAt(page, row), quint16(end));
        });
        add("usage map past the file", "past the end", [](QByteArray &f, const Layout &at) {
            put32(f, at.rowAt(f, at.usageMap >> 8, int(at.usageMap & 0xFF)) + 1, 0x00FFFF00);
        });
        add("memo chain loops", "loop", [](QByteArray &f, const Layout &at) {
            put32(f, at.rowAt(f, at.firstLink >> 8, int(at.firstLink & 0xFF)), at.firstLink);
        });
        add("memo chain runs past the file", "past the end", [](QByteArray &f, const Layout &at) {
            put32(f, at.rowAt(f, at.firstLink >> 8, int(at.firstLink & 0xFF)), 0xFFFFFF00);
        });
        add("memo chain ends early", "ends after", [](QByteArray &f, const Layout &at) {
            put32(f, at.rowAt(f, at.firstLink >> 8, int(at.firstLink & 0xFF)), 0);
        });
        add("memo longer than 16 MB", "16 MB",
            [](QByteArray &f, const Layout &at) { put32(f, at.memoField, 0x01000001); });
        add("memo of unknown kind", "unknown storage",
            [](QByteArray &f, const Layout &at) { f[at.memoField + 3] = char(f.at(at.memoField + 3) | 0xC0); });
    }

    void damageGivesOneClearError()
    {
        QFETCH(JetImage::Version, version);
        QFETCH(Damage, damage);
        QFETCH(QString, reason);
        auto days = TestDatabase::days(QDate(2000, 1, 1), 60);
        days[LongMemoRow].ComentariuUniv = QStringLiteral("{\\rtf1 a long commentary } ").repeated(350);
        QByteArray bytes = AccessCalendar::bytes(days, version);
        damage(bytes, layoutOf(bytes));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.mdb"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();

        QElapsedTimer clock;
        clock.start();
        QString error;
        try {
            const auto db = CalendarDatabase::open(path);
            const auto rs = db->openTable(CalendarSchema::TableName);
            for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
                for (const QString &column : rs->columnNames())
                    rs->text(column);
        } catch (const DataError &e) {
            error = QString::fromUtf8(e.what());
        }
        QVERIFY2(!error.isEmpty(), "the damage went unnoticed");
        QVERIFY2(error.contains(QLatin1String("bad.mdb")) && error.contains(reason), qPrintable(error));
        QVERIFY2(clock.elapsed() < 5000, "the reader took too long");
    }
};

QTEST_GUILESS_MAIN(TestJetBadFiles)
#include "tst_jetbadfiles.moc"
