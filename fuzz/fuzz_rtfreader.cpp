// Feeds arbitrary bytes to the RTF reader and lays the result out, as the commentary window
// would. Bytes that are valid UTF-8 take the same path as text from the database; others take
// the raw-bytes path.
#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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
    richtext::RtfLimits limits;
    limits.maxMilliseconds = 1000;
    const richtext::RtfReadResult result = richtext::RtfReader::read(input, document, limits);
    if (!result.wasRtf && richtext::RtfReader::isRtf(QString::fromLatin1(input)))
        std::abort();  // the two ways of recognising a document must agree
    document.setTextWidth(400);
    (void)document.documentLayout()->documentSize();
    return 0;
}
