// Feeds arbitrary bytes to the commentary window's document and lays it out as the window
// does: the same default font, the same bounds, the width of the window's text area. Bytes that
// are valid UTF-8 take the path of text from the database; others take the raw-bytes path.
#include "richtext/CommentaryDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The text area's inner width at the window's design size, beside its vertical scroll bar.
constexpr int TextWidth = 422;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts and layout need a GUI application; it lives as long as the process.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    static QGuiApplication *app = new QGuiApplication(qtArgc, qtArgv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    richtext::CommentaryDocument::prepare(document);
    const bool text = QUtf8StringView(input).isValidUtf8();
    const richtext::RtfReadResult result = text ? richtext::CommentaryDocument::fill(document, QString::fromUtf8(input))
                                                : richtext::CommentaryDocument::fill(document, input);
    if (!result.wasRtf && richtext::RtfReader::isRtf(QString::fromLatin1(input)))
        std::abort(); // the two ways of recognising a document must agree
    document.setTextWidth(TextWidth);
    (void)document.documentLayout()->documentSize();
    return 0;
}
