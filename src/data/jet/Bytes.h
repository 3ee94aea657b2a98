#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace jet {

// A read-only window on bytes of the file with bounds-checked little-endian reads. Every access
// that would leave the window throws JetError naming the page and offset, so damaged offsets in
// a file can never read outside it.
class Bytes
{
public:
    static constexpr std::uint32_t NoPage = 0xFFFFFFFF;

    Bytes() = default;
    Bytes(const std::uint8_t *data, std::size_t size, std::uint32_t page = NoPage, std::size_t origin = 0)
        : m_data(data), m_size(size), m_page(page), m_origin(origin)
    {}

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const std::uint8_t *data() const { return m_data; }
    std::uint32_t page() const { return m_page; }

    std::uint8_t u8(std::uint64_t at) const
    {
        need(at, 1);
        return m_data[at];
    }
    std::uint16_t u16(std::uint64_t at) const
    {
        need(at, 2);
        return std::uint16_t(m_data[at] | (m_data[at + 1] << 8));
    }
    std::uint32_t u24(std::uint64_t at) const
    {
        need(at, 3);
        return std::uint32_t(m_data[at]) | (std::uint32_t(m_data[at + 1]) << 8) | (std::uint32_t(m_data[at + 2]) << 16);
    }
    std::uint32_t u32(std::uint64_t at) const
    {
        need(at, 4);
        return std::uint32_t(m_data[at]) | (std::uint32_t(m_data[at + 1]) << 8) | (std::uint32_t(m_data[at + 2]) << 16)
               | (std::uint32_t(m_data[at + 3]) << 24);
    }
    std::uint64_t u64(std::uint64_t at) const { return std::uint64_t(u32(at)) | (std::uint64_t(u32(at + 4)) << 32); }
    float f32(std::uint64_t at) const;
    double f64(std::uint64_t at) const;

    // The bytes [at, at + length) as a window of their own.
    Bytes slice(std::uint64_t at, std::uint64_t length) const
    {
        need(at, length);
        return Bytes(m_data + at, std::size_t(length), m_page, m_origin + std::size_t(at));
    }

    // Throws unless [at, at + length) lies inside the window.
    void need(std::uint64_t at, std::uint64_t length) const
    {
        if (at > m_size || length > m_size - at)
            outOfRange(at, length);
    }

private:
    [[noreturn]] void outOfRange(std::uint64_t at, std::uint64_t length) const;

    const std::uint8_t *m_data = nullptr;
    std::size_t m_size = 0;
    std::uint32_t m_page = NoPage;
    std::size_t m_origin = 0; // offset of m_data within its page, for messages
};

} // namespace jet
