#pragma once
// What the list area asks of the map area. Set by the application's wiring;
// an empty hook does nothing, so the list works (and is tested) without a
// map view.

#include <QPoint>
#include <functional>

namespace tavelin
{

struct ListAreaHooks {
    // The map area's one redraw request.
    std::function<void()> refreshNow;
    // Raises the document's modified flag.
    std::function<void()> markModified;
    // The map view's primary node (-1 none) and its change.
    std::function<int()> primaryNode;
    std::function<void(int node)> setPrimaryNode;
    // Scrolls the map so that the node is centred and selects it alone.
    std::function<void(int node)> showNodeCentred;
    // Appends a node to the current layer at a map-pixel position as a
    // click in node-adding mode does (the new node selected and primary);
    // the node's index, or -1 when refused (the reason was shown). Unset:
    // the node is appended to the model alone.
    std::function<int(QPoint mapPixel)> appendNode;
    // Selects every node of the layer on the map, the last one primary.
    std::function<void(int layer)> selectLayerNodes;
    // The layer array is renumbered: the node and slip undo snapshots and
    // the slip copy buffer no longer fit and are discarded.
    std::function<void()> discardEditBuffers;
};

} // namespace tavelin
