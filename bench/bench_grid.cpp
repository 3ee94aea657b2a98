// Measures the calendar grid in-process (release build): LoadGrid over a whole table, one Down
// key that scrolls and refreshes all 21 cells, and the idle CPU of a grid with a day selected.
//
//   bench_grid [feastbook.mdb] [idle seconds, default 60]
#include "controls/CimpData.h"
#include "controls/InputCodes.h"
#include "controls/VisualControl.h"
#include "support/BenchCalendar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// Counts paint events and the area they cover, to show what an idle selected cell repaints.
class PaintCounter : public QObject
{
public:
    long events = 0;
    long long pixels = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++events;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += qlonglong(r.width()) * r.height();
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    BenchCalendar::preferOffscreen();
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // figures appear as they are measured
    const QStringList args = app.arguments();
    const int idleSeconds = args.size() > 2 ? args.at(2).toInt() : 60;

    BenchCalendar calendar(args);
    Module1 &module = calendar.module;
    FakePlatform &platform = calendar.platform;
    module.TodayRowId = 21;

    QElapsedTimer timer;
    timer.start();
    VisualControl grid(module);
    const double firstLoad = double(timer.nsecsElapsed()) / 1e6;
    std::vector<double> loads;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        grid.Initializare();
        loads.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("LoadGrid over %d rows: first %.2f ms (with the cells), reload median %.2f ms\n", int(module.LastRowId),
                firstLoad, percentile(loads, 0.5));

    grid.show();
    QApplication::processEvents();
    std::vector<double> keys;
    for (int i = 0; i < 1000; ++i) { // row 21 is in cell 21: every Down scrolls one day
        timer.restart();
        grid.cellKeyDown(grid.SelectedCell(), InputCodes::Down);
        grid.repaint();
        keys.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("Down key with scroll and repaint of 21 cells (1000 keys): median %.3f ms, p95 %.3f ms, max %.3f ms\n",
                percentile(keys, 0.5), percentile(keys, 0.95), percentile(keys, 1.0));
    if (!platform.messages.isEmpty())
        std::printf("reported: %s\n", qPrintable(platform.messages.join(QStringLiteral(" | "))));

    PaintCounter gridPaints, cellPaints;
    grid.installEventFilter(&gridPaints);
    for (int k = 1; k <= VisualControl::CellCount; ++k)
        grid.cell(k).installEventFilter(&cellPaints);
    const double cpuBefore = cpuSeconds();
    QTimer::singleShot(idleSeconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("Idle %d s with a day selected: CPU %.3f s = %.3f %% of one core; grid paints %ld, cell paints %ld "
                "covering %.0f pixels each on average\n",
                idleSeconds, cpu, 100.0 * cpu / idleSeconds, gridPaints.events, cellPaints.events,
                cellPaints.events ? double(cellPaints.pixels) / double(cellPaints.events) : 0.0);
    return 0;
}
