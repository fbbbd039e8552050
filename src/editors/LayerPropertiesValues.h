#pragma once
// The working values of the layer properties (CProLayer) without its window:
// what is copied from the layer, the icon pictures of this run and their
// 64 x 64 cell, the checks of OK, how node times follow a moved base
// date-time, the write-back into the model and the defaults for new layers.

#include "geo/OleDate.h"
#include "model/Picture.h"
#include "model/Records.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavelin
{

struct RouteModel;

constexpr std::uint32_t WhiteColour = 0xFFFFFF;
// A transparent colour that leaves nothing out: the icon is drawn opaque.
constexpr std::uint32_t NoTransparentColour = 0xFFFFFFFF;

// The ranges of the width and size edits and of their spin controls. The
// width edits take 0 (drawn with the thinnest pen) while their spins stay
// within 1-10.
constexpr int WidthEditMinimum = 0;
constexpr int WidthMinimum = 1;
constexpr int WidthMaximum = 10;
constexpr int NodeSizeMinimum = 10;
constexpr int NodeSizeMaximum = 64;

// How the node times of the layer follow a base date-time that moved.
enum class NodeTimeTreatment {
    MoveWithBase, // offsets kept: every time moves with the base (30033 Yes)
    KeepTimes,    // offsets compensated: every time stays where it was (No)
};

// What OK finds wrong first; each but Ok keeps the dialog open.
enum class LayerPropertiesProblem {
    Ok,
    NameEmpty,        // 30007
    NameTooLong,      // 30008: more than 100 bytes
    NameNotEncodable, // 31302: a character Shift-JIS cannot hold
    TimeOutOfRange,   // 30006: a node time would leave what the model holds
    TimeWouldClear,   // 31301: a kept time would land on the base (offset 0)
};

// What the write-back changed, for the refreshes that follow.
struct LayerPropertiesChanges {
    bool baseTime = false;
    bool name = false;
};

enum class StoreDefaultsResult { Stored, OpenFailed, WriteFailed };

// A node's offsets as the dialog found them.
struct LayerNodeTimes {
    int node = 0;
    std::int32_t arrival = 0;
    std::int32_t departure = 0;
};

struct LayerPropertiesValues {
    OleDateTime originalBase;
    OleDateTime baseTime;
    QString name;
    QString originalName;
    // As the preview draws them (a width may be 0 while it is typed); OK and
    // the defaults button put the spins' positions here first.
    int arcWidth = 1;
    int anchorWidth = 1;
    int iconSize = 20;
    COLORREF arcColour = 0;
    COLORREF anchorColour = 0;
    int iconPos = 0;
    std::uint32_t transparentColour = WhiteColour;
    PicturePtr layerPicture; // the layer's icon picture; may be absent
    PicturePtr newPicture;   // loaded in this run; the layer's only after OK
    std::uint32_t iconImageSize = 0;
    std::int32_t hasIcon = 0;
    bool iconChanged = false;              // the cell was rebuilt by a position or a picture
    QImage cell;                           // 64 x 64, the icon as it will be drawn
    std::vector<LayerNodeTimes> nodeTimes; // the layer's nodes, in route order

    // Everything of layer `layer`; the cell is built from its picture.
    static LayerPropertiesValues FromModel(const RouteModel& model, int layer);

    // The new picture, else the layer's.
    const Picture* iconPicture() const;

    // Fills the cell black and draws the icon picture fitted, turned for the
    // position. False when the cell cannot be made.
    bool rebuildCell();

    // Loads an image file as the new icon: with a given transparent colour
    // the file is read as it is and that colour is the key; without, it goes
    // the image-file way (kind, BMP key, JPEG as is, others keyed). The
    // picture is then stored again at 64 x 64 (keyed as BMP) through
    // workFolder. False, and nothing changes, when that fails; the image
    // services have shown 30056 or 30001, a file that does not decode
    // nothing.
    bool loadIcon(const QString& path, std::optional<std::uint32_t> givenKey,
                  const QString& workFolder);

    // One of the four built-in icons (BuiltInNodeIconIds), written as
    // workFolder + "/tmp.bmp" and loaded from there keyed on white.
    bool chooseBuiltInIcon(int resourceId, const QString& workFolder);

    // Without any icon picture nothing happens and false is returned.
    bool setIconPosition(int position);

    LayerPropertiesProblem checkName() const;

    // Moved by half a second or more; a valid base replacing an invalid one
    // counts, an invalid one (never given by the pickers) never does.
    bool baseTimeChanged() const;
    // OK asks 30033 only when the base moved and there are times to keep:
    // two or more nodes and a valid old base.
    bool asksTimeTreatment() const;
    // Seconds to add to every set offset so that the times stay put.
    std::int64_t compensationSeconds() const;
    LayerPropertiesProblem checkTimes(NodeTimeTreatment treatment) const;

    // Writes everything back into layer `layer`. With a changed icon the
    // picture (and hasIcon, so that a first icon is kept and saved) and its
    // cell in iconBitmaps; the transparent colour always, as the preview
    // showed it. Call only after checkName and checkTimes passed.
    LayerPropertiesChanges applyTo(RouteModel& model, int layer, NodeTimeTreatment treatment) const;

    // Section "LAYER": the sizes and colours; then the icon picture's bytes,
    // when there is one, into `iconPath` (replaced only once completely
    // written).
    StoreDefaultsResult storeDefaults(const QString& iconPath) const;
};

} // namespace tavelin
