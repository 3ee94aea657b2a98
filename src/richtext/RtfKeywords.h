#pragma once

#include <cstdint>
#include <string_view>

namespace richtext {

// The control words the RTF reader acts on. Words it does not know are read and dropped;
// "Ignorable" ones open a destination whose text is skipped.
// clang-format off
enum class RtfKeyword : std::uint8_t {
    Unknown, Ignorable, Ansi, AnsiCpg, Bold, Bin,
    Blue, Bullet, Caps, Background, Tab, Foreground,
    ColourTable, FontCodePage, Deff, EmDash, EmSpace, EnDash,
    EnSpace, Font, FontBidi, FontCharset, FontDecor, FirstIndent,
    Field, FieldResult, FontModern, FontNil, FontTable, FontRoman,
    FontSize, FontScript, FontSwiss, FontTech, Green, Italic,
    LDblQuote, LeftIndent, Line, LQuote, LtrMark, LeftToRight,
    Mac, Par, NoSuperSub, Pard, Pc, Pca,
    Plain, AlignCentre, AlignJustify, AlignLeft, QmSpace, AlignRight,
    RDblQuote, Red, RightIndent, RQuote, RtlMark, RightToLeft,
    SpaceAfter, SpaceBefore, SmallCaps, Strike, StrikeDouble, Sub,
    Super, U, Uc, Underline, UnderlineDotted, UnderlineDashed,
    UnderlineNone, UnderlineWave, Hidden, Zwbo, Zwj, Zwnbo,
    Zwnj,
};
// clang-format on

// The keyword a control word names; Unknown for every other word.
RtfKeyword lookupKeyword(std::string_view word);

// The character a keyword stands for (\emdash, \tab, \line ...); 0 for the others.
char16_t keywordSymbol(RtfKeyword keyword);

} // namespace richtext
