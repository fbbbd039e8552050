#include "editors/LayerPreview.h"

#include "editors/LayerPropertiesValues.h"
#include "image/PictureDrawing.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace tavelin
{

namespace
{

constexpr COLORREF NodeMarkColour = 0x9F6D48;
constexpr COLORREF LabelBoxColour = 0xDEC7B6;

// A solid pen as the map draws lines: one pixel for widths up to 1, round
// ends beyond.
QPen LinePen(int width, COLORREF colour)
{
    if (width <= 1)
        return QPen(FromColorRef(colour), 0);
    return QPen(FromColorRef(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPoint IconTopLeft(int position, int cx, int cy, int size)
{
    switch (position) {
    case 1:
        return {cx, cy - size};
    case 2:
        return {cx, cy};
    case 3:
        return {cx - size, cy};
    case 4:
        return {cx - size, cy - size};
    default:
        return {cx - size / 2, cy - size / 2};
    }
}

} // namespace

void DrawLayerPreview(QPainter& painter, const QRect& frame, const LayerPropertiesValues& v)
{
    const int L = frame.left();
    const int T = frame.top();
    const int R = frame.left() + frame.width();
    const int B = frame.top() + frame.height();
    const int cx = (L + R) / 2;
    const int cy = (T + B) / 2;
    const int q = (R - L) / 4;
    const int boxLeft = R - q - 5;
    const int boxTop = T + 5;
    const int boxRight = R - 5;
    const int boxBottom = T + 5 + (B - T) / 4;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(LinePen(v.arcWidth, v.arcColour));
    painter.drawPolyline(QPolygon({QPoint(L, B), QPoint(cx, cy), QPoint(R, B)}));

    painter.setPen(LinePen(v.anchorWidth, v.anchorColour));
    painter.drawLine(QPoint((boxRight + boxLeft) / 2, (boxTop + boxBottom) / 2), QPoint(cx, cy));

    // Ellipses and boxes cover their rectangle less the right and bottom
    // edges, as the map's drawing counts them.
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(FromColorRef(NodeMarkColour));
    painter.drawEllipse(QRect(cx - 5, cy - 5, 9, 9));

    painter.setBrush(FromColorRef(LabelBoxColour));
    painter.drawRoundedRect(QRect(boxLeft, boxTop, boxRight - boxLeft - 1, boxBottom - boxTop - 1),
                            2.5, 2.5);

    const int size = v.iconSize;
    if (size > 0 && !v.cell.isNull()) {
        const QImage scaled =
            v.cell.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QPoint at = IconTopLeft(v.iconPos, cx, cy, size);
        if (v.transparentColour == NoTransparentColour)
            painter.drawImage(at, scaled);
        else
            painter.drawImage(at, KeyedCopy(scaled, v.transparentColour));
    }
    painter.restore();
}

} // namespace tavelin
