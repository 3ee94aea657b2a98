#pragma once

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMenu;
class QPrinter;

// How a help window opens: 1 a normal window that takes the focus, 2 minimized.
enum class HelpWindowStyle { Normal = 1, Minimized = 2 };

// Mouse messages from the tray icon, numbered as the desktop's window messages.
namespace TrayMessage {
enum : int { LeftDown = 0x201, LeftUp = 0x202, LeftDouble = 0x203, RightDown = 0x204, RightUp = 0x205 };
} // namespace TrayMessage

// Everything the program asks of the desktop. One Qt implementation runs the real program;
// the tests use fakes, so no logic depends on a real clock, screen, tray or settings file.
class Platform
{
public:
    virtual ~Platform() = default;

    virtual QDateTime now() const = 0;

    // The desktop's data folders: the user's own ($XDG_DATA_HOME), where the program keeps the
    // calendar it computes, and the installed ones ($XDG_DATA_DIRS), in the order they are searched.
    virtual QString userDataFolder() const = 0;
    virtual QStringList installedDataFolders() const = 0;

    // A message box with an OK button only and the program's title.
    virtual void messageBox(const QString &text) = 0;

    // The per-user settings store, addressed by application, section and key.
    virtual QString getSetting(const QString &app, const QString &section, const QString &key,
                               const QString &fallback) = 0;
    virtual void saveSetting(const QString &app, const QString &section, const QString &key, const QString &value) = 0;
    virtual void deleteSetting(const QString &app, const QString &section, const QString &key) = 0;

    // The desktop's "DragFullWindows" answer: "1" when windows redraw while being sized, "0"
    // when only an outline moves, anything else when the desktop does not say.
    virtual QString dragFullWindows() = 0;

    // Opens the program's help. Throws when the help file cannot be found.
    virtual void launchHelp(HelpWindowStyle style) = 0;

    // The default printer, ready for one job without a dialog; the job ends when the printer
    // is released. Throws when no default printer is installed.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;

    // The notification-area icon. The menu is offered to trays that open context menus
    // themselves; mouse messages on the icon reach the handler as TrayMessage numbers.
    virtual void setTrayMenu(QMenu *menu) = 0;
    virtual void setTrayMessageHandler(std::function<void(int message)> handler) = 0;
    virtual void trayAdd(const QIcon &icon, const QString &tip) = 0;
    virtual void trayModify(const QIcon &icon, const QString &tip) = 0;
    virtual void trayDelete() = 0;
    // Brings the program to the front and pops the menu up at the mouse position.
    virtual void popupMenu(QMenu &menu) = 0;

    // Ends the process at once: no window is asked, nothing is saved.
    virtual void endProcess(int status) = 0;
};
