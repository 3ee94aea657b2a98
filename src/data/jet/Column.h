#pragma once

#include <cstdint>
#include <string>

namespace jet {

enum class ColumnType : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Single = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0A,
    Ole = 0x0B,
    Memo = 0x0C,
    Guid = 0x0F,
    Numeric = 0x10,
};

// One column of a table definition.
struct Column
{
    std::string name;
    ColumnType type = ColumnType::Text;
    std::uint16_t number = 0;      // bit in the null mask; deleted columns keep their numbers
    std::uint16_t varIndex = 0;    // variable-length columns: entry in the row's offset table
    std::uint16_t fixedOffset = 0; // fixed-length columns: offset within the fixed part
    std::uint16_t length = 0;      // declared length in bytes
    bool fixed = false;            // stored in the fixed part of the row
    bool compressedUnicode = false;

    // Bytes a fixed column takes in the row (a Boolean lives in the null mask and takes none).
    std::uint32_t fixedSize() const;
    // Whether the reader decodes values of this column's type.
    bool readable() const;
    // The type as Access names it, for messages.
    std::string typeName() const;
};

} // namespace jet
