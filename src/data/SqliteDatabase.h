#pragma once

#include "data/CalendarDatabase.h"

struct sqlite3;

// A calendar database in SQLite format, opened read-only.
class SqliteDatabase : public CalendarDatabase
{
public:
    // Throws DatabaseUnusable when SQLite cannot open the file or finds it damaged.
    explicit SqliteDatabase(const QString &path);
    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    std::unique_ptr<CalendarCursor> openTable(const QString &table) override;

private:
    void checkIntegrity();
    void refuseView(const QString &table) const;

    QString m_fileName;
    sqlite3 *m_db = nullptr;
};
