#include "data/jet/LongValue.h"

#include "data/jet/DataPage.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace jet::longValue {

namespace {

constexpr std::size_t HeaderSize = 12;
constexpr std::uint32_t LengthMask = 0x3FFFFFFF;
constexpr std::uint32_t Inline = 0x80000000;
constexpr std::uint32_t SinglePage = 0x40000000;

std::vector<std::uint8_t> copy(Bytes bytes, std::uint32_t length)
{
    const Bytes part = bytes.slice(0, length);
    return std::vector<std::uint8_t>(part.data(), part.data() + part.size());
}

std::vector<std::uint8_t> readChain(const JetFile &file, std::uint32_t pointer, std::uint32_t length)
{
    std::vector<std::uint8_t> value;
    value.reserve(length);
    std::unordered_set<std::uint32_t> visited;
    while (value.size() < length) {
        if (pointer == 0)
            throw JetError("a memo value ends after " + std::to_string(value.size()) + " of its "
                           + std::to_string(length) + " bytes");
        if (!visited.insert(pointer).second)
            throw JetError("the pages of a memo value loop back to page " + std::to_string(pointer >> 8));
        const Bytes chunk = DataPage::rowAt(file, pointer);
        if (chunk.size() <= 4)
            throw JetError("page " + std::to_string(pointer >> 8) + ": a part of a memo value holds no data");
        const std::size_t take = std::min<std::size_t>(chunk.size() - 4, length - value.size());
        value.insert(value.end(), chunk.data() + 4, chunk.data() + 4 + take);
        pointer = chunk.u32(0);
    }
    return value;
}

} // namespace

std::vector<std::uint8_t> read(const JetFile &file, Bytes field)
{
    if (field.size() < HeaderSize)
        throw JetError("page " + std::to_string(field.page()) + ": a memo value is too short for its header");
    const std::uint32_t head = field.u32(0);
    const std::uint32_t length = head & LengthMask;
    if (length > MaxLength)
        throw JetError("a memo value of " + std::to_string(length) + " bytes is longer than the "
                       + std::to_string(MaxLength >> 20) + " MB read");
    const std::uint32_t pointer = field.u32(4);
    switch (head & ~LengthMask) {
    case Inline:
        return copy(field.slice(HeaderSize, field.size() - HeaderSize), length);
    case SinglePage:
        return copy(DataPage::rowAt(file, pointer), length);
    case 0:
        return readChain(file, pointer, length);
    default:
        throw JetError("page " + std::to_string(field.page()) + ": a memo value has an unknown storage type");
    }
}

} // namespace jet::longValue
