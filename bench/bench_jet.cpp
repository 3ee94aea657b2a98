// Opening an Access 97 calendar and walking its 1461 rows, reading all eleven columns through
// the program's cursor (what the grid and the search do); the same walk on the SQLite calendar
// of the same rows for comparison. Target: median at most 30 ms for the Access file.
//
//   bench_jet [repetitions, default 50]           the calendar 2000-2003, computed
//   bench_jet --file FEASTBOOK.MDB [repetitions]  a calendar file of your own
//   bench_jet --write PATH [--access2000] [--first-year Y]
//                                                 write a computed calendar as Access and stop
#include "data/CalendarDatabase.h"
#include "support/AccessCalendar.h"
#include "support/TestDatabase.h"
#include "tools/CalendarRows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QStringList Columns{"DataUniv",       "evenimentUniv", "evenimentSUA", "ToolTipUniv", "ToolTipSUA",
                          "ComentariuUniv", "ComentariuSUA", "culoriUniv",   "CuloriSUA"};

std::vector<TestDay> computedCalendar(int firstYear = 2000)
{
    std::vector<TestDay> days;
    for (const auto &row : gen::buildCalendarRows(firstYear, 4)) {
        TestDay d;
        d.Data = QString::fromStdString(row.data);
        d.DataUniv = QString::fromStdString(row.dataUniv);
        d.evenimentUniv = QString::fromStdString(row.evenimentUniv);
        d.evenimentSUA = QString::fromStdString(row.evenimentSUA);
        d.ToolTipUniv = QString::fromStdString(row.toolTipUniv);
        d.ToolTipSUA = QString::fromStdString(row.toolTipSUA);
        d.ComentariuUniv = QString::fromStdString(row.comentariuUniv);
        d.ComentariuSUA = QString::fromStdString(row.comentariuSUA);
        d.culoriUniv = QString::fromStdString(row.culoriUniv);
        d.CuloriSUA = QString::fromStdString(row.culoriSUA);
        days.push_back(d);
    }
    return days;
}

// One open and walk; returns milliseconds and the number of rows seen.
double openAndWalk(const QString &path, int &rows)
{
    QElapsedTimer clock;
    clock.start();
    const auto db = CalendarDatabase::open(path);
    const auto rs = db->openTable(QStringLiteral("calendarComplet"));
    qint64 checksum = 0;
    rows = 0;
    for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext(), ++rows) {
        checksum += rs->integer(QStringLiteral("ID")) + rs->date(QStringLiteral("Data")).date().day();
        for (const QString &column : Columns)
            checksum += rs->text(column).size();
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return checksum > 0 ? ms : -ms;
}

void report(const char *what, const QString &path, int repetitions)
{
    std::vector<double> times;
    int rows = 0;
    for (int r = 0; r < repetitions; ++r)
        times.push_back(openAndWalk(path, rows));
    std::sort(times.begin(), times.end());
    std::printf("%-26s %5d rows, %7.1f KB: median %6.2f ms, best %6.2f ms, worst %6.2f ms (%d runs)\n", what, rows,
                double(QFile(path).size()) / 1024, times[times.size() / 2], times.front(), times.back(), repetitions);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--write") && args.size() >= 2) {
        const bool jet4 = args.contains(QStringLiteral("--access2000"));
        const qsizetype year = args.indexOf(QStringLiteral("--first-year"));
        const int firstYear = year > 0 ? args.value(year + 1).toInt() : 2000;
        AccessCalendar::write(args.at(1), computedCalendar(firstYear), jet4 ? JetImage::Jet4 : JetImage::Jet3);
        return 0;
    }
    QString file;
    if (args.value(0) == QLatin1String("--file") && args.size() >= 2) {
        file = args.at(1);
        args = args.mid(2);
    }
    const int repetitions = std::max(1, args.value(0, QStringLiteral("50")).toInt());
    if (!file.isEmpty()) {
        report("given file", file, repetitions);
        return 0;
    }
    QTemporaryDir dir;
    const auto days = computedCalendar();
    const QString access97 = dir.filePath(QStringLiteral("access97.mdb"));
    const QString access2000 = dir.filePath(QStringLiteral("access2000.mdb"));
    const QString sqlite = dir.filePath(QStringLiteral("sqlite.mdb"));
    AccessCalendar::write(access97, days, JetImage::Jet3);
    AccessCalendar::write(access2000, days, JetImage::Jet4);
    TestDatabase::write(sqlite, days);
    report("Access 97 (Jet 3)", access97, repetitions);
    report("Access 2000 (Jet 4)", access2000, repetitions);
    report("SQLite", sqlite, repetitions);
    return 0;
}
