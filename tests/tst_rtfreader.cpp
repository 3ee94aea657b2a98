// The RTF reader: text, formats and paragraphs of the documents the commentaries hold, the
// code pages of legacy data, and the bounds that keep hostile documents harmless.
#include "richtext/CommentaryDocument.h"
#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using richtext::RtfLimits;
using richtext::RtfReader;
using richtext::RtfReadResult;

Q_DECLARE_METATYPE(richtext::RtfLimits)

namespace {

QString rtf(const char *body)
{
    return QStringLiteral("{\\rtf1\\ansi ") + QString::fromUtf8(body) + u'}';
}

// The document's text with paragraphs as "\n" and every other character as it is stored
// (toPlainText would turn non-breaking spaces into spaces).
QString textOf(const QTextDocument &document)
{
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QTextCharFormat formatAt(QTextDocument &document, const QString &marker)
{
    const int at = textOf(document).indexOf(marker);
    if (at < 0)
        return {};
    QTextCursor cursor(&document);
    cursor.setPosition(at + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("wasRtf");

        const auto row = [](const char *name, const QString &in, const QString &out, bool isRtf = true) {
            QTest::newRow(name) << in << out << isRtf;
        };
        // Not RTF: shown as it is, markup included; Windows line ends become paragraphs.
        row("empty", QString(), QString(), false);
        row("plain CRLF and CR", QStringLiteral("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"), false);
        row("plain markup", QStringLiteral("<b>x</b> &lt; {\\b y}"), QStringLiteral("<b>x</b> &lt; {\\b y}"), false);
        row("rtf not at start", QStringLiteral("x {\\rtf1 y}"), QStringLiteral("x {\\rtf1 y}"), false);
        row("blanks and BOM first", QStringLiteral("\xFEFF \r\n {\\rtf1 y}"), QStringLiteral("y"));
        row("markup in rtf", rtf("<b>x</b> &lt; <script>"), QStringLiteral("<b>x</b> &lt; <script>"));

        // Structure and special characters.
        row("paragraphs", rtf("a\\par b\\par\\par c\\par"), QStringLiteral("a\nb\n\nc"));
        row("line and tab", rtf("a\\line b\\tab c"), QStringLiteral("a\u2028b\tc"));
        row("line ends are no text", rtf("a\r\nb\\\nc"), QStringLiteral("ab\nc"));
        row("escapes", rtf("\\{\\}\\\\ \\~\\-\\_"), QStringLiteral("{}\\ \u00A0\u00AD\u2011"));
        row("named characters", rtf("\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"),
            QStringLiteral("\u2014\u2013\u2022\u2018\u2019\u201C\u201D"));
        row("delimiting space", rtf("\\b  two\\b0 x"), QStringLiteral(" twox"));
        row("unknown words keep their text", rtf("\\foo12 a{\\bar b}"), QStringLiteral("ab"));
        row("hidden text", rtf("a{\\v hidden}b"), QStringLiteral("ab"));

        // Destinations that hold no text to show; fields show their result.
        row("ignorable", rtf("a{\\*\\unknowndest x{y}}b"), QStringLiteral("ab"));
        row("tables", rtf("{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 Normal;}}x"),
            QStringLiteral("x"));
        row("info, header, picture, object",
            rtf("{\\info{\\title T}}{\\header H}{\\pict\\wmetafile8 0a0b}{\\object{\\*\\objdata 01}}x"),
            QStringLiteral("x"));
        row("field", rtf("{\\field{\\*\\fldinst HYPERLINK \"http://e\"}{\\fldrslt {\\ul link}}}!"),
            QStringLiteral("link!"));
        row("binary", rtf("a{\\pict\\bin4 }{\\}}b"), QStringLiteral("ab"));
        row("binary in text", rtf("a\\bin3 x}}b"), QStringLiteral("ab"));

        // Unicode and its fallbacks.
        row("u default skip", rtf("\\u8364?x"), QStringLiteral("\u20ACx"));
        row("u skips an escape", rtf("caf\\u233\\'e9!"), QStringLiteral("café!"));
        row("uc0", rtf("\\uc0\\u8364 x"), QStringLiteral("\u20ACx"));
        row("uc2", rtf("\\uc2\\u1055\\'cf\\'d0x"), QStringLiteral("\u041Fx"));
        row("uc scoped to group", rtf("{\\uc2\\u1055 ab}\\u1056 cd"), QStringLiteral("\u041F\u0420d"));
        row("brace ends the fallback", rtf("{\\uc3\\u1055 a}bc"), QStringLiteral("\u041Fbc"));
        row("negative u", rtf("\\u-4064?\\u-1?"), QStringLiteral("\uF020\uFFFD"));
        row("surrogate pair", rtf("\\u-10179?\\u-8704?"), QString::fromUcs4(U"\U0001F600"));
        row("lone surrogate", rtf("\\u-10179?x"), QStringLiteral("\uFFFDx"));
        row("non-ASCII text as itself", rtf("Łódź"), QStringLiteral("Łódź"));
        row("frame markers are not structure", rtf("a\\u-560?\\u-559?\\u-4?b"), QStringLiteral("a\uFFFD\uFFFD\uFFFDb"));

        // Code pages: the document's, the font's charset, the font's \cpg.
        row("1252 default", rtf("caf\\'e9 \\'80"), QStringLiteral("café €"));
        row("1250", QStringLiteral("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}"), QStringLiteral("\u0161\u010D"));
        row("fcharset switching",
            QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset238 Arial CE;}"
                           "{\\f2\\fcharset204 Arial Cyr;}}\\'9a{\\f1\\'9a}\\f2\\'9a\\f0\\'9a}"),
            QStringLiteral("\u0161\u0161\u0459\u0161"));
        row("fcharset0 follows the document",
            QStringLiteral("{\\rtf1\\ansicpg1250{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\'9a}"), QStringLiteral("\u0161"));
        row("cpg", QStringLiteral("{\\rtf1{\\fonttbl{\\f0\\cpg1251 A;}}\\f0\\'cf}"), QStringLiteral("\u041F"));
        row("DOS 437 and 850", QStringLiteral("{\\rtf1\\pc \\'82{\\fonttbl{\\f1\\fcharset255 O;}}\\f1\\'9b}"),
            QStringLiteral("é\u00F8"));
        row("double-byte", QStringLiteral("{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c;}}\\f0\\'82\\'a0}"),
            QStringLiteral("\u3042"));
        row("unknown code page reads as 1252", QStringLiteral("{\\rtf1\\ansicpg4711 \\'e9}"), QStringLiteral("é"));

        // Broken documents show what they can.
        row("too many open", QStringLiteral("{\\rtf1 a{\\b b{\\i c"), QStringLiteral("abc"));
        row("too many close", QStringLiteral("{\\rtf1 a}b}}c"), QStringLiteral("a"));
        row("broken escapes", rtf("a\\'zb\\'4"), QStringLiteral("azb4"));
        row("backslash at the end", QStringLiteral("{\\rtf1 a\\"), QStringLiteral("a"));
        row("huge parameters", rtf("\\fs99999999999999999999 \\u99999999999999999 \\li-99999999999 a"),
            QStringLiteral("\uFFFDa"));
        row("long control word", QStringLiteral("{\\rtf1 \\") + QString(100, u'b') + QStringLiteral(" a}"),
            QStringLiteral("a"));
    }

