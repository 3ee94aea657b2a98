#pragma once

#include "data/CalendarCursor.h"

#include <QHash>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Walks a table in rowid order with one statement; the last row is reached with a second
// statement so that MoveLast does not have to step through the whole table.
class SqliteCursor : public CalendarCursor
{
public:
    // Throws DataError when the statements cannot be prepared.
    SqliteCursor(sqlite3 *db, const QString &table);
    SqliteCursor(const SqliteCursor &) = delete;
    SqliteCursor &operator=(const SqliteCursor &) = delete;

    void MoveFirst() override;
    void MoveNext() override;
    void MoveLast() override;
    bool isEOF() const override;

    QString text(const QString &column) const override;
    qint64 integer(const QString &column) const override;
    QDateTime date(const QString &column) const override;
    QStringList columnNames() const override;
    bool isNull(const QString &column) const override;

private:
    struct Finalize
    {
        void operator()(sqlite3_stmt *statement) const;
    };
    using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

    Statement prepare(const QString &sql);
    bool step(sqlite3_stmt *statement);
    // Index of a column of the current row; throws when there is no current row, no such
    // column, or the value is NULL.
    int valueIndex(const QString &column) const;
    // "the column Data of row 472": where a bad value was met, for the user to find it.
    QString place(const QString &column) const;
    // Index of a column of the current row, NULL or not.
    int columnIndex(const QString &column) const;

    sqlite3 *m_db;
    QString m_table;
    Statement m_forward;
    Statement m_last;
    sqlite3_stmt *m_current = nullptr; // the statement holding the current row; null past the end
    int m_row = 0;                     // 1-based place of the current row; 0 after MoveLast
    QHash<QString, int> m_columns;     // lower-case column name -> index
    QStringList m_names;               // as the table spells them, in order
    // Names as the readers spell them -> index; a walk reads the same few names on every row.
    mutable QHash<QString, int> m_spelledColumns;
};
