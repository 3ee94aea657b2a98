#include "tools/jet/FieldEncoder.h"

#include "tools/jet/JetText.h"

#include <limits>
#include <stdexcept>

namespace gen::jet {

FieldEncoder::FieldEncoder(PageFile &file, const Table &table) : m_version(file.format().version), m_table(table)
{
    for (const Column &c : table.columns)
        m_stores.push_back(isLongValue(c.type) ? std::make_unique<LongValueStore>(file) : nullptr);
}

Field FieldEncoder::encode(std::size_t row, std::size_t column, const Value &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return std::nullopt;
    const Column &c = m_table.columns.at(column);
    switch (c.type) {
    case ColumnType::Integer:
    case ColumnType::Long:
        return wholeNumber(row, c, value);
    case ColumnType::DateTime: {
        const auto *days = std::get_if<double>(&value);
        if (!days)
            throw std::invalid_argument(where(row, c) + ": value of the wrong kind");
        Bytes out(8);
        putDouble(out.data(), *days);
        return out;
    }
    case ColumnType::Text:
        return text(row, c, value);
    case ColumnType::Memo:
        return memo(row, column, value);
    default:
        throw std::invalid_argument(where(row, c) + ": values of this type are not written");
    }
}

PageSets FieldEncoder::longValuePages(std::size_t column) const
{
    const std::vector<std::uint32_t> &pages = m_stores.at(column)->pages();
    if (pages.empty())
        return {};
    return {pages, {pages.back()}};
}

Bytes FieldEncoder::wholeNumber(std::size_t row, const Column &c, const Value &value) const
{
    const auto *n = std::get_if<std::int32_t>(&value);
    if (!n)
        throw std::invalid_argument(where(row, c) + ": value of the wrong kind");
    Bytes out;
    if (c.type == ColumnType::Long) {
        append32(out, static_cast<std::uint32_t>(*n));
        return out;
    }
    if (*n < std::numeric_limits<std::int16_t>::min() || *n > std::numeric_limits<std::int16_t>::max())
        throw std::out_of_range(where(row, c) + ": " + std::to_string(*n) + " does not fit an Integer");
    append16(out, static_cast<std::uint32_t>(*n) & 0xFFFF);
    return out;
}

Bytes FieldEncoder::text(std::size_t row, const Column &c, const Value &value) const
{
    const std::string &s = textOf(row, c, value);
    if (textLength(m_version, s) > 255)
        throw std::length_error(where(row, c) + ": more than 255 characters for a Text column");
    return encodeText(m_version, s, !m_table.system);
}

Bytes FieldEncoder::memo(std::size_t row, std::size_t column, const Value &value)
{
    const Column &c = m_table.columns[column];
    const std::string &s = textOf(row, c, value);
    const bool compress = !m_table.system && textLength(m_version, s) <= MaxCompressedMemoLength;
    try {
        return m_stores[column]->store(encodeText(m_version, s, compress));
    } catch (const std::length_error &e) {
        throw std::length_error(where(row, c) + ": " + e.what());
    }
}

const std::string &FieldEncoder::textOf(std::size_t row, const Column &c, const Value &value) const
{
    const auto *s = std::get_if<std::string>(&value);
    if (!s)
        throw std::invalid_argument(where(row, c) + ": value of the wrong kind");
    return *s;
}

std::string FieldEncoder::where(std::size_t row, const Column &c) const
{
    return "table " + m_table.name + ", row " + std::to_string(row + 1) + ", column " + c.name;
}

} // namespace gen::jet
