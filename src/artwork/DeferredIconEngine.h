#pragma once

#include "artwork/OnDemandIconEngine.h"

#include <functional>

// An icon that is made only when something first asks it for a picture or its sizes, and
// from then on answers as the made icon does. Setting such an icon on a hidden window costs
// nothing; a window that is never shown never makes it.
class DeferredIconEngine : public OnDemandIconEngine
{
public:
    using Maker = std::function<QIcon()>;

    explicit DeferredIconEngine(Maker make);

    QString key() const override;
    QIconEngine *clone() const override;

protected:
    const QIcon &readyFor(const QSize &size) override;

private:
    Maker m_make;
    QIcon m_icon;
};
