#pragma once

#include "core/Platform.h"
#include "platform/HelpViewer.h"

#include <QPointer>
#include <QString>
#include <QStringList>

// Opens the help window, one shared instance made on first use.
class HelpLauncher
{
public:
    // Folders are given for tests; by default the current folder and the program's data folders.
    HelpLauncher();
    HelpLauncher(QString currentFolder, QStringList dataFolders);
    ~HelpLauncher();
    HelpLauncher(const HelpLauncher &) = delete;
    HelpLauncher &operator=(const HelpLauncher &) = delete;

    // Throws when the help file is missing; nothing else changes then.
    void launch(HelpWindowStyle style);

    HelpViewer *viewer() const { return m_viewer; }

private:
    QString m_currentFolder; // empty: the process's current folder at the time of the launch
    QStringList m_dataFolders;
    QPointer<HelpViewer> m_viewer;
};
