// Damaged Access files: each kind of damage gives one clear error, at open or at the read that
// meets it, never a hang or a crash (the sanitizer build runs this too).
#include "data/CalendarDatabase.h"
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

using Damage = std::function<void(QByteArray &file, const JetImage &image)>;

constexpr int LongMemoRow = 10;

std::vector<TestDay> calendar()
{
    auto days = TestDatabase::days(QDate(2000, 1, 1), 60);
    days[LongMemoRow].ComentariuUniv = QStringLiteral("{\\rtf1 a long commentary } ").repeated(350);
    return days;
}

int pageSize(const JetImage &image)
{
    return image.pageSize();
}
bool jet3(const JetImage &image)
{
    return image.pageSize() == 2048;
}
int rowCountAt(const JetImage &image)
{
    return jet3(image) ? 8 : 12;
}

void put16(QByteArray &file, qsizetype at, quint16 v)
{
    qToLittleEndian(v, file.data() + at);
}
void put32(QByteArray &file, qsizetype at, quint32 v)
{
    qToLittleEndian(v, file.data() + at);
}
quint16 get16(const QByteArray &file, qsizetype at)
{
    return qFromLittleEndian<quint16>(file.constData() + at);
}

qsizetype pageAt(const JetImage &image, quint32 page)
{
    return qsizetype(page) * pageSize(image);
}
// Where the offset of a row is kept on its page.
qsizetype rowOffsetAt(const JetImage &image, quint32 page, int row)
{
    return pageAt(image, page) + rowCountAt(image) + 2 + 2 * row;
}
qsizetype rowAt(const QByteArray &file, const JetImage &image, quint32 page, int row)
{
    return pageAt(image, page) + (get16(file, rowOffsetAt(image, page, row)) & 0x1FFF);
}

const JetImage::Placement &table(const JetImage &image)
{
    static JetImage::Placement p;
    p = image.placement(QStringLiteral("calendarComplet"));
    return p;
}

// Where, in the file, the stored bytes of a column of a row begin.
qsizetype fieldAt(const QByteArray &file, int row, const char *column)
{
    auto jetFile = std::make_shared<const jet::JetFile>(std::vector<std::uint8_t>(file.begin(), file.end()));
    const jet::JetDatabase db(jetFile);
    const jet::JetTable t = db.openTable(*db.find("calendarComplet"));
    const jet::Bytes field = t.layout(std::size_t(row)).field(t.columns().at(std::size_t(t.columnIndex(column))));
    return qsizetype(field.data() - jetFile->page(0).data());
}

// The first part of the long memo's chain: written last, so it is on the last memo page.
quint32 firstMemoChunk(const JetImage &image)
{
    return table(image).memoPages.last() << 8;
}

} // namespace

class TestJetBadFiles : public QObject
{
    Q_OBJECT

private slots:
    void damageGivesOneClearError_data();
    void damageGivesOneClearError();
};

