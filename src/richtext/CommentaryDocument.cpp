#include "richtext/CommentaryDocument.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

namespace {

// A reader of the commentary must see that text is missing, not only the window's caller.
RtfReadResult noteCut(QTextDocument &document, const RtfReadResult &result)
{
    if (!result.truncated)
        return result;
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    QTextCharFormat note;
    note.setFontItalic(true);
    if (!document.isEmpty())
        end.insertBlock(QTextBlockFormat(), note);
    end.insertText(QStringLiteral("[%1]").arg(result.warning), note);
    document.setModified(false);
    return result;
}

} // namespace

void CommentaryDocument::prepare(QTextDocument &document)
{
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(15); // 11.25 points at 96 dots per inch
    document.setDefaultFont(serif);
}

RtfReadResult CommentaryDocument::fill(QTextDocument &document, const QString &stored)
{
    return noteCut(document, RtfReader::read(stored, document));
}

RtfReadResult CommentaryDocument::fill(QTextDocument &document, const QByteArray &stored)
{
    return noteCut(document, RtfReader::read(stored, document));
}

} // namespace richtext
