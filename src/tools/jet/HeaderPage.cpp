#include "tools/jet/HeaderPage.h"

#include <array>
#include <cmath>
#include <utility>

namespace gen::jet {

namespace {

constexpr std::size_t VersionAt = 0x14;
constexpr std::size_t MaskedFrom = 0x18;
constexpr std::size_t CodePageAt = 0x3C;
constexpr std::size_t PasswordAt = 0x42;
constexpr std::size_t Jet3SortOrderAt = 0x3A;
constexpr std::size_t Jet4SortOrderAt = 0x6E;
constexpr std::size_t Jet4CreatedAt = 0x72;
constexpr std::size_t Jet4PasswordSize = 40;

// Jet 4 stores even an empty password XORed with the creation day, repeated.
void writeEmptyJet4Password(std::uint8_t *at, double created)
{
    std::array<std::uint8_t, 4> day{};
    put32(day.data(), static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(created))));
    for (std::size_t i = 0; i < Jet4PasswordSize; ++i)
        at[i] = day[i % 4];
}

} // namespace

void rc4(const Bytes &key, std::uint8_t *data, std::size_t size)
{
    std::array<std::uint8_t, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + key[i % key.size()]);
        std::swap(s[i], s[j]);
    }
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    for (std::size_t k = 0; k < size; ++k) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        data[k] ^= s[static_cast<std::uint8_t>(s[a] + s[b])];
    }
}

Bytes headerPage(const JetFormat &format, double created)
{
    Bytes page(format.pageSize, 0);
    page[1] = 0x01;
    const char signature[] = "Standard Jet DB";
    std::copy(std::begin(signature), std::end(signature), page.begin() + 4); // with its NUL
    page[VersionAt] = format.versionByte;
    put16(&page[CodePageAt], CodePage1252);
    if (format.isJet3()) {
        put16(&page[Jet3SortOrderAt], GeneralSortOrder);
    } else {
        put16(&page[Jet4SortOrderAt], GeneralSortOrder);
        putDouble(&page[Jet4CreatedAt], created);
        writeEmptyJet4Password(&page[PasswordAt], created);
    }
    rc4(Bytes{0xC7, 0xDA, 0x39, 0x6B}, &page[MaskedFrom], format.maskedHeaderBytes);
    return page;
}

} // namespace gen::jet
