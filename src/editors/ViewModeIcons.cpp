#include "editors/ViewModeIcons.h"

#include <QPainter>
#include <QPixmap>

namespace tavelin
{

QIcon ViewModeIcon(int mode)
{
    constexpr int Edge = 32;
    QPixmap pixmap(Edge, Edge);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);

    const QRect sheet(3, 5, 26, 22);
    p.fillRect(sheet, QColor(0xE8, 0xF0, 0xD8)); // pale land colour
    p.setPen(QColor(0x70, 0x90, 0xB0));          // a river across the sheet
    p.drawLine(sheet.left() + 2, sheet.bottom() - 6, sheet.right() - 3, sheet.top() + 4);

    const QColor mark(0x20, 0x60, 0xC0);
    if (mode == 0) {
        // Whole map: arrows pointing at the four corners.
        p.setPen(QPen(mark, 2));
        const QPoint c = sheet.center();
        for (const QPoint corner :
             {sheet.topLeft(), sheet.topRight(), sheet.bottomLeft(), sheet.bottomRight()}) {
            const QPoint tip = c + (corner - c) * 3 / 4;
            p.drawLine(c, tip);
            const QPoint back = (c - tip) / 3;
            p.drawLine(tip, tip + QPoint(back.x(), 0));
            p.drawLine(tip, tip + QPoint(0, back.y()));
        }
    } else {
        // The corner shown at actual size, filled.
        const QSize part(12, 10);
        QRect corner(sheet.topLeft(), part);
        switch (mode) {
        case 2:
            corner.moveBottomRight(sheet.bottomRight());
            break;
        case 3:
            corner.moveTopRight(sheet.topRight());
            break;
        case 4:
            corner.moveBottomLeft(sheet.bottomLeft());
            break;
        default:
            break;
        }
        p.fillRect(corner, mark);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
    p.end();
    return QIcon(pixmap);
}

} // namespace tavelin
