#pragma once

#include "data/CalendarDatabase.h"

#include <memory>

namespace jet {
class JetDatabase;
}

// A calendar database in Access format (Jet 3 or Jet 4), read by the program's own reader.
class AccessDatabase : public CalendarDatabase
{
public:
    // Throws DatabaseUnusable when the file cannot be read or its catalog is damaged.
    explicit AccessDatabase(const QString &path);
    ~AccessDatabase() override;
    AccessDatabase(const AccessDatabase &) = delete;
    AccessDatabase &operator=(const AccessDatabase &) = delete;

    std::unique_ptr<CalendarCursor> openTable(const QString &table) override;

private:
    QString m_fileName;
    std::unique_ptr<jet::JetDatabase> m_db;
};
