#pragma once

#include <QString>

// What the calendar's stores say when a table or a value cannot be read. The SQLite and the
// Access store word every message alike, so that neither a reader nor the user can tell the
// stores apart by them.
namespace CursorMessages {

QString noCurrentRecord();
QString emptyTable(const QString &table);
QString noSuchColumn(const QString &table, const QString &column);

// Where a bad value was met, for the user to find it: "the column Data of row 472". A row
// reached by MoveLast is not counted and is "the last row" (row 0).
QString place(const QString &column, qint64 row);
QString nullValue(const QString &place);
QString notAWholeNumber(const QString &place, const QString &value);
QString notADate(const QString &place, const QString &value);

// The file as a whole. A file is named by its whole path: the calendar may come from any of
// several folders, and the user must know which one was read.
QString fileShown(const QString &path);
QString cannotRead(const QString &fileName, const QString &why);
QString damaged(const QString &fileName, const QString &why);
QString noUsableTable(const QString &fileName, const QString &table, const QString &why);

} // namespace CursorMessages
