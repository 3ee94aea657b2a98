#pragma once

#include "core/Module1.h"
#include "data/CalendarSchema.h"
#include "data/CalendarVariant.h"
#include "support/FakePlatform.h"
#include "support/TestDatabase.h"

#include <QFileInfo>
#include <QStringList>

// What every benchmark starts from: the calendar named first on the command line (or four
// synthetic years), opened as the program opens it, with the process-wide state on a fake
// desktop that never blocks.
struct BenchCalendar
{
    ScopedCurrentFolder folder;
    FakePlatform platform;
    Module1 module{platform};

    explicit BenchCalendar(const QStringList &args, const QString &variant = Variant::Universal)
    {
        QString path = args.size() > 1 ? QFileInfo(args.at(1)).absoluteFilePath() : QString();
        if (path.isEmpty()) {
            path = folder.file(CalendarFileName);
            TestDatabase::write(path, TestDatabase::days(QDate(2000, 1, 1), 1461));
        }
        module.CalendarDb = CalendarDatabase::open(path);
        module.CalendarRs = module.CalendarDb->openTable(CalendarSchema::TableName);
        module.CalendarVariant = variant;
        module.CalendarRs->MoveLast();
        module.LastRowId = qint16(module.CalendarRs->integer(CalendarSchema::Id));
    }

    // Benchmarks run offscreen unless a display is there.
    static void preferOffscreen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};
