#include "richtext/RtfReader.h"

#include "richtext/RtfCodePage.h"
#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfKeywords.h"
#include "richtext/RtfTokenizer.h"

#include <QElapsedTimer>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace richtext {

namespace {

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

using Kw = RtfKeyword;

enum class Dest : std::uint8_t { Text, FontTable, ColourTable, Skip };

// What a group saves and its closing brace restores.
struct GroupState
{
    RtfCharProps ch;
    RtfParaProps para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1; // \ucN
};

int clamp(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

class Reader
{
public:
    // inputCut: the caller already left out input beyond the limit.
    Reader(QTextDocument &document, const RtfLimits &limits, bool rawBytes, bool inputCut)
        : m_limits(limits), m_rawBytes(rawBytes), m_builder(document, limits, m_tables),
          m_problems(inputCut ? unsigned(InputTooLong) : 0u)
    {}

    RtfReadResult readRtf(QStringView input);
    RtfReadResult readPlain(QStringView input);

private:
    const RtfLimits &m_limits;
    const bool m_rawBytes; // characters U+0080..U+00FF are code-page bytes
    RtfTables m_tables;    // declared before the builder, which formats by them
    RtfDocumentBuilder m_builder;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_flattened = 0;       // groups opened beyond the depth limit and not yet closed
    bool m_groupStart = false; // the previous token was "{"
    int m_skip = 0;            // fallback characters of a \uN still to skip

    int m_docCodePage = 1252;
    int m_fontBeingDefined = -1;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;

    RtfCodePages m_codePages;
    QByteArray m_bytes; // \'hh bytes not yet decoded
    int m_bytesCodePage = 0;

    unsigned m_problems = 0; // the reader's own; the builder keeps its limits
    bool m_stopped = false;  // out of time

    bool stopped() const { return m_stopped || m_builder.stopped(); }
    void cutToLimit(QStringView &input);
    RtfReadResult finish(bool wasRtf);

    void openGroup();
    bool closeGroup();
    void word(const RtfTokenizer::Token &token, RtfTokenizer &tokenizer);
    void textWord(Kw kw, bool hasParam, int param);
    void symbol(char16_t c);
    void byte(std::uint8_t value);
    void text(QStringView text);

    void put(QStringView text);
    void putCodePoint(int codePoint);
    void flushBytes();

    int codePage() const;
};

void Reader::cutToLimit(QStringView &input)
{
    const qsizetype limit = std::max<qsizetype>(m_limits.maxInputChars, 0);
    if (input.size() > limit) {
        input = input.first(limit);
        m_problems |= InputTooLong;
    }
}

RtfReadResult Reader::finish(bool wasRtf)
{
    flushBytes();
    m_builder.end();
    m_problems |= m_builder.problems();

    RtfReadResult result;
    result.wasRtf = wasRtf;
    result.truncated = m_problems & (InputTooLong | TooSlow | TooManyParagraphs | TooManyRuns | TooTall);
    // What the reader tells of each problem, in this order; %1 is the limit that was reached.
    struct Note
    {
        RtfProblem problem;
        const char *text;
        qint64 limit;
    };
    const Note known[] = {
        {InputTooLong, "the document is longer than %1 characters; only its beginning is shown",
         m_limits.maxInputChars},
        {TooSlow, "reading took longer than %1 ms; only the beginning is shown", m_limits.maxMilliseconds},
        {TooManyParagraphs, "the document has more than %1 paragraphs; only the first are shown",
         m_limits.maxParagraphs},
        {TooManyRuns, "the document changes its formatting more than %1 times; only the beginning is shown",
         m_limits.maxRuns},
        {TooTall, "the document would stand too tall to be shown; only its beginning is shown", 0},
        {TooDeep, "groups are nested deeper than %1; the inner ones were read as one", m_limits.maxDepth},
        {Unbalanced, "the document ends inside an open group", 0},
    };
    QStringList notes;
    for (const Note &note : known) {
        if (m_problems & note.problem)
            notes << QString::fromLatin1(note.text).replace(QLatin1String("%1"), QString::number(note.limit));
    }
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
    m_builder.begin();
    // Lines end in CR LF, LF or a lone CR; each becomes one paragraph.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= input.size() && !stopped(); ++i) {
        const bool end = i == input.size();
        const char16_t c = end ? 0 : input[i].unicode();
        if (!end && c != u'\n' && c != u'\r')
            continue;
        m_builder.text(input.sliced(start, i - start), m_state.ch, m_state.para);
        if (end)
            break;
        if (c == u'\r' && i + 1 < input.size() && input[i + 1] == u'\n')
            ++i;
        start = i + 1;
        m_builder.paragraph(m_state.ch, m_state.para);
    }
    // A final line break ends the last line; it does not start an empty one.
    return finish(false);
}

RtfReadResult Reader::readRtf(QStringView input)
{
    cutToLimit(input);
    m_builder.begin();
    m_stack.reserve(std::min<std::size_t>(std::max(m_limits.maxDepth, 1), 64));

    QElapsedTimer clock;
    clock.start();
    RtfTokenizer tokenizer(input);
    bool started = false;
    for (int tokens = 0; !stopped(); ++tokens) {
        if (tokens == TokensPerClockCheck) {
            tokens = 0;
            if (m_limits.maxMilliseconds > 0 && clock.elapsed() > m_limits.maxMilliseconds) {
                m_problems |= TooSlow;
                m_stopped = true;
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
                return finish(true); // the document's own group closed; what follows is not read
            break;
        case RtfTokenizer::Kind::Word:
            word(token, tokenizer);
            break;
        case RtfTokenizer::Kind::Symbol:
            if (m_skip > 0)
                --m_skip;
            else if (token.symbol == u'*' && groupStart)
                m_state.dest = Dest::Skip; // "{\*\..." : a destination we may ignore
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
    const Kw kw = lookupKeyword(token.word());
    if (kw == Kw::Bin) {
        // Binary data is skipped wherever it is, even as a \uN fallback, or its bytes would
        // be read as RTF.
        if (m_skip > 0)
            --m_skip;
        tokenizer.skip(token.hasParam ? std::max(token.param, 0) : 0);
        return;
    }
    if (m_skip > 0) {
        --m_skip; // a control word counts as one fallback character
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
            m_tables.defaultFont = std::max(param, 0);
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
        RtfFont *font = m_fontBeingDefined >= 0 ? &m_tables.fonts[m_fontBeingDefined] : nullptr;
        // clang-format off
        switch (kw) {
        case Kw::Font:
            m_fontBeingDefined = -1;
            if (has && param >= 0 && (m_tables.fonts.size() < MaxFonts || m_tables.fonts.contains(param))) {
                m_fontBeingDefined = param;
                m_tables.fonts[param] = RtfFont{};
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
        // clang-format on
    }
    if (m_state.dest == Dest::ColourTable) {
        const int component = has ? clamp(param, 0, 255) : 0;
        // clang-format off
        switch (kw) {
        case Kw::Red: m_red = component; m_colourGiven = true; return;
        case Kw::Green: m_green = component; m_colourGiven = true; return;
        case Kw::Blue: m_blue = component; m_colourGiven = true; return;
        default: return;
        }
        // clang-format on
    }
    textWord(kw, has, param);
}

void Reader::textWord(Kw kw, bool has, int param)
{
    RtfCharProps &ch = m_state.ch;
    RtfParaProps &para = m_state.para;
    // Toggles: no parameter or a non-zero one switches on, 0 switches off.
    const bool on = !has || param != 0;
    const int twips = clamp(param, -MaxTwips, MaxTwips);
    // clang-format off
    switch (kw) {
    case Kw::Plain: ch = RtfCharProps{}; return;
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
    case Kw::Super: ch.vertical = RtfVerticalAlign::Super; return;
    case Kw::Sub: ch.vertical = RtfVerticalAlign::Sub; return;
    case Kw::NoSuperSub: ch.vertical = RtfVerticalAlign::Normal; return;
    case Kw::FontSize: ch.halfPoints = has && param > 0 ? std::min(param, MaxHalfPoints) : DefaultHalfPoints; return;
    case Kw::Font: ch.font = has && param >= 0 ? param : -1; return;
    case Kw::Foreground: ch.colour = has ? clamp(param, 0, MaxColours) : -1; return;
    case Kw::Background: ch.background = has ? clamp(param, 0, MaxColours) : -1; return;

    case Kw::Pard: para = RtfParaProps{}; return;
    case Kw::AlignLeft: para.align = RtfAlign::Left; return;
    case Kw::AlignCentre: para.align = RtfAlign::Centre; return;
    case Kw::AlignRight: para.align = RtfAlign::Right; return;
    case Kw::AlignJustify: para.align = RtfAlign::Justify; return;
    case Kw::LeftIndent: para.left = std::max(twips, 0); return;
    case Kw::RightIndent: para.right = std::max(twips, 0); return;
    case Kw::FirstIndent: para.first = twips; return;
    case Kw::SpaceBefore: para.before = std::max(twips, 0); return;
    case Kw::SpaceAfter: para.after = std::max(twips, 0); return;
    case Kw::RightToLeft: para.rightToLeft = true; return;
    case Kw::LeftToRight: para.rightToLeft = false; return;

    case Kw::Par:
        if (m_state.dest == Dest::Text)
            m_builder.paragraph(m_state.ch, m_state.para);
        return;
    default:
        if (const char16_t c = keywordSymbol(kw))
            put(QStringView(&c, 1));
        return;
    }
    // clang-format on
}

void Reader::symbol(char16_t c)
{
    if (m_state.dest == Dest::Skip)
        return;
    char16_t out = 0;
    // clang-format off
    switch (c) {
    case u'\\': case u'{': case u'}': out = c; break;
    case u'~': out = 0x00A0; break;   // non-breaking space
    case u'-': out = 0x00AD; break;   // optional hyphen
    case u'_': out = 0x2011; break;   // non-breaking hyphen
    case u'\t': out = u'\t'; break;
    case u'\n': case u'\r':
        // A backslash before a line end is a paragraph mark.
        if (m_state.dest == Dest::Text)
            m_builder.paragraph(m_state.ch, m_state.para);
        return;
    default: return;
    }
    // clang-format on
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
    flushBytes(); // bytes that came first go first
    switch (m_state.dest) {
    case Dest::Text:
        m_builder.text(text, m_state.ch, m_state.para);
        return;
    case Dest::FontTable: {
        if (m_fontBeingDefined < 0)
            return;
        RtfFont &font = m_tables.fonts[m_fontBeingDefined];
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
            if (m_tables.colours.size() < MaxColours)
                m_tables.colours.push_back(m_colourGiven ? RtfColour{false, QColor(m_red, m_green, m_blue)}
                                                         : RtfColour{});
            m_red = m_green = m_blue = 0;
            m_colourGiven = false;
        }
        return;
    case Dest::Skip:
        return;
    }
}

int Reader::codePage() const
{
    const int index = m_state.dest == Dest::FontTable ? m_fontBeingDefined
                      : m_state.ch.font >= 0          ? m_state.ch.font
                                                      : m_tables.defaultFont;
    const auto it = m_tables.fonts.constFind(index);
    if (it != m_tables.fonts.constEnd() && it->codePage != 0)
        return it->codePage;
    return m_docCodePage;
}

qsizetype rtfStart(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i].isSpace() || text[i] == QChar::ByteOrderMark))
        ++i;
    return text.sliced(i).startsWith(QLatin1StringView("{\\rtf")) ? i : -1;
}

RtfReadResult readText(QStringView text, QTextDocument &into, const RtfLimits &limits, bool rawBytes, bool inputCut)
{
    const bool undo = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false); // the build is no user edit, and its history would double the memory
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
