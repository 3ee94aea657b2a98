#include "artwork/DayDigits.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace DayDigits {
namespace {

// Above one pixel, the digits are strokes of one width along skeletons drawn on a grid of 100 by
// 100: x runs from the centre of a left stem (0) to that of a right one (100), y from the centre
// of a top bar (0) to that of a bottom one (100). The stroked shape is cut to the digit's box,
// which squares off ends and corners that reach past it.
enum class Step : char {
    Move,       // starts a stroke at the point
    Line,       // a straight line to the point
    ArcAcross,  // a quarter ellipse to the point that sets off level and arrives upright
    ArcUpright, // a quarter ellipse to the point that sets off upright and arrives level
    Control,    // a control point of the next Curve
    Curve,      // a cubic curve to the point through the two Controls before it
};

struct Point
{
    Step step;
    int x;
    int y;
};

constexpr Step M = Step::Move, L = Step::Line, A = Step::ArcAcross, U = Step::ArcUpright, C = Step::Control,
               E = Step::Curve;

// clang-format off
constexpr Point Zero[] = {{M, 50, 0}, {A, 100, 32}, {L, 100, 68}, {U, 50, 100}, {A, 0, 68}, {L, 0, 32}, {U, 50, 0}};
constexpr Point One[] = {{M, 12, 24}, {L, 56, 0}, {L, 56, 100}, {M, 6, 100}, {L, 96, 100}};
constexpr Point Two[] = {{M, 2, 20}, {U, 48, 0}, {A, 98, 28},
                         {C, 98, 48}, {C, 58, 62}, {E, 0, 100}, {L, 100, 100}};
constexpr Point Three[] = {{M, 0, 14}, {U, 46, 0}, {A, 94, 25}, {U, 40, 50},
                           {M, 40, 50}, {A, 100, 74}, {U, 50, 100}, {A, 0, 86}};
constexpr Point Four[] = {{M, 74, 100}, {L, 74, 0}, {L, 0, 68}, {L, 100, 68}};
constexpr Point Five[] = {{M, 96, 0}, {L, 0, 0}, {L, 0, 40},
                          {M, 0, 48}, {C, 14, 38}, {C, 32, 35}, {E, 52, 35}, {A, 100, 67}, {U, 50, 100}, {A, 0, 86}};
constexpr Point Six[] = {{M, 94, 4}, {C, 84, 1}, {C, 72, 0}, {E, 58, 0}, {A, 0, 42}, {L, 0, 68},
                         {U, 50, 100}, {A, 100, 68}, {U, 50, 38}, {A, 0, 68}};
constexpr Point Seven[] = {{M, 0, 0}, {L, 100, 0}, {L, 32, 100}};
constexpr Point Eight[] = {{M, 50, 0}, {A, 92, 24}, {U, 50, 47}, {A, 8, 24}, {U, 50, 0},
                           {M, 50, 47}, {A, 100, 74}, {U, 50, 100}, {A, 0, 74}, {U, 50, 47}};
constexpr Point Nine[] = {{M, 6, 96}, {C, 16, 99}, {C, 28, 100}, {E, 42, 100}, {A, 100, 58}, {L, 100, 32},
                          {U, 50, 0}, {A, 0, 32}, {U, 50, 62}, {A, 100, 32}};
// clang-format on

constexpr std::array<std::span<const Point>, 10> Digits{Zero, One, Two, Three, Four, Five, Six, Seven, Eight, Nine};

// At one pixel the digits are paths on a grid of 4 by 8 pixels, level, upright or at 45 degrees
// only; every pixel a path passes is filled whole, and none between two of them is missed.
// clang-format off
constexpr Point PixelZero[] = {{M, 1, 0}, {L, 2, 0}, {L, 3, 1}, {L, 3, 6}, {L, 2, 7}, {L, 1, 7}, {L, 0, 6},
                               {L, 0, 1}, {L, 1, 0}};
constexpr Point PixelOne[] = {{M, 0, 2}, {L, 2, 0}, {L, 2, 7}, {M, 1, 7}, {L, 3, 7}};
constexpr Point PixelTwo[] = {{M, 0, 1}, {L, 1, 0}, {L, 2, 0}, {L, 3, 1}, {L, 3, 2}, {L, 0, 5}, {L, 0, 7},
                              {L, 3, 7}};
constexpr Point PixelThree[] = {{M, 0, 1}, {L, 1, 0}, {L, 2, 0}, {L, 3, 1}, {L, 3, 2}, {L, 2, 3}, {L, 1, 3},
                                {M, 2, 3}, {L, 3, 4}, {L, 3, 6}, {L, 2, 7}, {L, 1, 7}, {L, 0, 6}};
constexpr Point PixelFour[] = {{M, 2, 7}, {L, 2, 0}, {L, 0, 2}, {L, 0, 5}, {L, 3, 5}};
constexpr Point PixelFive[] = {{M, 3, 0}, {L, 0, 0}, {L, 0, 3}, {L, 2, 3}, {L, 3, 4}, {L, 3, 6}, {L, 2, 7},
                               {L, 1, 7}, {L, 0, 6}};
constexpr Point PixelSix[] = {{M, 3, 1}, {L, 2, 0}, {L, 1, 0}, {L, 0, 1}, {L, 0, 6}, {L, 1, 7}, {L, 2, 7},
                              {L, 3, 6}, {L, 3, 4}, {L, 2, 3}, {L, 0, 3}};
constexpr Point PixelSeven[] = {{M, 0, 0}, {L, 3, 0}, {L, 3, 1}, {L, 2, 2}, {L, 2, 3}, {L, 1, 4}, {L, 1, 7}};
constexpr Point PixelEight[] = {{M, 1, 0}, {L, 2, 0}, {L, 3, 1}, {L, 3, 2}, {L, 2, 3}, {L, 1, 3}, {L, 0, 2},
                                {L, 0, 1}, {L, 1, 0}, {M, 1, 3}, {L, 0, 4}, {L, 0, 6}, {L, 1, 7}, {L, 2, 7},
                                {L, 3, 6}, {L, 3, 4}, {L, 2, 3}};
constexpr Point PixelNine[] = {{M, 3, 4}, {L, 1, 4}, {L, 0, 3}, {L, 0, 1}, {L, 1, 0}, {L, 2, 0}, {L, 3, 1},
                               {L, 3, 6}, {L, 2, 7}, {L, 1, 7}, {L, 0, 6}};
// clang-format on

constexpr std::array<std::span<const Point>, 10> PixelDigits{PixelZero, PixelOne, PixelTwo,   PixelThree, PixelFour,
                                                             PixelFive, PixelSix, PixelSeven, PixelEight, PixelNine};
constexpr int PixelColumns = 4, PixelRows = 8;

// The share of a quarter ellipse's radius at which its Bezier control points lie.
constexpr qreal Kappa = 0.5523;

// Where the grid of one digit lies in pixels. A point on a skeleton is moved to where the
// edges of its stroke fall on pixel edges; control points are not.
struct Grid
{
    QPointF origin;
    qreal spanX;
    qreal spanY;
    qreal halfStroke;

