#pragma once
// The one in-memory document: fixed-capacity arrays of plain records,
// allocated once at start-up and addressed by index. Records past a count are
// stale and ignored. The model holds no observers; callers refresh the views.

#include "model/Picture.h"
#include "model/Records.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <memory>

namespace tavelin {

// What a new slip is made from: a text slip has no picture.
struct SlipImageData {
    PicturePtr picture;                  // null for a text slip
    std::int32_t transparentColour = -1; // key colour, -1 opaque
};

struct RouteModel {
    DocHeader header{};
    std::unique_ptr<LayerRec[]> layers;
    std::int32_t layerCount = 0;
    std::unique_ptr<NodeRec[]> nodes;
    std::int32_t nodeCount = 0;
    std::unique_ptr<SlipRec[]> slips;
    std::int32_t slipCount = 0;

    PicturePtr mapPicture;
    std::unique_ptr<std::array<PicturePtr, LayerSlots>> iconPictures;
    std::unique_ptr<std::array<PicturePtr, SlipSlots>> slipPictures;
    // Derived, never stored: each layer's icon rendered into its 64 x 64 cell.
    std::unique_ptr<std::array<QImage, LayerSlots>> iconBitmaps;

    // Creates all arrays (releasing earlier ones); false when memory is short
    // (the caller shows 30001).
    bool Allocate();
    bool isAllocated() const { return layers != nullptr; }
    // Drops every record and picture: counts 0, header of a new document.
    void Clear();

    // A new document: header defaults and the one layer "レイヤー1".
    bool ResetForNewDocument();

    // Appends a layer; shows 30009 at capacity and 30010 when the add fails.
    // baseDateTime14 is "YYYYMMDDhhmmss".
    bool AddLayer(int tabPosition, const QString& baseDateTime14, const QString& name);

    // Appends a node to currentLayer at a map-area point (scroll included),
    // divided by the zoom. Shows 30055 at capacity. Returns the index or -1.
    int AppendNode(QPoint point, float zoom);

    // Adds a slip centred on a map-area point. Shows 30062 at capacity.
    // textCp932 holds at most 1000 CP932 bytes. Returns the index or -1.
    int AddSlip(QPoint centre, float zoom, const QByteArray& textCp932, const SlipImageData& image);

    // Removes slip `index`, renumbering the nodes' noteSlip references.
    void RemoveSlip(int index);

    void ClearSelectionMarks();
    int FindLayerByTab(int tabPosition) const;
};

// Slip rectangles are kept as (left, top, right, bottom) with right/bottom
// exclusive, as the records store them; these avoid QRect's inclusive edges.
struct SlipBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const SlipBox&, const SlipBox&) = default;
};

// Shrinks and moves a slip rectangle so that it lies inside a map of
// mapWidth x mapHeight pixels.
SlipBox FitSlipIntoMap(SlipBox slip, int mapWidth, int mapHeight);

} // namespace tavelin
