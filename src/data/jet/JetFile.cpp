#include "data/jet/JetFile.h"

#include "data/jet/JetError.h"

#include <array>
#include <cstring>
#include <fstream>

namespace jet {

namespace {

constexpr std::size_t SignatureOffset = 4;
constexpr char Signature[] = "Standard Jet DB";
constexpr std::size_t VersionOffset = 0x14;
constexpr std::size_t MaskedStart = 0x18;
constexpr std::size_t CodePageOffset = 0x3C;
constexpr std::size_t DatabaseKeyOffset = 0x3E;

// Both generations hide part of the header behind RC4 with this published key; it protects
// nothing, but the code page and the encryption key are only readable once it is removed.
void rc4(std::uint8_t *data, std::size_t size)
{
    static constexpr std::array<std::uint8_t, 4> key{0xC7, 0xDA, 0x39, 0x6B};
    std::array<std::uint8_t, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::uint8_t(i);
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = std::uint8_t(j + s[i] + key[i % key.size()]);
        std::swap(s[i], s[j]);
    }
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    for (std::size_t n = 0; n < size; ++n) {
        a = std::uint8_t(a + 1);
        b = std::uint8_t(b + s[a]);
        std::swap(s[a], s[b]);
        data[n] ^= s[std::uint8_t(s[a] + s[b])];
    }
}

} // namespace

JetFile::JetFile(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes))
{
    const std::size_t signatureLength = sizeof Signature - 1;
    if (m_bytes.size() < SignatureOffset + signatureLength
        || std::memcmp(m_bytes.data() + SignatureOffset, Signature, signatureLength) != 0)
        throw JetError("it is not a Jet (Access) database");
    if (m_bytes.size() > MaxFileSize)
        throw UnsupportedFile("it is larger than an Access database can be");
    if (m_bytes.size() <= VersionOffset)
        throw JetError("the file ends inside its header");
    switch (m_bytes[VersionOffset]) {
    case 0:
        m_format = &JetFormat::jet3Format();
        break;
    case 1:
        m_format = &JetFormat::jet4Format();
        break;
    default:
        throw UnsupportedFile("it is an Access 2007 or later database (.accdb), which is not read; "
                              "save it in the Access 2000 or Access 97 format");
    }
    if (m_bytes.size() < 3 * pageSize())
        throw JetError("the file is too short to hold its catalog (" + std::to_string(m_bytes.size()) + " bytes)");
    m_pageCount = std::uint32_t(m_bytes.size() / pageSize());
    unmaskHeader();
    const Bytes header = page(0);
    m_codePage = header.u16(CodePageOffset);
    if (header.u32(DatabaseKeyOffset) != 0)
        throw UnsupportedFile("it is encrypted, which is not supported");
}

JetFile JetFile::load(const std::string &path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw JetError("it cannot be opened");
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw JetError("its size cannot be read");
    if (std::uint64_t(size) > MaxFileSize)
        throw JetError("it is larger than an Access database can be");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char *>(bytes.data()), size))
        throw JetError("it cannot be read");
    return JetFile(std::move(bytes));
}

void JetFile::unmaskHeader()
{
    const std::size_t length = isJet4() ? 128 : 126;
    rc4(m_bytes.data() + MaskedStart, length);
}

Bytes JetFile::page(std::uint32_t number) const
{
    if (number >= m_pageCount)
        throw JetError("page " + std::to_string(number) + " lies past the end of the file ("
                       + std::to_string(m_pageCount) + " pages)");
    return Bytes(m_bytes.data() + std::size_t(number) * pageSize(), pageSize(), number);
}

} // namespace jet
