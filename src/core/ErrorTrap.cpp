#include "core/ErrorTrap.h"

#include "core/Platform.h"

#include <exception>

Q_LOGGING_CATEGORY(ErrorTrapLog, "feastbook.trap")

bool ErrorTrap::operator()(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const std::exception &e) {
        report(QString::fromUtf8(e.what()));
    }
    return false;
}

void ErrorTrap::report(const QString &text)
{
    if (m_mode == Report)
        m_platform.messageBox(text);
    else
        qCWarning(ErrorTrapLog).noquote() << text;
}
