#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace gen::jet {

using Bytes = std::vector<std::uint8_t>;

// Jet stores every number little-endian, whatever the machine writing it.
inline void put16(std::uint8_t *at, std::uint32_t v)
{
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void put32(std::uint8_t *at, std::uint32_t v)
{
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
}

inline void putDouble(std::uint8_t *at, double v)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof v);
    std::memcpy(&bits, &v, sizeof bits);
    put32(at, static_cast<std::uint32_t>(bits));
    put32(at + 4, static_cast<std::uint32_t>(bits >> 32));
}

inline void append16(Bytes &out, std::uint32_t v)
{
    out.resize(out.size() + 2);
    put16(out.data() + out.size() - 2, v);
}

inline void append32(Bytes &out, std::uint32_t v)
{
    out.resize(out.size() + 4);
    put32(out.data() + out.size() - 4, v);
}

inline void appendBytes(Bytes &out, const Bytes &more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// A row is addressed as page << 8 | row number on that page.
inline std::uint32_t pageRow(std::uint32_t page, std::size_t row)
{
    return page << 8 | static_cast<std::uint32_t>(row);
}

} // namespace gen::jet
