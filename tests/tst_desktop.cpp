// The program as a desktop starts it: options answered without a display, the autostart entry,
// and one running copy for each user (real processes, offscreen, in folders of their own).
#include "core/Module1.h"
#include "platform/AutostartEntry.h"
#include "platform/SingleInstance.h"
#include "support/TestDatabase.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

struct Run
{
    int status = -1;
    QString output; // stdout and stderr
};

Run run(const QStringList &arguments, const QProcessEnvironment &environment, const QString &folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(FEASTBOOK_PATH), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())};
}

// A session without any display: had the program made a QApplication, it would abort.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

bool listening(const QString &socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    return socket.waitForConnected(200);
}

void stop(QProcess &process)
{
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished();
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void optionsAreAnsweredWithoutADisplay_data();
    void optionsAreAnsweredWithoutADisplay();
    void autostartIsTurnedOnAndOff();
    void autostartEntryStartsTheProgramByItsPath_data();
    void autostartEntryStartsTheProgramByItsPath();
    void secondStartHandsOverToTheRunningCopy();
};

void TestDesktop::optionsAreAnsweredWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");

    QTest::newRow("help") << QStringList{"--help"} << 0 << "--autostart on";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "feastbook " FEASTBOOK_VERSION;
    QTest::newRow("a Qt option is left to Qt") << QStringList{"-session", "1a2b", "--version"} << 0 << "feastbook ";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "Usage: feastbook";
    QTest::newRow("autostart without a value") << QStringList{"--autostart"} << 2 << "needs on or off";
    QTest::newRow("autostart of another value") << QStringList{"--autostart", "yes"} << 2 << "not 'yes'";
}

void TestDesktop::optionsAreAnsweredWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    const Run answer = run(arguments, withoutDisplay());
    QTEST(answer.status, "status");
    QVERIFY2(answer.output.contains(says), qPrintable(answer.output));
}

// The copy goes to ~/.config/autostart when XDG_CONFIG_HOME is unset, and starts this build by
// its path, which is not on PATH.
void TestDesktop::autostartIsTurnedOnAndOff()
{
    QTemporaryDir home;
    QProcessEnvironment environment = withoutDisplay();
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    const QString copy = home.filePath(QStringLiteral(".config/autostart/") + AutostartEntry::FileName);

    for (int time = 0; time < 2; ++time) { // turning it on twice is no failure
        QCOMPARE(run({"--autostart", "on"}, environment).status, 0);
        QFile entry(copy);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY2(
            text.contains(QStringLiteral("\nExec=") + QFileInfo(QStringLiteral(FEASTBOOK_PATH)).canonicalFilePath())
                && text.contains(QStringLiteral("X-GNOME-Autostart-enabled=true")),
            qPrintable(text));
    }
    for (int time = 0; time < 2; ++time) { // nor is turning it off twice
        QCOMPARE(run({"--autostart", "off"}, environment).status, 0);
        QVERIFY(!QFile::exists(copy));
    }

    QVERIFY(QDir().rmdir(QFileInfo(copy).absolutePath()));
    QFile inTheWay(QFileInfo(copy).absolutePath()); // a file where the autostart folder goes
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    const Run failed = run({"--autostart", "on"}, environment);
    QCOMPARE(failed.status, 1);
    QVERIFY2(failed.output.contains(copy), qPrintable(failed.output));
}

void TestDesktop::autostartEntryStartsTheProgramByItsPath_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");

    // clang-format off
    QTest::newRow("plain")          << "/opt/feastbook/bin/feastbook" << "Exec=/opt/feastbook/bin/feastbook";
    QTest::newRow("a blank")        << "/home/a b/feastbook"          << "Exec=\"/home/a b/feastbook\"";
    QTest::newRow("a dollar")       << "/p$q/feastbook"               << "Exec=\"/p\\\\$q/feastbook\"";
    QTest::newRow("a percent sign") << "/p%q/feastbook"               << "Exec=/p%%q/feastbook";
    // clang-format on
}

// The desktop reads Exec by its own quoting rules: a path it would split or expand must be quoted.
void TestDesktop::autostartEntryStartsTheProgramByItsPath()
{
    QFETCH(QString, program);
    QTemporaryDir data;
    QTemporaryDir config;
    QVERIFY(QDir(data.path()).mkdir(QStringLiteral("autostart")));
    QFile installed(data.filePath(QStringLiteral("autostart/") + AutostartEntry::FileName));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.write("[Desktop Entry]\nType=Application\nName=Feastbook\nExec=feastbook\nTryExec=feastbook\n");
    installed.close();

    QVERIFY(AutostartEntry::enable({QStringLiteral("/nonexistent"), data.path()}, config.path(), program).done);
    QFile copy(config.filePath(QStringLiteral("autostart/") + AutostartEntry::FileName));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(copy.readAll()).split(u'\n');
    QTEST(lines.at(3), "exec");
    QCOMPARE(lines.at(4), QStringLiteral("TryExec=") + program);
}

// The first copy listens; a second start hands over and ends with status 0. A copy killed
// leaves its lock and its socket behind, and the next start takes both over.
void TestDesktop::secondStartHandsOverToTheRunningCopy()
{
    QTemporaryDir runtime;
    QTemporaryDir folder;
    TestDatabase::write(folder.filePath(CalendarFileName), TestDatabase::days(QDate::currentDate().addDays(-30), 60));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const QString socket = SingleInstance::socketPath(runtime.path());

    // The second copy starts after the first was killed.
    for (int copy = 0; copy < 2; ++copy) {
        QProcess running;
        running.setProcessEnvironment(environment);
        running.setWorkingDirectory(folder.path());
        running.start(QStringLiteral(FEASTBOOK_PATH), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(listening(socket), 30000);
        // A line too long to be a request is dropped, and the copy still answers the next start.
        QLocalSocket noise;
        noise.connectToServer(socket);
        QVERIFY(noise.waitForConnected(2000));
        noise.write(QByteArray(100, 'x'));
        QVERIFY(noise.waitForDisconnected(2000));
        QCOMPARE(run({}, environment, folder.path()).status, 0);
        QCOMPARE(running.state(), QProcess::Running);
        stop(running);
        QVERIFY(QFile::exists(socket));
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
