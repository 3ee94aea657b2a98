#pragma once

#include "data/CalendarCursor.h"
#include "data/jet/JetTable.h"

#include <QHash>
#include <optional>

// Walks an Access table in stored order. Values are converted the way the SQLite cursor
// converts them, with the same messages, so that the readers cannot tell the stores apart.
class AccessCursor : public CalendarCursor
{
public:
    // tableName: as the caller spelled it, for messages (the SQLite store does the same).
    AccessCursor(jet::JetTable table, const QString &fileName, const QString &tableName);

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
    // The value of a column of the current row; throws DataError when there is no current row,
    // no such column, a column of a type that is not read, or damage on the way.
    jet::Value value(const QString &column) const;
    // Like value(), but a NULL throws too.
    jet::Value present(const QString &column) const;
    const jet::RowLayout &currentRow() const;
    // "the column Data of row 472": where a bad value was met, for the user to find it.
    QString place(const QString &column) const;
    using Mismatch = QString (*)(const QString &place, const QString &value);
    [[noreturn]] void typeMismatch(const QString &column, const jet::Value &value, Mismatch message) const;

    jet::JetTable m_table;
    QString m_fileName;
    QString m_tableName;
    std::size_t m_row = 0;
    bool m_reachedByMoveLast = false; // from MoveLast until the next MoveFirst
    QHash<QString, int> m_columns;    // lower-case column name -> index
    mutable std::optional<jet::RowLayout> m_layout;
};
