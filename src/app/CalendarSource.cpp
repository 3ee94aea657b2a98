#include "app/CalendarSource.h"

#include "core/Module1.h"
#include "core/Platform.h"
#include "data/CursorMessages.h"
#include "data/DataError.h"
#include "tools/CalendarRows.h"
#include "tools/DatabaseWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <stdexcept>

namespace {

const QString FolderName = QStringLiteral("feastbook");
const QString NoteSuffix = QStringLiteral(".computed");

// The size and the time of change of the calendar the note was written for: a calendar put in
// its place later differs in one or the other.
QByteArray fingerprint(const QString &calendar)
{
    const QFileInfo info(calendar);
    return QStringLiteral("size=%1\nmodified=%2\n")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .toUtf8();
}

// Without the note the calendar still serves; it is only taken for the user's from then on.
void writeNote(const QString &calendar)
{
    QSaveFile note(calendar + NoteSuffix);
    if (!note.open(QIODevice::WriteOnly) || note.write(fingerprint(calendar)) < 0 || !note.commit())
        qWarning("The note beside %s cannot be written: %s", qPrintable(calendar), qPrintable(note.errorString()));
}

// A word as a shell reads it back: quoted when it holds more than plain characters.
QString shellWord(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

int firstYearFrom(QDate today)
{
    const int year = today.year();
    if (year < gen::FirstYear || year + gen::DefaultYears - 1 > gen::LastYear)
        throw std::runtime_error(QStringLiteral("no calendar can be computed for the year %1").arg(year).toStdString());
    return year;
}

} // namespace

QString CalendarSource::ownPath() const
{
    const QString folder = m_platform.userDataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(FolderName + u'/' + CalendarFileName);
}

QStringList CalendarSource::candidates() const
{
    QStringList paths{QDir::current().absoluteFilePath(CalendarFileName)};
    if (const QString own = ownPath(); !own.isEmpty())
        paths << own;
    for (const QString &folder : m_platform.installedDataFolders())
        paths << QDir(folder).filePath(FolderName + u'/' + CalendarFileName);
    return paths;
}

QString CalendarSource::locate()
{
    m_notice.clear();
    for (const QString &candidate : candidates()) {
        if (QFileInfo::exists(candidate))
            return m_path = candidate;
    }
    m_path = ownPath();
    try {
        compute(false);
    } catch (const std::exception &e) {
        const QString where = m_path.isEmpty() ? QString() : u' ' + CursorMessages::fileShown(m_path);
        throw DatabaseUnusable(QStringLiteral("No %1 was found, and none could be computed into%2: %3.")
                                   .arg(CalendarFileName, where, QString::fromLocal8Bit(e.what())));
    }
    const int year = m_platform.now().date().year();
    m_notice = QStringLiteral("Feastbook found no calendar, so it has computed the calendar of %1 to %2 into %3. "
                              "It computes the next years there when these have passed.")
                   .arg(year)
                   .arg(year + gen::DefaultYears - 1)
                   .arg(CursorMessages::fileShown(m_path));
    return m_path;
}

bool CalendarSource::isOwn() const
{
    const QString own = ownPath();
    if (m_path.isEmpty() || own.isEmpty() || !QFileInfo::exists(m_path))
        return false;
    if (QFileInfo(m_path).canonicalFilePath() != QFileInfo(own).canonicalFilePath())
        return false;
    QFile note(own + NoteSuffix);
    return note.open(QIODevice::ReadOnly) && note.read(256) == fingerprint(own);
}

void CalendarSource::renew()
{
    try {
        compute(true);
        m_path = ownPath();
    } catch (const std::exception &e) {
        throw std::runtime_error(
            QStringLiteral("The calendar %1 has ended, and the next years could not be computed: %2.")
                .arg(CursorMessages::fileShown(ownPath()), QString::fromLocal8Bit(e.what()))
                .toStdString());
    }
}

void CalendarSource::compute(bool replace)
{
    const QString path = ownPath();
    if (path.isEmpty())
        throw std::runtime_error("the desktop names no data folder for this user");
    const int firstYear = firstYearFrom(m_platform.now().date());
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error(
            QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)).toStdString());
    gen::writeCalendarDatabase(gen::buildCalendarRows(firstYear, gen::DefaultYears),
                               QFile::encodeName(path).toStdString(), replace);
    writeNote(path);
}

QString CalendarSource::todayMissingAdvice(QDate today, QDate first, QDate last) const
{
    // A calendar of the installed folders belongs to the machine: the user's own comes before it.
    const bool installed = !m_path.isEmpty() && m_path != candidates().constFirst() && m_path != ownPath();
    const QString target = installed ? ownPath() : m_path;
    return QStringLiteral("Today, %1, is not in the calendar %2, which holds the days from %3 to %4.\n\n"
                          "To make a calendar of the four years from this year, run\n"
                          "    feastbook-gen %5-o %6\n"
                          "then choose Exit in the menu of Feastbook's icon and start Feastbook again.")
        .arg(today.toString(Qt::ISODate), CursorMessages::fileShown(m_path), first.toString(Qt::ISODate),
             last.toString(Qt::ISODate), installed ? QString() : QStringLiteral("--force "),
             shellWord(QDir::toNativeSeparators(target)));
}
