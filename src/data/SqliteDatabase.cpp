#include "data/SqliteDatabase.h"

#include "data/CursorMessages.h"
#include "data/DataError.h"
#include "data/SqliteCursor.h"

#include <QFile>
#include <sqlite3.h>

SqliteDatabase::SqliteDatabase(const QString &path) : m_fileName(CursorMessages::fileShown(path))
{
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw DatabaseUnusable(QStringLiteral("%1 cannot be opened: %2.").arg(m_fileName, why));
    }
    // Every reader walks the table from its first row to its last, and the table is larger
    // than SQLite's default page cache: a pass finds nothing of the previous one in it, while
    // the cache would keep two megabytes of the file in memory for as long as the program runs.
    sqlite3_exec(m_db, "PRAGMA cache_size = -64", nullptr, nullptr, nullptr);
    try {
        checkIntegrity();
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

// close_v2: a cursor that outlives its database still finalizes its statements safely.
SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close_v2(m_db);
}

// A truncated or damaged file is refused at once rather than failing row by row later.
void SqliteDatabase::checkIntegrity()
{
    sqlite3_stmt *check = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "PRAGMA quick_check(1)", -1, &check, nullptr);
    QString verdict;
    if (rc == SQLITE_OK && (rc = sqlite3_step(check)) == SQLITE_ROW)
        verdict = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)));
    else
        verdict = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_finalize(check);
    if (verdict != QLatin1String("ok"))
        throw DatabaseUnusable(CursorMessages::damaged(m_fileName, verdict));
}

// The days are read in the order the table stores them. A view has no stored order (nor a
// rowid to give one), so a view of that name is refused like a missing table.
void SqliteDatabase::refuseView(const QString &table) const
{
    sqlite3_stmt *lookup = nullptr;
    const int rc = sqlite3_prepare_v2(
        m_db, "SELECT name FROM sqlite_master WHERE type = 'view' AND name = ?1 COLLATE NOCASE", -1, &lookup, nullptr);
    const QByteArray name = table.toUtf8();
    QString view;
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(lookup, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(lookup) == SQLITE_ROW)
            view = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(lookup, 0)));
    }
    sqlite3_finalize(lookup);
    if (!view.isEmpty())
        throw DataError(
            QStringLiteral("%1 is a view, not a table; a view keeps its rows in no stored order.").arg(view));
}

std::unique_ptr<CalendarCursor> SqliteDatabase::openTable(const QString &table)
{
    try {
        refuseView(table);
        return std::make_unique<SqliteCursor>(m_db, table);
    } catch (const DataError &e) {
        throw DatabaseUnusable(CursorMessages::noUsableTable(m_fileName, table, QString::fromStdString(e.what())));
    }
}
