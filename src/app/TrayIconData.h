#pragma once

#include <QString>

// The record the tray icon is described by. Only the icon and the tip change after start-up.
struct TrayIconData
{
    static constexpr int TipFieldLength = 64;

    int uID = 1;
    int uFlags = 7;               // message + icon + tip
    int uCallbackMessage = 0x200; // mouse messages arrive as mouse moves
    int hIcon = 0;                // day of the month whose picture the icon shows
    // The tip as a fixed field of 64 characters: the text, a NUL, blanks to the end. Empty
    // until a tip has been set.
    QString szTip;

    // The field for a celebration text: without blanks at either end, NUL-terminated, padded
    // with blanks, cut to 64 characters (which cuts off the NUL of a text of 64 characters or
    // more).
    static QString tipField(const QString &text);

    // What the tray shows of the field: the characters before the NUL, at most 63.
    QString shownTip() const;

    bool operator==(const TrayIconData &) const = default;
};
