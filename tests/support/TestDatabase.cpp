#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <sqlite3.h>
#include <stdexcept>

namespace TestDatabase {

std::vector<TestDay> days(QDate first, int count)
{
    static const char *initials = "MTWTFSS";
    std::vector<TestDay> rows;
    for (int i = 0; i < count; ++i) {
        const QDate d = first.addDays(i);
        TestDay day;
        day.Data = d.toString(Qt::ISODate);
        day.DataUniv = QStringLiteral("%1 %2").arg(QChar::fromLatin1(initials[d.dayOfWeek() - 1]),
                                                   QLocale::c().toString(d, QStringLiteral("MMM dd")));
        day.evenimentUniv = QStringLiteral("Event ") + day.Data;
        day.ToolTipUniv = QStringLiteral("Title ") + day.Data;
        day.ComentariuUniv = QStringLiteral("{\\rtf1 Commentary %1}").arg(day.Data);
        rows.push_back(day);
    }
    return rows;
}

void exec(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot open test database");
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("test database: " + message);
}

void write(const QString &path, const std::vector<TestDay> &rows, const QString &table)
{
    QFile::remove(path);
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    // The generator's columns without its NOT NULL, so that a test can damage a value with one
    // UPDATE, as a calendar edited by hand may be.
    QStringList columns{QStringLiteral("%1 INTEGER PRIMARY KEY").arg(CalendarSchema::Columns[0])}; // ID
    for (int i = 1; i < CalendarSchema::ColumnCount; ++i)
        columns << QStringLiteral("%1 TEXT").arg(CalendarSchema::Columns[i]);
    const QString create = QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns.join(QStringLiteral(", ")));
    sqlite3_exec(db, create.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?,?,?,?,?,?,?,?)").arg(table).toUtf8().constData(),
                       -1, &insert, nullptr);
    int id = 0;
    for (const TestDay &day : rows) {
        sqlite3_bind_int(insert, 1, ++id);
        const QStringList values = {day.Data,        day.DataUniv,   day.evenimentUniv,  day.evenimentSUA,
                                    day.ToolTipUniv, day.ToolTipSUA, day.ComentariuUniv, day.ComentariuSUA,
                                    day.culoriUniv,  day.CuloriSUA};
        for (int i = 0; i < values.size(); ++i) {
            const QByteArray utf8 = values.at(i).toUtf8();
            sqlite3_bind_text(insert, i + 2, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace TestDatabase

ScopedCurrentFolder::ScopedCurrentFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

ScopedCurrentFolder::~ScopedCurrentFolder()
{
    QDir::setCurrent(m_previous);
}
