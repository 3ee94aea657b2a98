#include "core/Module1.h"

#include "core/ErrorTrap.h"

void Module1::reportDamage(const QString &text)
{
    if (text.isEmpty() || m_reportedDamage.contains(text))
        return;
    m_reportedDamage.insert(text);
    ErrorTrap(m_platform).report(text);
}
