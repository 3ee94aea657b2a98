#pragma once

#include "controls/CimpData.h"
#include "controls/VisualControl.h"
#include "core/Module1.h"
#include "data/CalendarSchema.h"
#include "data/CalendarVariant.h"
#include "support/FakePlatform.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QtTest>
#include <memory>

// A calendar grid over a table of its own (by default four years from 1 January 2000, a
// Saturday), opened on a chosen "today".
struct GridHarness
{
    ScopedCurrentFolder folder;
    FakePlatform platform;
    Module1 module{platform};
    std::unique_ptr<VisualControl> grid;

    explicit GridHarness(std::vector<TestDay> rows = TestDatabase::days(QDate(2000, 1, 1), 1461))
    {
        TestDatabase::write(folder.file(CalendarFileName), rows);
        module.CalendarDb = CalendarDatabase::open(folder.file(CalendarFileName));
        module.CalendarRs = module.CalendarDb->openTable(CalendarSchema::TableName);
        module.CalendarVariant = Variant::Universal;
        module.LastRowId = qint16(rows.size());
    }

    VisualControl &open(int todayRow)
    {
        module.TodayRowId = qint16(todayRow);
        grid = std::make_unique<VisualControl>(module);
        grid->show();
        grid->activateWindow();
        return *grid;
    }

    int scroll() const { return grid->scrollBar().value(); }

    QList<int> highlighted() const
    {
        QList<int> cells;
        for (int k = 1; k <= VisualControl::CellCount; ++k)
            if (grid->cell(k).Selectat() || grid->cell(k).frameVisible())
                cells << k;
        return cells;
    }

    // The row each cell shows must follow the scroll value.
    bool pageFollowsScroll() const
    {
        const auto rows = TestDatabase::days(QDate(2000, 1, 1), 1461);
        for (int k = 1; k <= VisualControl::CellCount; ++k) {
            const int row = scroll() + k - 1;
            if (grid->cell(k).Caption1() != rows[row - 1].DataUniv)
                return false;
        }
        return true;
    }

    void key(int keyCode) { grid->cellKeyDown(grid->SelectedCell(), keyCode); }
};