void TestJetBadFiles::damageGivesOneClearError_data()
{
    QTest::addColumn<JetImage::Version>("version");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("reason"); // part of the message; the file name is always in it

    const QList<std::pair<const char *, JetImage::Version>> versions{{"97", JetImage::Jet3}, {"2000", JetImage::Jet4}};
    auto add = [&](const char *name, const QString &reason, Damage damage) {
        for (const auto &[tag, version] : versions)
            QTest::addRow("%s: %s", tag, name) << version << damage << reason;
    };

    add("truncated to its header", "too short", [](QByteArray &f, const JetImage &i) { f.truncate(pageSize(i)); });
    add("truncated in half", "past the end", [](QByteArray &f, const JetImage &i) {
        f.truncate(pageAt(i, table(i).dataPages.at(table(i).dataPages.size() / 2)) + 100);
    });
    add("truncated before the memo pages", "past the end",
        [](QByteArray &f, const JetImage &i) { f.truncate(pageAt(i, table(i).memoPages.first())); });
    add("zeroed after the header", "damaged",
        [](QByteArray &f, const JetImage &i) { f = f.left(pageSize(i)) + QByteArray(f.size() - pageSize(i), '\0'); });
    add("random after the header", "damaged", [](QByteArray &f, const JetImage &i) {
        QRandomGenerator random(12);
        for (qsizetype p = pageSize(i); p < f.size(); ++p)
            f[p] = char(random.bounded(256));
    });
    add("of a later Access", "Access 2007", [](QByteArray &f, const JetImage &) { f[0x14] = 3; });
    add("encrypted", "encrypted", [](QByteArray &f, const JetImage &) { f[0x3E] = char(f.at(0x3E) ^ 0x5A); });
    add("catalog definition loops", "loops back to page 2",
        [](QByteArray &f, const JetImage &i) { put32(f, pageAt(i, 2) + 4, 2); });
    add("table definition chain loops", "loops back", [](QByteArray &f, const JetImage &i) {
        const quint32 def = table(i).definitionPage;
        put32(f, pageAt(i, def) + 4, def);
    });
    add("table definition is no definition", "not a table definition",
        [](QByteArray &f, const JetImage &i) { f[pageAt(i, table(i).definitionPage)] = 1; });
    add("column count past the definition", "outside", [](QByteArray &f, const JetImage &i) {
        put16(f, pageAt(i, table(i).definitionPage) + (jet3(i) ? 25 : 45), 0xFFFF);
    });
    add("row count past the page", "more than fit", [](QByteArray &f, const JetImage &i) {
        put16(f, pageAt(i, table(i).dataPages.first()) + rowCountAt(i), 0xFFFF);
    });
    add("row offset past the page", "impossible bounds",
        [](QByteArray &f, const JetImage &i) { put16(f, rowOffsetAt(i, table(i).dataPages.first(), 0), 0x1FFF); });
    add("variable columns past the row", "variable columns", [](QByteArray &f, const JetImage &i) {
        const quint32 page = table(i).dataPages.first();
        const qsizetype end = pageAt(i, page) + pageSize(i); // row 0 ends at the page's end
        const qsizetype mask = 2;                            // eleven columns: two bytes of null mask
        if (jet3(i))
            f[end - mask - 1] = char(0xFF);
        else
            put16(f, end - mask - 2, 0xFFFF);
    });
    add("moved row points to itself", "loop", [](QByteArray &f, const JetImage &i) {
        const quint32 page = table(i).dataPages.first();
        put16(f, rowOffsetAt(i, page, 1), get16(f, rowOffsetAt(i, page, 1)) | 0x4000);
        put32(f, rowAt(f, i, page, 1), page << 8 | 1);
    });
    add("usage map of size 0", "empty", [](QByteArray &f, const JetImage &i) {
        // A row ends where the row before it starts (the first row at the page's end).
        const quint32 map = table(i).usageMapRow;
        const int row = int(map & 0xFF);
        const quint16 end = row == 0 ? quint16(pageSize(i)) : get16(f, rowOffsetAt(i, map >> 8, row - 1));
        put16(f, rowOffsetAt(i, map >> 8, row), end);
    });
    add("usage map past the file", "past the end", [](QByteArray &f, const JetImage &i) {
        const quint32 map = table(i).usageMapRow;
        put32(f, rowAt(f, i, map >> 8, int(map & 0xFF)) + 1, 0x00FFFF00);
    });
    add("memo chain loops", "loop", [](QByteArray &f, const JetImage &i) {
        const quint32 first = firstMemoChunk(i);
        put32(f, rowAt(f, i, first >> 8, 0), first);
    });
    add("memo chain runs past the file", "past the end",
        [](QByteArray &f, const JetImage &i) { put32(f, rowAt(f, i, firstMemoChunk(i) >> 8, 0), 0xFFFFFF00); });
    add("memo chain ends early", "ends after",
        [](QByteArray &f, const JetImage &i) { put32(f, rowAt(f, i, firstMemoChunk(i) >> 8, 0), 0); });
    add("memo longer than 16 MB", "16 MB",
        [](QByteArray &f, const JetImage &) { put32(f, fieldAt(f, LongMemoRow, "ComentariuUniv"), 0x01000001); });
    add("memo of unknown kind", "unknown storage", [](QByteArray &f, const JetImage &) {
        const qsizetype at = fieldAt(f, LongMemoRow, "ComentariuUniv") + 3;
        f[at] = char(f.at(at) | 0xC0);
    });
}

void TestJetBadFiles::damageGivesOneClearError()
{
    QFETCH(JetImage::Version, version);
    QFETCH(Damage, damage);
    QFETCH(QString, reason);
    JetImage image = AccessCalendar::image(calendar(), version);
    QByteArray bytes = image.build();
    damage(bytes, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.mdb"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    static const QStringList columns{"ID",          "Data",       "DataUniv",       "evenimentUniv", "evenimentSUA",
                                     "ToolTipUniv", "ToolTipSUA", "ComentariuUniv", "ComentariuSUA", "culoriUniv",
                                     "CuloriSUA"};
    QElapsedTimer clock;
    clock.start();
    QString error;
    try {
        const auto db = CalendarDatabase::open(path);
        const auto rs = db->openTable(QStringLiteral("calendarComplet"));
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
            for (const QString &column : columns)
                rs->text(column);
    } catch (const DataError &e) {
        error = QString::fromUtf8(e.what());
    }
    QVERIFY2(!error.isEmpty(), "the damage went unnoticed");
    QVERIFY2(error.contains(QLatin1String("bad.mdb")) && error.contains(reason), qPrintable(error));
    QVERIFY2(clock.elapsed() < 5000, "the reader took too long");
}

QTEST_GUILESS_MAIN(TestJetBadFiles)
#include "tst_jetbadfiles.moc"
