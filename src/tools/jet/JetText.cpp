#include "tools/jet/JetText.h"

#include <algorithm>
#include <array>
#include <string>

namespace gen::jet {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Decodes one UTF-8 sequence at text[i], advancing i; a malformed byte yields U+FFFD and is
// skipped alone, so one bad byte never swallows the characters after it.
char32_t nextCodePoint(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return Replacement;
    }
    if (i + length > text.size()) {
        ++i;
        return Replacement;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return Replacement;
        }
        cp = cp << 6 | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return Replacement;
    }
    i += length;
    return cp;
}

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp < 0x10000) {
            out.push_back(static_cast<char16_t>(cp));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

// The characters cp1252 puts at 0x80-0x9F; zero where the code page has none.
constexpr std::array<char16_t, 32> Cp1252High = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::uint8_t toCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<std::uint8_t>(cp);
    const auto *found = std::find(Cp1252High.begin(), Cp1252High.end(), cp);
    if (cp != 0 && found != Cp1252High.end())
        return static_cast<std::uint8_t>(0x80 + (found - Cp1252High.begin()));
    return '?';
}

Bytes cp1252(std::string_view utf8)
{
    Bytes out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out.push_back(toCp1252(nextCodePoint(utf8, i)));
    return out;
}

Bytes utf16le(const std::u16string &units, Bytes out = {})
{
    out.reserve(out.size() + units.size() * 2);
    for (char16_t u : units)
        append16(out, u);
    return out;
}

} // namespace

Bytes encodeText(JetVersion version, std::string_view utf8, bool compress)
{
    if (version == JetVersion::Jet3)
        return cp1252(utf8);
    const std::u16string units = toUtf16(utf8);
    const bool oneByteEach = std::all_of(units.begin(), units.end(), [](char16_t u) { return u != 0 && u <= 0xFF; });
    if (compress && oneByteEach && units.size() > 2) {
        Bytes out{0xFF, 0xFE};
        out.insert(out.end(), units.begin(), units.end());
        return out;
    }
    if (!units.empty() && units.front() == 0xFEFF)
        return utf16le(units, Bytes{0xFF, 0xFE, 0x00});
    return utf16le(units);
}

std::size_t textLength(JetVersion version, std::string_view utf8)
{
    if (version == JetVersion::Jet3)
        return cp1252(utf8).size();
    return toUtf16(utf8).size();
}

} // namespace gen::jet
