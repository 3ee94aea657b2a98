#include "artwork/CommentaryPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace CommentaryPicture {

QPixmap make(qreal devicePixelRatio)
{
    QPixmap pixmap(qRound(Width * devicePixelRatio), qRound(Height * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 0, 0, Height);
    ground.setColorAt(0, QColor(88, 40, 120));
    ground.setColorAt(1, QColor(40, 16, 64));
    p.fillRect(QRectF(0, 0, Width, Height), ground);

    // A cross with a soft glow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 160, 70));
    p.drawEllipse(QPointF(48, 34), 26, 26);
    p.setBrush(QColor(250, 214, 90));
    p.drawRect(QRectF(44, 12, 8, 46));
    p.drawRect(QRectF(32, 24, 32, 8));

    // An open book: two pages bent towards the spine, lines of text on them.
    QPainterPath left, right;
    left.moveTo(48, 78);
    left.cubicTo(36, 72, 22, 72, 10, 76);
    left.lineTo(10, 104);
    left.cubicTo(22, 100, 36, 100, 48, 106);
    left.closeSubpath();
    right.moveTo(48, 78);
    right.cubicTo(60, 72, 74, 72, 86, 76);
    right.lineTo(86, 104);
    right.cubicTo(74, 100, 60, 100, 48, 106);
    right.closeSubpath();
    p.setPen(QPen(QColor(120, 20, 20), 1.5));
    p.setBrush(QColor(250, 248, 240));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(150, 150, 170), 1));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 83 + 5 * i;
        p.drawLine(QPointF(15, y), QPointF(43, y + 2));
        p.drawLine(QPointF(53, y + 2), QPointF(81, y));
    }
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawLine(QPointF(48, 78), QPointF(48, 106)); // the red ribbon in the spine
    return pixmap;
}

} // namespace CommentaryPicture
