#include "support/FakePlatform.h"

#include <QPrinter>
#include <stdexcept>

namespace {
QString settingsPath(const QString &app, const QString &section, const QString &key)
{
    return app + u'/' + section + u'/' + key;
}
} // namespace

QString FakePlatform::getSetting(const QString &app, const QString &section, const QString &key,
                                 const QString &fallback)
{
    return settings.value(settingsPath(app, section, key), fallback);
}

void FakePlatform::saveSetting(const QString &app, const QString &section, const QString &key, const QString &value)
{
    ++settingWrites;
    settings.insert(settingsPath(app, section, key), value);
}

void FakePlatform::deleteSetting(const QString &app, const QString &section, const QString &key)
{
    ++settingWrites;
    settings.remove(settingsPath(app, section, key));
}

void FakePlatform::launchHelp(HelpWindowStyle style)
{
    if (helpMissing)
        throw std::runtime_error("The help file feastbook-help.html was not found.");
    helpLaunches.push_back(style);
}

std::unique_ptr<QPrinter> FakePlatform::defaultPrinter()
{
    if (printerPdf.isEmpty())
        throw std::runtime_error("No default printer is installed.");
    ++printJobs;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printerPdf);
    return printer;
}

void FakePlatform::trayAdd(const QIcon &icon, const QString &tip)
{
    trayCalls.push_back({QStringLiteral("add"), icon.cacheKey(), tip});
    events << QStringLiteral("add");
}

void FakePlatform::trayModify(const QIcon &icon, const QString &tip)
{
    trayCalls.push_back({QStringLiteral("modify"), icon.cacheKey(), tip});
    events << QStringLiteral("modify");
}

void FakePlatform::trayDelete()
{
    trayCalls.push_back({QStringLiteral("delete"), 0, QString()});
    events << QStringLiteral("delete");
}

void FakePlatform::endProcess(int status)
{
    endedWith.push_back(status);
    events << QStringLiteral("end %1").arg(status);
}

int FakePlatform::count(const QString &kind) const
{
    int n = 0;
    for (const TrayCall &call : trayCalls)
        n += call.kind == kind;
    return n;
}
