#include "artwork/ButtonPictures.h"

#include "artwork/DesktopPalette.h"

#include <QImage>
#include <QPainter>
#include <stdexcept>

namespace ButtonPictures {
namespace {

using namespace DesktopPalette;

constexpr QSize Sizes[] = {{29, 16}, {24, 12}, {16, 16}, {23, 16}, {16, 16}};

void pixel(QPainter &p, int x, int y, const QColor &c)
{
    p.fillRect(x, y, 1, 1, c);
}

void hLine(QPainter &p, int x0, int x1, int y, const QColor &c)
{
    p.fillRect(x0, y, x1 - x0 + 1, 1, c);
}

void vLine(QPainter &p, int x, int y0, int y1, const QColor &c)
{
    p.fillRect(x, y0, 1, y1 - y0 + 1, c);
}

// A filled box with a one-pixel outline; corners inclusive.
void box(QPainter &p, int x0, int y0, int x1, int y1, const QColor &fill, const QColor &outline)
{
    p.fillRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1, outline);
    p.fillRect(x0 + 1, y0 + 1, x1 - x0 - 1, y1 - y0 - 1, fill);
}

// Comment: a speech bubble full of text lines.
void drawComment(QPainter &p, bool hover)
{
    const QColor fill = hover ? Yellow : White;
    const QColor ink = hover ? Blue : Navy;
    box(p, 1, 0, 27, 10, fill, Black);
    // The tail, pointing down to the left.
    hLine(p, 6, 8, 10, fill);
    static constexpr int TailEdges[][2] = {{5, 8}, {4, 6}, {3, 4}, {2, 2}};
    for (int row = 0; row < 4; ++row) {
        const auto [left, right] = TailEdges[row];
        hLine(p, left, right, 11 + row, fill);
        pixel(p, left, 11 + row, Black);
        pixel(p, right, 11 + row, Black);
    }
    hLine(p, 4, 22, 3, ink);
    hLine(p, 4, 24, 5, ink);
    hLine(p, 4, 16, 7, ink);
}

// Search: a magnifying glass over lines of text.
void drawSearch(QPainter &p, bool hover)
{
    const QColor ink = hover ? Blue : Navy;
    for (int y : {2, 5, 8})
        hLine(p, 13, 23, y, ink);
    p.setPen(Black);
    p.setBrush(hover ? Aqua : Silver);
    p.drawEllipse(0, 0, 9, 9);
    p.setBrush(Qt::NoBrush);
    pixel(p, 3, 2, White);
    pixel(p, 2, 3, White);
    const QColor handle = hover ? Red : Maroon;
    for (int i = 0; i < 3; ++i) {
        p.fillRect(8 + i, 8 + i, 2, 2, handle);
    }
}

// Help: a question mark on a round badge.
void drawHelp(QPainter &p, bool hover)
{
    p.setPen(Black);
    p.setBrush(hover ? Blue : Navy);
    p.drawEllipse(0, 0, 15, 15);
    p.setBrush(Qt::NoBrush);
    static constexpr const char *Glyph[] = {
        ".XXXX.", "XX..XX", "....XX", "...XX.", "..XX..", "..XX..", "......", "..XX..", "..XX..",
    };
    const QColor ink = hover ? Yellow : White;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 6; ++col) {
            if (Glyph[row][col] == 'X')
                pixel(p, 5 + col, 3 + row, ink);
        }
    }
}

// Close: an arrow leaving through an open door.
void drawClose(QPainter &p, bool hover)
{
    box(p, 12, 0, 22, 15, Grey, Black); // the doorway
    p.fillRect(13, 1, 9, 14, Black);    // dark room behind it
    const QColor door = hover ? Red : Maroon;
    for (int x = 13; x <= 17; ++x) // the door, opened towards us
        vLine(p, x, 1 + (x - 13) / 2, 14 - (x - 13) / 2, door);
    pixel(p, 16, 8, Yellow); // its handle
    const QColor arrow = hover ? Lime : Green;
    p.fillRect(4, 7, 8, 2, arrow);
    for (int i = 0; i < 4; ++i)
        vLine(p, 1 + i, 7 - i, 8 + i, arrow);
}

// Print: a printer with a sheet going in and one coming out.
void drawPrint(QPainter &p, bool hover)
{
    const QColor paper = hover ? Yellow : White;
    box(p, 4, 0, 11, 6, paper, Black);
    box(p, 0, 5, 15, 11, hover ? Silver : Grey, Black);
    hLine(p, 1, 14, 6, hover ? White : Silver);
    pixel(p, 13, 8, hover ? Lime : Green);
    box(p, 3, 10, 12, 15, paper, Black);
    hLine(p, 5, 10, 12, hover ? Blue : Navy);
    hLine(p, 5, 9, 14, hover ? Blue : Navy);
    hLine(p, 1, 14, 10, Black);
}

// The five pictures, each drawn in its normal or its hover look.
using Drawing = void (*)(QPainter &, bool hover);
constexpr Drawing Drawings[] = {drawComment, drawSearch, drawHelp, drawClose, drawPrint};

} // namespace

QSize size(int index)
{
    if (index < 1 || index > Count)
        throw std::range_error(QStringLiteral("There is no button picture %1; they are numbered 1 to %2.")
                                   .arg(index)
                                   .arg(Count)
                                   .toStdString());
    return Sizes[(index - 1) / 2];
}

QPixmap picture(int index)
{
    const QSize pictureSize = size(index);
    QImage image(pictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const bool hover = index % 2 == 0;
    Drawings[(index - 1) / 2](painter, hover);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace ButtonPictures
