#include "data/CalendarDatabase.h"

#include "data/AccessDatabase.h"
#include "data/CursorMessages.h"
#include "data/DataError.h"
#include "data/DatabaseFormat.h"
#include "data/SqliteDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

std::unique_ptr<CalendarDatabase> CalendarDatabase::open(const QString &path)
{
    const QFileInfo info(path);
    const QString name = CursorMessages::fileShown(path);
    if (!info.exists())
        throw DatabaseUnusable(QStringLiteral("%1 was not found in %2.")
                                   .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())));
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw DatabaseUnusable(
            CursorMessages::cannotRead(name, info.isDir() ? QStringLiteral("it is a folder") : file.errorString()));
    const QByteArray head = file.read(100);
    file.close();

    switch (detectDatabaseFormat(head)) {
    case DatabaseFormat::SQLite:
        return std::make_unique<SqliteDatabase>(path);
    case DatabaseFormat::Access:
        return std::make_unique<AccessDatabase>(path);
    case DatabaseFormat::Unknown:
        break;
    }
    throw DatabaseUnusable(QStringLiteral("%1 is not a calendar database.").arg(name));
}
