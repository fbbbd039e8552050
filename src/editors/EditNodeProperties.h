#pragma once
// The node properties of one node: its arrival and departure times, or, for
// the start node of a layer, the layer's properties.

#include "editors/PropertyHooks.h"

class QWidget;

namespace tavelin
{

struct RouteModel;

// For the start node of a layer asks 30017 and on Yes opens the layer
// properties (EditLayerProperties). For any other node runs CProNode; after
// OK with offsets that differ from the node's, stores both and calls, in
// this order, RefreshNow, the modified flag and RefreshNodeList. An index
// that names no node does nothing. True when the node's times changed.
bool EditNodeProperties(RouteModel& model, int node, QWidget* parent, const PropertyHooks& hooks);

} // namespace tavelin
