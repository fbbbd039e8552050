#include "app/RibbonIcons.h"

#include "app/CommandTable.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tavelin
{
namespace
{

constexpr int Size = 32;

const QColor Ink(0x30, 0x3a, 0x4a);
const QColor Paper(0xfb, 0xfb, 0xf6);
const QColor Blue(0x2f, 0x6f, 0xc0);
const QColor Green(0x3a, 0x9a, 0x4a);
const QColor Yellow(0xf0, 0xc0, 0x30);
const QColor Red(0xd0, 0x40, 0x30);
const QColor Folder(0xe8, 0xb8, 0x50);

void Page(QPainter& p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 7, r.top());
    path.lineTo(r.right(), r.top() + 7);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Paper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
    p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void Floppy(QPainter& p, QRectF r)
{
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Blue);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(r.left() + 5, r.top() + 2, r.width() - 10, r.height() * 0.38));
    p.setBrush(Ink);
    p.drawRect(
        QRectF(r.left() + 7, r.bottom() - r.height() * 0.35, r.width() - 14, r.height() * 0.3));
}

void Pencil(QPainter& p, QPointF tip, double length)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Yellow);
    p.drawRect(QRectF(5, -3, length - 5, 6));
    QPolygonF point{{0, 0}, {5, -3}, {5, 3}};
    p.setBrush(Paper);
    p.drawPolygon(point);
    p.restore();
}

void Gear(QPainter& p, QPointF c, double radius, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawRect(QRectF(-radius * 0.22, -radius, radius * 0.44, radius * 2));
        p.restore();
    }
    p.drawEllipse(c, radius * 0.78, radius * 0.78);
    p.setBrush(Paper);
    p.drawEllipse(c, radius * 0.32, radius * 0.32);
}

void Bars(QPainter& p, const std::array<QRectF, 3>& bars)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Blue);
    for (const QRectF& b : bars)
        p.drawRect(b);
}

void Guide(QPainter& p, QLineF line)
{
    p.setPen(QPen(Red, 2));
    p.drawLine(line);
}

void Letter(QPainter& p, QRectF r, const QString& text, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(r);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.7));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, text);
}

void Node(QPainter& p, QPointF c, const QColor& colour)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(colour);
    p.drawEllipse(c, 4, 4);
}