    void text()
    {
        QFETCH(QString, input);
        QTextDocument document;
        document.setPlainText(QStringLiteral("the previous day"));
        const RtfReadResult result = RtfReader::read(input, document);
        QTEST(textOf(document), "expected");
        QTEST(result.wasRtf, "wasRtf");
        QVERIFY(!result.truncated);
        // The previous text is replaced, and no undo brings it back.
        QVERIFY(!document.isUndoAvailable() && document.isUndoRedoEnabled() && !document.isModified());
    }

    // The character format of the marker's first character and the format of its paragraph; a
    // marker "\n" looks at the paragraph after the first break.
    void formats_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("property");
        QTest::addColumn<QVariant>("expected"); // invalid: the property is not set

        const QString fonts =
            QStringLiteral("{\\rtf1\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
                           "{\\colortbl;\\red128\\green0\\blue0;\\red0\\green0\\blue255;}");
        const auto row = [&](const char *name, const char *body, const char *marker, int property,
                             const QVariant &value) {
            QTest::newRow(name) << fonts + QString::fromUtf8(body) + u'}' << QString::fromUtf8(marker) << property
                                << value;
        };
        const QVariant centre(int(Qt::AlignHCenter));
        // clang-format off
        row("bold",                     "a\\b B\\b0 c",               "B",      QTextFormat::FontWeight, int(QFont::Bold));
        row("bold off",                 "\\b a\\b0 C",                "C",      QTextFormat::FontWeight, QVariant());
        row("bold ends with group",     "{\\b a}C",                   "C",      QTextFormat::FontWeight, QVariant());
        row("italic",                   "\\i I",                      "I",      QTextFormat::FontItalic, true);
        row("underline",                "\\ul U\\ulnone x",           "U",      QTextFormat::TextUnderlineStyle, int(QTextCharFormat::SingleUnderline));
        row("ulnone",                   "\\ul u\\ulnone X",           "X",      QTextFormat::TextUnderlineStyle, QVariant());
        row("plain",                    "\\b\\i\\fs40\\f0 a\\plain P", "P",     QTextFormat::FontWeight, QVariant());
        row("plain keeps default font", "\\f0 a\\plain P",            "P",      QTextFormat::FontFamilies, QStringList{"Arial"});
        row("size in half-points",      "\\fs28 A",                   "A",      QTextFormat::FontPointSize, 14.0);
        row("size clamped",             "\\fs2000000000 A",           "A",      QTextFormat::FontPointSize, 1638.0);
        row("font",                     "\\f0 T",                     "T",      QTextFormat::FontFamilies, QStringList{"Times New Roman"});
        row("unknown font",             "\\f9 T",                     "T",      QTextFormat::FontFamilies, QVariant());
        row("colour",                   "\\cf1 R",                    "R",      QTextFormat::ForegroundBrush, QBrush(QColor(128, 0, 0)));
        row("auto colour",              "\\cf1 r\\cf0 A",             "A",      QTextFormat::ForegroundBrush, QVariant());
        row("colour out of range",      "\\cf77 A",                   "A",      QTextFormat::ForegroundBrush, QVariant());
        row("highlight",                "\\highlight2 H",             "H",      QTextFormat::BackgroundBrush, QBrush(QColor(0, 0, 255)));
        row("fallback keeps format",    "\\b\\u8364?E",               "\u20AC", QTextFormat::FontWeight, int(QFont::Bold));
        row("centre",                   "\\qc a\\par",                "a",      QTextFormat::BlockAlignment, centre);
        row("left",                     "\\qc a\\par\\ql b",          "b",      QTextFormat::BlockAlignment, int(Qt::AlignLeft));
        row("pard resets",              "\\qc a\\par\\pard b",        "b",      QTextFormat::BlockAlignment, QVariant());
        row("group restores",           "{\\qc a\\par}b",             "b",      QTextFormat::BlockAlignment, QVariant());
        row("last \\qc wins",           "\\qr a\\qc\\par",            "a",      QTextFormat::BlockAlignment, centre);
        row("empty paragraph",          "a\\par\\qc\\par b",          "\n",     QTextFormat::BlockAlignment, centre);
        row("left indent",              "\\li720 a",                  "a",      QTextFormat::BlockLeftMargin, 48.0);
        row("hanging indent",           "\\li720\\fi-360 a",          "a",      QTextFormat::TextIndent, -24.0);
        row("hang stops at margin",     "\\li150\\fi-3000 a",         "a",      QTextFormat::TextIndent, -10.0);
        row("indent clamped",           "\\li99999999999 a",          "a",      QTextFormat::BlockLeftMargin, 2112.0);
        row("right to left",            "\\rtlpar a",                 "a",      QTextFormat::LayoutDirection, int(Qt::RightToLeft));
        // clang-format on
    }

    void formats()
    {
        QFETCH(QString, input);
        QFETCH(QString, marker);
        QFETCH(int, property);
        QFETCH(QVariant, expected);
        QTextDocument document;
        RtfReader::read(input, document);
        const int at = textOf(document).indexOf(marker);
        QVERIFY2(at >= 0, qPrintable(textOf(document)));
        QTextCursor cursor(&document);
        cursor.setPosition(at + 1); // the format of the character before the cursor, and its paragraph
        const QTextCharFormat chars = cursor.charFormat();
        const QTextFormat format = chars.hasProperty(property) ? QTextFormat(chars) : cursor.blockFormat();
        if (!expected.isValid())
            QVERIFY2(!format.hasProperty(property), qPrintable(format.property(property).toString()));
        else
            QCOMPARE(format.property(property), expected);
    }

    void rawBytes()
    {
        // Bytes from a file that are not UTF-8 are in the document's code page; \bin counts bytes.
        QTextDocument document;
        RtfReader::read(QByteArray("{\\rtf1\\ansicpg1250 \x9a\xe8\\bin2 \xff}x}"), document);
        QCOMPARE(textOf(document), QStringLiteral("\u0161\u010Dx"));
        RtfReader::read(QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 \xc0"
                                   "b\xc1;}}\\f0 x}"),
                        document);
        QCOMPARE(formatAt(document, QStringLiteral("x")).fontFamilies().toStringList(), QStringList{"\u0410b\u0411"});
        RtfReader::read(QByteArray("{\\rtf1 Łódź}"), document);
        QCOMPARE(textOf(document), QStringLiteral("Łódź"));
        RtfReader::read(QByteArray("caf\xe9 \x80"), document);
        QCOMPARE(textOf(document), QStringLiteral("café €"));

        // A cut inside a UTF-8 sequence neither switches to code-page bytes nor hides the cut.
        const RtfReadResult result =
            RtfReader::read(QByteArray("{\\rtf1 a\u0142\u0142}"), document, {.maxInputChars = 11});
        QCOMPARE(textOf(document), QStringLiteral("a\u0142\uFFFD"));
        QVERIFY(result.truncated);
    }

    void limits_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<RtfLimits>("limits");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<bool>("warns");

        const RtfLimits input{.maxInputChars = 20};
        const RtfLimits paragraphs{.maxParagraphs = 2};
        // clang-format off
        QTest::newRow("input")            << rtf("0123456789abcdef") << input << "01234567" << true << true;
        QTest::newRow("plain input")      << QStringLiteral("0123456789abcdefghijklmnop") << input << "0123456789abcdefghij" << true << true;
        QTest::newRow("paragraphs")       << rtf("a\\par b\\par c\\par d\\par") << paragraphs << "a\nb\nc" << true << true;
        QTest::newRow("plain paragraphs") << QStringLiteral("a\nb\nc\nd") << paragraphs << "a\nb\nc" << true << true;
        QTest::newRow("runs")             << rtf("a\\b b\\b0 c\\b d\\b0 e") << RtfLimits{.maxRuns = 3} << "abc" << true << true;
        // Past the limit the groups are read as one: their formatting leaks into the enclosing
        // group until it closes, but no text is lost.
        QTest::newRow("depth")            << rtf("{{{\\b a{\\i b}c}d}e}f") << RtfLimits{.maxDepth = 3} << "abcdef" << false << true;
        QTest::newRow("unbroken word")    << rtf("abcdefghij \\b xyz\\b0 zy\\par abcd") << RtfLimits{.maxUnbrokenChars = 4}
                                          << QStringLiteral("abcd\u200Befgh\u200Bij xyzz\u200By\nabcd\u200B") << false << false;
        // clang-format on
    }

    void limits()
    {
        QFETCH(QString, input);
        QFETCH(RtfLimits, limits);
        QTextDocument document;
        const RtfReadResult result = RtfReader::read(input, document, limits);
        QTEST(textOf(document), "expected");
        QTEST(result.truncated, "truncated");
        QTEST(!result.warning.isEmpty(), "warns");
    }

    void hugeDocument()
    {
        // 10 MB of commentary-like paragraphs: all read, in time and memory linear in the input.
        const QString paragraph = QStringLiteral("\\pard\\qj\\fs20 {\\b Saint Francis} of Assisi, {\\i Religious}; "
                                                 "caf\\'e9 \\u8364? and more plain words to fill the line\\par\n");
        QString body = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}");
        int paragraphs = 0;
        for (; body.size() < 10 * 1024 * 1024; ++paragraphs)
            body += paragraph;
        QTextDocument document;
        RtfLimits limits;
        limits.maxMilliseconds = 0; // no clock, so that a slow machine gives the same document
        limits.maxLayoutHeight = 0; // the reader alone: no window lays this out
        const RtfReadResult result = RtfReader::read(body, document, limits);
        QVERIFY(!result.truncated);
        QCOMPARE(document.blockCount(), paragraphs);
        QVERIFY(textOf(document).startsWith(QStringLiteral("Saint Francis of Assisi, Religious; café € and")));
        QCOMPARE(formatAt(document, QStringLiteral("Religious")).fontItalic(), true);

        // The clock stops a document that takes too long, keeping what was read.
        limits.maxMilliseconds = 1;
        const RtfReadResult slow = RtfReader::read(body, document, limits);
        QVERIFY(slow.truncated);
        QVERIFY(slow.warning.contains(QStringLiteral("1 ms")));
        QVERIFY(document.blockCount() < paragraphs);
        QVERIFY(textOf(document).startsWith(QStringLiteral("Saint Francis")));
    }

    // Qt's layout never finishes a document taller than 2^23 pixels; whatever the sizes and
    // spacing ask for, the commentary's document stays far below that, and says it was cut.
    void layoutHeightIsBounded_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("begins");

        const auto repeated = [](const char *head, const char *unit, int n) {
            return QString::fromLatin1(head) + QString::fromLatin1(unit).repeated(n) + u'}';
        };
        QTest::newRow("largest font, empty paragraphs") << repeated("{\\rtf1\\fs3276 i", "\\par", 3600) << "i\n\n";
        QTest::newRow("largest spacing") << repeated("{\\rtf1\\sb31680\\sa31680 x", "\\par", 4000) << "x\n\n";
        QTest::newRow("largest font, a line per letter") << repeated("{\\rtf1\\fs3276 ", "i ", 3600) << "i i i";
        QTest::newRow("plain lines") << QStringLiteral("y\n").repeated(300'000) << "y\ny\n";
    }

    void layoutHeightIsBounded()
    {
        QFETCH(QString, input);
        QTextDocument document;
        richtext::CommentaryDocument::prepare(document);
        const RtfReadResult result = richtext::CommentaryDocument::fill(document, input);
        QVERIFY(result.truncated);
        QFETCH(QString, begins);
        QVERIFY(textOf(document).startsWith(begins));
        QVERIFY2(document.lastBlock().text().contains(QStringLiteral("too tall")),
                 qPrintable(document.lastBlock().text()));
        QVERIFY(document.lastBlock().begin().fragment().charFormat().fontItalic());

        document.setTextWidth(1); // the narrowest window: a line per character
        const qreal height = document.documentLayout()->documentSize().height();
        QVERIFY2(height < 4'000'000, qPrintable(QString::number(height)));
    }

    void deepNesting()
    {
        // 100,000 nested groups, and as many unclosed ones: no recursion, the text is all there.
        QTextDocument document;
        const int n = 100'000;
        const QString nested = QStringLiteral("{\\rtf1 ") + QString(n, u'{') + QStringLiteral("\\b deep")
                               + QString(n, u'}') + QStringLiteral(" after}");
        RtfReadResult result = RtfReader::read(nested, document);
        QCOMPARE(textOf(document), QStringLiteral("deep after"));
        QVERIFY(result.warning.contains(QStringLiteral("nested")));
        QVERIFY(formatAt(document, QStringLiteral("deep")).fontWeight() == QFont::Bold);

        result = RtfReader::read(QStringLiteral("{\\rtf1 ") + QString(n, u'{') + QStringLiteral("open"), document);
        QCOMPARE(textOf(document), QStringLiteral("open"));
        QVERIFY(result.warning.contains(QStringLiteral("open group")));
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
