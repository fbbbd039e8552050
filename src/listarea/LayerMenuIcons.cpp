#include "listarea/LayerMenuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavelin
{
namespace
{

constexpr int Size = 16;

// A small tab with a plus beside it: on its left for "before", right for
// "after".
void DrawInsert(QPainter& p, bool after)
{
    const QRectF tab = after ? QRectF(1.5, 4.5, 8, 9) : QRectF(6.5, 4.5, 8, 9);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(255, 236, 120));
    p.drawRect(tab);
    p.setPen(QPen(QColor(20, 140, 40), 2));
    const qreal cx = after ? 12.5 : 3.5;
    p.drawLine(QPointF(cx - 2.5, 3.5), QPointF(cx + 2.5, 3.5));
    p.drawLine(QPointF(cx, 1), QPointF(cx, 6));
}

void DrawArrow(QPainter& p, bool right)
{
    QPainterPath path;
    if (right) {
        path.moveTo(2, 6);
        path.lineTo(8, 6);
        path.lineTo(8, 2);
        path.lineTo(14, 8);
        path.lineTo(8, 14);
        path.lineTo(8, 10);
        path.lineTo(2, 10);
    } else {
        path.moveTo(14, 6);
        path.lineTo(8, 6);
        path.lineTo(8, 2);
        path.lineTo(2, 8);
        path.lineTo(8, 14);
        path.lineTo(8, 10);
        path.lineTo(14, 10);
    }
    path.closeSubpath();
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(QColor(70, 130, 220));
    p.drawPath(path);
}

void DrawDelete(QPainter& p)
{
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

// A pencil over a line of text.
void DrawRename(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(1, 14.5), QPointF(9, 14.5));
    QPainterPath pencil;
    pencil.moveTo(4, 12);
    pencil.lineTo(12, 4);
    pencil.lineTo(14, 6);
    pencil.lineTo(6, 14);
    pencil.lineTo(3.5, 14.5);
    pencil.closeSubpath();
    p.setBrush(QColor(240, 170, 40));
    p.drawPath(pencil);
}

} // namespace

QIcon LayerMenuIcon(int picture)
{
    if (picture != 190 && picture != 191 && picture != 187 && picture != 189 && picture != 137 &&
        picture != 1012)
        return {};
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case 190:
        DrawInsert(p, false);
        break;
    case 191:
        DrawInsert(p, true);
        break;
    case 187:
        DrawArrow(p, false);
        break;
    case 189:
        DrawArrow(p, true);
        break;
    case 137:
        DrawDelete(p);
        break;
    default:
        DrawRename(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace tavelin
