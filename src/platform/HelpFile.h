#pragma once

#include <QString>
#include <QStringList>

// Where the program's help is found: the current folder first, then the data folders of the
// program (beside a build or an installation).
namespace HelpFile {

inline const QString FileName = QStringLiteral("feastbook-help.html");

// The folders searched after the current one, in order.
QStringList dataFolders();

// The help file's path; throws when it is in none of the folders.
QString locate(const QString &currentFolder, const QStringList &dataFolders);

} // namespace HelpFile
