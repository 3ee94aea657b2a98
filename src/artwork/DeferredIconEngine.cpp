#include "artwork/DeferredIconEngine.h"

DeferredIconEngine::DeferredIconEngine(Maker make) : m_make(std::move(make)) {}

const QIcon &DeferredIconEngine::readyFor(const QSize &)
{
    if (m_icon.isNull())
        m_icon = m_make();
    return m_icon;
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

QIconEngine *DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(*this);
}
