#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QStringDecoder;

namespace richtext {

// Turns the bytes of \'hh escapes into text in the Windows (or DOS) code page of the font or
// the document. Windows-1252, by far the most common, is decoded from a table of our own;
// the other code pages go through Qt's converters, and a code page that Qt cannot decode is
// read as 1252 so that the text is at least legible.
class RtfCodePages
{
public:
    RtfCodePages();
    ~RtfCodePages();
    RtfCodePages(const RtfCodePages &) = delete;
    RtfCodePages &operator=(const RtfCodePages &) = delete;

    // Appends the decoded bytes to out. Multi-byte code pages (932, 936, 949, 950) decode
    // whole runs, so callers hand over consecutive bytes together.
    void decode(int codePage, const QByteArray &bytes, QString &out);

    // The code page that an \fcharsetN font uses; 0 when it follows the document's.
    static int forCharset(int charset);

    // The name Qt's converters know a code page by; empty when there is none.
    static QByteArray converterName(int codePage);

private:
    struct Entry;
    std::vector<std::unique_ptr<Entry>> m_decoders;

    QStringDecoder *decoderFor(int codePage);
};

} // namespace richtext
