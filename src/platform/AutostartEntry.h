#pragma once

#include <QString>
#include <QStringList>

// The entry that starts the program at login: a copy of the autostart entry of the installation
// (or of the build tree) in the user's autostart folder, $XDG_CONFIG_HOME/autostart.
namespace AutostartEntry {

inline const QString FileName = QStringLiteral("org.feastbook.Feastbook.desktop");

// What was done, in words for the user.
struct Outcome
{
    bool done = false;
    QString message;
};

// Copies the entry from the first of the program's data folders that holds one. The copy starts
// program by its path when a login would not find it on PATH (a build tree, a private prefix).
Outcome enable(const QStringList &dataFolders, const QString &configHome, const QString &program);

// Removes the copy; nothing to remove is no failure.
Outcome disable(const QString &configHome);

} // namespace AutostartEntry
