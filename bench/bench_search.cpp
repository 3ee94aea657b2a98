// Measures the search window in-process (release build): one keystroke in the search box runs
// the whole search over the table through the shared cursor, as the program does.
//
//   bench_search [feastbook.mdb] [repetitions, default 200]
#include "support/BenchCalendar.h"
#include "windows/frmSearch.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

} // namespace

int main(int argc, char *argv[])
{
    BenchCalendar::preferOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int repetitions = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 200;

    BenchCalendar calendar(args);
    Module1 &module = calendar.module;
    FakePlatform &platform = calendar.platform;
    const int rows = module.LastRowId;

    // What the table walk alone costs, for comparison: the same cursor, every row, one title read.
    {
        std::vector<double> bare;
        std::vector<double> titles;
        for (int r = 0; r < repetitions; ++r) {
            CalendarCursor &rs = *module.CalendarRs;
            QElapsedTimer clock;
            clock.start();
            for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            }
            bare.push_back(double(clock.nsecsElapsed()) / 1e6);
            clock.restart();
            qsizetype length = 0;
            for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
                length += rs.text(QStringLiteral("ToolTipUniv")).size();
            titles.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (length == 0)
                std::printf("no titles\n");
        }
        std::printf("walk alone: median %.3f ms; reading every title: median %.3f ms\n", percentile(bare, 0.5),
                    percentile(titles, 0.5));
    }

    for (const QString &variant : {Variant::Universal, Variant::SUA}) {
        module.CalendarVariant = variant;
        platform.clock = QDateTime(QDate(2001, 10, 4), QTime(10, 0));
        frmSearch &w = module.windows().window<frmSearch>();
        const int year = w.yearBox().findText(QStringLiteral("2001"));
        w.yearBox().setCurrentIndex(year >= 0 ? year : 0);
        emit w.yearBox().activated(w.yearBox().currentIndex());

        // Typing "saint francis" key by key, then clearing it: short texts match many titles,
        // the empty one lists the whole year.
        const QString typed = QStringLiteral("saint francis");
        std::vector<double> all;
        std::vector<double> empty;
        for (int r = 0; r < repetitions; ++r) {
            for (int n = 0; n <= typed.size(); ++n) {
                const QString text = r % 2 ? typed.left(typed.size() - n) : typed.left(n);
                QElapsedTimer clock;
                clock.start();
                w.searchBox().setText(text);
                const double ms = double(clock.nsecsElapsed()) / 1e6;
                all.push_back(ms);
                if (text.isEmpty())
                    empty.push_back(ms);
            }
        }
        std::printf("%-9s rows %d  keystroke median %.3f ms  p90 %.3f ms  max %.3f ms  (%zu keystrokes)\n",
                    qPrintable(variant), rows, percentile(all, 0.5), percentile(all, 0.9),
                    *std::max_element(all.begin(), all.end()), all.size());
        std::printf("%-9s empty text (lists the whole year, %d titles): median %.3f ms\n", qPrintable(variant),
                    int(w.results().count() ? w.results().count() : 0), percentile(empty, 0.5));
        module.windows().unload<frmSearch>();
        QCoreApplication::processEvents();
    }
    if (!platform.messages.isEmpty())
        std::printf("messages: %s\n", qPrintable(platform.messages.join(QStringLiteral(" | "))));
    return platform.messages.isEmpty() ? 0 : 1;
}
