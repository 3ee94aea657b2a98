#pragma once

#include "support/ShellHarness.h"

#include <functional>

// The started program over four years from 1 January 2000, on 16 April 2001 (row 472), for
// tests of its windows: a test adjusts the rows before they are written.
struct WindowHarness : ShellHarness
{
    static constexpr int TodayRow = 472;

    explicit WindowHarness(const std::function<void(std::vector<TestDay> &)> &adjust = {},
                           const QString &variant = QString(), const QString &drag = QStringLiteral("Not Found"))
    {
        auto rows = TestDatabase::days(QDate(2000, 1, 1), 1461);
        if (adjust)
            adjust(rows);
        writeDays(rows);
        if (!variant.isEmpty())
            setVariant(variant);
        platform.dragAnswer = drag;
        platform.clock = QDateTime(QDate(2001, 4, 16), QTime(10, 0));
        load();
    }

    QString storedVariant() const
    {
        return platform.settings.value(SettingsKey::App + u'/' + SettingsKey::Section + u'/' + SettingsKey::Key);
    }
};
