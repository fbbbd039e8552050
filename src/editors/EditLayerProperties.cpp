#include "editors/EditLayerProperties.h"

#include "editors/CProLayer.h"
#include "editors/ImageFileChooser.h"
#include "image/LayerIcon.h"
#include "model/RouteModel.h"
#include "platform/Messages.h"

namespace tavelin
{

bool EditLayerProperties(RouteModel& model, int layer, QWidget* parent, const PropertyHooks& hooks)
{
    if (!model.isAllocated() || layer < 0 || layer >= model.layerCount)
        return false;
    LayerPropertiesValues values = LayerPropertiesValues::FromModel(model, layer);
    if (values.cell.isNull()) {
        ShowMessage(30001, parent, {}, MessageStyle::Error);
        return false;
    }
    DialogImageFileChooser platformChooser;
    ImageFileChooser& chooser = hooks.iconChooser ? *hooks.iconChooser : platformChooser;
    const QString iconPath =
        hooks.defaultIconPath.isEmpty() ? DefaultIconPath() : hooks.defaultIconPath;
    CProLayer dialog(std::move(values), chooser, iconPath, parent, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    const LayerPropertiesChanges changes =
        dialog.values().applyTo(model, layer, dialog.treatment());
    if (changes.name && hooks.renameTab)
        hooks.renameTab(layer);
    if (hooks.refreshNow)
        hooks.refreshNow();
    if (hooks.markModified)
        hooks.markModified();
    if (changes.baseTime && hooks.refreshNodeList)
        hooks.refreshNodeList();
    return true;
}

} // namespace tavelin
