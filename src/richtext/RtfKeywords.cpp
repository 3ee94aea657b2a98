#include "richtext/RtfKeywords.h"

#include <algorithm>
#include <array>

namespace richtext {
namespace {

struct Entry
{
    std::string_view word;
    RtfKeyword keyword;
};

// The table the reader looks control words up in, sorted by word.
// clang-format off
constexpr std::array Keywords{
    Entry{"annotation", RtfKeyword::Ignorable}, Entry{"ansi", RtfKeyword::Ansi}, Entry{"ansicpg", RtfKeyword::AnsiCpg},
    Entry{"atnauthor", RtfKeyword::Ignorable}, Entry{"atnid", RtfKeyword::Ignorable}, Entry{"b", RtfKeyword::Bold},
    Entry{"bin", RtfKeyword::Bin}, Entry{"bkmkend", RtfKeyword::Ignorable}, Entry{"bkmkstart", RtfKeyword::Ignorable},
    Entry{"blue", RtfKeyword::Blue}, Entry{"bullet", RtfKeyword::Bullet}, Entry{"caps", RtfKeyword::Caps},
    Entry{"cb", RtfKeyword::Background}, Entry{"cell", RtfKeyword::Tab}, Entry{"cf", RtfKeyword::Foreground},
    Entry{"colorschememapping", RtfKeyword::Ignorable}, Entry{"colortbl", RtfKeyword::ColourTable},
    Entry{"cpg", RtfKeyword::FontCodePage}, Entry{"datastore", RtfKeyword::Ignorable}, Entry{"deff", RtfKeyword::Deff},
    Entry{"do", RtfKeyword::Ignorable}, Entry{"docvar", RtfKeyword::Ignorable}, Entry{"emdash", RtfKeyword::EmDash},
    Entry{"emspace", RtfKeyword::EmSpace}, Entry{"endash", RtfKeyword::EnDash}, Entry{"enspace", RtfKeyword::EnSpace},
    Entry{"f", RtfKeyword::Font}, Entry{"fbidi", RtfKeyword::FontBidi}, Entry{"fcharset", RtfKeyword::FontCharset},
    Entry{"fdecor", RtfKeyword::FontDecor}, Entry{"fi", RtfKeyword::FirstIndent}, Entry{"field", RtfKeyword::Field},
    Entry{"filetbl", RtfKeyword::Ignorable}, Entry{"fldinst", RtfKeyword::Ignorable},
    Entry{"fldrslt", RtfKeyword::FieldResult}, Entry{"fmodern", RtfKeyword::FontModern}, Entry{"fnil", RtfKeyword::FontNil},
    Entry{"fonttbl", RtfKeyword::FontTable}, Entry{"footer", RtfKeyword::Ignorable},
    Entry{"footerf", RtfKeyword::Ignorable}, Entry{"footerl", RtfKeyword::Ignorable},
    Entry{"footerr", RtfKeyword::Ignorable}, Entry{"footnote", RtfKeyword::Ignorable},
    Entry{"froman", RtfKeyword::FontRoman}, Entry{"fs", RtfKeyword::FontSize}, Entry{"fscript", RtfKeyword::FontScript},
    Entry{"fswiss", RtfKeyword::FontSwiss}, Entry{"ftech", RtfKeyword::FontTech}, Entry{"generator", RtfKeyword::Ignorable},
    Entry{"green", RtfKeyword::Green}, Entry{"header", RtfKeyword::Ignorable}, Entry{"headerf", RtfKeyword::Ignorable},
    Entry{"headerl", RtfKeyword::Ignorable}, Entry{"headerr", RtfKeyword::Ignorable},
    Entry{"highlight", RtfKeyword::Background}, Entry{"i", RtfKeyword::Italic}, Entry{"info", RtfKeyword::Ignorable},
    Entry{"latentstyles", RtfKeyword::Ignorable}, Entry{"ldblquote", RtfKeyword::LDblQuote},
    Entry{"li", RtfKeyword::LeftIndent}, Entry{"line", RtfKeyword::Line}, Entry{"listoverridetable", RtfKeyword::Ignorable},
    Entry{"listtable", RtfKeyword::Ignorable}, Entry{"lquote", RtfKeyword::LQuote}, Entry{"ltrmark", RtfKeyword::LtrMark},
    Entry{"ltrpar", RtfKeyword::LeftToRight}, Entry{"mac", RtfKeyword::Mac}, Entry{"mmathPr", RtfKeyword::Ignorable},
    Entry{"nestcell", RtfKeyword::Tab}, Entry{"nestrow", RtfKeyword::Par}, Entry{"nonshppict", RtfKeyword::Ignorable},
    Entry{"nosupersub", RtfKeyword::NoSuperSub}, Entry{"object", RtfKeyword::Ignorable}, Entry{"page", RtfKeyword::Par},
    Entry{"par", RtfKeyword::Par}, Entry{"pard", RtfKeyword::Pard}, Entry{"pc", RtfKeyword::Pc}, Entry{"pca", RtfKeyword::Pca},
    Entry{"pgdsctbl", RtfKeyword::Ignorable}, Entry{"pict", RtfKeyword::Ignorable}, Entry{"plain", RtfKeyword::Plain},
    Entry{"qc", RtfKeyword::AlignCentre}, Entry{"qd", RtfKeyword::AlignJustify}, Entry{"qj", RtfKeyword::AlignJustify},
    Entry{"ql", RtfKeyword::AlignLeft}, Entry{"qmspace", RtfKeyword::QmSpace}, Entry{"qr", RtfKeyword::AlignRight},
    Entry{"rdblquote", RtfKeyword::RDblQuote}, Entry{"red", RtfKeyword::Red}, Entry{"revtbl", RtfKeyword::Ignorable},
    Entry{"ri", RtfKeyword::RightIndent}, Entry{"row", RtfKeyword::Par}, Entry{"rquote", RtfKeyword::RQuote},
    Entry{"rsidtbl", RtfKeyword::Ignorable}, Entry{"rtlmark", RtfKeyword::RtlMark},
    Entry{"rtlpar", RtfKeyword::RightToLeft}, Entry{"sa", RtfKeyword::SpaceAfter}, Entry{"sb", RtfKeyword::SpaceBefore},
    Entry{"scaps", RtfKeyword::SmallCaps}, Entry{"sect", RtfKeyword::Par}, Entry{"shp", RtfKeyword::Ignorable},
    Entry{"shpinst", RtfKeyword::Ignorable}, Entry{"strike", RtfKeyword::Strike},
    Entry{"striked", RtfKeyword::StrikeDouble}, Entry{"stylesheet", RtfKeyword::Ignorable}, Entry{"sub", RtfKeyword::Sub},
    Entry{"super", RtfKeyword::Super}, Entry{"tab", RtfKeyword::Tab}, Entry{"tc", RtfKeyword::Ignorable},
    Entry{"template", RtfKeyword::Ignorable}, Entry{"themedata", RtfKeyword::Ignorable},
    Entry{"txe", RtfKeyword::Ignorable}, Entry{"u", RtfKeyword::U}, Entry{"uc", RtfKeyword::Uc}, Entry{"ul", RtfKeyword::Underline},
    Entry{"uld", RtfKeyword::UnderlineDotted}, Entry{"uldash", RtfKeyword::UnderlineDashed},
    Entry{"uldashd", RtfKeyword::UnderlineDashed}, Entry{"uldashdd", RtfKeyword::UnderlineDashed},
    Entry{"uldb", RtfKeyword::Underline}, Entry{"ulnone", RtfKeyword::UnderlineNone}, Entry{"ulth", RtfKeyword::Underline},
    Entry{"ulw", RtfKeyword::Underline}, Entry{"ulwave", RtfKeyword::UnderlineWave},
    Entry{"userprops", RtfKeyword::Ignorable}, Entry{"v", RtfKeyword::Hidden}, Entry{"xe", RtfKeyword::Ignorable},
    Entry{"xmlnstbl", RtfKeyword::Ignorable}, Entry{"zwbo", RtfKeyword::Zwbo}, Entry{"zwj", RtfKeyword::Zwj},
    Entry{"zwnbo", RtfKeyword::Zwnbo}, Entry{"zwnj", RtfKeyword::Zwnj},
};
// clang-format on
static_assert(std::is_sorted(Keywords.begin(), Keywords.end(),
                             [](const Entry &a, const Entry &b) { return a.word < b.word; }));

} // namespace

RtfKeyword lookupKeyword(std::string_view word)
{
    const auto it = std::lower_bound(Keywords.begin(), Keywords.end(), word,
                                     [](const Entry &e, std::string_view w) { return e.word < w; });
    return it != Keywords.end() && it->word == word ? it->keyword : RtfKeyword::Unknown;
}

char16_t keywordSymbol(RtfKeyword keyword)
{
    // clang-format off
    switch (keyword) {
    case RtfKeyword::EmDash: return 0x2014;
    case RtfKeyword::EnDash: return 0x2013;
    case RtfKeyword::EmSpace: return 0x2003;
    case RtfKeyword::EnSpace: return 0x2002;
    case RtfKeyword::QmSpace: return 0x2005;
    case RtfKeyword::Bullet: return 0x2022;
    case RtfKeyword::LQuote: return 0x2018;
    case RtfKeyword::RQuote: return 0x2019;
    case RtfKeyword::LDblQuote: return 0x201C;
    case RtfKeyword::RDblQuote: return 0x201D;
    case RtfKeyword::Zwj: return 0x200D;
    case RtfKeyword::Zwnj: return 0x200C;
    case RtfKeyword::Zwbo: return 0x200B;
    case RtfKeyword::Zwnbo: return 0x2060;
    case RtfKeyword::LtrMark: return 0x200E;
    case RtfKeyword::RtlMark: return 0x200F;
    case RtfKeyword::Tab: return u'\t';
    case RtfKeyword::Line: return 0x2028; // line separator
    default: return 0;
    }
    // clang-format on
}

} // namespace richtext
