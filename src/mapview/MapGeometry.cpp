#include "mapview/MapGeometry.h"

#include <cmath>

namespace tavelin
{

float UsableZoom(float zoom)
{
    return (std::isfinite(zoom) && zoom > 0.0f) ? zoom : 1.0f;
}

int ZoomCoord(int value, float zoom)
{
    // The product is taken in float, as the stored zoom is a float.
    return static_cast<int>(static_cast<float>(value) * zoom);
}

QPoint ZoomPoint(int x, int y, float zoom)
{
    return {ZoomCoord(x, zoom), ZoomCoord(y, zoom)};
}

QRect ZoomedMapRect(const DocHeader& header)
{
    const float zoom = UsableZoom(header.zoom);
    return QRect(0, 0, ZoomCoord(header.mapWidth, zoom), ZoomCoord(header.mapHeight, zoom));
}

QPoint NodeZoomedPosition(const RouteModel& model, int node)
{
    const NodeRec& n = model.nodes[node];
    return ZoomPoint(n.x, n.y, UsableZoom(model.header.zoom));
}

QPoint SlipZoomedCentre(const RouteModel& model, int slip)
{
    const SlipRec& s = model.slips[slip];
    return ZoomPoint((s.left + s.right) / 2, (s.top + s.bottom) / 2, UsableZoom(model.header.zoom));
}

SlipBox SlipScreenRect(const RouteModel& model, int slip, bool withTitle)
{
    const SlipRec& s = model.slips[slip];
    const QPoint c = SlipZoomedCentre(model, slip);
    const int hw = (s.right - s.left) / 2;
    const int hh = (s.bottom - s.top) / 2;
    int up = 0, down = 0;
    if (withTitle && s.hasImage) {
        if (s.titlePos == 1)
            up = 70;
        else if (s.titlePos == 2)
            down = 70;
    }
    return {c.x() - hw, c.y() - hh - up, c.x() + hw, c.y() + hh + down};
}

SlipBox NodeIconRect(const RouteModel& model, int node)
{
    const NodeRec& n = model.nodes[node];
    const QPoint p = NodeZoomedPosition(model, node);
    // A node naming no existing layer (a damaged file) gets an empty square.
    if (n.layer >= model.layerCount)
        return {p.x(), p.y(), p.x(), p.y()};
    const LayerRec& layer = model.layers[n.layer];
    const int s = layer.iconSize;
    int left = p.x() - s / 2, top = p.y() - s / 2;
    switch (layer.iconPos) {
    case 1:
        left = p.x();
        top = p.y() - s;
        break;
    case 2:
        left = p.x();
        top = p.y();
        break;
    case 3:
        left = p.x() - s;
        top = p.y();
        break;
    case 4:
        left = p.x() - s;
        top = p.y() - s;
        break;
    default:
        break;
    }
    return {left, top, left + s, top + s};
}

QPoint ClientToMapPixels(QPoint client, QPoint scroll, float zoom)
{
    zoom = UsableZoom(zoom);
    return {static_cast<int>(static_cast<float>(client.x() + scroll.x()) / zoom),
            static_cast<int>(static_cast<float>(client.y() + scroll.y()) / zoom)};
}

} // namespace tavelin
