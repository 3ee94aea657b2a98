#include "artwork/OnDemandIconEngine.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

// The rectangle has been fitted to actualSize() already. Whichever ratio the ready icon scales
// it by, its picture is there.
void OnDemandIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const QPaintDevice *device = painter->device();
    readyFor(rect.size() * (device ? device->devicePixelRatio() : 1.0));
    readyFor(rect.size() * qApp->devicePixelRatio());
    readyFor(rect.size()).paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize OnDemandIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return readyFor(size).actualSize(size, mode, state);
}

QPixmap OnDemandIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return readyFor(size).pixmap(size, 1.0, mode, state);
}

QPixmap OnDemandIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    readyFor(size * scale);
    return readyFor(size).pixmap(size, scale, mode, state);
}

QList<QSize> OnDemandIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return readyFor(QSize()).availableSizes(mode, state);
}

bool OnDemandIconEngine::isNull()
{
    return false;
}
