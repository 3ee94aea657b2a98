#include "support/JetImage.h"

#include <QtEndian>
#include <array>
#include <stdexcept>

namespace {

using jet::ColumnType;

constexpr quint32 LvalOwner = 0x4C41564C; // "LVAL"
constexpr int InlineMapBytes3 = 128;
constexpr int InlineMapBytes4 = 64;

void put16(QByteArray &b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void put32(QByteArray &b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}
QByteArray le16(quint16 v)
{
    QByteArray b(2, 0);
    put16(b, 0, v);
    return b;
}
QByteArray le32(quint32 v)
{
    QByteArray b(4, 0);
    put32(b, 0, v);
    return b;
}
QByteArray le64(quint64 v)
{
    QByteArray b(8, 0);
    qToLittleEndian(v, b.data());
    return b;
}
quint16 get16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

bool isFixed(ColumnType t)
{
    return t != ColumnType::Text && t != ColumnType::Memo && t != ColumnType::Ole;
}

int fixedSize(ColumnType t)
{
    switch (t) {
    case ColumnType::Boolean:
        return 0;
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
    case ColumnType::Single:
        return 4;
    default:
        return 8;
    }
}

QByteArray fixedValue(ColumnType t, const QVariant &v)
{
    switch (t) {
    case ColumnType::Byte:
        return QByteArray(1, char(v.toLongLong()));
    case ColumnType::Integer:
        return le16(quint16(v.toLongLong()));
    case ColumnType::Long:
        return le32(quint32(v.toLongLong()));
    case ColumnType::Currency:
        return le64(quint64(v.toLongLong()));
    case ColumnType::Single: {
        const float f = v.toFloat();
        quint32 bits;
        memcpy(&bits, &f, 4);
        return le32(bits);
    }
    default: {
        const double d = v.toDouble();
        quint64 bits;
        memcpy(&bits, &d, 8);
        return le64(bits);
    }
    }
}

void rc4(char *data, int size)
{
    static constexpr std::array<quint8, 4> key{0xC7, 0xDA, 0x39, 0x6B};
    std::array<quint8, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[i] = quint8(i);
    quint8 j = 0;
    for (int i = 0; i < 256; ++i) {
        j = quint8(j + s[i] + key[i % 4]);
        std::swap(s[i], s[j]);
    }
    quint8 a = 0, b = 0;
    for (int n = 0; n < size; ++n) {
        a = quint8(a + 1);
        b = quint8(b + s[a]);
        std::swap(s[a], s[b]);
        data[n] = char(quint8(data[n]) ^ s[quint8(s[a] + s[b])]);
    }
}

} // namespace

void JetImage::addTable(const QString &name, const QList<ColumnSpec> &columns, const QList<Row> &rows)
{
    m_tables.append(Table{name, columns, rows});
}

int JetImage::newPage(quint8 type, quint32 owner)
{
    QByteArray page(pageSize(), 0);
    page[0] = char(type);
    page[1] = 1;
    put32(page, 4, owner);
    m_pages.append(page);
    return int(m_pages.size() - 1);
}

// Rows are stored from the end of the page downwards; the offset table grows from the header.
quint32 JetImage::addRow(PageSlot &slot, quint32 owner, const QByteArray &row, QList<quint32> *pages)
{
    const int countAt = m_version == Jet3 ? 8 : 12;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (slot.page < 0) {
            slot.page = newPage(1, owner);
            if (pages)
                pages->append(quint32(slot.page));
        }
        QByteArray &page = m_pages[slot.page];
        const int n = get16(page, countAt);
        const int lowest = n == 0 ? pageSize() : (get16(page, countAt + 2 * n) & 0x1FFF);
        const int tableEnd = countAt + 2 + 2 * (n + 1);
        if (n < 255 && lowest - row.size() >= tableEnd) {
            const int start = int(lowest - row.size());
            page.replace(start, row.size(), row);
            put16(page, countAt + 2 + 2 * n, quint16(start));
            put16(page, countAt, quint16(n + 1));
            put16(page, 2, quint16(start - tableEnd));
            return quint32(slot.page) << 8 | quint32(n);
        }
        slot.page = -1;
    }
    throw std::runtime_error("JetImage: a row does not fit on a page");
}

