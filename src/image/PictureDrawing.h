#pragma once
// Drawing a picture into a target rectangle of any painter: fitted, or at
// actual size anchored at a corner; colour-keyed or smoothly scaled.

#include "model/Picture.h"

#include <QRect>
#include <QSize>
#include <cstdint>

class QColor;
class QPainter;

namespace tavelin
{

// A COLORREF (0x00BBGGRR, red in the low byte) as a colour to paint with.
QColor FromColorRef(std::uint32_t colourRef);

enum class PictureMode : int {
    Fit = 0,         // whole picture scaled into the rectangle, proportions kept, centred
    TopLeft = 1,     // actual size, the picture's top-left corner at the rectangle's
    BottomRight = 2, // actual size, the picture's bottom-right part shown
    TopRight = 3,
    BottomLeft = 4,
};

// Draws `picture` into `target` (its width and height are right - left and
// bottom - top). `nominal` gives the proportions for Fit. A key (0x00BBGGRR)
// other than -1 leaves out exactly the pixels of that colour; without a key
// the picture is scaled smoothly and drawn opaque. A frame width above 0
// draws a one-pixel frame of `frameColour` (0x00BBGGRR) just outside the
// rectangle. False when there is nothing to draw (no picture, or bytes that
// do not decode).
bool DrawPicture(QPainter& painter, const Picture* picture, const QRect& target, QSize nominal,
                 int frameWidth, std::uint32_t frameColour, int mode, std::int32_t key);

} // namespace tavelin
