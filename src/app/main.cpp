#include "app/frmShell.h"
#include "artwork/ApplicationIcon.h"
#include "core/Module1.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Feastbook"));
    app.setWindowIcon(ApplicationIcon::icon());
    // A resident program: closing its last window does not end it; only "Exit" does.
    app.setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    Module1 module(platform);
    frmShell shell(module);
    if (!shell.Form_Load())
        return 1;
    return app.exec();
}