void Draw(QPainter& p, int id)
{
    switch (id) {
    case ID_FILE_NEW:
        Page(p, {6, 3, 20, 26});
        p.setPen(QPen(Yellow, 2.5));
        p.drawLine(QPointF(22, 20), QPointF(30, 28));
        p.drawLine(QPointF(30, 20), QPointF(22, 28));
        break;
    case ID_FILE_OPEN: {
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Folder.darker(115));
        p.drawRect(QRectF(3, 8, 24, 19));
        p.setBrush(Folder);
        QPolygonF front{{3, 27}, {8, 14}, {30, 14}, {27, 27}};
        p.drawPolygon(front);
        break;
    }
    case ID_FILE_SAVE:
        Floppy(p, {4, 4, 24, 24});
        break;
    case ID_FILE_SAVE_AS:
        Floppy(p, {2, 2, 22, 22});
        Pencil(p, {16, 29}, 18);
        break;
    case ID_SAVE_IMAGE: {
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(QColor(0xbf, 0xe0, 0xff));
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setBrush(Green);
        p.drawPolygon(QPolygonF{{4, 26}, {12, 14}, {18, 22}, {22, 17}, {28, 26}});
        p.setBrush(Yellow);
        p.drawEllipse(QPointF(22, 11), 3, 3);
        break;
    }
    case ID_INSATU:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Paper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(0x90, 0x98, 0xa8));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(9, 20, 14, 9));
        break;
    case ID_SETTEI_BTN:
        Gear(p, {16, 16}, 12, QColor(0x70, 0x78, 0x88));
        break;
    case ID_KAN_SET:
        Gear(p, {13, 13}, 10, QColor(0x70, 0x78, 0x88));
        Gear(p, {23, 23}, 7, Blue);
        break;
    case ID_RECENT_KANRI:
        Page(p, {5, 3, 20, 26});
        p.setPen(QPen(Ink, 1.5));
        for (int y = 10; y <= 22; y += 4)
            p.drawLine(QPointF(9, y), QPointF(20, y));
        Letter(p, {18, 18, 12, 12}, QStringLiteral("×"), Red);
        break;
    case ID_APP_ABOUT:
        Letter(p, {4, 4, 24, 24}, QStringLiteral("i"), Blue);
        break;
    case ID_APP_EXIT:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(QColor(0xa0, 0x70, 0x40));
        p.drawRect(QRectF(5, 3, 15, 26));
        p.setPen(QPen(Red, 3));
        p.drawLine(QPointF(18, 16), QPointF(29, 16));
        p.drawLine(QPointF(25, 11), QPointF(29, 16));
        p.drawLine(QPointF(25, 21), QPointF(29, 16));
        break;
    case ID_UNDO: {
        p.setPen(QPen(Blue, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 8, 20, 18), 90 * 16, -250 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawPolygon(QPolygonF{{3, 10}, {14, 3}, {14, 16}});
        break;
    }
    case ID_SHOW_MENU:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Paper);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setBrush(Blue);
        p.drawRect(QRectF(3, 5, 26, 7));
        p.setPen(QPen(Ink, 2.5));
        p.drawLine(QPointF(10, 22), QPointF(16, 16));
        p.drawLine(QPointF(16, 16), QPointF(22, 22));
        break;
    case ID_HELP_DSP:
        Letter(p, {4, 4, 24, 24}, QStringLiteral("?"), Green);
        break;
    case ID_FIRST:
    case ID_NAVI_TOGGLE:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Paper);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawPolygon(QPolygonF{{16, 4}, {20, 16}, {12, 16}});
        p.setBrush(Ink);
        p.drawPolygon(QPolygonF{{16, 28}, {20, 16}, {12, 16}});
        break;
    case ID_AREA_CHANGE:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Paper);
        p.drawRect(QRectF(2, 6, 12, 20));
        p.setBrush(QColor(0xbf, 0xe0, 0xff));
        p.drawRect(QRectF(18, 6, 12, 20));
        p.setPen(QPen(Red, 2.5));
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        p.drawLine(QPointF(6, 16), QPointF(10, 12));
        p.drawLine(QPointF(26, 16), QPointF(22, 20));
        break;
    case ID_COL_COLOR:
        p.setPen(QPen(Ink, 1.2));
        for (int c = 0; c < 3; ++c) {
            p.setBrush(c == 1 ? QColor(0xff, 0xd0, 0xd0) : Paper);
            p.drawRect(QRectF(3 + c * 9, 4, 9, 24));
        }
        for (int y = 10; y < 28; y += 6)
            p.drawLine(QPointF(3, y), QPointF(30, y));
        break;
    case ID_EXCEL_OUT:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(10, 4, 19, 24));
        for (int y = 10; y < 28; y += 6)
            p.drawLine(QPointF(10, y), QPointF(29, y));
        p.drawLine(QPointF(19, 4), QPointF(19, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x72, 0x45));
        p.drawRect(QRectF(2, 8, 16, 16));
        p.setPen(QPen(Qt::white, 2.5));
        p.drawLine(QPointF(6, 12), QPointF(14, 20));
        p.drawLine(QPointF(14, 12), QPointF(6, 20));
        break;
    case ID_MAP_SETTEI:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(0xd8, 0xec, 0xc8));
        p.drawPolygon(
            QPolygonF{{2, 7}, {11, 4}, {21, 7}, {30, 4}, {30, 26}, {21, 29}, {11, 26}, {2, 29}});
        p.setPen(QPen(Blue, 2));
        p.drawLine(QPointF(11, 4), QPointF(11, 26));
        p.drawLine(QPointF(21, 7), QPointF(21, 29));
        Node(p, {16, 15}, Red);
        break;
    case ID_DSP_ICON:
        p.setPen(QPen(Blue, 2));
        p.drawLine(QPointF(6, 24), QPointF(16, 10));
        p.drawLine(QPointF(16, 10), QPointF(26, 22));
        Node(p, {6, 24}, Red);
        Node(p, {16, 10}, Yellow);
        Node(p, {26, 22}, Green);
        break;
    case ID_ADD_NODE:
        p.setPen(QPen(Blue, 2));
        p.drawLine(QPointF(4, 26), QPointF(14, 20));
        Node(p, {4, 26}, Red);
        Node(p, {14, 20}, Red);
        Pencil(p, {16, 18}, 17);
        break;
    case ID_SEIRETU_BTN:
        Bars(p, {QRectF(4, 4, 24, 6), QRectF(4, 13, 16, 6), QRectF(4, 22, 20, 6)});
        break;
    case ID_TO_LEFT2:
        Bars(p, {QRectF(6, 4, 22, 6), QRectF(6, 13, 14, 6), QRectF(6, 22, 18, 6)});
        Guide(p, {QPointF(5, 2), QPointF(5, 30)});
        break;
    case ID_TO_RIGHT:
        Bars(p, {QRectF(4, 4, 22, 6), QRectF(12, 13, 14, 6), QRectF(8, 22, 18, 6)});
        Guide(p, {QPointF(27, 2), QPointF(27, 30)});
        break;
    case ID_TO_TOP:
        Bars(p, {QRectF(4, 6, 6, 22), QRectF(13, 6, 6, 14), QRectF(22, 6, 6, 18)});
        Guide(p, {QPointF(2, 5), QPointF(30, 5)});
        break;
    case ID_TO_BOTTOM2:
        Bars(p, {QRectF(4, 4, 6, 22), QRectF(13, 12, 6, 14), QRectF(22, 8, 6, 18)});
        Guide(p, {QPointF(2, 27), QPointF(30, 27)});
        break;
    case ID_TO_V_CEN:
        Bars(p, {QRectF(4, 5, 6, 22), QRectF(13, 9, 6, 14), QRectF(22, 7, 6, 18)});
        Guide(p, {QPointF(2, 16), QPointF(30, 16)});
        break;
    case ID_TO_H_CEN2:
        Bars(p, {QRectF(5, 4, 22, 6), QRectF(9, 13, 14, 6), QRectF(7, 22, 18, 6)});
        Guide(p, {QPointF(16, 2), QPointF(16, 30)});
        break;
    case ID_TO_H_KIN:
        Bars(p, {QRectF(3, 8, 6, 16), QRectF(13, 8, 6, 16), QRectF(23, 8, 6, 16)});
        Guide(p, {QPointF(2, 28), QPointF(30, 28)});
        break;
    case ID_TO_V_KIN2:
        Bars(p, {QRectF(8, 3, 16, 6), QRectF(8, 13, 16, 6), QRectF(8, 23, 16, 6)});
        Guide(p, {QPointF(28, 2), QPointF(28, 30)});
        break;
    case ID_SAME_W:
        Bars(p, {QRectF(6, 6, 20, 8), QRectF(6, 18, 20, 8), QRectF()});
        Guide(p, {QPointF(4, 29), QPointF(28, 29)});
        break;
    case ID_SAME_H:
        Bars(p, {QRectF(6, 6, 8, 20), QRectF(18, 6, 8, 20), QRectF()});
        Guide(p, {QPointF(29, 4), QPointF(29, 28)});
        break;
    case ID_SAME_WH:
        Bars(p, {QRectF(4, 4, 11, 11), QRectF(17, 17, 11, 11), QRectF()});
        Guide(p, {QPointF(4, 29), QPointF(15, 29)});
        break;
    default:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Paper);
        p.drawRect(QRectF(5, 5, 22, 22));
        break;
    }
}

