#pragma once

#include "artwork/DayIcon.h"
#include "artwork/OnDemandIconEngine.h"

#include <bitset>

// The day picture as an icon whose pixmaps are drawn when they are first asked for. Every
// request is answered by an icon of the drawn pixmaps, and the pixmap that an icon holding
// all sizes of DayIcon::Sizes would answer from is drawn first: so the answers are the same
// as that icon's, while a tray that asks for one size costs one drawing.
class DayIconEngine : public OnDemandIconEngine
{
public:
    explicit DayIconEngine(int day);

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;

    // The size of the picture that a request for size is answered from: the smallest that
    // covers its area, or the largest when none does.
    static int sourceSize(const QSize &size);

protected:
    const QIcon &readyFor(const QSize &size) override;

private:
    int m_day;
    QIcon m_drawn;
    std::bitset<DayIcon::Sizes.size()> m_done; // which of DayIcon::Sizes are in m_drawn
};
