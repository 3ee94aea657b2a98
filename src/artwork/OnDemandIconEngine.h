#pragma once

#include <QIcon>
#include <QIconEngine>

// An icon engine that answers every request from an icon of its own which is made, or drawn,
// only as far as the requests so far have needed. A subclass makes that icon ready for a
// request of a given size (in device pixels); the answers are then the ready icon's.
class OnDemandIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    // An icon that is not ready yet is not a missing one: asking must not make it.
    bool isNull() override;

protected:
    // The icon, ready to answer a request for a picture of size.
    virtual const QIcon &readyFor(const QSize &size) = 0;
};
