#include "support/AccessCalendar.h"

#include "tools/CalendarJetFile.h"
#include "tools/jet/JetWriter.h"

#include <QFile>
#include <stdexcept>

namespace AccessCalendar {

QByteArray bytes(const std::vector<TestDay> &rows, JetImage::Version version)
{
    std::vector<gen::CalendarRow> table;
    for (const TestDay &d : rows)
        table.push_back({int(table.size()) + 1, d.Data.toStdString(), d.DataUniv.toStdString(),
                         d.evenimentUniv.toStdString(), d.evenimentSUA.toStdString(), d.ToolTipUniv.toStdString(),
                         d.ToolTipSUA.toStdString(), d.ComentariuUniv.toStdString(), d.ComentariuSUA.toStdString(),
                         d.culoriUniv.toStdString(), d.CuloriSUA.toStdString()});
    const auto jetVersion = version == JetImage::Jet3 ? gen::jet::JetVersion::Jet3 : gen::jet::JetVersion::Jet4;
    const gen::jet::Bytes file =
        gen::jet::writeJetDatabase(jetVersion, {gen::calendarJetTable(table, jetVersion)}, 36526.0);
    return QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.size()));
}

void write(const QString &path, const std::vector<TestDay> &rows, JetImage::Version version)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes(rows, version)) < 0)
        throw std::runtime_error("cannot write the Access test calendar");
}

} // namespace AccessCalendar
