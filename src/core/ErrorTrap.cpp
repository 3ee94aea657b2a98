#include "core/ErrorTrap.h"

#include "core/Platform.h"

#include <exception>

bool ErrorTrap::operator()(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const std::exception &e) {
        if (m_mode == Report)
            m_platform.messageBox(QString::fromUtf8(e.what()));
    }
    return false;
}
