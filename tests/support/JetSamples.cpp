#include "support/JetSamples.h"

namespace JetSamples {

namespace {

const int MemoLengths[] = {0, 10, 64, 65, 1500, 2100, 10000, 45000};

} // namespace

int rowCount()
{
    return int(std::size(MemoLengths));
}

QString memo(int row)
{
    const QString unit = QStringLiteral("{\\rtf1 day %1 } ").arg(row);
    return unit.repeated(MemoLengths[row] / int(unit.size()) + 1).left(MemoLengths[row]);
}

JetImage image(JetImage::Version version)
{
    using jet::ColumnType;
    const bool jet4 = version == JetImage::Jet4;
    const QList<JetImage::ColumnSpec> columns{
        {QStringLiteral("ID"), ColumnType::Long},         {QStringLiteral("Flag"), ColumnType::Boolean},
        {QStringLiteral("B"), ColumnType::Byte},          {QStringLiteral("I"), ColumnType::Integer},
        {QStringLiteral("Money"), ColumnType::Currency},  {QStringLiteral("S"), ColumnType::Single},
        {QStringLiteral("D"), ColumnType::Double},        {QStringLiteral("When"), ColumnType::DateTime},
        {QStringLiteral("Name"), ColumnType::Text, 100},  {QStringLiteral("Note"), ColumnType::Memo},
        {QStringLiteral("Wide1"), ColumnType::Text, 255}, {QStringLiteral("Wide2"), ColumnType::Text, 255},
        {QStringLiteral("Wide3"), ColumnType::Text, 255}};
    const double dates[] = {0, 0, 36526.5, 2958465.5, -657434, 1.9999999999, 37000.75, -1.25};
    const QString names[] = {QStringLiteral("plain"),
                             QString::fromUtf8(jet4 ? "\xc5\xa2"
                                                      "ar\xc4\x83 \xe2\x80\x94 \xe2\x82\xac"
                                                    : "caf\xc3\xa9 \xc2\xa3"),
                             QString(), QStringLiteral("\"quoted\", with comma")};
    QList<JetImage::Row> rows;
    for (int i = 0; i < rowCount(); ++i) {
        JetImage::Row row{i + 1,         i % 2 == 1,   qint64(i * 30), qint64(-700 * i), qint64(-123456) * i,
                          float(i) / 10, i * 1e-3 - 1, dates[i],       names[i % 4],     memo(i)};
        for (int w = 0; w < 3; ++w)
            row.append(i % 3 == 0 ? QVariant() : QVariant(QString(QChar(u'a' + w)).repeated(36 * i)));
        if (i == 0)
            row = JetImage::Row{1, false}; // NULL everywhere else
        rows.append(row);
    }
    JetImage image(version);
    image.addTable(QStringLiteral("Samples"), columns, rows);
    return image;
}

} // namespace JetSamples
