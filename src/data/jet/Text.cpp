#include "data/jet/Text.h"

#include "data/jet/JetError.h"

#include <array>

namespace jet::text {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes map to the C1 controls as Windows does.
constexpr std::array<char16_t, 32> Cp1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Replacement = 0xFFFD;

// Appends UTF-16 code units, joining surrogate pairs; a lone surrogate becomes U+FFFD.
class Utf16Sink
{
public:
    explicit Utf16Sink(std::string &out) : m_out(out) {}

    void put(char16_t unit)
    {
        if (m_high) {
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                appendUtf8(m_out, 0x10000 + ((char32_t(m_high) - 0xD800) << 10) + (unit - 0xDC00));
                m_high = 0;
                return;
            }
            flush();
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            m_high = unit;
        else if (unit >= 0xDC00 && unit <= 0xDFFF)
            appendUtf8(m_out, Replacement);
        else
            appendUtf8(m_out, unit);
    }

    // Ends the text: a high surrogate still waiting for its partner is replaced.
    void flush()
    {
        if (m_high)
            appendUtf8(m_out, Replacement);
        m_high = 0;
    }

private:
    std::string &m_out;
    char16_t m_high = 0;
};

} // namespace

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string fromCodePage(Bytes bytes, std::uint16_t codePage)
{
    const bool cp1252 = codePage == 1252 || codePage == 0;
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t b = bytes.data()[i];
        if (b < 0x80)
            out += char(b);
        else if (!cp1252)
            throw UnsupportedType("its text is in code page " + std::to_string(codePage) + ", which is not read");
        else if (b < 0xA0)
            appendUtf8(out, Cp1252High[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string fromJet4(Bytes bytes)
{
    const std::uint8_t *p = bytes.data();
    const std::size_t n = bytes.size();
    std::string out;
    out.reserve(n);
    Utf16Sink sink(out);
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        bool compressed = true;
        std::size_t i = 2;
        while (i < n) {
            if (p[i] == 0x00) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                sink.put(p[i]);
                ++i;
            } else if (i + 1 < n) {
                sink.put(char16_t(p[i] | (p[i + 1] << 8)));
                i += 2;
            } else {
                break; // a stray last byte of a two-byte run carries no character
            }
        }
    } else {
        for (std::size_t i = 0; i + 1 < n; i += 2)
            sink.put(char16_t(p[i] | (p[i + 1] << 8)));
    }
    sink.flush();
    return out;
}

} // namespace jet::text
