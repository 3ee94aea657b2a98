#pragma once

#include "app/frmShell.h"
#include "core/Module1.h"
#include "support/FakePlatform.h"
#include "support/TestDatabase.h"

#include <QtTest>
#include <memory>

// The resident program on fakes: a current folder of its own holding feastbook.mdb, a fake
// desktop whose data folders lie in that folder too, the process-wide state and the hidden shell
// window.
struct ShellHarness
{
    ScopedCurrentFolder folder;
    FakePlatform platform;
    Module1 module{platform};
    std::unique_ptr<frmShell> shell = std::make_unique<frmShell>(module);

    ShellHarness()
    {
        platform.dataHome = folder.file(QStringLiteral("data-home"));
        platform.dataDirs = {folder.file(QStringLiteral("share-1")), folder.file(QStringLiteral("share-2"))};
    }
    // The calendar the program computes and keeps, in the user's data folder.
    QString ownCalendarPath() const { return platform.dataHome + QStringLiteral("/feastbook/") + CalendarFileName; }

    QString databasePath() const { return folder.file(CalendarFileName); }
    void writeDays(const std::vector<TestDay> &rows) { TestDatabase::write(databasePath(), rows); }
    void setVariant(const QString &value)
    {
        platform.settings.insert(SettingsKey::App + u'/' + SettingsKey::Section + u'/' + SettingsKey::Key, value);
    }
    bool load() { return shell->Form_Load(); }
    // Shows a window of the program and waits until it is the active one.
    template <class W> W &activate()
    {
        W &w = module.windows().show<W>();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("window not active");
        return w;
    }
    int trayIconDataDay() const { return shell->trayIconData().hIcon; }
};
