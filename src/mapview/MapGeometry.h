#pragma once
// The map area's coordinate systems. Map pixels are the background picture's
// pixels (what the records store); zoomed-map coordinates are map pixels x
// zoom (everything drawn, hit tests, scroll sizes); client coordinates are
// the view window's. Every conversion truncates toward zero.

#include "model/RouteModel.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavelin
{

// A stored zoom that cannot be divided by (0, negative, NaN) reads as 1.0, so
// an odd document never divides by zero.
float UsableZoom(float zoom);

// (int)(v x zoom).
int ZoomCoord(int value, float zoom);
QPoint ZoomPoint(int x, int y, float zoom);

// (0, 0, (int)(mapWidth x zoom), (int)(mapHeight x zoom)).
QRect ZoomedMapRect(const DocHeader& header);

// A node's position in zoomed-map coordinates.
QPoint NodeZoomedPosition(const RouteModel& model, int node);

// The zoomed centre of a slip: ((left + right) / 2 x zoom, (top + bottom) / 2 x zoom).
QPoint SlipZoomedCentre(const RouteModel& model, int slip);

// A slip keeps its pixel size at every zoom; only its centre is zoomed. With
// withTitle set, an image slip's title strip (70 pixels above or below) is
// included. Left/top inclusive, right/bottom exclusive, as the records.
SlipBox SlipScreenRect(const RouteModel& model, int slip, bool withTitle);

// The node's icon square (the layer's iconSize, not zoomed) placed at the
// zoomed node position by the layer's iconPos.
SlipBox NodeIconRect(const RouteModel& model, int node);

// Client point (scroll position added) to map pixels.
QPoint ClientToMapPixels(QPoint client, QPoint scroll, float zoom);

// Half-open box to QRect and back.
inline QRect ToQRect(const SlipBox& b)
{
    return QRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

} // namespace tavelin
