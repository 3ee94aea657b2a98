#pragma once

#include <QStringView>

#include <cstdint>
#include <string_view>

namespace richtext {

// Splits RTF text into groups, control words, control symbols, \'hh bytes and runs of plain
// text. It never allocates and never looks further back than the current token, so hostile
// input costs time linear in its length.
class RtfTokenizer
{
public:
    enum class Kind : std::uint8_t { End, GroupOpen, GroupClose, Word, Symbol, Byte, Text };

    // Control word names are at most 32 letters; a longer name is read whole but kept as an
    // empty name, which matches no known word.
    static constexpr int MaxNameLength = 32;

    struct Token
    {
        Kind kind = Kind::End;
        bool hasParam = false;
        std::uint8_t byte = 0; // Byte
        char16_t symbol = 0;   // Symbol: the character after the backslash
        int param = 0;         // Word: saturated to +/- ParamLimit
        int nameLength = 0;
        char name[MaxNameLength] = {};
        QStringView text; // Text: a run without backslash or braces

        std::string_view word() const { return {name, std::size_t(nameLength)}; }
    };

    // Numeric parameters beyond this are clamped, so that callers may negate or add to them
    // without overflow.
    static constexpr int ParamLimit = 1'000'000'000;

    explicit RtfTokenizer(QStringView input) : m_input(input) {}

    Token next();

    // Skips up to count characters of \bin data (the caller has already read the \binN word).
    void skip(qsizetype count);

    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_input.size(); }

private:
    QStringView m_input;
    qsizetype m_pos = 0;

    void readWord(Token &token);
};

} // namespace richtext
