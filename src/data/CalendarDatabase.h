#pragma once

#include "data/CalendarCursor.h"

#include <QString>
#include <memory>

// An open calendar database file. Only reading is offered: the program never writes to it.
class CalendarDatabase
{
public:
    virtual ~CalendarDatabase() = default;

    // Opens the file read-only, recognising its format by its first bytes. Throws
    // DatabaseUnusable when the file is missing, unreadable, damaged or of no known format.
    static std::unique_ptr<CalendarDatabase> open(const QString &path);

    // A cursor over a whole table, rows in stored order, positioned on the first row. The
    // table name is matched without regard to case. Throws DatabaseUnusable when there is
    // no such table.
    virtual std::unique_ptr<CalendarCursor> openTable(const QString &table) = 0;
};
