#include "platform/HelpViewer.h"

#include "artwork/ApplicationIcon.h"

#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Feastbook Help"));
    setWindowIcon(ApplicationIcon::icon());
    m_browser->setOpenExternalLinks(false); // the help never leaves its own files
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpViewer::open(const QString &path)
{
    m_browser->setSource(QUrl::fromLocalFile(path));
}

QString HelpViewer::source() const
{
    return m_browser->source().toLocalFile();
}
