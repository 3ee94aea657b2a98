#include "data/CursorMessages.h"

#include <QDir>
#include <QFileInfo>

namespace CursorMessages {
namespace {

QString typeMismatch(const QString &place, const QString &value, const QString &what)
{
    return QStringLiteral("Type mismatch: %1 holds \"%2\", not %3.").arg(place, value, what);
}

} // namespace

QString noCurrentRecord()
{
    return QStringLiteral("No current record.");
}

QString emptyTable(const QString &table)
{
    return QStringLiteral("No current record: the table %1 is empty.").arg(table);
}

QString noSuchColumn(const QString &table, const QString &column)
{
    return QStringLiteral("The table %1 has no column %2.").arg(table, column);
}

QString place(const QString &column, qint64 row)
{
    const QString where = row > 0 ? QStringLiteral("row %1").arg(row) : QStringLiteral("the last row");
    return QStringLiteral("the column %1 of %2").arg(column, where);
}

QString nullValue(const QString &place)
{
    return QStringLiteral("Invalid use of Null: %1 holds no value.").arg(place);
}

QString notAWholeNumber(const QString &place, const QString &value)
{
    return typeMismatch(place, value, QStringLiteral("a whole number"));
}

QString notADate(const QString &place, const QString &value)
{
    return typeMismatch(place, value, QStringLiteral("a date"));
}

QString fileShown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString cannotRead(const QString &fileName, const QString &why)
{
    return QStringLiteral("%1 cannot be read: %2.").arg(fileName, why);
}

QString damaged(const QString &fileName, const QString &why)
{
    return QStringLiteral("%1 is damaged: %2.").arg(fileName, why);
}

QString noUsableTable(const QString &fileName, const QString &table, const QString &why)
{
    return QStringLiteral("%1 holds no usable table %2: %3").arg(fileName, table, why);
}

} // namespace CursorMessages
