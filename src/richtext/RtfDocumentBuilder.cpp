#include "richtext/RtfDocumentBuilder.h"

#include <QTextBlockFormat>
#include <QTextDocument>

#include <algorithm>
#include <climits>

namespace richtext {

namespace {

// Lengths in RTF are twips; the document works in logical pixels at 96 per inch.
constexpr qreal TwipsPerPixel = 15;
constexpr qreal PixelsPerPoint = 96.0 / 72.0;
// A line of text is never taller than twice its font's size, in any font Qt may fall back on.
constexpr qreal LineHeightPerFontPixel = 2;

// Spaces where a line may break.
bool isBreakOpportunity(char16_t c)
{
    return c == u' ' || c == u'\t' || c == QChar::LineSeparator || c == 0x200B || c == 0x3000
           || (c >= 0x2000 && c <= 0x200A && c != 0x2007);
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &document, const RtfLimits &limits, const RtfTables &tables)
    : m_document(document), m_limits(limits), m_tables(tables)
{}

void RtfDocumentBuilder::begin()
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

void RtfDocumentBuilder::end()
{
    flushRun();
    if (!m_pendingBreak)
        m_cursor.setBlockFormat(blockFormat(m_lastPara));
    m_cursor.endEditBlock();
}

void RtfDocumentBuilder::text(QStringView text, const RtfCharProps &ch, const RtfParaProps &para)
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
        const bool reserved =
            c >= 0xFDD0 && ((c <= 0xFDEF) || c == QChar::ObjectReplacementCharacter || c == 0xFFFE || c == 0xFFFF);
        if (!control && !paragraphSeparator && !reserved) {
            if (isBreakOpportunity(c)) {
                m_unbroken = 0;
            } else if (++m_unbroken >= maxUnbroken) {
                // Qt's line breaking takes time quadratic in the length of a word it has to
                // split; an invisible break opportunity keeps every word short.
                appendRun(text.sliced(start, i + 1 - start), ch, para);
                appendRun(QStringView(&ZeroWidthSpace, 1), ch, para);
                m_unbroken = 0;
                start = i + 1;
            }
            continue;
        }
        appendRun(text.sliced(start, i - start), ch, para);
        if (paragraphSeparator) {
            paragraph(ch, para);
        } else if (reserved) {
            const char16_t replacement = QChar::ReplacementCharacter;
            appendRun(QStringView(&replacement, 1), ch, para);
            ++m_unbroken;
        }
        start = i + 1;
    }
    appendRun(text.sliced(start), ch, para);
}

void RtfDocumentBuilder::appendRun(QStringView text, const RtfCharProps &ch, const RtfParaProps &para)
{
    if (text.isEmpty() || stopped() || ch.hidden)
        return;
    startPendingParagraph();
    if (stopped())
        return;
    // Every character may end up on a line of its own (a narrow window, a huge font).
    const qreal perCharacter = lineHeight(ch);
    if (!makeRoom(text.size() * perCharacter)) {
        const qreal room = qreal(m_limits.maxLayoutHeight) - m_height;
        text = text.first(std::clamp<qsizetype>(qsizetype(room / perCharacter), 0, text.size()));
        m_height += text.size() * perCharacter;
        stop(TooTall);
        if (text.isEmpty())
            return;
    }
    if (!m_run.isEmpty() && !(m_runProps == ch))
        flushRun();
    m_runProps = ch;
    m_lastPara = para;
    m_run.append(text);
}

void RtfDocumentBuilder::flushRun()
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

void RtfDocumentBuilder::paragraph(const RtfCharProps &ch, const RtfParaProps &para)
{
    m_unbroken = 0;
    flushRun();
    startPendingParagraph();
    if (stopped())
        return;
    // The paragraph's own line (an empty paragraph is as tall as its font) and its spacing.
    if (!makeRoom(lineHeight(ch) + (para.before + para.after) / TwipsPerPixel)) {
        stop(TooTall);
        return;
    }
    m_cursor.setBlockFormat(blockFormat(para));
    m_pendingBreak = true;
}

// A paragraph mark ends a paragraph; the next one is opened only when something follows, so
// that the customary final \par leaves no empty paragraph behind.
void RtfDocumentBuilder::startPendingParagraph()
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

qreal RtfDocumentBuilder::lineHeight(const RtfCharProps &props) const
{
    const qreal fontPixels = props.halfPoints > 0 ? props.halfPoints / 2.0 * PixelsPerPoint : m_defaultFontPixels;
    return LineHeightPerFontPixel * fontPixels + 1;
}

// Adds height to the estimate; false, with nothing added, when it would pass the limit.
bool RtfDocumentBuilder::makeRoom(qreal height)
{
    if (m_limits.maxLayoutHeight > 0 && m_height + height > m_limits.maxLayoutHeight)
        return false;
    m_height += height;
    return true;
}

QTextCharFormat RtfDocumentBuilder::charFormat(const RtfCharProps &props)
{
    if (m_haveCachedFormat && props == m_cachedProps)
        return m_cachedFormat;
    QTextCharFormat format;
    const auto font = m_tables.fonts.constFind(props.font >= 0 ? props.font : m_tables.defaultFont);
    if (font != m_tables.fonts.constEnd()) {
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
    if (props.vertical == RtfVerticalAlign::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.vertical == RtfVerticalAlign::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const std::vector<RtfColour> &colours = m_tables.colours;
    const auto colour = [&colours](int index) -> const RtfColour * {
        return index >= 0 && std::size_t(index) < colours.size() && !colours[index].isAuto ? &colours[index] : nullptr;
    };
    if (const RtfColour *c = colour(props.colour))
        format.setForeground(c->colour);
    if (const RtfColour *c = colour(props.background))
        format.setBackground(c->colour);

    m_cachedProps = props;
    m_cachedFormat = format;
    m_haveCachedFormat = true;
    return format;
}

QTextBlockFormat RtfDocumentBuilder::blockFormat(const RtfParaProps &props) const
{
    QTextBlockFormat format;
    // clang-format off
    switch (props.align) {
    case RtfAlign::Default: break;
    case RtfAlign::Left: format.setAlignment(Qt::AlignLeft); break;
    case RtfAlign::Centre: format.setAlignment(Qt::AlignHCenter); break;
    case RtfAlign::Right: format.setAlignment(Qt::AlignRight); break;
    case RtfAlign::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    // clang-format on
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

} // namespace richtext
