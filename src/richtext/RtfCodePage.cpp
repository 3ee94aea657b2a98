#include "richtext/RtfCodePage.h"

#include <QStringDecoder>

#include <cstdint>

namespace richtext {

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page is ISO 8859-1. Unassigned bytes
// read as their C1 control code points, as Windows itself decodes them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void decode1252(const QByteArray &bytes, QString &out)
{
    for (const char b : bytes) {
        const auto byte = std::uint8_t(b);
        out.append(QChar(byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : char16_t(byte)));
    }
}

} // namespace

struct RtfCodePages::Entry
{
    int codePage;
    QStringDecoder decoder;
};

RtfCodePages::RtfCodePages() = default;
RtfCodePages::~RtfCodePages() = default;

int RtfCodePages::forCharset(int charset)
{
    // clang-format off
    switch (charset) {
    case 77: return 10000;   // Mac Roman
    case 128: return 932;    // Shift-JIS
    case 129: return 949;    // Hangul
    case 130: return 1361;   // Johab
    case 134: return 936;    // GB 2312
    case 136: return 950;    // Big5
    case 161: return 1253;   // Greek
    case 162: return 1254;   // Turkish
    case 163: return 1258;   // Vietnamese
    case 177: return 1255;   // Hebrew
    case 178: return 1256;   // Arabic
    case 186: return 1257;   // Baltic
    case 204: return 1251;   // Cyrillic
    case 222: return 874;    // Thai
    case 238: return 1250;   // Central European
    case 254: return 437;    // PC 437
    case 255: return 850;    // OEM
    default: return 0;       // ANSI, default and symbol fonts follow the document
    }
    // clang-format on
}

QByteArray RtfCodePages::converterName(int codePage)
{
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + QByteArray::number(codePage);
    switch (codePage) {
    case 437:
    case 737:
    case 775:
    case 850:
    case 852:
    case 855:
    case 857:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
        return "IBM" + QByteArray::number(codePage);
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1361:
        return "Johab";
    case 10000:
        return "macintosh";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 28591:
        return "ISO-8859-1";
    case 28592:
        return "ISO-8859-2";
    case 28595:
        return "ISO-8859-5";
    case 65001:
        return "UTF-8";
    default:
        return {};
    }
}

QStringDecoder *RtfCodePages::decoderFor(int codePage)
{
    for (const auto &entry : m_decoders) {
        if (entry->codePage == codePage)
            return entry->decoder.isValid() ? &entry->decoder : nullptr;
    }
    // Documents use one or two code pages; a hostile one naming thousands only grows this list
    // up to a point, after which unknown code pages read as 1252.
    if (m_decoders.size() >= 32)
        return nullptr;
    const QByteArray name = converterName(codePage);
    auto entry = std::make_unique<Entry>(
        Entry{codePage,
              name.isEmpty() ? QStringDecoder() : QStringDecoder(name.constData(), QStringConverter::Flag::Stateless)});
    QStringDecoder *decoder = entry->decoder.isValid() ? &entry->decoder : nullptr;
    m_decoders.push_back(std::move(entry));
    return decoder;
}

void RtfCodePages::decode(int codePage, const QByteArray &bytes, QString &out)
{
    if (bytes.isEmpty())
        return;
    if (codePage != 1252) {
        if (QStringDecoder *decoder = decoderFor(codePage)) {
            out.append(decoder->decode(bytes));
            return;
        }
    }
    decode1252(bytes, out);
}

} // namespace richtext
