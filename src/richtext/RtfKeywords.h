#pragma once

#include <cstdint>
#include <string_view>

namespace richtext {

// The control words the RTF reader acts on. Words it does not know are read and dropped;
// "Ignorable" ones open a destination whose text is skipped.
// clang-format off
enum class RtfKeyword : std::uint8_t {
    Unknown,
    // Destinations, and where their text goes.
    Ignorable, FontTable, ColourTable, Field, FieldResult,
    // Settings of the whole document.
    Ansi, AnsiCpg, Mac, Pc, Pca, Deff, Uc, U, Bin,
    // The font and colour tables.
    Font, FontCharset, FontCodePage, FontRoman, FontSwiss, FontModern, FontScript, FontDecor, FontNil, FontTech,
    FontBidi, Red, Green, Blue,
    // Character formatting.
    Plain, Bold, Italic, Strike, StrikeDouble, Hidden, Caps, SmallCaps, FontSize, Foreground, Background, Super, Sub,
    NoSuperSub, Underline, UnderlineDotted, UnderlineDashed, UnderlineWave, UnderlineNone,
    // Paragraph formatting.
    Pard, Par, AlignLeft, AlignCentre, AlignRight, AlignJustify, LeftIndent, RightIndent, FirstIndent, SpaceBefore,
    SpaceAfter, RightToLeft, LeftToRight,
    // Single characters.
    Tab, Line, EmDash, EnDash, EmSpace, EnSpace, QmSpace, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, Zwj, Zwnj,
    Zwbo, Zwnbo, LtrMark, RtlMark
};
// clang-format on

// The keyword a control word names; Unknown for every other word.
RtfKeyword lookupKeyword(std::string_view word);

// The character a keyword stands for (\emdash, \tab, \line ...); 0 for the others.
char16_t keywordSymbol(RtfKeyword keyword);

} // namespace richtext
