#include "support/JetSamples.h"

#include "tools/jet/JetFormat.h"
#include "tools/jet/JetWriter.h"

#include <QStringDecoder>
#include <bit>
#include <limits>
#include <tuple>

namespace JetSamples {

namespace {

using gen::jet::ColumnType;
using gen::jet::JetVersion;

// Text of n bytes in which no stretch repeats, so a long value read with its pieces in the wrong
// order, doubled or cut never equals the original.
std::string numbered(std::size_t n, const std::string &mark = {})
{
    std::string s = mark;
    for (int i = 0; s.size() < n; ++i)
        s += '[' + std::to_string(i) + ']';
    // Cut at a character boundary of the (UTF-8) mark.
    while (s.size() > n || (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0xC0))
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

Sample sample(const std::string &name, const std::vector<gen::jet::Column> &columns)
{
    Sample s{{name, columns, {}, false}, {}};
    for (const gen::jet::Column &c : columns)
        s.expected.columns.append(QString::fromStdString(c.name));
    return s;
}

void add(Sample &s, std::vector<gen::jet::Value> values, TableRow printed)
{
    s.table.rows.push_back(std::move(values));
    s.expected.rows.append(std::move(printed));
}

// Empty and NULL values, texts of 255 characters of one, two and three UTF-8 bytes, characters
// cp1252 lacks (Jet 3 stores "?"), a leading byte order mark, and memos of every storage: in
// the row up to 64 bytes, one long-value page, and chains whose links are exactly full or not.
Sample hostileValues(JetVersion v)
{
    Sample s = sample("Hostile", {{"ID", ColumnType::Long},
                                  {"Day", ColumnType::DateTime},
                                  {"Short", ColumnType::Text},
                                  {"Note", ColumnType::Memo},
                                  {"Small", ColumnType::Integer}});
    const bool jet3 = v == JetVersion::Jet3;
    std::int32_t id = 0;
    const auto row = [&](double day, const char *dayText, const std::string &shortText, Cell shortPrinted,
                         const std::string &note, std::int32_t small) {
        ++id;
        add(s, {id, day, shortText, note, small},
            {QString::number(id), QString::fromLatin1(dayText), shortPrinted, text(note), QString::number(small)});
    };
    row(0.0, "1899-12-30", "", text(""), "", 0);
    ++id;
    add(s, {id, {}, {}, {}, {}}, {QString::number(id), {}, {}, {}, {}});
    row(-115780.0, "1583-01-01", repeated(255, "x"), text(repeated(255, "x")), numbered(64), -32768);
    row(37986.75, "2003-12-31 18:00:00", repeated(255, "é"), text(repeated(255, "é")), numbered(65), 32767);
    row(36526.0, "2000-01-01", repeated(255, "€"), text(repeated(255, "€")), numbered(2000, "Thérèse "), 1);
    const std::string saint = "Saint Thérèse – 5 € Ω 🙏";
    row(-1.25, "1899-12-29 06:00:00", saint, text(jet3 ? "Saint Thérèse – 5 € ? ?" : saint), "\xEF\xBB\xBF" + saint, 2);
    if (jet3) // characters cp1252 lacks are written as "?", in a memo as in a text
        s.expected.rows.back()[3] = QStringLiteral("?Saint Thérèse – 5 € ? ?");
    row(36528.0, "2000-01-03",
        "\xEF\xBB\xBF"
        "BOM",
        text(jet3 ? "?BOM"
                  : "\xEF\xBB\xBF"
                    "BOM"),
        "", 3);
    const gen::jet::JetFormat &f = gen::jet::formatOf(v);
    const std::size_t onePage = f.pageSize - f.dataPageHeaderSize() - 2;
    const std::size_t link = onePage - 4;
    // Jet 4 stores two bytes a character past the length Access compresses.
    for (std::size_t bytes : {onePage, onePage + 2, 2 * link, 2 * link + 2, 5 * link + 10})
        row(36529.0, "2000-01-04", "long", text("long"), numbered(jet3 ? bytes : bytes / 2), 4);
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
    const auto row = [&](std::size_t a, std::size_t b, std::size_t c) {
        const std::string ta = numbered(a, "a"), tb = numbered(b, "b"), tc = numbered(c, "c");
        ++id;
        add(s, {id, ta, tb, tc}, {QString::number(id), text(ta), text(tb), text(tc)});
    };
    for (std::size_t b = 30; b <= 65; ++b)
        row(200, b, 0);
    for (std::size_t b = 0; b <= 20; ++b)
        row(250, b, 240);
    for (std::size_t c = 30; c <= 75; ++c)
        row(200, 250, c);
    row(10, 255, 255);
    return s;
}

// So many wide rows that the table's pages reach past what an inline usage map covers.
Sample manyRows()
{
    Sample s = sample("Many", {{"ID", ColumnType::Long}, {"A", ColumnType::Text}, {"B", ColumnType::Text}});
    const std::string wide = repeated(250, "€");
    for (std::int32_t i = 1; i <= 3300; ++i) {
        const std::string a = std::to_string(i) + wide;
        add(s, {i, a, wide}, {QString::number(i), text(a), text(wide)});
    }
    return s;
}

// Columns S, C, D and B become Single, Currency, Double and Byte in file(); their values are
// written as the bytes of those.
Sample retyped()
{
    Sample s = sample("Retyped", {{"ID", ColumnType::Long},
                                  {"S", ColumnType::Long},
                                  {"C", ColumnType::DateTime},
                                  {"D", ColumnType::DateTime},
                                  {"B", ColumnType::Integer},
                                  {"L", ColumnType::Long}});
    using Limits = std::numeric_limits<std::int64_t>;
    using Long = std::numeric_limits<std::int32_t>;
    const auto row = [&](float single, const char *singleText, std::int64_t currency, const char *currencyText,
                         double number, const char *numberText, std::int32_t byte, std::int32_t whole) {
        const auto id = std::int32_t(s.table.rows.size() + 1);
        add(s, {id, std::bit_cast<std::int32_t>(single), std::bit_cast<double>(currency), number, byte, whole},
            {QString::number(id), QString::fromLatin1(singleText), QString::fromLatin1(currencyText),
             QString::fromLatin1(numberText), QString::number(byte), QString::number(whole)});
    };
    // clang-format off
    row(0.1f,          "0.1",           -123456,       "-12.3456",              -1.25,   "-1.25",   255, Long::min());
    row(-3.5f,         "-3.5",          35000,         "3.5",                   1e300,   "1e+300",  128, Long::max());
    row(3.4028235e38f, "3.4028235e+38", Limits::max(), "922337203685477.5807",  36526.5, "36526.5", 127, -1);
    row(1.5e-30f,      "1.5e-30",       Limits::min(), "-922337203685477.5808", 0.0,     "0",       0,   0);
    // clang-format on
    return s;
}

} // namespace

std::vector<Sample> tables(JetVersion version)
{
    return {hostileValues(version), rowWidths(), manyRows(), retyped()};
}

QByteArray file(JetVersion version, const std::vector<Sample> &samples)
{
    std::vector<gen::jet::Table> tables;
    for (const Sample &s : samples)
        tables.push_back(s.table);
    gen::jet::Bytes bytes = gen::jet::writeJetDatabase(version, tables, 36526.5);
    // The writer gives each table, in order, the definition page after the catalog's (page 2).
    const gen::jet::JetFormat &f = gen::jet::formatOf(version);
    for (std::size_t t = 0; t < samples.size(); ++t) {
        if (samples[t].table.name != "Retyped")
            continue;
        const std::size_t columns = (3 + t) * f.pageSize + f.tdefColumnsOffset;
        // Column, new type and its size: Single, Currency, Double, Byte.
        constexpr std::tuple<std::size_t, std::uint8_t, std::uint8_t> NewTypes[] = {
            {1, 0x06, 4}, {2, 0x05, 8}, {3, 0x07, 8}, {4, 0x02, 1}};
        for (const auto &[column, type, size] : NewTypes) {
            const std::size_t entry = columns + column * f.tdefColumnEntrySize;
            bytes.at(entry) = type;
            bytes.at(entry + f.tdefColumnEntrySize - 2) = size;
        }
    }
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace JetSamples
