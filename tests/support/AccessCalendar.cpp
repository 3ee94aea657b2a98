#include "support/AccessCalendar.h"

#include "data/CalendarDate.h"
#include "data/CalendarSchema.h"

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
    using namespace CalendarSchema;
    const QList<JetImage::ColumnSpec> columns{{Id, ColumnType::Long},
                                              {Date, ColumnType::DateTime},
                                              {DateText, ColumnType::Text, 50},
                                              {EventUniv, ColumnType::Text, 255},
                                              {EventSua, ColumnType::Text, 255},
                                              {TitleUniv, ColumnType::Text, 255},
                                              {TitleSua, ColumnType::Text, 255},
                                              {CommentaryUniv, ColumnType::Memo},
                                              {CommentarySua, ColumnType::Memo},
                                              {ColoursUniv, ColumnType::Text, 10},
                                              {ColoursSua, ColumnType::Text, 10}};
    QList<JetImage::Row> table;
    qint64 id = 0;
    for (const TestDay &d : rows)
        table.append({++id, days(d.Data), d.DataUniv, d.evenimentUniv, d.evenimentSUA, d.ToolTipUniv, d.ToolTipSUA,
                      d.ComentariuUniv, d.ComentariuSUA, d.culoriUniv, d.CuloriSUA});
    JetImage image(version);
    image.addTable(CalendarSchema::TableName, columns, table);
    return image;
}

void write(const QString &path, const std::vector<TestDay> &rows, JetImage::Version version)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image(rows, version).build()) < 0)
        throw std::runtime_error("cannot write the Access test calendar");
}

} // namespace AccessCalendar
