// Measures opening the commentary of a day in-process (release build): the walk of the shared
// cursor to the grid's selected row, the RTF reading and the layout of the text.
//
//   bench_commentary [feastbook.mdb]
#include "controls/VisualControl.h"
#include "data/CalendarVariant.h"
#include "support/BenchCalendar.h"
#include "windows/Form2.h"
#include "windows/Form3.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    BenchCalendar::preferOffscreen();
    QApplication app(argc, argv);
    BenchCalendar calendar(app.arguments(), Variant::SUA);
    Module1 &module = calendar.module;
    FakePlatform &platform = calendar.platform;
    module.TodayRowId = qint16(module.LastRowId * 3 / 4);

    Form2 &main = module.windows().window<Form2>();
    Form3 &comment = module.windows().window<Form3>();
    comment.show();
    QApplication::processEvents();

    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < 200; ++i) {
        main.grid().cellClick(1 + i % 21); // another day each time
        comment.Form_Deactivate();
        timer.start();
        comment.Form_Activate();
        comment.text().document()->documentLayout()->documentSize(); // the layout is done now
        comment.text().viewport()->repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("Opening a day's commentary over %d rows (walk, RTF, layout, paint; 200 days): median %.2f ms, "
                "p95 %.2f ms, max %.2f ms\n",
                int(module.LastRowId), times[times.size() / 2], times[times.size() * 95 / 100], times.back());
    if (!platform.messages.isEmpty())
        std::printf("reported: %s\n", qPrintable(platform.messages.join(QStringLiteral(" | "))));
    return 0;
}
