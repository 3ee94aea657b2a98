#pragma once

#include "core/Platform.h"

#include <QMap>
#include <QStringList>
#include <vector>

// The platform seam for tests: a clock the test sets, message boxes that are only counted,
// settings in memory, and a tray that records every call.
class FakePlatform : public Platform
{
public:
    struct TrayCall
    {
        QString kind; // "add", "modify", "delete"
        qint64 iconKey = 0;
        QString tip;
    };

    QDateTime clock = QDateTime(QDate(2001, 4, 16), QTime(9, 30));
    QString dataHome; // empty: the desktop names no data folder of the user's
    QStringList dataDirs;
    QStringList messages;
    QMap<QString, QString> settings; // "app/section/key" -> value
    int settingWrites = 0;
    QString dragAnswer = QStringLiteral("1");
    std::vector<HelpWindowStyle> helpLaunches;
    bool helpMissing = false;
    QString printerPdf; // where the default printer writes; empty: no printer installed
    int printJobs = 0;
    std::vector<TrayCall> trayCalls;
    QMenu *trayMenu = nullptr;
    std::function<void(int)> trayHandler;
    int popups = 0;
    std::vector<int> endedWith;
    QStringList events; // tray calls and the process end, in order

    QDateTime now() const override { return clock; }
    QString userDataFolder() const override { return dataHome; }
    QStringList installedDataFolders() const override { return dataDirs; }
    void messageBox(const QString &text) override { messages << text; }
    QString getSetting(const QString &app, const QString &section, const QString &key,
                       const QString &fallback) override;
    void saveSetting(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void deleteSetting(const QString &app, const QString &section, const QString &key) override;
    QString dragFullWindows() override { return dragAnswer; }
    void launchHelp(HelpWindowStyle style) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    void setTrayMenu(QMenu *menu) override { trayMenu = menu; }
    void setTrayMessageHandler(std::function<void(int)> handler) override { trayHandler = std::move(handler); }
    void trayAdd(const QIcon &icon, const QString &tip) override;
    void trayModify(const QIcon &icon, const QString &tip) override;
    void trayDelete() override;
    void popupMenu(QMenu &) override { ++popups; }
    void endProcess(int status) override;

    // Sends a mouse message from the tray icon, as the desktop would.
    void sendTrayMessage(int message) { trayHandler(message); }
    int count(const QString &kind) const;
    const TrayCall &lastTrayCall() const { return trayCalls.back(); }
};
