#include "richtext/RtfReader.h"

#include "richtext/RtfCodePage.h"
#include "richtext/RtfTokenizer.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

namespace richtext {

namespace {

// Lengths in RTF are twips; the document works in logical pixels at 96 per inch.
constexpr qreal TwipsPerPixel = 15;
// Clamps that keep hostile values from reaching the layout: 22 inches, the widest page a word
// processor offers, and 1638 points, its largest font size.
constexpr int MaxTwips = 31680;
constexpr int MaxHalfPoints = 3276;
constexpr int DefaultHalfPoints = 24;
constexpr int MaxFonts = 4096;
constexpr int MaxColours = 4096;
constexpr int MaxFontNameLength = 256;
constexpr int MaxUnicodeSkip = 255;
// How many tokens are read between looks at the clock.
constexpr int TokensPerClockCheck = 4096;
// A line of text is never taller than twice its font's size, in any font Qt may fall back on.
constexpr qreal LineHeightPerFontPixel = 2;
constexpr qreal PixelsPerPoint = 96.0 / 72.0;

enum class Kw : std::uint8_t {
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

struct Entry {
    std::string_view word;
    Kw kw;
};

constexpr std::array Keywords{
    Entry{"annotation", Kw::Ignorable}, Entry{"ansi", Kw::Ansi}, Entry{"ansicpg", Kw::AnsiCpg},
    Entry{"atnauthor", Kw::Ignorable}, Entry{"atnid", Kw::Ignorable}, Entry{"b", Kw::Bold},
    Entry{"bin", Kw::Bin}, Entry{"bkmkend", Kw::Ignorable}, Entry{"bkmkstart", Kw::Ignorable},
    Entry{"blue", Kw::Blue}, Entry{"bullet", Kw::Bullet}, Entry{"caps", Kw::Caps},
    Entry{"cb", Kw::Background}, Entry{"cell", Kw::Tab}, Entry{"cf", Kw::Foreground},
    Entry{"colorschememapping", Kw::Ignorable}, Entry{"colortbl", Kw::ColourTable},
    Entry{"cpg", Kw::FontCodePage}, Entry{"datastore", Kw::Ignorable}, Entry{"deff", Kw::Deff},
    Entry{"do", Kw::Ignorable}, Entry{"docvar", Kw::Ignorable}, Entry{"emdash", Kw::EmDash},
    Entry{"emspace", Kw::EmSpace}, Entry{"endash", Kw::EnDash}, Entry{"enspace", Kw::EnSpace},
    Entry{"f", Kw::Font}, Entry{"fbidi", Kw::FontBidi}, Entry{"fcharset", Kw::FontCharset},
    Entry{"fdecor", Kw::FontDecor}, Entry{"fi", Kw::FirstIndent}, Entry{"field", Kw::Field},
    Entry{"filetbl", Kw::Ignorable}, Entry{"fldinst", Kw::Ignorable},
    Entry{"fldrslt", Kw::FieldResult}, Entry{"fmodern", Kw::FontModern}, Entry{"fnil", Kw::FontNil},
    Entry{"fonttbl", Kw::FontTable}, Entry{"footer", Kw::Ignorable},
    Entry{"footerf", Kw::Ignorable}, Entry{"footerl", Kw::Ignorable},
    Entry{"footerr", Kw::Ignorable}, Entry{"footnote", Kw::Ignorable},
    Entry{"froman", Kw::FontRoman}, Entry{"fs", Kw::FontSize}, Entry{"fscript", Kw::FontScript},
    Entry{"fswiss", Kw::FontSwiss}, Entry{"ftech", Kw::FontTech}, Entry{"generator", Kw::Ignorable},
    Entry{"green", Kw::Green}, Entry{"header", Kw::Ignorable}, Entry{"headerf", Kw::Ignorable},
    Entry{"headerl", Kw::Ignorable}, Entry{"headerr", Kw::Ignorable},
    Entry{"highlight", Kw::Background}, Entry{"i", Kw::Italic}, Entry{"info", Kw::Ignorable},
    Entry{"latentstyles", Kw::Ignorable}, Entry{"ldblquote", Kw::LDblQuote},
    Entry{"li", Kw::LeftIndent}, Entry{"line", Kw::Line}, Entry{"listoverridetable", Kw::Ignorable},
    Entry{"listtable", Kw::Ignorable}, Entry{"lquote", Kw::LQuote}, Entry{"ltrmark", Kw::LtrMark},
    Entry{"ltrpar", Kw::LeftToRight}, Entry{"mac", Kw::Mac}, Entry{"mmathPr", Kw::Ignorable},
    Entry{"nestcell", Kw::Tab}, Entry{"nestrow", Kw::Par}, Entry{"nonshppict", Kw::Ignorable},
    Entry{"nosupersub", Kw::NoSuperSub}, Entry{"object", Kw::Ignorable}, Entry{"page", Kw::Par},
    Entry{"par", Kw::Par}, Entry{"pard", Kw::Pard}, Entry{"pc", Kw::Pc}, Entry{"pca", Kw::Pca},
    Entry{"pgdsctbl", Kw::Ignorable}, Entry{"pict", Kw::Ignorable}, Entry{"plain", Kw::Plain},
    Entry{"qc", Kw::AlignCentre}, Entry{"qd", Kw::AlignJustify}, Entry{"qj", Kw::AlignJustify},
    Entry{"ql", Kw::AlignLeft}, Entry{"qmspace", Kw::QmSpace}, Entry{"qr", Kw::AlignRight},
    Entry{"rdblquote", Kw::RDblQuote}, Entry{"red", Kw::Red}, Entry{"revtbl", Kw::Ignorable},
    Entry{"ri", Kw::RightIndent}, Entry{"row", Kw::Par}, Entry{"rquote", Kw::RQuote},
    Entry{"rsidtbl", Kw::Ignorable}, Entry{"rtlmark", Kw::RtlMark},
    Entry{"rtlpar", Kw::RightToLeft}, Entry{"sa", Kw::SpaceAfter}, Entry{"sb", Kw::SpaceBefore},
    Entry{"scaps", Kw::SmallCaps}, Entry{"sect", Kw::Par}, Entry{"shp", Kw::Ignorable},
    Entry{"shpinst", Kw::Ignorable}, Entry{"strike", Kw::Strike},
    Entry{"striked", Kw::StrikeDouble}, Entry{"stylesheet", Kw::Ignorable}, Entry{"sub", Kw::Sub},
    Entry{"super", Kw::Super}, Entry{"tab", Kw::Tab}, Entry{"tc", Kw::Ignorable},
    Entry{"template", Kw::Ignorable}, Entry{"themedata", Kw::Ignorable},
    Entry{"txe", Kw::Ignorable}, Entry{"u", Kw::U}, Entry{"uc", Kw::Uc}, Entry{"ul", Kw::Underline},
    Entry{"uld", Kw::UnderlineDotted}, Entry{"uldash", Kw::UnderlineDashed},
    Entry{"uldashd", Kw::UnderlineDashed}, Entry{"uldashdd", Kw::UnderlineDashed},
    Entry{"uldb", Kw::Underline}, Entry{"ulnone", Kw::UnderlineNone}, Entry{"ulth", Kw::Underline},
    Entry{"ulw", Kw::Underline}, Entry{"ulwave", Kw::UnderlineWave},
    Entry{"userprops", Kw::Ignorable}, Entry{"v", Kw::Hidden}, Entry{"xe", Kw::Ignorable},
    Entry{"xmlnstbl", Kw::Ignorable}, Entry{"zwbo", Kw::Zwbo}, Entry{"zwj", Kw::Zwj},
    Entry{"zwnbo", Kw::Zwnbo}, Entry{"zwnj", Kw::Zwnj},
};
static_assert(std::is_sorted(Keywords.begin(), Keywords.end(),
                             [](const Entry &a, const Entry &b) { return a.word < b.word; }));

Kw lookup(std::string_view word)
{
    const auto it = std::lower_bound(Keywords.begin(), Keywords.end(), word,
                                     [](const Entry &e, std::string_view w) { return e.word < w; });
    return it != Keywords.end() && it->word == word ? it->kw : Kw::Unknown;
}

// Single characters that control words stand for.
char16_t symbolFor(Kw kw)
{
    switch (kw) {
    case Kw::EmDash: return 0x2014;
    case Kw::EnDash: return 0x2013;
    case Kw::EmSpace: return 0x2003;
    case Kw::EnSpace: return 0x2002;
    case Kw::QmSpace: return 0x2005;
    case Kw::Bullet: return 0x2022;
    case Kw::LQuote: return 0x2018;
    case Kw::RQuote: return 0x2019;
    case Kw::LDblQuote: return 0x201C;
    case Kw::RDblQuote: return 0x201D;
    case Kw::Zwj: return 0x200D;
    case Kw::Zwnj: return 0x200C;
    case Kw::Zwbo: return 0x200B;
    case Kw::Zwnbo: return 0x2060;
    case Kw::LtrMark: return 0x200E;
    case Kw::RtlMark: return 0x200F;
    case Kw::Tab: return u'\t';
    case Kw::Line: return QChar::LineSeparator;
    default: return 0;
    }
}

enum class Dest : std::uint8_t { Text, FontTable, ColourTable, Skip };
enum class Align : std::uint8_t { Default, Left, Centre, Right, Justify };
enum class VAlign : std::uint8_t { Normal, Super, Sub };

struct CharProps {
    int font = -1;          // -1: the document's default font
    int halfPoints = 0;     // 0: the size of the QTextDocument's default font
    int colour = -1;        // index into the colour table; -1: the default colour
    int background = -1;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    bool smallCaps = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    VAlign vertical = VAlign::Normal;
    bool operator==(const CharProps &) const = default;
};

struct ParaProps {
    Align align = Align::Default;
    bool rightToLeft = false;
    int left = 0;           // twips
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    bool operator==(const ParaProps &) const = default;
};

// What a group saves and its closing brace restores.
struct GroupState {
    CharProps ch;
    ParaProps para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1;    // \ucN
};

struct FontEntry {
    QString name;
    bool nameDone = false;
    int codePage = 0;       // 0: the document's
    QFont::StyleHint hint = QFont::AnyStyle;
};

struct ColourEntry {
    bool isAuto = true;
    QColor colour;
};

// Spaces where a line may break.
bool isBreakOpportunity(char16_t c)
{
    return c == u' ' || c == u'\t' || c == QChar::LineSeparator || c == 0x200B || c == 0x3000
           || (c >= 0x2000 && c <= 0x200A && c != 0x2007);
}

int clamp(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

enum Problem : unsigned {
    InputTooLong = 1u << 0,
    TooDeep = 1u << 1,
    TooSlow = 1u << 2,
    TooManyParagraphs = 1u << 3,
    TooManyRuns = 1u << 4,
    Unbalanced = 1u << 5,
    TooTall = 1u << 6,
};

class Reader {
public:
    // inputCut: the caller already left out input beyond the limit.
    Reader(QTextDocument &document, const RtfLimits &limits, bool rawBytes, bool inputCut)
        : m_document(document), m_limits(limits), m_rawBytes(rawBytes), m_problems(inputCut ? unsigned(InputTooLong) : 0u) {}

    RtfReadResult readRtf(QStringView input);
    RtfReadResult readPlain(QStringView input);

private:
    QTextDocument &m_document;
    const RtfLimits &m_limits;
    const bool m_rawBytes;          // characters U+0080..U+00FF are code-page bytes
    QTextCursor m_cursor;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_flattened = 0;            // groups opened beyond the depth limit and not yet closed
    bool m_groupStart = false;      // the previous token was "{"
    int m_skip = 0;                 // fallback characters of a \uN still to skip

    int m_docCodePage = 1252;
    int m_defaultFont = -1;
    QHash<int, FontEntry> m_fonts;
    int m_fontBeingDefined = -1;
    std::vector<ColourEntry> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;

    RtfCodePages m_codePages;
    QByteArray m_bytes;             // \'hh bytes not yet decoded
    int m_bytesCodePage = 0;

    QString m_run;                  // text not yet inserted, all in m_runProps
    CharProps m_runProps;
    ParaProps m_lastPara;           // paragraph properties of the latest text
    bool m_pendingBreak = false;    // a paragraph ended; its successor starts with the next text
    int m_paragraphs = 0;
    int m_runs = 0;
    int m_unbroken = 0;             // characters since the last break opportunity
    qreal m_height = 0;             // estimate from above of the laid-out height, in pixels
    qreal m_defaultFontPixels = 16; // the size of text without \fs

    bool m_haveCachedFormat = false;
    CharProps m_cachedProps;
    QTextCharFormat m_cachedFormat;

    unsigned m_problems = 0;
    bool m_stopped = false;

    void cutToLimit(QStringView &input);
    void begin();
    RtfReadResult finish(bool wasRtf);
    void stop(Problem why);

    void openGroup();
    bool closeGroup();
    void word(const RtfTokenizer::Token &token, RtfTokenizer &tokenizer);
    void textWord(Kw kw, bool hasParam, int param);
    void symbol(char16_t c);
    void byte(std::uint8_t value);
    void text(QStringView text);

    void put(QStringView text);
    void putCodePoint(int codePoint);
    void bodyText(QStringView text);
    void appendRun(QStringView text);
    void flushBytes();
    void flushRun();
    void paragraph();
    void startPendingParagraph();
    qreal lineHeight(const CharProps &props) const;
    bool makeRoom(qreal height);

    int codePage() const;
    QTextCharFormat charFormat(const CharProps &props);
    QTextBlockFormat blockFormat(const ParaProps &props) const;
};

void Reader::cutToLimit(QStringView &input)
{
    const qsizetype limit = std::max<qsizetype>(m_limits.maxInputChars, 0);
    if (input.size() > limit) {
        input = input.first(limit);
        m_problems |= InputTooLong;
    }
}

void Reader::begin()
{
    const QFont font = m_document.defaultFont();
    if (font.pixelSize() > 0)
        m_defaultFontPixels = font.pixelSize();
    else if (font.pointSizeF() > 0)
        m_defaultFontPixels = font.pointSizeF() * PixelsPerPoint;
    m_document.clear();
    m_cursor = QTextCursor(&m_document);
    m_cursor.beginEditBlock();
}

void Reader::stop(Problem why)
{
    m_problems |= why;
    m_stopped = true;
}

RtfReadResult Reader::finish(bool wasRtf)
{
    flushBytes();
    flushRun();
    if (!m_pendingBreak)
        m_cursor.setBlockFormat(blockFormat(m_lastPara));
    m_cursor.endEditBlock();

    RtfReadResult result;
    result.wasRtf = wasRtf;
    result.truncated = m_problems & (InputTooLong | TooSlow | TooManyParagraphs | TooManyRuns | TooTall);
    QStringList notes;
    if (m_problems & InputTooLong)
        notes << QStringLiteral("the document is longer than %1 characters; only its beginning is shown")
                     .arg(m_limits.maxInputChars);
    if (m_problems & TooSlow)
        notes << QStringLiteral("reading took longer than %1 ms; only the beginning is shown")
                     .arg(m_limits.maxMilliseconds);
    if (m_problems & TooManyParagraphs)
        notes << QStringLiteral("the document has more than %1 paragraphs; only the first are shown")
                     .arg(m_limits.maxParagraphs);
    if (m_problems & TooManyRuns)
        notes << QStringLiteral("the document changes its formatting more than %1 times; only the beginning is shown")
                     .arg(m_limits.maxRuns);
    if (m_problems & TooTall)
        notes << QStringLiteral("the document would stand too tall to be shown; only its beginning is shown");
    if (m_problems & TooDeep)
        notes << QStringLiteral("groups are nested deeper than %1; the inner ones were read as one")
                     .arg(m_limits.maxDepth);
    if (m_problems & Unbalanced)
        notes << QStringLiteral("the document ends inside an open group");
    if (!notes.isEmpty()) {
        result.warning = notes.join(QStringLiteral("; "));
        result.warning[0] = result.warning[0].toUpper();
        result.warning += u'.';
    }
    return result;
}

RtfReadResult Reader::readPlain(QStringView input)
{
    cutToLimit(input);
    begin();
    // Lines end in CR LF, LF or a lone CR; each becomes one paragraph.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= input.size() && !m_stopped; ++i) {
        const bool end = i == input.size();
        const char16_t c = end ? 0 : input[i].unicode();
        if (!end && c != u'\n' && c != u'\r')
            continue;
        bodyText(input.sliced(start, i - start));
        if (end)
            break;
        if (c == u'\r' && i + 1 < input.size() && input[i + 1] == u'\n')
            ++i;
        start = i + 1;
        paragraph();
    }
    // A final line break ends the last line; it does not start an empty one.
    return finish(false);
}

RtfReadResult Reader::readRtf(QStringView input)
{
    cutToLimit(input);
    begin();
    m_stack.reserve(std::min<std::size_t>(std::max(m_limits.maxDepth, 1), 64));

    QElapsedTimer clock;
    clock.start();
    RtfTokenizer tokenizer(input);
    bool started = false;
    for (int tokens = 0; !m_stopped; ++tokens) {
        if (tokens == TokensPerClockCheck) {
            tokens = 0;
            if (m_limits.maxMilliseconds > 0 && clock.elapsed() > m_limits.maxMilliseconds) {
                stop(TooSlow);
                break;
            }
        }
        const RtfTokenizer::Token token = tokenizer.next();
        if (token.kind != RtfTokenizer::Kind::Byte)
            flushBytes();
        if (token.kind == RtfTokenizer::Kind::End) {
            if (!m_stack.empty() || m_flattened > 0)
                m_problems |= Unbalanced;
            break;
        }
        if (!started) {
            // The caller made sure the text starts with "{\rtf".
            started = token.kind == RtfTokenizer::Kind::GroupOpen;
            if (started)
                openGroup();
            continue;
        }
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        switch (token.kind) {
        case RtfTokenizer::Kind::GroupOpen:
            m_skip = 0;
            openGroup();
            m_groupStart = true;
            break;
        case RtfTokenizer::Kind::GroupClose:
            m_skip = 0;
            if (closeGroup())
                return finish(true);  // the document's own group closed; what follows is not read
            break;
        case RtfTokenizer::Kind::Word:
            word(token, tokenizer);
            break;
        case RtfTokenizer::Kind::Symbol:
            if (m_skip > 0)
                --m_skip;
            else if (token.symbol == u'*' && groupStart)
                m_state.dest = Dest::Skip;  // "{\*\..." : a destination we may ignore
            else
                symbol(token.symbol);
            break;
        case RtfTokenizer::Kind::Byte:
            byte(token.byte);
            break;
        case RtfTokenizer::Kind::Text:
            text(token.text);
            break;
        case RtfTokenizer::Kind::End:
            break;
        }
    }
    return finish(true);
}

void Reader::openGroup()
{
    // Past the depth limit a brace opens nothing: the inner groups become part of the
    // deepest real one, so memory stays bounded and nothing recurses.
    if (m_stack.size() >= std::size_t(std::max(m_limits.maxDepth, 1))) {
        ++m_flattened;
        m_problems |= TooDeep;
        return;
    }
    m_stack.push_back(m_state);
}

bool Reader::closeGroup()
{
    if (m_flattened > 0) {
        --m_flattened;
        return false;
    }
    m_state = m_stack.back();
    m_stack.pop_back();
    return m_stack.empty();
}

void Reader::word(const RtfTokenizer::Token &token, RtfTokenizer &tokenizer)
{
    const Kw kw = lookup(token.word());
    if (kw == Kw::Bin) {
        // Binary data is skipped wherever it is, even as a \uN fallback, or its bytes would
        // be read as RTF.
        if (m_skip > 0)
            --m_skip;
        tokenizer.skip(token.hasParam ? std::max(token.param, 0) : 0);
        return;
    }
    if (m_skip > 0) {
        --m_skip;  // a control word counts as one fallback character
        return;
    }
    if (m_state.dest == Dest::Skip)
        return;
    const bool has = token.hasParam;
    const int param = token.param;

    switch (kw) {
    // Destinations.
    case Kw::Ignorable:
        m_state.dest = Dest::Skip;
        return;
    case Kw::FontTable:
        m_state.dest = Dest::FontTable;
        m_fontBeingDefined = -1;
        return;
    case Kw::ColourTable:
        m_state.dest = Dest::ColourTable;
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
        return;
    case Kw::FieldResult:
        m_state.dest = Dest::Text;
        return;
    case Kw::Field:
        return;

    // Document settings, valid in any destination.
    case Kw::Ansi:
        m_docCodePage = 1252;
        return;
    case Kw::AnsiCpg:
        if (has && param > 0 && param <= 65535)
            m_docCodePage = param;
        return;
    case Kw::Mac:
        m_docCodePage = 10000;
        return;
    case Kw::Pc:
        m_docCodePage = 437;
        return;
    case Kw::Pca:
        m_docCodePage = 850;
        return;
    case Kw::Deff:
        if (has)
            m_defaultFont = std::max(param, 0);
        return;
    case Kw::Uc:
        m_state.unicodeSkip = has ? clamp(param, 0, MaxUnicodeSkip) : 1;
        return;
    case Kw::U:
        if (has) {
            // The parameter is a signed 16-bit number; code points past U+FFFF are accepted
            // as they are.
            putCodePoint(param < 0 ? param + 65536 : param);
            m_skip = m_state.unicodeSkip;
        }
        return;
    default:
        break;
    }

    if (m_state.dest == Dest::FontTable) {
        FontEntry *font = m_fontBeingDefined >= 0 ? &m_fonts[m_fontBeingDefined] : nullptr;
        switch (kw) {
        case Kw::Font:
            m_fontBeingDefined = -1;
            if (has && param >= 0 && (m_fonts.size() < MaxFonts || m_fonts.contains(param))) {
                m_fontBeingDefined = param;
                m_fonts[param] = FontEntry{};
            }
            return;
        case Kw::FontCharset:
            if (font && has)
                font->codePage = RtfCodePages::forCharset(param);
            return;
        case Kw::FontCodePage:
            if (font && has && param > 0 && param <= 65535)
                font->codePage = param;
            return;
        case Kw::FontRoman: if (font) font->hint = QFont::Serif; return;
        case Kw::FontSwiss: if (font) font->hint = QFont::SansSerif; return;
        case Kw::FontModern: if (font) font->hint = QFont::TypeWriter; return;
        case Kw::FontScript: if (font) font->hint = QFont::Cursive; return;
        case Kw::FontDecor: if (font) font->hint = QFont::Decorative; return;
        default: return;
        }
    }
    if (m_state.dest == Dest::ColourTable) {
        const int component = has ? clamp(param, 0, 255) : 0;
        switch (kw) {
        case Kw::Red: m_red = component; m_colourGiven = true; return;
        case Kw::Green: m_green = component; m_colourGiven = true; return;
        case Kw::Blue: m_blue = component; m_colourGiven = true; return;
        default: return;
        }
    }
    textWord(kw, has, param);
}

void Reader::textWord(Kw kw, bool has, int param)
{
    CharProps &ch = m_state.ch;
    ParaProps &para = m_state.para;
    // Toggles: no parameter or a non-zero one switches on, 0 switches off.
    const bool on = !has || param != 0;
    const int twips = clamp(param, -MaxTwips, MaxTwips);
    switch (kw) {
    case Kw::Plain: ch = CharProps{}; return;
    case Kw::Bold: ch.bold = on; return;
    case Kw::Italic: ch.italic = on; return;
    case Kw::Strike:
    case Kw::StrikeDouble: ch.strike = on; return;
    case Kw::Hidden: ch.hidden = on; return;
    case Kw::Caps: ch.caps = on; return;
    case Kw::SmallCaps: ch.smallCaps = on; return;
    case Kw::Underline: ch.underline = on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline; return;
    case Kw::UnderlineDotted: ch.underline = on ? QTextCharFormat::DotLine : QTextCharFormat::NoUnderline; return;
    case Kw::UnderlineDashed: ch.underline = on ? QTextCharFormat::DashUnderline : QTextCharFormat::NoUnderline; return;
    case Kw::UnderlineWave: ch.underline = on ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline; return;
    case Kw::UnderlineNone: ch.underline = QTextCharFormat::NoUnderline; return;
    case Kw::Super: ch.vertical = VAlign::Super; return;
    case Kw::Sub: ch.vertical = VAlign::Sub; return;
    case Kw::NoSuperSub: ch.vertical = VAlign::Normal; return;
    case Kw::FontSize: ch.halfPoints = has && param > 0 ? std::min(param, MaxHalfPoints) : DefaultHalfPoints; return;
    case Kw::Font: ch.font = has && param >= 0 ? param : -1; return;
    case Kw::Foreground: ch.colour = has ? clamp(param, 0, MaxColours) : -1; return;
    case Kw::Background: ch.background = has ? clamp(param, 0, MaxColours) : -1; return;

    case Kw::Pard: para = ParaProps{}; return;
    case Kw::AlignLeft: para.align = Align::Left; return;
    case Kw::AlignCentre: para.align = Align::Centre; return;
    case Kw::AlignRight: para.align = Align::Right; return;
    case Kw::AlignJustify: para.align = Align::Justify; return;
    case Kw::LeftIndent: para.left = std::max(twips, 0); return;
    case Kw::RightIndent: para.right = std::max(twips, 0); return;
    case Kw::FirstIndent: para.first = twips; return;
    case Kw::SpaceBefore: para.before = std::max(twips, 0); return;
    case Kw::SpaceAfter: para.after = std::max(twips, 0); return;
    case Kw::RightToLeft: para.rightToLeft = true; return;
    case Kw::LeftToRight: para.rightToLeft = false; return;

    case Kw::Par:
        if (m_state.dest == Dest::Text)
            paragraph();
        return;
    default:
        if (const char16_t c = symbolFor(kw))
            put(QStringView(&c, 1));
        return;
    }
}

void Reader::symbol(char16_t c)
{
    if (m_state.dest == Dest::Skip)
        return;
    char16_t out = 0;
    switch (c) {
    case u'\\': case u'{': case u'}': out = c; break;
    case u'~': out = 0x00A0; break;   // non-breaking space
    case u'-': out = 0x00AD; break;   // optional hyphen
    case u'_': out = 0x2011; break;   // non-breaking hyphen
    case u'\t': out = u'\t'; break;
    case u'\n': case u'\r':
        // A backslash before a line end is a paragraph mark.
        if (m_state.dest == Dest::Text)
            paragraph();
        return;
    default: return;
    }
    put(QStringView(&out, 1));
}

void Reader::byte(std::uint8_t value)
{
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (m_state.dest == Dest::Skip || m_state.dest == Dest::ColourTable)
        return;
    const int page = codePage();
    if (!m_bytes.isEmpty() && page != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = page;
    m_bytes.append(char(value));
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    QString decoded;
    m_codePages.decode(m_bytesCodePage, m_bytes, decoded);
    m_bytes.clear();
    put(decoded);
}

void Reader::text(QStringView text)
{
    // Fallback characters of a \uN are dropped; line ends in RTF are not text and do not count.
    qsizetype i = 0;
    while (m_skip > 0 && i < text.size()) {
        if (text[i] != u'\r' && text[i] != u'\n')
            --m_skip;
        ++i;
    }
    text = text.sliced(i);
    if (text.isEmpty() || m_state.dest == Dest::Skip)
        return;
    if (m_rawBytes) {
        // Characters 0x80..0xFF stand for bytes of the document's code page.
        qsizetype start = 0;
        for (qsizetype j = 0; j < text.size(); ++j) {
            const char16_t c = text[j].unicode();
            if (c < 0x80 || c > 0xFF)
                continue;
            put(text.sliced(start, j - start));
            flushBytes();
            byte(std::uint8_t(c));
            start = j + 1;
        }
        put(text.sliced(start));
        return;
    }
    put(text);
}

void Reader::putCodePoint(int codePoint)
{
    if (codePoint < 0 || codePoint > 0x10FFFF)
        codePoint = QChar::ReplacementCharacter;
    char16_t units[2];
    const qsizetype n = QChar::requiresSurrogates(char32_t(codePoint)) ? 2 : 1;
    if (n == 2) {
        units[0] = QChar::highSurrogate(char32_t(codePoint));
        units[1] = QChar::lowSurrogate(char32_t(codePoint));
    } else {
        units[0] = char16_t(codePoint);
    }
    put(QStringView(units, n));
}

// Text for the current destination.
void Reader::put(QStringView text)
{
    if (text.isEmpty())
        return;
    flushBytes();  // bytes that came first go first
    switch (m_state.dest) {
    case Dest::Text:
        bodyText(text);
        return;
    case Dest::FontTable: {
        if (m_fontBeingDefined < 0)
            return;
        FontEntry &font = m_fonts[m_fontBeingDefined];
        for (const QChar c : text) {
            if (font.nameDone)
                return;
            if (c == u';')
                font.nameDone = true;
            else if (c.unicode() >= 0x20 && font.name.size() < MaxFontNameLength)
                font.name.append(c);
        }
        return;
    }
    case Dest::ColourTable:
        for (const QChar c : text) {
            if (c != u';')
                continue;
            // "\red0\green0\blue0;" is black; a bare ";" leaves the colour to the reader.
            if (m_colours.size() < MaxColours)
                m_colours.push_back(m_colourGiven ? ColourEntry{false, QColor(m_red, m_green, m_blue)}
                                                  : ColourEntry{});
            m_red = m_green = m_blue = 0;
            m_colourGiven = false;
        }
        return;
    case Dest::Skip:
        return;
    }
}

// Text of the document itself: characters that would mean something to QTextDocument other
// than text are replaced or dropped here.
void Reader::bodyText(QStringView text)
{
    static constexpr char16_t ZeroWidthSpace = 0x200B;
    const int maxUnbroken = m_limits.maxUnbrokenChars > 0 ? m_limits.maxUnbrokenChars : INT_MAX;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool control = c < 0x20 && c != u'\t';
        const bool paragraphSeparator = c == QChar::ParagraphSeparator;
        // U+FDD0..U+FDEF mark frame boundaries inside QTextDocument, U+FFFC stands for an
        // embedded object; from the data they can only be noise.
        const bool reserved = c >= 0xFDD0 && ((c <= 0xFDEF) || c == QChar::ObjectReplacementCharacter
                                              || c == 0xFFFE || c == 0xFFFF);
        if (!control && !paragraphSeparator && !reserved) {
            if (isBreakOpportunity(c)) {
                m_unbroken = 0;
            } else if (++m_unbroken >= maxUnbroken) {
                appendRun(text.sliced(start, i + 1 - start));
                appendRun(QStringView(&ZeroWidthSpace, 1));
                m_unbroken = 0;
                start = i + 1;
            }
            continue;
        }
        appendRun(text.sliced(start, i - start));
        if (paragraphSeparator) {
            paragraph();
        } else if (reserved) {
            const char16_t replacement = QChar::ReplacementCharacter;
            appendRun(QStringView(&replacement, 1));
            ++m_unbroken;
        }
        start = i + 1;
    }
    appendRun(text.sliced(start));
}

void Reader::appendRun(QStringView text)
{
    if (text.isEmpty() || m_stopped || m_state.ch.hidden)
        return;
    startPendingParagraph();
    if (m_stopped)
        return;
    // Every character may end up on a line of its own (a narrow window, a huge font).
    const qreal perCharacter = lineHeight(m_state.ch);
    if (!makeRoom(text.size() * perCharacter)) {
        const qreal room = qreal(m_limits.maxLayoutHeight) - m_height;
        text = text.first(std::clamp<qsizetype>(qsizetype(room / perCharacter), 0, text.size()));
        m_height += text.size() * perCharacter;
        stop(TooTall);
        if (text.isEmpty())
            return;
    }
    if (!m_run.isEmpty() && !(m_runProps == m_state.ch))
        flushRun();
    m_runProps = m_state.ch;
    m_lastPara = m_state.para;
    m_run.append(text);
}

void Reader::flushRun()
{
    if (m_run.isEmpty())
        return;
    if (m_runs >= m_limits.maxRuns) {
        stop(TooManyRuns);
        m_run.clear();
        return;
    }
    ++m_runs;
    // A surrogate without its partner (a \uN pair split by a format change, or a cut input)
    // becomes a replacement character.
    const qsizetype n = m_run.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = m_run[i];
        if (c.isHighSurrogate() && i + 1 < n && m_run[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            m_run[i] = QChar::ReplacementCharacter;
    }
    m_cursor.insertText(m_run, charFormat(m_runProps));
    m_run.resize(0);
}

void Reader::paragraph()
{
    m_unbroken = 0;
    flushRun();
    startPendingParagraph();
    if (m_stopped)
        return;
    // The paragraph's own line (an empty paragraph is as tall as its font) and its spacing.
    const ParaProps &para = m_state.para;
    if (!makeRoom(lineHeight(m_state.ch) + (para.before + para.after) / TwipsPerPixel)) {
        stop(TooTall);
        return;
    }
    m_cursor.setBlockFormat(blockFormat(m_state.para));
    m_pendingBreak = true;
}

// A paragraph mark ends a paragraph; the next one is opened only when something follows, so
// that the customary final \par leaves no empty paragraph behind.
void Reader::startPendingParagraph()
{
    if (!m_pendingBreak)
        return;
    m_pendingBreak = false;
    if (m_paragraphs >= m_limits.maxParagraphs) {
        stop(TooManyParagraphs);
        m_pendingBreak = true;
        return;
    }
    ++m_paragraphs;
    m_cursor.insertBlock();
}

qreal Reader::lineHeight(const CharProps &props) const
{
    const qreal fontPixels = props.halfPoints > 0 ? props.halfPoints / 2.0 * PixelsPerPoint : m_defaultFontPixels;
    return LineHeightPerFontPixel * fontPixels + 1;
}

// Adds height to the estimate; false, with nothing added, when it would pass the limit.
bool Reader::makeRoom(qreal height)
{
    if (m_limits.maxLayoutHeight > 0 && m_height + height > m_limits.maxLayoutHeight)
        return false;
    m_height += height;
    return true;
}

int Reader::codePage() const
{
    const int index = m_state.dest == Dest::FontTable ? m_fontBeingDefined
                      : m_state.ch.font >= 0          ? m_state.ch.font
                                                      : m_defaultFont;
    const auto it = m_fonts.constFind(index);
    if (it != m_fonts.constEnd() && it->codePage != 0)
        return it->codePage;
    return m_docCodePage;
}

QTextCharFormat Reader::charFormat(const CharProps &props)
{
    if (m_haveCachedFormat && props == m_cachedProps)
        return m_cachedFormat;
    QTextCharFormat format;
    const auto font = m_fonts.constFind(props.font >= 0 ? props.font : m_defaultFont);
    if (font != m_fonts.constEnd()) {
        const QString name = font->name.trimmed();
        if (!name.isEmpty())
            format.setFontFamilies({name});
        if (font->hint != QFont::AnyStyle)
            format.setFontStyleHint(font->hint);
    }
    if (props.halfPoints > 0)
        format.setFontPointSize(props.halfPoints / 2.0);
    if (props.bold)
        format.setFontWeight(QFont::Bold);
    if (props.italic)
        format.setFontItalic(true);
    if (props.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(props.underline);
    if (props.strike)
        format.setFontStrikeOut(true);
    if (props.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (props.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (props.vertical == VAlign::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.vertical == VAlign::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const auto colour = [this](int index) -> const ColourEntry * {
        return index >= 0 && std::size_t(index) < m_colours.size() && !m_colours[index].isAuto
                   ? &m_colours[index] : nullptr;
    };
    if (const ColourEntry *c = colour(props.colour))
        format.setForeground(c->colour);
    if (const ColourEntry *c = colour(props.background))
        format.setBackground(c->colour);

    m_cachedProps = props;
    m_cachedFormat = format;
    m_haveCachedFormat = true;
    return format;
}

QTextBlockFormat Reader::blockFormat(const ParaProps &props) const
{
    QTextBlockFormat format;
    switch (props.align) {
    case Align::Default: break;
    case Align::Left: format.setAlignment(Qt::AlignLeft); break;
    case Align::Centre: format.setAlignment(Qt::AlignHCenter); break;
    case Align::Right: format.setAlignment(Qt::AlignRight); break;
    case Align::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    if (props.rightToLeft)
        format.setLayoutDirection(Qt::RightToLeft);
    if (props.left)
        format.setLeftMargin(props.left / TwipsPerPixel);
    if (props.right)
        format.setRightMargin(props.right / TwipsPerPixel);
    // A hanging indent may reach back to the page margin, not beyond it.
    if (const int first = std::max(props.first, -props.left))
        format.setTextIndent(first / TwipsPerPixel);
    if (props.before)
        format.setTopMargin(props.before / TwipsPerPixel);
    if (props.after)
        format.setBottomMargin(props.after / TwipsPerPixel);
    return format;
}

qsizetype rtfStart(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i].isSpace() || text[i] == QChar::ByteOrderMark))
        ++i;
    return text.sliced(i).startsWith(QLatin1StringView("{\\rtf")) ? i : -1;
}

RtfReadResult readText(QStringView text, QTextDocument &into, const RtfLimits &limits, bool rawBytes,
                       bool inputCut)
{
    const bool undo = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false);  // the build is no user edit, and its history would double the memory
    Reader reader(into, limits, rawBytes, inputCut);
    const qsizetype start = rtfStart(text);
    RtfReadResult result = start >= 0 ? reader.readRtf(text.sliced(start)) : reader.readPlain(text);
    into.setUndoRedoEnabled(undo);
    into.setModified(false);
    return result;
}

} // namespace

bool RtfReader::isRtf(QStringView text)
{
    return rtfStart(text) >= 0;
}

RtfReadResult RtfReader::read(const QString &rtf, QTextDocument &into, const RtfLimits &limits)
{
    return readText(rtf, into, limits, false, false);
}

RtfReadResult RtfReader::read(const QByteArray &rtf, QTextDocument &into, const RtfLimits &limits)
{
    // Only the part within the limit is converted; the reader is told that there was more.
    const qsizetype limit = std::max<qsizetype>(limits.maxInputChars, 0);
    const bool cut = rtf.size() > limit;
    const QByteArray bytes = cut ? rtf.first(limit) : rtf;
    if (QUtf8StringView(rtf).isValidUtf8())
        return readText(QString::fromUtf8(bytes), into, limits, false, cut);
    // Latin-1 keeps each byte as one character, so \binN still counts right; the reader then
    // decodes bytes beyond ASCII in the document's code page. Text that is not RTF is taken
    // as Windows-1252.
    const QString latin1 = QString::fromLatin1(bytes);
    if (isRtf(latin1))
        return readText(latin1, into, limits, true, cut);
    QString text;
    RtfCodePages().decode(1252, bytes, text);
    return readText(text, into, limits, false, cut);
}

} // namespace richtext