QByteArray JetImage::encodeText(const QString &text) const
{
    if (m_version == Jet3)
        return text.toLatin1();
    bool compressible = true;
    for (QChar c : text)
        compressible = compressible && c.unicode() > 0 && c.unicode() < 256;
    if (compressible && !text.isEmpty())
        return QByteArray("\xFF\xFE") + text.toLatin1();
    QByteArray utf16(text.size() * 2, 0);
    for (int i = 0; i < text.size(); ++i)
        put16(utf16, 2 * i, text.at(i).unicode());
    return utf16;
}

// Short values stay in the row; a value that fits one page takes one long-value row; longer
// ones are cut into a chain whose rows each begin with the pointer to the next.
QByteArray JetImage::longValue(const QByteArray &bytes, Placement &placement)
{
    QByteArray field(12, 0);
    const quint32 length = quint32(bytes.size());
    const int capacity = pageSize() - (m_version == Jet3 ? 10 : 14) - 2;
    if (bytes.size() <= m_inlineMemoLimit) {
        put32(field, 0, length | 0x80000000);
        return field + bytes;
    }
    if (bytes.size() <= capacity) {
        put32(field, 0, length | 0x40000000);
        put32(field, 4, addRow(m_memoSlot, LvalOwner, bytes, &placement.memoPages));
        return field;
    }
    const int chunk = capacity - 4;
    quint32 next = 0;
    for (int start = int((bytes.size() - 1) / chunk) * chunk; start >= 0; start -= chunk)
        next = addRow(m_memoSlot, LvalOwner, le32(next) + bytes.mid(start, chunk), &placement.memoPages);
    put32(field, 0, length);
    put32(field, 4, next);
    return field;
}

QByteArray JetImage::encodeRow(const Table &table, const Row &row, Placement &placement)
{
    const bool jet3 = m_version == Jet3;
    const int count = int(table.columns.size());
    QByteArray out = jet3 ? QByteArray(1, char(count)) : le16(quint16(count));
    QByteArray mask((count + 7) / 8, 0);
    QByteArray varData;
    QList<int> offsets;
    for (int i = 0; i < count; ++i) {
        const ColumnSpec &c = table.columns.at(i);
        const QVariant &v = row.value(i);
        const bool present = v.isValid() && !v.isNull() && (c.type != ColumnType::Boolean || v.toBool());
        if (present)
            mask[i / 8] = char(mask.at(i / 8) | (1 << (i % 8)));
        if (c.type == ColumnType::Boolean)
            continue; // its value is its null-mask bit
        if (isFixed(c.type)) {
            out += present ? fixedValue(c.type, v) : QByteArray(fixedSize(c.type), 0);
            continue;
        }
        offsets.append(-1); // filled in below, once the fixed part's size is known
        if (present)
            varData +=
                c.type == ColumnType::Memo ? longValue(encodeText(v.toString()), placement) : encodeText(v.toString());
        offsets.last() = int(varData.size());
    }
    if (offsets.isEmpty())
        return out + mask;
    // offsets[] hold where each value ends; turn them into where each starts, from the row start.
    const int varStart = int(out.size());
    QList<int> starts{varStart};
    for (int end : offsets)
        starts.append(varStart + end);
    out += varData;
    const int k = int(offsets.size());
    const int eod = starts.last();
    if (!jet3) {
        out += le16(quint16(eod));
        for (int i = k - 1; i >= 0; --i)
            out += le16(quint16(starts.at(i)));
        return out + le16(quint16(k)) + mask;
    }
    int jumps = 0;
    for (;;) {
        const int rowLength = eod + 1 + k + jumps + 1 + int(mask.size());
        if ((rowLength - 1) / 256 == jumps)
            break;
        jumps = (rowLength - 1) / 256;
    }
    out += char(eod & 0xFF);
    for (int i = k - 1; i >= 0; --i)
        out += char(starts.at(i) & 0xFF);
    for (int j = jumps - 1; j >= 0; --j) {
        int first = 0xFF; // a dummy entry when the row is long but its data is not
        for (int i = 0; i <= k; ++i)
            if (starts.at(i) >= 256 * (j + 1)) {
                first = i;
                break;
            }
        out += char(first);
    }
    return out + char(k) + mask;
}

