#include "image/NodeIcons.h"

#include "model/Records.h"

#include <QPainter>
#include <QPolygon>

namespace tavelin
{

namespace
{

// No antialiasing anywhere: a near-white fringe would survive the white key.
QImage WhiteCell()
{
    QImage icon(IconCell, IconCell, QImage::Format_RGB32);
    icon.fill(Qt::white);
    return icon;
}

QImage RoundMarker()
{
    QImage icon = WhiteCell();
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 120));
    p.drawEllipse(QRect(6, 6, 52, 52));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QRect(16, 16, 32, 32));
    p.setBrush(QColor(230, 90, 20));
    p.drawEllipse(QRect(23, 23, 18, 18));
    return icon;
}

// A pennant on a pole whose foot stands on the lower-right corner.
QImage Flag()
{
    QImage icon = WhiteCell();
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRect(58, 4, 5, 60));
    p.setBrush(QColor(200, 30, 40));
    p.drawPolygon(QPolygon({QPoint(58, 5), QPoint(8, 19), QPoint(58, 34)}));
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QRect(36, 14, 10, 10));
    return icon;
}

// A map pin whose tip is the lower-right corner.
QImage Pin()
{
    QImage icon = WhiteCell();
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 120, 60));
    p.drawPolygon(QPolygon({QPoint(63, 63), QPoint(26, 44), QPoint(44, 26)}));
    p.drawEllipse(QRect(4, 4, 44, 44));
    p.setBrush(QColor(245, 245, 235));
    p.drawEllipse(QRect(16, 16, 20, 20));
    return icon;
}

// A bold arrow pointing at the lower-right corner.
QImage Arrow()
{
    QImage icon = WhiteCell();
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 0));
    p.drawPolygon(QPolygon({QPoint(63, 63), QPoint(63, 28), QPoint(51, 40), QPoint(18, 7),
                            QPoint(7, 18), QPoint(40, 51), QPoint(28, 63)}));
    return icon;
}

} // namespace

QImage BuiltInNodeIcon(int id)
{
    switch (id) {
    case 1015:
        return RoundMarker();
    case 1016:
        return Flag();
    case 1017:
        return Pin();
    case 1018:
        return Arrow();
    default:
        return {};
    }
}

} // namespace tavelin
