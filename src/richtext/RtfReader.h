#pragma once

#include <QString>

class QByteArray;
class QTextDocument;

namespace richtext {

// Bounds on what one document may cost. A document that reaches one of them is shown as far
// as it was read.
struct RtfLimits
{
    // Groups nested deeper than this are read as part of their enclosing group.
    int maxDepth = 1000;
    // Characters of input read at most; the rest is not looked at.
    qsizetype maxInputChars = 16 * 1024 * 1024;
    // Paragraphs and formatted runs the document may grow to.
    int maxParagraphs = 200'000;
    int maxRuns = 1'000'000;
    // Wall-clock time for reading; 0 means no limit.
    int maxMilliseconds = 3000;
    // Qt's line breaking takes time quadratic in the length of a word it has to split, so a
    // longer run without a break opportunity is given an invisible one (U+200B); 0: never.
    int maxUnbrokenChars = 1000;
    // Height in pixels the laid-out document may reach, estimated from above whatever the page
    // width: each character counts as a line of its own in twice its font's size, each paragraph
    // as one more such line with its spacing. Qt's text layout never finishes a document taller
    // than about 8.4 million pixels (2^23); 0: no bound.
    int maxLayoutHeight = 2'000'000;
};

struct RtfReadResult
{
    bool wasRtf = false;    // false: the text was shown unchanged as plain text
    bool truncated = false; // a limit stopped the reading; the document holds what came before
    QString warning;        // what was wrong with the document, if anything; empty when nothing
};

// Builds a QTextDocument from an RTF document. Text goes in through QTextCursor with char and
// block formats only, so nothing in the data is ever interpreted as markup. Text that is not
// RTF is shown as it is. The document's previous content is replaced.
class RtfReader
{
public:
    static RtfReadResult read(const QString &rtf, QTextDocument &into, const RtfLimits &limits = {});

    // Bytes straight from a file: UTF-8 if they are valid UTF-8; otherwise characters beyond
    // ASCII are bytes in the document's code page.
    static RtfReadResult read(const QByteArray &rtf, QTextDocument &into, const RtfLimits &limits = {});

    // Whether the text is an RTF document (it starts with "{\rtf", blanks before it allowed).
    static bool isRtf(QStringView text);
};

} // namespace richtext
