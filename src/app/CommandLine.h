#pragma once

#include <QString>
#include <QStringList>

// What the program is asked on its command line. Without options it runs. The options that
// every Qt program takes (-platform, -display, -session …) are left to Qt: a session manager
// starts a program again with -session, and that start must run as any other.
class CommandLine
{
public:
    enum class Action { Run, Help, Version, AutostartOn, AutostartOff, Misunderstood };

    // The arguments after the program's name.
    static CommandLine parse(const QStringList &arguments);
    static QStringList arguments(int argc, char **argv);

    Action action() const { return m_action; }
    // What was not understood, for Misunderstood.
    const QString &problem() const { return m_problem; }

    // Carries out an action other than Run and prints what it did. Needs a QCoreApplication and
    // no display. Returns the exit status: 0 done, 1 failed, 2 not understood.
    int perform() const;

private:
    Action m_action = Action::Run;
    QString m_problem;
};
