#include "tools/DatabaseWriter.h"

#include "tools/CalendarJetFile.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace gen {

namespace {

namespace fs = std::filesystem;

// INSERT INTO calendarComplet (ID, Data, ...) VALUES (?1, ?2, ...), every column of the table.
std::string insertStatement()
{
    std::string names;
    std::string values;
    for (int i = 0; i < CalendarSchema::ColumnCount; ++i) {
        names += (i ? ", " : "") + std::string(CalendarSchema::Columns[i]);
        values += (i ? ", ?" : "?") + std::to_string(i + 1);
    }
    return std::string("INSERT INTO ") + CalendarSchema::TableName + " (" + names + ") VALUES (" + values + ")";
}

struct DbCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct StmtFinalizer
{
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};

void check(sqlite3 *db, int rc, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw WriteError(std::string(what) + ": " + sqlite3_errmsg(db));
}

void exec(sqlite3 *db, const char *sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw WriteError(std::string("cannot write the database: ") + text);
    }
}

void bindText(sqlite3 *db, sqlite3_stmt *stmt, int index, const std::string &value)
{
    check(db, sqlite3_bind_text(stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_STATIC),
          "cannot write the database");
}

void writeFile(const std::vector<CalendarRow> &rows, const std::string &file)
{
    sqlite3 *raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    if (rc != SQLITE_OK)
        throw WriteError("cannot create " + file + ": " + (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));

    // A fixed page size and the default rollback journal: same rows, same bytes, and a file
    // that readers open read-only without side files.
    exec(db.get(), "PRAGMA page_size = 4096");
    exec(db.get(), "PRAGMA journal_mode = DELETE");
    exec(db.get(), "BEGIN");
    exec(db.get(), CalendarSchema::CreateStatement);

    sqlite3_stmt *rawStmt = nullptr;
    check(db.get(), sqlite3_prepare_v2(db.get(), insertStatement().c_str(), -1, &rawStmt, nullptr),
          "cannot write the database");
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(rawStmt);
    for (const CalendarRow &r : rows) {
        sqlite3_stmt *s = stmt.get();
        check(db.get(), sqlite3_bind_int(s, 1, r.id), "cannot write the database");
        bindText(db.get(), s, 2, r.data);
        int index = 3;
        for (const auto &column : TextColumns)
            bindText(db.get(), s, index++, r.*column.second);
        check(db.get(), sqlite3_step(s), "cannot write the database");
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
    stmt.reset();
    exec(db.get(), "COMMIT");
    if (sqlite3_close(db.release()) != SQLITE_OK)
        throw WriteError("cannot close " + file);
}

} // namespace

void writeCalendarDatabase(const std::vector<CalendarRow> &rows, const std::string &path, bool overwrite,
                           CalendarFormat format, std::time_t created)
{
    const fs::path target(path);
    std::error_code ec;
    if (!overwrite && fs::exists(fs::symlink_status(target, ec)))
        throw WriteError(path + " already exists (use --force to replace it)");

    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // A hidden name beside the target, so the final rename never crosses file systems.
    std::string tempName = ".";
    tempName.append(target.filename().string());
    tempName.append(".tmp");
    tempName.append(std::to_string(static_cast<long>(::getpid())));
    const fs::path temp = folder / tempName;
    const auto removeTemp = [&] {
        std::error_code ignored;
        fs::remove(temp, ignored);
        fs::remove(fs::path(temp.string() + "-journal"), ignored);
    };
    removeTemp();
    try {
        if (format == CalendarFormat::Sqlite)
            writeFile(rows, temp.string());
        else if (format == CalendarFormat::Access97)
            writeCalendarJet(rows, temp.string(), jet::JetVersion::Jet3, created);
        else
            writeCalendarJet(rows, temp.string(), jet::JetVersion::Jet4, created);
        if (overwrite) {
            if (std::rename(temp.c_str(), target.c_str()) != 0)
                throw WriteError("cannot move the new database to " + path + ": " + std::strerror(errno));
        } else {
            // link() refuses an existing target, so a file that appeared meanwhile survives.
            if (::link(temp.c_str(), target.c_str()) == 0) {
                removeTemp();
            } else if (errno == EEXIST) {
                throw WriteError(path + " already exists (use --force to replace it)");
            } else if (errno == EPERM || errno == ENOTSUP || errno == ENOSYS) {
                // A file system without hard links: check, then rename.
                if (fs::exists(fs::symlink_status(target, ec)))
                    throw WriteError(path + " already exists (use --force to replace it)");
                if (std::rename(temp.c_str(), target.c_str()) != 0)
                    throw WriteError("cannot move the new database to " + path + ": " + std::strerror(errno));
            } else {
                throw WriteError("cannot move the new database to " + path + ": " + std::strerror(errno));
            }
        }
    } catch (...) {
        removeTemp();
        throw;
    }
}

} // namespace gen
