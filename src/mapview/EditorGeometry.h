#pragma once
// The in-place slip editor's rectangle: where it starts over a slip, its
// eight handles, and how a handle drag resizes it. Zoomed-map coordinates.

#include "model/RouteModel.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

namespace tavelin
{

// 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left corners, then the
// middles of the top (4), right (5), bottom (6) and left (7) sides.
constexpr int EditorHandleCount = 8;

// The slip's drawn rectangle with its bottom 5 pixels lower.
QRect EditorStartRect(const RouteModel& model, int slip);

// The handle whose 10 x 10 square around its point holds p, or -1. The
// points sit on the editor rectangle grown by 2.
int EditorHandleAt(const QRect& editor, QPoint p);

// The resize cursor of a handle.
Qt::CursorShape EditorHandleCursor(int handle);

// The grabbed handle's corner or edge moved to the pointer: corners move both
// coordinates, middles one. The result stays inside the zoomed map and at
// least 10 x 10 (the moving edge stops).
QRect ResizeEditorRect(const QRect& editor, int handle, QPoint pointer, QSize zoomedMap);

// The feedback outline of a resize: three frames, 3, 2 and 1 pixels wide,
// growing lighter outwards.
struct EditorOutline {
    int width;
    QRgb colour;
};
inline constexpr EditorOutline EditorResizeOutlines[] = {
    {3, 0xFFF3F7FA}, // (243, 247, 250)
    {2, 0xFFE5EBF2}, // (229, 235, 242)
    {1, 0xFFD7DFEA}, // (215, 223, 234)
};

} // namespace tavelin
