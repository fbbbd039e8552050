#include "editors/EditMapSettings.h"

#include "editors/CMapDlg.h"
#include "editors/ImageFileChooser.h"
#include "mapview/MapGeometry.h"
#include "model/RouteModel.h"

namespace tavelin
{

QSize MapScrollSize(float zoom, QSize mapSize, int zoomBarHeight)
{
    return {ZoomCoord(mapSize.width(), zoom), ZoomCoord(mapSize.height(), zoom) + zoomBarHeight};
}

bool EditMapSettings(RouteModel& model, QWidget* parent, const MapViewHooks& view,
                     ImageFileChooser* chooser)
{
    DialogImageFileChooser platformChooser;
    CMapDlg dialog(MapSettingsValues::FromModel(model), chooser ? *chooser : platformChooser,
                   parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    const bool newMap = dialog.values().applyTo(model);
    if (newMap) {
        const DocHeader& h = model.header;
        // A header from an odd file shows the map at 100 %.
        const float zoom = UsableZoom(view.zoom ? view.zoom() : h.zoom);
        const int barHeight = view.zoomBarHeight ? view.zoomBarHeight() : 0;
        if (view.setScrollSizes)
            view.setScrollSizes(MapScrollSize(zoom, QSize(h.mapWidth, h.mapHeight), barHeight));
        if (view.scrollTo)
            view.scrollTo(QPoint(h.scrollX, h.scrollY));
        if (view.rebuildBackground)
            view.rebuildBackground(); // reports its own failure
    }
    if (view.refreshNow)
        view.refreshNow();
    if (view.markModified)
        view.markModified();
    if (view.refreshNodeList)
        view.refreshNodeList();
    return true;
}

} // namespace tavelin
