#include "richtext/RtfWriter.h"

#include <array>

namespace richtext {

namespace {

// Windows-1252 bytes 0x80..0x9F and the code points they stand for (0 = unassigned).
constexpr std::array<char32_t, 32> Cp1252High = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int toCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (size_t i = 0; i < Cp1252High.size(); ++i)
        if (Cp1252High[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one code point; malformed input yields U+FFFD and consumes one byte.
char32_t nextCodePoint(std::string_view s, size_t &i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    int length = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<size_t>(length) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(i + static_cast<size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t SmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < SmallestOfLength[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<size_t>(length);
    return cp;
}

void appendUnicode(std::string &out, unsigned unit)
{
    // \uN takes a signed 16-bit value; '?' is what readers without Unicode show.
    const int n = unit > 32767 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
    out += "\\u" + std::to_string(n) + "?";
}

} // namespace

RtfWriter::RtfWriter() = default;

int RtfWriter::colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    for (size_t i = 0; i < m_colours.size(); ++i)
        if (m_colours[i].r == red && m_colours[i].g == green && m_colours[i].b == blue)
            return static_cast<int>(i) + 1;
    m_colours.push_back({red, green, blue});
    return static_cast<int>(m_colours.size());
}

void RtfWriter::control(std::string_view word)
{
    m_body += '\\';
    m_body += word;
    m_needSpace = true;
}

RtfWriter &RtfWriter::bold(bool on)
{
    control(on ? "b" : "b0");
    return *this;
}
RtfWriter &RtfWriter::italic(bool on)
{
    control(on ? "i" : "i0");
    return *this;
}
RtfWriter &RtfWriter::fontSize(int points)
{
    control("fs" + std::to_string(points * 2));
    return *this;
}
RtfWriter &RtfWriter::foreground(int colourIndex)
{
    control("cf" + std::to_string(colourIndex));
    return *this;
}
RtfWriter &RtfWriter::paragraph()
{
    control("par");
    return *this;
}

RtfWriter &RtfWriter::text(std::string_view utf8)
{
    if (utf8.empty())
        return *this;
    if (m_needSpace) {
        m_body += ' ';
        m_needSpace = false;
    }
    m_body += escape(utf8);
    // Escaped text ends in a literal, a delimited control word or \'hh: nothing to add.
    m_needSpace = false;
    return *this;
}

std::string RtfWriter::escape(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 8);
    size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, i);
        switch (cp) {
        case '\\':
            out += "\\\\";
            continue;
        case '{':
            out += "\\{";
            continue;
        case '}':
            out += "\\}";
            continue;
        case '\n':
            out += "\\par ";
            continue;
        case '\t':
            out += "\\tab ";
            continue;
        case '\r':
            continue;
        default:
            break;
        }
        const int byte = toCp1252(cp);
        if (byte >= 0x20 && byte < 0x80) {
            out += static_cast<char>(byte);
        } else if (byte >= 0x80) {
            static constexpr char Hex[] = "0123456789abcdef";
            out += "\\'";
            out += Hex[(byte >> 4) & 0xF];
            out += Hex[byte & 0xF];
        } else if (cp < 0x20) {
            continue; // other control characters have no place in the text
        } else if (cp <= 0xFFFF) {
            appendUnicode(out, static_cast<unsigned>(cp));
        } else {
            const char32_t v = cp - 0x10000;
            appendUnicode(out, static_cast<unsigned>(0xD800 + (v >> 10)));
            appendUnicode(out, static_cast<unsigned>(0xDC00 + (v & 0x3FF)));
        }
    }
    return out;
}

std::string RtfWriter::finish()
{
    std::string doc = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}";
    doc += "{\\colortbl;";
    for (const Rgb &c : m_colours)
        doc += "\\red" + std::to_string(c.r) + "\\green" + std::to_string(c.g) + "\\blue" + std::to_string(c.b) + ";";
    doc += "}\\pard\\f0\\fs20 ";
    doc += m_body;
    doc += "}";
    return doc;
}

} // namespace richtext
