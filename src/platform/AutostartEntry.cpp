#include "platform/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace AutostartEntry {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString targetPath(const QString &configHome)
{
    return QDir(configHome).filePath(QStringLiteral("autostart/") + FileName);
}

bool foundOnPath(const QString &program)
{
    const QString found = QStandardPaths::findExecutable(QFileInfo(program).fileName());
    return !found.isEmpty() && QFileInfo(found).canonicalFilePath() == QFileInfo(program).canonicalFilePath();
}

// A path as the Exec key takes it: quoted where the desktop's rules reserve a character, then
// escaped again as every string value of an entry is.
QString execValue(const QString &program)
{
    static const QRegularExpression reserved(QStringLiteral("[\\s\"'\\\\><~|&;$*?#()`]"));
    QString word = program;
    word.replace(u'%', QStringLiteral("%%"));
    if (word.contains(reserved)) {
        static const QRegularExpression escaped(QStringLiteral("([\"`$\\\\])"));
        word.replace(escaped, QStringLiteral("\\\\1"));
        word = u'"' + word + u'"';
    }
    return word.replace(u'\\', QStringLiteral("\\\\"));
}

// The entry with Exec and TryExec naming the program by its path.
QByteArray startingProgram(const QByteArray &entry, const QString &program)
{
    QString text = QString::fromUtf8(entry);
    QString tryExec = program;
    tryExec.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(QRegularExpression(QStringLiteral("^Exec=\\S+"), QRegularExpression::MultilineOption),
                 QStringLiteral("Exec=") + execValue(program));
    text.replace(QRegularExpression(QStringLiteral("^TryExec=.*$"), QRegularExpression::MultilineOption),
                 QStringLiteral("TryExec=") + tryExec);
    return text.toUtf8();
}

} // namespace

Outcome enable(const QStringList &dataFolders, const QString &configHome, const QString &program)
{
    QStringList tried;
    QByteArray entry;
    for (const QString &folder : dataFolders) {
        const QString source = QDir::cleanPath(QDir(folder).filePath(QStringLiteral("autostart/") + FileName));
        QFile file(source);
        if (file.open(QIODevice::ReadOnly)) {
            entry = file.readAll();
            break;
        }
        tried << shown(source);
    }
    if (entry.isEmpty())
        return {false, QStringLiteral("The autostart entry is not installed (looked for %1).")
                           .arg(tried.join(QStringLiteral(", ")))};
    if (!foundOnPath(program))
        entry = startingProgram(entry, program);

    const QString target = targetPath(configHome);
    QSaveFile copy(target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !copy.open(QIODevice::WriteOnly)
        || copy.write(entry) != entry.size() || !copy.commit())
        return {false, QStringLiteral("%1 cannot be written: %2.").arg(shown(target), copy.errorString())};
    return {true, QStringLiteral("Feastbook starts at login from now on (%1).").arg(shown(target))};
}

Outcome disable(const QString &configHome)
{
    const QString target = targetPath(configHome);
    QFile copy(target);
    if (!copy.exists())
        return {true, QStringLiteral("Feastbook was not started at login (there is no %1).").arg(shown(target))};
    if (!copy.remove())
        return {false, QStringLiteral("%1 cannot be removed: %2.").arg(shown(target), copy.errorString())};
    return {true, QStringLiteral("Feastbook no longer starts at login (%1 removed).").arg(shown(target))};
}

} // namespace AutostartEntry
