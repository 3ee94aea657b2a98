#include "artwork/DayIconEngine.h"

#include <algorithm>

DayIconEngine::DayIconEngine(int day) : m_day(day) {}

int DayIconEngine::sourceSize(const QSize &size)
{
    const qint64 area = qint64(size.width()) * size.height();
    for (int side : DayIcon::Sizes) {
        if (qint64(side) * side >= area)
            return side;
    }
    return DayIcon::Sizes.back();
}

const QIcon &DayIconEngine::readyFor(const QSize &size)
{
    const int side = sourceSize(size);
    const auto index = size_t(std::find(DayIcon::Sizes.begin(), DayIcon::Sizes.end(), side) - DayIcon::Sizes.begin());
    if (!m_done.test(index)) {
        m_drawn.addPixmap(DayIcon::picture(m_day, side));
        m_done.set(index);
    }
    return m_drawn;
}

// Worked out rather than asked of the drawn icon, which scales the size by the screen's ratio
// and would answer from a size not drawn yet.
QSize DayIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    QSize actual(sourceSize(size), sourceSize(size));
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

// Every size is on offer before any is drawn.
QList<QSize> DayIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off) {
        for (int side : DayIcon::Sizes)
            sizes.append(QSize(side, side));
    }
    return sizes;
}

QString DayIconEngine::key() const
{
    return QStringLiteral("DayIconEngine");
}

QIconEngine *DayIconEngine::clone() const
{
    return new DayIconEngine(*this);
}
