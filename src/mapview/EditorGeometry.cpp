#include "mapview/EditorGeometry.h"

#include "mapview/MapGeometry.h"

#include <algorithm>
#include <array>

namespace tavelin
{
namespace
{

constexpr int HandleReach = 5; // half the handle square
constexpr int HandleOffset = 2;
constexpr int MinimumEdge = 10;

} // namespace

QRect EditorStartRect(const RouteModel& model, int slip)
{
    SlipBox r = SlipScreenRect(model, slip, false);
    r.bottom += 5;
    return ToQRect(r);
}

int EditorHandleAt(const QRect& editor, QPoint p)
{
    // Half-open edges, as the records keep rectangles.
    const int l = editor.left() - HandleOffset;
    const int t = editor.top() - HandleOffset;
    const int r = editor.left() + editor.width() + HandleOffset;
    const int b = editor.top() + editor.height() + HandleOffset;
    const std::array<QPoint, EditorHandleCount> points{
        QPoint(l, t),           QPoint(r, t),           QPoint(r, b),
        QPoint(l, b),           QPoint((l + r) / 2, t), QPoint(r, (t + b) / 2),
        QPoint((l + r) / 2, b), QPoint(l, (t + b) / 2),
    };
    for (int i = 0; i < EditorHandleCount; ++i) {
        const QPoint c = points[std::size_t(i)];
        if (p.x() >= c.x() - HandleReach && p.x() < c.x() + HandleReach &&
            p.y() >= c.y() - HandleReach && p.y() < c.y() + HandleReach)
            return i;
    }
    return -1;
}

Qt::CursorShape EditorHandleCursor(int handle)
{
    switch (handle) {
    case 0:
    case 2:
        return Qt::SizeFDiagCursor;
    case 1:
    case 3:
        return Qt::SizeBDiagCursor;
    case 4:
    case 6:
        return Qt::SizeVerCursor;
    case 5:
    case 7:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QRect ResizeEditorRect(const QRect& editor, int handle, QPoint pointer, QSize zoomedMap)
{
    int l = editor.left();
    int t = editor.top();
    int r = editor.left() + editor.width();
    int b = editor.top() + editor.height();
    const bool moveLeft = handle == 0 || handle == 3 || handle == 7;
    const bool moveRight = handle == 1 || handle == 2 || handle == 5;
    const bool moveTop = handle == 0 || handle == 1 || handle == 4;
    const bool moveBottom = handle == 2 || handle == 3 || handle == 6;
    const int x = std::clamp(pointer.x(), 0, std::max(0, zoomedMap.width()));
    const int y = std::clamp(pointer.y(), 0, std::max(0, zoomedMap.height()));
    if (moveLeft)
        l = std::min(x, r - MinimumEdge);
    if (moveRight)
        r = std::max(x, l + MinimumEdge);
    if (moveTop)
        t = std::min(y, b - MinimumEdge);
    if (moveBottom)
        b = std::max(y, t + MinimumEdge);
    return QRect(l, t, r - l, b - t);
}

} // namespace tavelin
