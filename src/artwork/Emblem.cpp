#include "artwork/Emblem.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <stdexcept>
#include <string>

namespace Emblem {
namespace {

const QColor Disc(0x1c, 0x3f, 0x94);
const QColor DiscEdge(0x0b, 0x1f, 0x52);
const QColor Gold(0xff, 0xd2, 0x3f);
const QColor DimGold(0x8a, 0x74, 0x3a);
const QColor Page(0xfb, 0xf8, 0xee);
const QColor PageEdge(0x5a, 0x4a, 0x32);
const QColor Cross(0xc8, 0x1e, 0x1e);

// How much light dot `dot` gives in frame `number`: full for the glowing dot, fading over the
// two dots behind it, dim for the rest.
double brightness(int dot, int number)
{
    const int behind = ((number - 1) - dot + FrameCount) % FrameCount;
    switch (behind) {
    case 0:
        return 1.0;
    case 1:
        return 0.6;
    case 2:
        return 0.3;
    default:
        return 0.0;
    }
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// One page of the open book, to the left (side -1) or to the right (+1) of the spine.
QPainterPath page(double side)
{
    constexpr double Spine = 24;
    const auto x = [side](double fromSpine) { return Spine + side * fromSpine; };
    QPainterPath path;
    path.moveTo(Spine, 19);
    path.cubicTo(x(4), 16.5, x(9), 16.5, x(12), 18);
    path.lineTo(x(12), 32);
    path.cubicTo(x(9), 30.5, x(4), 30.5, Spine, 33);
    path.closeSubpath();
    return path;
}

QPixmap draw(int number)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(Size, Size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);

    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(Size / 2.0, Size / 2.0);

    p.setPen(QPen(DiscEdge, 1.5));
    p.setBrush(Disc);
    p.drawEllipse(centre, 22.5, 22.5);

    // The ring of lights, dot 0 at the top, going clockwise.
    p.setPen(Qt::NoPen);
    for (int dot = 0; dot < FrameCount; ++dot) {
        const double angle = qDegreesToRadians(-90.0 + dot * 360.0 / FrameCount);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * 18.5;
        const double light = brightness(dot, number);
        if (light >= 1.0) {
            QRadialGradient glow(at, 5.5);
            glow.setColorAt(0.0, QColor(255, 245, 200, 230));
            glow.setColorAt(1.0, QColor(255, 210, 63, 0));
            p.setBrush(glow);
            p.drawEllipse(at, 5.5, 5.5);
        }
        p.setBrush(mix(DimGold, Gold, light));
        p.drawEllipse(at, 1.6 + light, 1.6 + light);
    }

    // The open book: two pages meeting at the spine.
    p.setPen(QPen(PageEdge, 1.0));
    p.setBrush(Page);
    p.drawPath(page(-1));
    p.drawPath(page(+1));

    // The cross stands on the pages and glows a little with the light at the top of the ring.
    const double glow = 0.5 + 0.5 * std::cos(2 * M_PI * (number - 1) / FrameCount);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(Cross, QColor(0xff, 0x5a, 0x3c), glow));
    p.drawRect(QRectF(22.6, 9.5, 2.8, 17));
    p.drawRect(QRectF(18.5, 13.5, 11, 2.8));
    return picture;
}

} // namespace

QPixmap frame(int number)
{
    if (number < 1 || number > FrameCount)
        throw std::range_error("The emblem has no frame " + std::to_string(number) + ".");
    return draw(number);
}

} // namespace Emblem
