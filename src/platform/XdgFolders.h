#pragma once

#include <QString>
#include <QStringList>

// The folders of the freedesktop.org base directories, read from the environment as the
// desktop sets it. A relative path in a variable counts as unset: the desktop's own rule, which
// keeps a stray value from sending the program's files into whatever folder it was started from.
namespace XdgFolders {

// $XDG_DATA_HOME, or ~/.local/share.
QString dataHome();
// $XDG_DATA_DIRS in order, or /usr/local/share and /usr/share.
QStringList dataDirs();
// $XDG_CONFIG_HOME, or ~/.config.
QString configHome();
// $XDG_RUNTIME_DIR, or a private folder made for the user when the session has none.
QString runtime();

} // namespace XdgFolders
