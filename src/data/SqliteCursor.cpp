#include "data/SqliteCursor.h"

#include "data/CalendarDate.h"
#include "data/CursorMessages.h"
#include "data/DataError.h"

#include <sqlite3.h>

namespace {

QString quotedIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

SqliteCursor::SqliteCursor(sqlite3 *db, const QString &table) : m_db(db), m_table(table)
{
    // SQLite matches table names without regard to case, as the calendar's readers expect.
    const QString source = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quotedIdentifier(table));
    m_forward = prepare(source);
    m_last = prepare(QStringLiteral("SELECT * FROM %1 ORDER BY rowid DESC LIMIT 1").arg(quotedIdentifier(table)));
    const int count = sqlite3_column_count(m_forward.get());
    for (int i = 0; i < count; ++i) {
        m_names << QString::fromUtf8(sqlite3_column_name(m_forward.get(), i));
        m_columns.insert(m_names.last().toLower(), i);
    }
    MoveFirst();
}

void SqliteCursor::Finalize::operator()(sqlite3_stmt *statement) const
{
    sqlite3_finalize(statement);
}

SqliteCursor::Statement SqliteCursor::prepare(const QString &sql)
{
    sqlite3_stmt *raw = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK)
        throw DataError(QString::fromUtf8(sqlite3_errmsg(m_db)) + u'.');
    return statement;
}

bool SqliteCursor::step(sqlite3_stmt *statement)
{
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_current = nullptr;
    throw DataError(
        QStringLiteral("The table %1 cannot be read: %2.").arg(m_table, QString::fromUtf8(sqlite3_errmsg(m_db))));
}

void SqliteCursor::MoveFirst()
{
    sqlite3_reset(m_last.get());
    sqlite3_reset(m_forward.get());
    m_current = step(m_forward.get()) ? m_forward.get() : nullptr;
    m_row = 1;
}

void SqliteCursor::MoveNext()
{
    if (!m_current)
        throw DataError(CursorMessages::noCurrentRecord());
    if (m_current == m_last.get()) {
        // The last row has no successor: moving on from it passes the end.
        sqlite3_reset(m_last.get());
        m_current = nullptr;
        return;
    }
    m_current = step(m_forward.get()) ? m_forward.get() : nullptr;
    ++m_row;
}

void SqliteCursor::MoveLast()
{
    sqlite3_reset(m_forward.get());
    sqlite3_reset(m_last.get());
    if (!step(m_last.get())) {
        m_current = nullptr;
        throw DataError(CursorMessages::emptyTable(m_table));
    }
    m_current = m_last.get();
    m_row = 0; // not counted: the last row is reached without walking
}

bool SqliteCursor::isEOF() const
{
    return m_current == nullptr;
}

int SqliteCursor::columnIndex(const QString &column) const
{
    if (!m_current)
        throw DataError(CursorMessages::noCurrentRecord());
    auto spelled = m_spelledColumns.constFind(column);
    if (spelled == m_spelledColumns.constEnd()) {
        const auto found = m_columns.constFind(column.toLower());
        if (found == m_columns.constEnd())
            throw DataError(CursorMessages::noSuchColumn(m_table, column));
        spelled = m_spelledColumns.insert(column, *found);
    }
    return *spelled;
}

int SqliteCursor::valueIndex(const QString &column) const
{
    const int index = columnIndex(column);
    if (sqlite3_column_type(m_current, index) == SQLITE_NULL)
        throw DataError(CursorMessages::nullValue(place(column)));
    return index;
}

QString SqliteCursor::place(const QString &column) const
{
    return CursorMessages::place(column, m_row);
}

QString SqliteCursor::text(const QString &column) const
{
    const int i = valueIndex(column);
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_current, i));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(m_current, i));
}

qint64 SqliteCursor::integer(const QString &column) const
{
    const int i = valueIndex(column);
    if (sqlite3_column_type(m_current, i) == SQLITE_INTEGER)
        return sqlite3_column_int64(m_current, i);
    bool ok = false;
    const qint64 value = text(column).trimmed().toLongLong(&ok);
    if (!ok)
        throw DataError(CursorMessages::notAWholeNumber(place(column), text(column)));
    return value;
}

QDateTime SqliteCursor::date(const QString &column) const
{
    const QString value = text(column);
    try {
        return CalendarDate::parse(value);
    } catch (const DataError &) {
        throw DataError(CursorMessages::notADate(place(column), value));
    }
}

QStringList SqliteCursor::columnNames() const
{
    return m_names;
}

bool SqliteCursor::isNull(const QString &column) const
{
    return sqlite3_column_type(m_current, columnIndex(column)) == SQLITE_NULL;
}
