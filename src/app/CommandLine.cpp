#include "app/CommandLine.h"

#include "platform/AutostartEntry.h"
#include "platform/HelpFile.h"
#include "platform/XdgFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <cstdio>

namespace {

// Qt's own options, with and without a value, as QGuiApplication and QApplication take them.
const QSet<QString> QtOptionsWithValue = {QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
                                          QStringLiteral("qwindowtitle"),    QStringLiteral("geometry"),
                                          QStringLiteral("title"),           QStringLiteral("session"),
                                          QStringLiteral("display"),         QStringLiteral("name"),
                                          QStringLiteral("style"),           QStringLiteral("stylesheet")};
const QSet<QString> QtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                               QStringLiteral("dograb"), QStringLiteral("sync")};

// The name of a Qt option ("-session" or "--session"), empty for anything else.
QString qtOptionName(const QString &argument)
{
    if (!argument.startsWith(u'-'))
        return {};
    const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    return QtOptionsWithValue.contains(name) || QtFlags.contains(name) ? name : QString();
}

QString usage()
{
    QFile file(QStringLiteral(":/feastbook/usage.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int report(const AutostartEntry::Outcome &outcome)
{
    print(outcome.done ? stdout : stderr, outcome.message + u'\n');
    return outcome.done ? 0 : 1;
}

} // namespace

QStringList CommandLine::arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    bool help = false;
    bool version = false;
    const auto misunderstood = [&](const QString &problem) {
        line.m_action = Action::Misunderstood;
        line.m_problem = problem;
        return line;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (const QString qt = qtOptionName(argument); !qt.isEmpty()) {
            i += QtOptionsWithValue.contains(qt) ? 1 : 0;
        } else if (argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("--version")) {
            version = true;
        } else if (argument == QLatin1String("--autostart") || argument.startsWith(QLatin1String("--autostart="))) {
            const bool joined = argument.contains(u'=');
            if (!joined && i + 1 >= arguments.size())
                return misunderstood(QStringLiteral("--autostart needs on or off"));
            const QString value = joined ? argument.section(u'=', 1) : arguments.at(++i);
            if (value != QLatin1String("on") && value != QLatin1String("off"))
                return misunderstood(QStringLiteral("--autostart is on or off, not '%1'").arg(value));
            line.m_action = value == QLatin1String("on") ? Action::AutostartOn : Action::AutostartOff;
        } else {
            return misunderstood(QStringLiteral("unknown option '%1'").arg(argument));
        }
    }
    if (help)
        line.m_action = Action::Help;
    else if (version)
        line.m_action = Action::Version;
    return line;
}

int CommandLine::perform() const
{
    switch (m_action) {
    case Action::Help:
        print(stdout, usage());
        return 0;
    case Action::Version:
        print(stdout, QStringLiteral("feastbook %1\n").arg(QStringLiteral(FEASTBOOK_VERSION)));
        return 0;
    case Action::AutostartOn:
        return report(AutostartEntry::enable(HelpFile::dataFolders(), XdgFolders::configHome(),
                                             QCoreApplication::applicationFilePath()));
    case Action::AutostartOff:
        return report(AutostartEntry::disable(XdgFolders::configHome()));
    case Action::Misunderstood:
        print(stderr, QStringLiteral("feastbook: %1\n%2Try 'feastbook --help'.\n")
                          .arg(m_problem, usage().section(u'\n', 0, 0) + u'\n'));
        return 2;
    case Action::Run:
        break;
    }
    return 0;
}
