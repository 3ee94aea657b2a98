#pragma once

#include "richtext/RtfReader.h"

class QByteArray;
class QString;
class QTextDocument;

namespace richtext {

// The commentary window's document: its default font, the bounds a stored commentary is read
// within, and the note that ends a commentary cut short by them. The fuzz target builds its
// documents the same way, so that what it measures is what the window would do.
class CommentaryDocument
{
public:
    // Gives a fresh document the commentary's default font.
    static void prepare(QTextDocument &document);

    // Replaces the content with a stored commentary: RTF with its formatting, any other text
    // as it is. A commentary that reaches one of the bounds shows its beginning and a note.
    static RtfReadResult fill(QTextDocument &document, const QString &stored);
    // The same for bytes not known to be text, as a file would hold them.
    static RtfReadResult fill(QTextDocument &document, const QByteArray &stored);
};

} // namespace richtext
