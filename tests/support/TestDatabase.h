#pragma once

#include "data/CalendarSchema.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

// Small calendar databases written by the tests themselves (SQLite), one row per day.
struct TestDay
{
    QString Data; // as stored: "YYYY-MM-DD", possibly with a time of day
    QString DataUniv;
    QString evenimentUniv;
    QString evenimentSUA = QStringLiteral("=");
    QString ToolTipUniv;
    QString ToolTipSUA = QStringLiteral("=");
    QString ComentariuUniv;
    QString ComentariuSUA = QStringLiteral("=");
    QString culoriUniv = QStringLiteral("2");
    QString CuloriSUA = QStringLiteral("2");
};

namespace TestDatabase {

// Consecutive days from first on, each with a plain celebration text ("Event <date>").
std::vector<TestDay> days(QDate first, int count);

// Writes calendarComplet with the given rows (ID 1..N) to path; no column refuses a NULL.
void write(const QString &path, const std::vector<TestDay> &rows, const QString &table = CalendarSchema::TableName);

// Runs raw SQL on a database file, for fixtures the helpers above do not cover.
void exec(const QString &path, const QString &sql);

} // namespace TestDatabase

// A temporary folder that is the current folder while the object lives (the program reads
// feastbook.mdb from the current folder).
class ScopedCurrentFolder
{
public:
    ScopedCurrentFolder();
    ~ScopedCurrentFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