QByteArray JetImage::definition(const Table &table, quint32 usageMap) const
{
    const bool jet3 = m_version == Jet3;
    const bool system = table.name == QLatin1String("MSysObjects");
    QByteArray d(jet3 ? 43 : 63, 0);
    d[0] = 2;
    d[1] = 1;
    if (jet3) {
        d[2] = 'V';
        d[3] = 'C';
    }
    const int count = int(table.columns.size());
    int varCount = 0;
    for (const ColumnSpec &c : table.columns)
        varCount += isFixed(c.type) ? 0 : 1;
    put32(d, jet3 ? 12 : 16, quint32(table.rows.size()));
    d[jet3 ? 20 : 40] = char(system ? 0x53 : 0x4E);
    put16(d, jet3 ? 21 : 41, quint16(count));
    put16(d, jet3 ? 23 : 43, quint16(varCount));
    put16(d, jet3 ? 25 : 45, quint16(count));
    put32(d, jet3 ? 35 : 55, usageMap);
    put32(d, jet3 ? 39 : 59, usageMap + 1);
    int fixedOffset = 0;
    int varIndex = 0;
    QByteArray names;
    for (int i = 0; i < count; ++i) {
        const ColumnSpec &c = table.columns.at(i);
        QByteArray e(jet3 ? 18 : 25, 0);
        e[0] = char(c.type);
        const bool fixed = isFixed(c.type);
        const bool text = c.type == ColumnType::Text || c.type == ColumnType::Memo;
        put16(e, jet3 ? 1 : 5, quint16(i));
        put16(e, jet3 ? 3 : 7, quint16(fixed ? 0 : varIndex));
        put16(e, jet3 ? 5 : 9, quint16(i));
        if (text && jet3) {
            put16(e, 7, 0x409);
            put16(e, 9, 1252);
        } else if (text) {
            put16(e, 11, 0x409);
            e[16] = 1; // compressed Unicode
        }
        e[jet3 ? 13 : 15] = char((fixed ? 0x01 : 0) | 0x02);
        put16(e, jet3 ? 14 : 21, quint16(fixed ? fixedOffset : 0));
        const int length = c.type == ColumnType::Text   ? c.length * (jet3 ? 1 : 2)
                           : c.type == ColumnType::Memo ? 0
                                                        : qMax(1, fixedSize(c.type));
        put16(e, jet3 ? 16 : 23, quint16(length));
        d += e;
        fixedOffset += fixed ? fixedSize(c.type) : 0;
        varIndex += fixed ? 0 : 1;
        const QByteArray name =
            jet3 ? c.name.toLatin1() : QByteArray(reinterpret_cast<const char *>(c.name.utf16()), c.name.size() * 2);
        names += (jet3 ? QByteArray(1, char(name.size())) : le16(quint16(name.size()))) + name;
    }
    d += names + QByteArray("\xFF\xFF", 2);
    put32(d, 8, quint32(d.size()));
    if (d.size() > pageSize())
        throw std::runtime_error("JetImage: table definition longer than a page");
    if (!jet3)
        put16(d, 2, quint16(pageSize() - d.size() - 8));
    return d.leftJustified(pageSize(), '\0');
}

