#include "platform/HelpLauncher.h"

#include "core/WindowRegistry.h"
#include "platform/HelpFile.h"

#include <QDir>

HelpLauncher::HelpLauncher() : HelpLauncher(QString(), HelpFile::dataFolders()) {}

HelpLauncher::HelpLauncher(QString currentFolder, QStringList dataFolders)
    : m_currentFolder(std::move(currentFolder)), m_dataFolders(std::move(dataFolders))
{}

HelpLauncher::~HelpLauncher()
{
    delete m_viewer.data();
}

void HelpLauncher::launch(HelpWindowStyle style)
{
    const QString path =
        HelpFile::locate(m_currentFolder.isEmpty() ? QDir::currentPath() : m_currentFolder, m_dataFolders);
    if (!m_viewer) {
        m_viewer = new HelpViewer; // a top-level window, owned by this launcher
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_viewer->open(path);
    if (style == HelpWindowStyle::Minimized) {
        m_viewer->showMinimized();
    } else {
        WindowRegistry::present(*m_viewer);
    }
}
