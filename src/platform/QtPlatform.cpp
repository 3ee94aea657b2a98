#include "platform/QtPlatform.h"

#include "artwork/ApplicationIcon.h"
#include "platform/XdgFolders.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <cstdlib>
#include <stdexcept>

namespace {

// $XDG_CONFIG_HOME/<app>.ini, one group per section.
QSettings settingsFor(const QString &app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app);
}

QString settingsPath(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

void commit(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw std::runtime_error(
            QStringLiteral("The setting could not be saved in %1.").arg(settings.fileName()).toStdString());
}

} // namespace

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::userDataFolder() const
{
    return XdgFolders::dataHome();
}

QStringList QtPlatform::installedDataFolders() const
{
    return XdgFolders::dataDirs();
}

void QtPlatform::messageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Feastbook"), text, QMessageBox::Ok);
    box.setWindowIcon(ApplicationIcon::icon());
    box.exec();
}

QString QtPlatform::getSetting(const QString &app, const QString &section, const QString &key, const QString &fallback)
{
    return settingsFor(app).value(settingsPath(section, key), fallback).toString();
}

void QtPlatform::saveSetting(const QString &app, const QString &section, const QString &key, const QString &value)
{
    QSettings settings = settingsFor(app);
    settings.setValue(settingsPath(section, key), value);
    commit(settings);
}

void QtPlatform::deleteSetting(const QString &app, const QString &section, const QString &key)
{
    QSettings settings = settingsFor(app);
    settings.remove(settingsPath(section, key));
    commit(settings);
}

// Desktops here redraw windows continuously while they are sized.
QString QtPlatform::dragFullWindows()
{
    return QStringLiteral("1");
}

void QtPlatform::launchHelp(HelpWindowStyle style)
{
    m_help.launch(style);
}

// Qt would print to nowhere without a printer; the user must be told instead.
std::unique_ptr<QPrinter> QtPlatform::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw std::runtime_error("No default printer is installed.");
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void QtPlatform::setTrayMenu(QMenu *menu)
{
    m_tray.setMenu(menu);
}

void QtPlatform::setTrayMessageHandler(std::function<void(int)> handler)
{
    m_tray.setMessageHandler(std::move(handler));
}

void QtPlatform::trayAdd(const QIcon &icon, const QString &tip)
{
    m_tray.add(icon, tip);
}

void QtPlatform::trayModify(const QIcon &icon, const QString &tip)
{
    m_tray.modify(icon, tip);
}

void QtPlatform::trayDelete()
{
    m_tray.remove();
    // Let the tray see the icon go before the process does.
    QCoreApplication::processEvents();
}

void QtPlatform::popupMenu(QMenu &menu)
{
    m_tray.bringToFront();
    menu.exec(QCursor::pos());
}

void QtPlatform::endProcess(int status)
{
    std::_Exit(status);
}
