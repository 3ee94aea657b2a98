#pragma once

#include "richtext/RtfReader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <cstdint>
#include <vector>

class QTextBlockFormat;
class QTextDocument;

namespace richtext {

enum class RtfAlign : std::uint8_t { Default, Left, Centre, Right, Justify };
enum class RtfVerticalAlign : std::uint8_t { Normal, Super, Sub };

// The character formatting in force, as RTF describes it.
struct RtfCharProps
{
    int font = -1;      // -1: the document's default font
    int halfPoints = 0; // 0: the size of the QTextDocument's default font
    int colour = -1;    // index into the colour table; -1: the default colour
    int background = -1;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    bool smallCaps = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    RtfVerticalAlign vertical = RtfVerticalAlign::Normal;
    bool operator==(const RtfCharProps &) const = default;
};

// The paragraph formatting in force; lengths in twips.
struct RtfParaProps
{
    RtfAlign align = RtfAlign::Default;
    bool rightToLeft = false;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    bool operator==(const RtfParaProps &) const = default;
};

struct RtfFont
{
    QString name;
    bool nameDone = false;
    int codePage = 0; // 0: the document's
    QFont::StyleHint hint = QFont::AnyStyle;
};

struct RtfColour
{
    bool isAuto = true;
    QColor colour;
};

// The font and colour tables a document defines: the reader fills them, the builder formats
// text by them.
struct RtfTables
{
    int defaultFont = -1;
    QHash<int, RtfFont> fonts;
    std::vector<RtfColour> colours;
};

// What kept a document from being read whole, or was wrong with it; several may come together.
enum RtfProblem : unsigned {
    InputTooLong = 1u << 0,
    TooDeep = 1u << 1,
    TooSlow = 1u << 2,
    TooManyParagraphs = 1u << 3,
    TooManyRuns = 1u << 4,
    Unbalanced = 1u << 5,
    TooTall = 1u << 6,
};

// Puts the text of a document into a QTextDocument through QTextCursor, with char and block
// formats only, so that nothing in the text is ever taken as markup. It keeps the document
// within the limits on paragraphs, formatted runs and laid-out height, and stops at the first
// one reached.
class RtfDocumentBuilder
{
public:
    RtfDocumentBuilder(QTextDocument &document, const RtfLimits &limits, const RtfTables &tables);

    // Empties the document; what follows is one edit.
    void begin();
    // Puts in what is still pending and ends the edit.
    void end();

    // Text of the document in the formats given. Characters that would mean something to
    // QTextDocument other than text are replaced or dropped.
    void text(QStringView text, const RtfCharProps &ch, const RtfParaProps &para);
    // Ends the current paragraph; the next one begins only when text follows.
    void paragraph(const RtfCharProps &ch, const RtfParaProps &para);

    // A limit was reached: nothing more goes in.
    bool stopped() const { return m_problems != 0; }
    // The limits reached (TooManyParagraphs, TooManyRuns, TooTall).
    unsigned problems() const { return m_problems; }

private:
    void appendRun(QStringView text, const RtfCharProps &ch, const RtfParaProps &para);
    void flushRun();
    void startPendingParagraph();
    qreal lineHeight(const RtfCharProps &props) const;
    bool makeRoom(qreal height);
    void stop(RtfProblem why) { m_problems |= why; }

    QTextCharFormat charFormat(const RtfCharProps &props);
    QTextBlockFormat blockFormat(const RtfParaProps &props) const;

    QTextDocument &m_document;
    const RtfLimits &m_limits;
    const RtfTables &m_tables;
    QTextCursor m_cursor;

    QString m_run; // text not yet inserted, all in m_runProps
    RtfCharProps m_runProps;
    RtfParaProps m_lastPara;     // paragraph properties of the latest text
    bool m_pendingBreak = false; // a paragraph ended; its successor starts with the next text
    int m_paragraphs = 0;
    int m_runs = 0;
    int m_unbroken = 0;             // characters since the last break opportunity
    qreal m_height = 0;             // estimate from above of the laid-out height, in pixels
    qreal m_defaultFontPixels = 16; // the size of text without \fs

    bool m_haveCachedFormat = false;
    RtfCharProps m_cachedProps;
    QTextCharFormat m_cachedFormat;

    unsigned m_problems = 0;
};

} // namespace richtext
