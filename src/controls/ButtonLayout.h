#pragma once

#include <QPoint>
#include <QSize>

// Where a picture button puts its picture and caption: centred together as one group with
// 100 twips between them, each centred vertically. Everything in twips.
class ButtonLayout
{
public:
    struct Places
    {
        QPoint picture;
        QPoint label;
    };

    static Places centre(QSize control, QSize picture, QSize label);

    // Rounds to the nearest whole number, halves to the even neighbour (307.5 -> 308, 306.5 -> 306).
    static int roundHalfEven(double value);
};
