#include "app/CommandLine.h"
#include "app/frmShell.h"
#include "core/Module1.h"
#include "platform/QtPlatform.h"
#include "platform/SingleInstance.h"
#include "platform/XdgFolders.h"

#include <QApplication>
#include <cstdio>

namespace {

// A second start hands over to the running copy, which shows its calendar window.
bool secondCopy(SingleInstance &instance, int &status)
{
    switch (instance.claim()) {
    case SingleInstance::Start::First:
        return false;
    case SingleInstance::Start::HandedOver:
        status = 0;
        return true;
    case SingleInstance::Start::NoAnswer:
        std::fprintf(stderr, "feastbook: Feastbook is running already (process %lld), but it does not answer.\n",
                     static_cast<long long>(instance.runningProcess()));
        status = 1;
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine command = CommandLine::parse(CommandLine::arguments(argc, argv));
    if (command.action() != CommandLine::Action::Run) {
        // The options are answered without a display.
        QCoreApplication app(argc, argv);
        return command.perform();
    }

    QGuiApplication::setDesktopFileName(QStringLiteral("org.feastbook.Feastbook"));
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Feastbook"));
    // A resident program: closing its last window does not end it; only "Exit" does.
    app.setQuitOnLastWindowClosed(false);

    SingleInstance instance(XdgFolders::runtime());
    if (int status = 0; secondCopy(instance, status))
        return status;

    QtPlatform platform;
    Module1 module(platform);
    frmShell shell(module);
    QObject::connect(&instance, &SingleInstance::secondStart, &shell, &frmShell::secondStart);
    if (!shell.Form_Load())
        return 1;
    return app.exec();
}
