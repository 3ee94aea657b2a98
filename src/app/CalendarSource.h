#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Platform;

// Where the calendar comes from. A feastbook.mdb in the current folder comes first, then the
// one in the user's data folder, then those of the installed data folders. When there is none,
// the program computes the four years from this year into the user's data folder, and keeps
// that calendar of its own current: once today has passed it, the next four years replace it.
// Every other calendar is only ever read.
//
// A calendar is the program's own when a note beside it, written when it was computed, still
// names its size and time of change: a calendar that someone put in its place is theirs.
class CalendarSource
{
public:
    explicit CalendarSource(Platform &platform) : m_platform(platform) {}

    // The path of the calendar to read, computing one when none exists. Throws DatabaseUnusable
    // when none exists and none can be written.
    QString locate();
    const QString &path() const { return m_path; }

    // Where a calendar computed by this start was written, for the user to be told once; empty
    // when the calendar was found.
    const QString &notice() const { return m_notice; }

    // True when the calendar located is the program's own.
    bool isOwn() const;

    // Replaces the program's own calendar with the four years from this year. Throws
    // std::runtime_error, naming the file and the reason, when it cannot be written.
    void renew();

    // What to tell the user whose calendar, holding the days first to last, does not hold today.
    QString todayMissingAdvice(QDate today, QDate first, QDate last) const;

private:
    QString ownPath() const;
    QStringList candidates() const;
    void compute(bool replace);

    Platform &m_platform;
    QString m_path;
    QString m_notice;
};
