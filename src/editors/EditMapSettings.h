#pragma once
// ID_MAP_SETTEI "背景地図 の設定": runs the background map settings
// (CMapDlg) on the document header and, after OK, writes them back and
// brings the map area up to date.

#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

namespace tavelin
{

struct RouteModel;
class ImageFileChooser;

// What the map settings need of the map area (CN20417View). Any entry may be
// left empty; it is then skipped (zoom falls back to the header's).
struct MapViewHooks {
    std::function<float()> zoom;
    std::function<int()> zoomBarHeight;
    // Total scroll size, with the platform's default page and line steps.
    std::function<void(QSize)> setScrollSizes;
    std::function<void(QPoint)> scrollTo;
    std::function<bool()> rebuildBackground; // RebuildBackground
    std::function<void()> refreshNow;        // RefreshNow
    std::function<void()> markModified;      // the document's modified flag
    // The node list shows longitudes, latitudes and distances, which follow
    // the edges and the ground size.
    std::function<void()> refreshNodeList;
};

// Fills the dialog from the header and the map picture and runs it modally.
// Cancel changes nothing. OK stores the edges and the ground size; with a
// newly chosen picture also the picture, its byte size and pixel size and
// hasMap, and the map area gets its new scroll sizes, its scroll position
// and a rebuilt background. The document is then marked modified. Returns
// true after OK. Without a chooser the platform's file dialog is used.
bool EditMapSettings(RouteModel& model, QWidget* parent, const MapViewHooks& view,
                     ImageFileChooser* chooser = nullptr);

// The scroll size of the map area for a map of `mapSize` pixels.
QSize MapScrollSize(float zoom, QSize mapSize, int zoomBarHeight);

} // namespace tavelin
