#include "platform/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace HelpFile {

QStringList dataFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/feastbook"),
            QStringLiteral(FEASTBOOK_INSTALL_DATADIR)};
}

QString locate(const QString &currentFolder, const QStringList &dataFolders)
{
    QStringList tried;
    for (const QString &folder : QStringList{currentFolder} + dataFolders) {
        const QFileInfo candidate(QDir(folder), FileName);
        if (candidate.isFile() && candidate.isReadable())
            return candidate.absoluteFilePath();
        tried << QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
    }
    throw std::runtime_error(QStringLiteral("The help file %1 was not found (looked in %2).")
                                 .arg(FileName, tried.join(QStringLiteral(", ")))
                                 .toStdString());
}

} // namespace HelpFile
