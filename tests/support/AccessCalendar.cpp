#include "support/AccessCalendar.h"

#include "data/CalendarDate.h"

#include <QFile>
#include <stdexcept>

namespace AccessCalendar {

double days(const QString &date)
{
    const QDateTime when = CalendarDate::parse(date);
    return double(QDate(1899, 12, 30).daysTo(when.date())) + when.time().msecsSinceStartOfDay() / 86400000.0;
}

JetImage image(const std::vector<TestDay> &rows, JetImage::Version version)
{
    using jet::ColumnType;
    const QList<JetImage::ColumnSpec> columns{
        {QStringLiteral("ID"), ColumnType::Long},
        {QStringLiteral("Data"), ColumnType::DateTime},
        {QStringLiteral("DataUniv"), ColumnType::Text, 50},
        {QStringLiteral("evenimentUniv"), ColumnType::Text, 255},
        {QStringLiteral("evenimentSUA"), ColumnType::Text, 255},
        {QStringLiteral("ToolTipUniv"), ColumnType::Text, 255},
        {QStringLiteral("ToolTipSUA"), ColumnType::Text, 255},
        {QStringLiteral("ComentariuUniv"), ColumnType::Memo},
        {QStringLiteral("ComentariuSUA"), ColumnType::Memo},
        {QStringLiteral("culoriUniv"), ColumnType::Text, 10},
        {QStringLiteral("CuloriSUA"), ColumnType::Text, 10}};
    QList<JetImage::Row> table;
    qint64 id = 0;
    for (const TestDay &d : rows)
        table.append({++id, days(d.Data), d.DataUniv, d.evenimentUniv, d.evenimentSUA, d.ToolTipUniv, d.ToolTipSUA,
                      d.ComentariuUniv, d.ComentariuSUA, d.culoriUniv, d.CuloriSUA});
    JetImage image(version);
    image.addTable(QStringLiteral("calendarComplet"), columns, table);
    return image;
}

void write(const QString &path, const std::vector<TestDay> &rows, JetImage::Version version)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image(rows, version).build()) < 0)
        throw std::runtime_error("cannot write the Access test calendar");
}

} // namespace AccessCalendar
