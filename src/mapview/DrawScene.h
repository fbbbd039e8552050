#pragma once
// The one drawing of the map scene. The view's paint, printing, the print
// preview, save-as-JPEG and `tavelin-tool render` all call DrawScene, so
// they show the same picture.

#include "model/RouteModel.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

class QPainter;

namespace tavelin
{

// Node icons prepared at their drawn size, kept between paints so a repaint
// does not scale and key the same 64 x 64 cells again. Each entry remembers
// what it was made from, so a changed icon or size is rebuilt on next use.
class SceneCache
{
public:
    const QImage& iconFor(const RouteModel& model, int layer);

private:
    struct Entry {
        qint64 sourceKey = 0;
        int size = -1;
        std::uint32_t key = 0;
        QImage image;
    };
    std::vector<Entry> m_icons;
};

// What the drawing reads beside the model: the view state.
struct SceneState {
    const QImage* background = nullptr; // mapWidth x mapHeight; null: no map
    bool iconsShown = true;
    int primaryNode = -1;
    int primarySlip = -1;
    int editingSlip = -1; // slip under in-place editing
    QRect editorRect;     // its editor, zoomed-map coordinates
    // The zoomed-map area being painted. Items wholly outside it are skipped
    // (the picture is the same); empty means the whole zoomed map.
    QRect visible;
    SceneCache* cache = nullptr; // optional
};

// Draws the scene in zoomed-map coordinates (the painter's origin is the
// map's top-left) at the header's zoom. Without a background buffer only
// white is drawn.
void DrawScene(QPainter& painter, const RouteModel& model, const SceneState& state);

// The map picture rendered 1:1 into a mapWidth x mapHeight buffer.
enum class BackgroundResult { Built, NoMap, NoMemory, NotRendered };
BackgroundResult BuildBackground(const RouteModel& model, QImage& buffer, int dotsPerInch = 96);

// The whole scene at zoom 1.0 in a mapWidth x mapHeight image (save-as-JPEG,
// render): the zoom is set to 1.0 for the drawing and put back. A null image
// when it cannot be allocated.
QImage RenderWholeMap(RouteModel& model, SceneState state, int dotsPerInch = 96);

// The image size of a buffer at dots per inch, for fonts measured on it.
void SetImageDpi(QImage& image, int dotsPerInch);

} // namespace tavelin
