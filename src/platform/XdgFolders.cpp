#include "platform/XdgFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace XdgFolders {
namespace {

QString absoluteOr(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

} // namespace

QString dataHome()
{
    return absoluteOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
}

QStringList dataDirs()
{
    QStringList folders;
    for (const QString &folder : qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            folders << QDir::cleanPath(folder);
    if (folders.isEmpty())
        folders = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return folders;
}

QString configHome()
{
    return absoluteOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
}

QString runtime()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace XdgFolders
