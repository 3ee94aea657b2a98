#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace gen::jet {

// The column types this writer stores values of, plus the binary kinds the catalog declares
// (always empty there). The numbers are the type codes of the file format.
enum class ColumnType : std::uint8_t {
    Integer = 0x03,  // 16-bit
    Long = 0x04,     // 32-bit
    DateTime = 0x08, // days since 1899-12-30 as a double
    Binary = 0x09,
    Text = 0x0A, // at most 255 characters, stored in the row
    Ole = 0x0B,
    Memo = 0x0C, // long text, stored in the row or on long-value pages
};

// Null, a whole number (Integer, Long), a date (DateTime) or UTF-8 text (Text, Memo).
using Value = std::variant<std::monostate, std::int32_t, double, std::string>;

struct Column
{
    std::string name;
    ColumnType type;
};

struct Table
{
    std::string name;
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows; // each row holds one value per column, in column order
    bool system = false;                  // MSysObjects and its kind: flagged, hidden from users
};

bool isFixedLength(ColumnType type);
bool isLongValue(ColumnType type); // Memo, OLE: the row holds a reference to long-value pages
std::size_t fixedLength(ColumnType type);

} // namespace gen::jet