// An inline map when the pages fit its bitmap, else a list of usage-map pages. The map is
// written twice: the second copy is the "pages with free space" map readers may look at.
quint32 JetImage::usageMap(const QList<quint32> &pages)
{
    const int inlineBytes = m_version == Jet3 ? InlineMapBytes3 : InlineMapBytes4;
    const quint32 first = pages.isEmpty() ? 0 : pages.first();
    const quint32 last = pages.isEmpty() ? 0 : pages.last();
    QByteArray map;
    if (!m_referenceMaps && last - first < quint32(inlineBytes * 8)) {
        map = QByteArray(1, 0) + le32(first) + QByteArray(inlineBytes, 0);
        for (quint32 p : pages)
            map[5 + int((p - first) / 8)] = char(map.at(5 + int((p - first) / 8)) | (1 << ((p - first) % 8)));
    } else {
        const quint32 span = quint32(pageSize() - 4) * 8;
        map = QByteArray(1, 1);
        QList<int> mapPages;
        for (quint32 p : pages) {
            const int index = int(p / span);
            while (mapPages.size() <= index)
                mapPages.append(-1);
            if (mapPages.at(index) < 0)
                mapPages[index] = newPage(0x05, 0);
            QByteArray &bitmap = m_pages[mapPages.at(index)];
            const quint32 bit = p % span;
            bitmap[4 + int(bit / 8)] = char(bitmap.at(4 + int(bit / 8)) | (1 << (bit % 8)));
        }
        for (int mapPage : mapPages)
            map += le32(quint32(qMax(mapPage, 0)));
    }
    const quint32 used = addRow(m_mapSlot, 0, map, nullptr);
    addRow(m_mapSlot, 0, map, nullptr);
    return used;
}

void JetImage::writeTable(const Table &table, quint32 definitionPage, int)
{
    Placement placement;
    placement.definitionPage = definitionPage;
    PageSlot data;
    for (const Row &row : table.rows)
        addRow(data, definitionPage, encodeRow(table, row, placement), &placement.dataPages);
    placement.usageMapRow = usageMap(placement.dataPages);
    m_pages[int(definitionPage)] = definition(table, placement.usageMapRow);
    m_placements.insert(table.name, placement);
}

QByteArray JetImage::header() const
{
    QByteArray h(pageSize(), 0);
    h[1] = 1;
    h.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
    h[0x14] = m_version == Jet3 ? 0 : 1;
    if (m_version == Jet3)
        put16(h, 0x3A, 1033);
    else
        put16(h, 0x6E, 1033);
    put16(h, 0x3C, 1252);
    rc4(h.data() + 0x18, m_version == Jet3 ? 126 : 128);
    return h;
}

QByteArray JetImage::build()
{
    m_pages.clear();
    m_placements.clear();
    m_mapSlot = {};
    m_memoSlot = {};
    m_pages.append(QByteArray()); // 0: header, written last
    m_mapSlot.page = newPage(1, 0);
    m_pages.append(QByteArray()); // 2: the catalog's definition
    PageSlot catalogData{newPage(1, 2)};

    Table catalog{QStringLiteral("MSysObjects"),
                  {{QStringLiteral("Id"), ColumnType::Long},
                   {QStringLiteral("Name"), ColumnType::Text, 255},
                   {QStringLiteral("Type"), ColumnType::Integer},
                   {QStringLiteral("Flags"), ColumnType::Long},
                   {QStringLiteral("LvProp"), ColumnType::Ole}},
                  {Row{2, QStringLiteral("MSysObjects"), 1, qint64(0x80000002)}}};
    for (const Table &table : m_tables) {
        const quint32 definitionPage = quint32(m_pages.size());
        m_pages.append(QByteArray());
        writeTable(table, definitionPage, 0);
        catalog.rows.append(Row{qint64(definitionPage), table.name, 1, 0});
    }
    Placement catalogPlacement;
    for (const Row &row : catalog.rows)
        addRow(catalogData, 2, encodeRow(catalog, row, catalogPlacement), nullptr);
    m_pages[2] = definition(catalog, usageMap({3}));
    m_pages[0] = header();
    QByteArray file;
    for (const QByteArray &page : m_pages)
        file += page;
    return file;
}
