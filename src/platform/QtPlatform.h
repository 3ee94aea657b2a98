#pragma once

#include "core/Platform.h"
#include "platform/HelpLauncher.h"
#include "platform/QtTray.h"

// The platform seam on a real desktop.
class QtPlatform : public Platform
{
public:
    QDateTime now() const override;
    QString userDataFolder() const override;
    QStringList installedDataFolders() const override;
    void messageBox(const QString &text) override;
    QString getSetting(const QString &app, const QString &section, const QString &key,
                       const QString &fallback) override;
    void saveSetting(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void deleteSetting(const QString &app, const QString &section, const QString &key) override;
    QString dragFullWindows() override;
    void launchHelp(HelpWindowStyle style) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    void setTrayMenu(QMenu *menu) override;
    void setTrayMessageHandler(std::function<void(int)> handler) override;
    void trayAdd(const QIcon &icon, const QString &tip) override;
    void trayModify(const QIcon &icon, const QString &tip) override;
    void trayDelete() override;
    void popupMenu(QMenu &menu) override;
    [[noreturn]] void endProcess(int status) override;

private:
    QtTray m_tray;
    HelpLauncher m_help;
};
