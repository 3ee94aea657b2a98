#include "data/jet/Bytes.h"

#include "data/jet/JetError.h"

#include <cstring>

namespace jet {

float Bytes::f32(std::uint64_t at) const
{
    const std::uint32_t bits = u32(at);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double Bytes::f64(std::uint64_t at) const
{
    const std::uint64_t bits = u64(at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void Bytes::outOfRange(std::uint64_t at, std::uint64_t length) const
{
    const std::uint64_t first = m_origin + at;
    std::string where = m_page == NoPage ? std::string("a table definition") : "page " + std::to_string(m_page);
    throw JetError(where + ": " + std::to_string(length) + " byte(s) at offset " + std::to_string(first)
                   + " lie outside the " + std::to_string(m_size) + " byte(s) available there");
}

} // namespace jet