    qreal snap(qreal v) const { return std::floor(v - halfStroke + 0.5) + halfStroke; }

    QPointF at(const Point &p) const
    {
        const QPointF exact(origin.x() + p.x * spanX / 100, origin.y() + p.y * spanY / 100);
        if (p.step == Step::Control)
            return exact;
        return QPointF(snap(exact.x()), snap(exact.y()));
    }
};

QPainterPath skeleton(std::span<const Point> points, const Grid &grid)
{
    QPainterPath path;
    std::array<QPointF, 2> controls;
    size_t controlCount = 0;
    for (const Point &p : points) {
        const QPointF from = path.currentPosition();
        const QPointF to = grid.at(p);
        const QPointF run = to - from;
        switch (p.step) {
        case Step::Move:
            path.moveTo(to);
            break;
        case Step::Line:
            path.lineTo(to);
            break;
        case Step::ArcAcross:
            path.cubicTo(from + QPointF(Kappa * run.x(), 0), to - QPointF(0, Kappa * run.y()), to);
            break;
        case Step::ArcUpright:
            path.cubicTo(from + QPointF(0, Kappa * run.y()), to - QPointF(Kappa * run.x(), 0), to);
            break;
        case Step::Control:
            controls.at(controlCount++) = to;
            break;
        case Step::Curve:
            path.cubicTo(controls[0], controls[1], to);
            controlCount = 0;
            break;
        }
    }
    return path;
}

Grid gridOf(QPoint topLeft, const Metrics &m)
{
    const qreal half = m.stroke / 2.0;
    return Grid{QPointF(topLeft) + QPointF(half, half), qreal(m.width - m.stroke), qreal(m.height - m.stroke), half};
}

QPainterPath strokedOutline(int value, QPoint topLeft, const Metrics &m)
{
    QPainterPathStroker stroker;
    stroker.setWidth(m.stroke);
    stroker.setCapStyle(Qt::SquareCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(4);
    QPainterPath box;
    box.addRect(QRectF(topLeft, QSizeF(m.width, m.height)));
    return stroker.createStroke(skeleton(Digits.at(size_t(value)), gridOf(topLeft, m))).simplified().intersected(box);
}

// The pixels along the lines of a digit's pixel design, as squares.
QPainterPath pixelOutline(int value, QPoint topLeft, const Metrics &m)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // a pixel that two lines pass is still one pixel
    QPoint at;
    for (const Point &p : PixelDigits.at(size_t(value))) {
        const QPoint to(topLeft.x() + qRound(p.x * (m.width - 1) / qreal(PixelColumns - 1)),
                        topLeft.y() + qRound(p.y * (m.height - 1) / qreal(PixelRows - 1)));
        if (p.step == Step::Move) {
            at = to;
            path.addRect(QRect(at, QSize(1, 1)));
        }
        while (at != to) {
            at += QPoint((to.x() > at.x()) - (to.x() < at.x()), (to.y() > at.y()) - (to.y() < at.y()));
            path.addRect(QRect(at, QSize(1, 1)));
        }
    }
    return path.simplified();
}

} // namespace

Metrics forHeight(int height)
{
    Metrics m{};
    m.height = std::max(height, 7);
    m.gap = qRound(m.height / 8.0 + 0.5);
    if (m.height <= PixelRows) {
        m.width = PixelColumns;
        m.stroke = 1;
    } else {
        // Bold, with at least two pixels between the two stems of a 0; a digit widened for
        // that takes the room from the gap.
        m.stroke = qRound(0.19 * m.height);
        const int designed = qRound(0.58 * m.height);
        m.width = std::max(designed, 2 * m.stroke + 2);
        m.gap = std::max(1, m.gap - (m.width - designed));
    }
    return m;
}

int width(int number, const Metrics &metrics)
{
    return number >= 10 ? 2 * metrics.width + metrics.gap : metrics.width;
}

QPainterPath outline(int number, QPoint topLeft, const Metrics &metrics)
{
    number = std::clamp(number, 0, 99);
    const auto digit = metrics.stroke > 1 ? &strokedOutline : &pixelOutline;
    if (number < 10)
        return digit(number, topLeft, metrics);
    QPainterPath path = digit(number / 10, topLeft, metrics);
    path.addPath(digit(number % 10, topLeft + QPoint(metrics.width + metrics.gap, 0), metrics));
    return path;
}

} // namespace DayDigits