QPixmap Render(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

QIcon MakeIcon(const QPixmap& large)
{
    QIcon icon;
    icon.addPixmap(large);
    icon.addPixmap(large.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return icon;
}

} // namespace

QIcon RibbonIcon(int commandId)
{
    return MakeIcon(Render([commandId](QPainter& p) { Draw(p, commandId); }));
}

QIcon ApplicationButtonIcon()
{
    return MakeIcon(Render([](QPainter& p) {
        QRadialGradient glow(QPointF(12, 10), 18);
        glow.setColorAt(0, QColor(0x9c, 0xc8, 0xff));
        glow.setColorAt(1, QColor(0x1f, 0x4f, 0x9a));
        p.setPen(QPen(QColor(0x10, 0x28, 0x50), 1.2));
        p.setBrush(glow);
        p.drawEllipse(QRectF(1, 1, 30, 30));
        p.setPen(QPen(Qt::white, 2.2));
        p.drawLine(QPointF(8, 22), QPointF(15, 12));
        p.drawLine(QPointF(15, 12), QPointF(24, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (QPointF c : {QPointF(8, 22), QPointF(15, 12), QPointF(24, 19)})
            p.drawEllipse(c, 2.6, 2.6);
    }));
}

QColor PieClockColour(int index)
{
    if (index < 4)
        return Green;
    if (index < 8)
        return Yellow;
    return Red;
}

QImage PieClockImage(int index)
{
    index = std::clamp(index, 0, PieClockImageCount - 1);
    QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(3, 3, 26, 26);
    const QColor colour = PieClockColour(index);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Paper);
    p.drawEllipse(face);
    // Clockwise from twelve o'clock: Qt angles run anticlockwise from three.
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (index > 0)
        p.drawPie(face.adjusted(1, 1, -1, -1), 90 * 16, -index * 30 * 16);
    else
        p.drawEllipse(QPointF(16, 16), 2, 2);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(face);
    p.drawLine(QPointF(16, 3), QPointF(16, 7));
    return image;
}

} // namespace tavelin
