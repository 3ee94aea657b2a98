// The Access writer of feastbook-gen: what it refuses, how it encodes texts and dates, and the
// usage maps it chooses. tst_jetoracle reads what it writes with three readers.
#include "support/JetSamples.h"
#include "tools/CalendarJetFile.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/JetText.h"
#include "tools/jet/JetWriter.h"

#include <QtEndian>
#include <QtTest>

namespace jet = gen::jet;
using jet::ColumnType;
using jet::JetVersion;

Q_DECLARE_METATYPE(jet::JetVersion)

class TestJetWriter : public QObject
{
    Q_OBJECT

private slots:
    // A table spread wider than an inline usage map reaches is mapped by reference pages; the
    // others have inline maps.
    void wideTablesUseReferenceUsageMaps()
    {
        for (const JetVersion version : {JetVersion::Jet3, JetVersion::Jet4}) {
            const auto samples = JetSamples::tables(version);
            const QByteArray file = JetSamples::file(version, samples);
            const jet::JetFormat &f = jet::formatOf(version);
            const auto u32 = [&](std::size_t at) { return qFromLittleEndian<quint32>(file.constData() + at); };
            for (std::size_t t = 0; t < samples.size(); ++t) {
                // The definition of table t is on page 3 + t; the first byte of its map of data
                // pages tells the kind: 0 inline, 1 reference pages.
                const quint32 map = u32((3 + t) * f.pageSize + f.tdefColumnsOffset - 8);
                const std::size_t page = (map >> 8) * f.pageSize;
                const std::size_t row =
                    qFromLittleEndian<quint16>(file.constData() + page + f.rowCountOffset + 2 + 2 * (map & 0xFF));
                QCOMPARE(int(file.at(qsizetype(page + row))), samples[t].table.name == "Many" ? 1 : 0);
            }
        }
    }

    // A row of a Long, an Integer and nine Texts, one value (or, column -1, every Text) replaced.
    void valuesThatDoNotFitAreRefused_data()
    {
        QTest::addColumn<JetVersion>("version");
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::addRow("Text of 256 characters")   << JetVersion::Jet3 << 2 << QVariant(QString(256, u'x')) << "255 characters";
        // "🙏" is two UTF-16 units: 128 of them do not fit Jet 4's 255.
        QTest::addRow("Text of 256 UTF-16 units") << JetVersion::Jet4 << 2 << QVariant(QStringLiteral("🙏").repeated(128)) << "255 characters";
        QTest::addRow("Integer above 32767")      << JetVersion::Jet3 << 1 << QVariant(32768) << "Integer";
        QTest::addRow("text for a number")        << JetVersion::Jet4 << 0 << QVariant(QStringLiteral("text")) << "wrong kind";
        QTest::addRow("row longer than a page")   << JetVersion::Jet3 << -1 << QVariant(QString(255, u'x')) << "at most 2012";
        // clang-format on
    }
    void valuesThatDoNotFitAreRefused()
    {
        QFETCH(JetVersion, version);
        QFETCH(int, column);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        jet::Table t{"T", {{"ID", ColumnType::Long}, {"Small", ColumnType::Integer}}, {{1, 1}}, false};
        for (int i = 0; i < 9; ++i) {
            t.columns.push_back({"Text" + std::to_string(i), ColumnType::Text});
            t.rows[0].push_back(std::string("x"));
        }
        for (int c = 0; c < 11; ++c)
            if (c == column || (column < 0 && c >= 2))
                t.rows[0][std::size_t(c)] = value.typeId() == QMetaType::Int
                                                ? jet::Value(value.toInt())
                                                : jet::Value(value.toString().toStdString());
        try {
            jet::writeJetDatabase(version, {t}, 0);
            QFAIL("written");
        } catch (const std::exception &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(message), e.what());
        }
    }

    void textEncoding_data()
    {
        QTest::addColumn<JetVersion>("version");
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("stored");
        // clang-format off
        QTest::addRow("cp1252 euro")       << JetVersion::Jet3 << QByteArray("5 €")          << QByteArray::fromHex("352080");
        QTest::addRow("outside cp1252")    << JetVersion::Jet3 << QByteArray("Ω🙏")          << QByteArray("??");
        QTest::addRow("C1 control")        << JetVersion::Jet3 << QByteArray("\xC2\x81")     << QByteArray("?");
        QTest::addRow("malformed UTF-8")   << JetVersion::Jet3 << QByteArray("\xC3(\xE2\x82") << QByteArray("?(??");
        QTest::addRow("compressed")        << JetVersion::Jet4 << QByteArray("abé")          << QByteArray::fromHex("fffe6162e9");
        QTest::addRow("too short to gain") << JetVersion::Jet4 << QByteArray("ab")           << QByteArray::fromHex("61006200");
        QTest::addRow("not one byte each") << JetVersion::Jet4 << QByteArray("a€a")          << QByteArray::fromHex("6100ac206100");
        QTest::addRow("past U+FFFF")       << JetVersion::Jet4 << QByteArray("🙏")           << QByteArray::fromHex("3dd84fde");
        // Plain UTF-16 of U+FEFF would begin with the compression marker.
        QTest::addRow("byte order mark")   << JetVersion::Jet4 << QByteArray("\xEF\xBB\xBF")  << QByteArray::fromHex("fffe00fffe");
        // clang-format on
    }
    void textEncoding()
    {
        QFETCH(JetVersion, version);
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, stored);
        const jet::Bytes b = jet::encodeText(version, utf8.toStdString(), true);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())).toHex(), stored.toHex());
    }

    void datesAsAccessStoresThem()
    {
        using gen::jetDate;
        QCOMPARE(jetDate("1899-12-30"), 0.0);
        QCOMPARE(jetDate("2000-01-01"), 36526.0);
        QCOMPARE(jetDate("2003-12-31 18:00:00"), 37986.75);
        // Before day 0 the time of day still counts away from zero.
        QCOMPARE(jetDate("1899-12-29 06:00:00"), -1.25);
        QCOMPARE(jetDate("1583-01-01"), -115780.0);
        for (const char *bad : {"2001-02-29", "2000-13-01", "2000-01-01T00:00:00", "2000-1-01", "2000-01-01 24:00:00",
                                " 2000-01-01", "0099-12-31", "2000-01-+1", ""})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, jetDate(bad));
    }
};

QTEST_APPLESS_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
