#include "editors/EditNodeProperties.h"

#include "editors/CProNode.h"
#include "editors/EditLayerProperties.h"
#include "model/RouteModel.h"
#include "platform/Messages.h"

namespace tavelin
{

bool EditNodeProperties(RouteModel& model, int node, QWidget* parent, const PropertyHooks& hooks)
{
    const int position = NodePositionInLayer(model, node);
    if (position < 0)
        return false;
    NodeRec& n = model.nodes[node];
    if (n.layer >= model.layerCount)
        return false; // a node of no layer has no base to count from
    if (position == 0) {
        // The start node's time is the layer's base date-time.
        if (ShowMessage(30017, parent, {}, MessageStyle::YesNo) == IDYES)
            EditLayerProperties(model, n.layer, parent, hooks);
        return false;
    }

    CProNode dialog(NodeTimesValues::FromModel(model, node), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (dialog.arrival() == n.arrival && dialog.departure() == n.departure)
        return false;
    n.arrival = dialog.arrival();
    n.departure = dialog.departure();
    if (hooks.refreshNow)
        hooks.refreshNow();
    if (hooks.markModified)
        hooks.markModified();
    if (hooks.refreshNodeList)
        hooks.refreshNodeList();
    return true;
}

} // namespace tavelin
