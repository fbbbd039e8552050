#pragma once
// The layer properties' live preview: a route through one node with its arc,
// the anchor line to a note's label box, the node mark and the node icon,
// drawn from the working values into any painter.

class QPainter;
class QRect;

namespace tavelin
{

struct LayerPropertiesValues;

// `frame` is the preview frame; its right and bottom edges are taken as
// left + width and top + height, the first pixel outside, as the geometry
// below counts them.
void DrawLayerPreview(QPainter& painter, const QRect& frame, const LayerPropertiesValues& values);

} // namespace tavelin
