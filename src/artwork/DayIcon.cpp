#include "artwork/DayIcon.h"

#include "artwork/DayDigits.h"
#include "artwork/DayIconEngine.h"

#include <QPainter>
#include <QPixmap>

namespace DayIcon {
namespace {

const QColor PageColour(Qt::white);
const QColor FrameColour(Qt::black);
const QColor DigitColour(0, 0, 255);
const QColor RingColour(64, 64, 64);

} // namespace

void paint(QPainter &painter, const QRect &rect, int day)
{
    const qreal s = rect.width() / 16.0; // one pixel of the 16-pixel design
    painter.save();
    painter.translate(rect.topLeft());
    painter.setRenderHint(QPainter::Antialiasing, rect.width() > 16);

    // The page: 15 x 13 design pixels under a 2-pixel strip for the rings.
    const QRectF page(0.5 * s, 2.5 * s, 14 * s, 12 * s);
    painter.setPen(QPen(FrameColour, s, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(PageColour);
    painter.drawRect(page);

    // Binding rings across the top edge.
    painter.setPen(QPen(RingColour, s));
    painter.setBrush(Qt::NoBrush);
    for (qreal x : {4.0, 10.0})
        painter.drawRoundedRect(QRectF(x * s, 0.5 * s, 2 * s, 4 * s), s, s);

    // The number on whole pixels, centred across the page and between the rings and its foot.
    const QRectF inside(s, 4 * s, 13 * s, 10 * s);
    const DayDigits::Metrics metrics = DayDigits::forHeight(qRound(7.5 * s));
    const QPoint topLeft(qRound(inside.left() + (inside.width() - DayDigits::width(day, metrics)) / 2),
                         qRound(inside.top() + (inside.height() - metrics.height) / 2));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(DayDigits::outline(day, topLeft, metrics), DigitColour);
    painter.restore();
}

QPixmap picture(int day, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, pixmap.rect(), day);
    painter.end();
    return pixmap;
}

QIcon make(int day)
{
    return QIcon(new DayIconEngine(day));
}

} // namespace DayIcon
