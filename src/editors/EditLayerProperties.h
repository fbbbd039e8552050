#pragma once
// The layer properties of one layer: the dialog run modally on a copy of the
// layer's values, written back after OK.

#include "editors/PropertyHooks.h"

class QWidget;

namespace tavelin
{

struct RouteModel;

// Runs CProLayer for layer `layer`. Cancel, or an index not below the layer
// count, changes nothing and returns false. After OK the values are written
// back (node times as the user chose at 30033), the tab is renamed when the
// name changed, and then, in this order, RefreshNow, the modified flag and,
// when the base date-time moved, RefreshNodeList. Returns true after OK.
bool EditLayerProperties(RouteModel& model, int layer, QWidget* parent, const PropertyHooks& hooks);

} // namespace tavelin
