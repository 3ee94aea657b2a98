#include "artwork/DayIcon.h"

#include "artwork/DayIconEngine.h"

#include <QFont>
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
    painter.setRenderHint(QPainter::TextAntialiasing, true);

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

    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    font.setPixelSize(qMax(1, qRound(10 * s)));
    painter.setFont(font);
    painter.setPen(DigitColour);
    painter.drawText(QRectF(page.left() + s, page.top() + s, page.width() - s, page.height() - s), Qt::AlignCenter,
                     QString::number(day));
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
