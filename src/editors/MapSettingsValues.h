#pragma once
// The working values of the background map settings (CMapDlg) without its
// window: what is filled in from the document, what a newly chosen picture
// brings, the checks of OK and the write-back into the model.

#include "model/Picture.h"

#include <QSize>
#include <QString>
#include <cstdint>

namespace tavelin
{

struct RouteModel;
struct ChosenPicture;

// The preview's view modes, numbered as DrawPicture's modes.
enum class MapViewMode : int {
    Whole = 0,
    NorthWest = 1,
    SouthEast = 2,
    NorthEast = 3,
    SouthWest = 4
};

// What OK finds wrong first; each but Ok keeps the dialog open.
enum class MapSettingsProblem {
    Ok,
    EdgeNotSet,     // 30042: an edge is exactly 0
    GroundTooSmall, // 30045: a ground extent below 1 m
    NoPicture,      // 30046: neither a new nor a current picture
};

struct MapSettingsValues {
    PicturePtr currentPicture; // the document's map; may be absent
    PicturePtr newPicture;     // chosen in this run; handed to the model only at OK
    std::int32_t newByteSize = 0;
    // Of the new picture once one is chosen, else of the current one.
    std::int32_t mapWidth = 0;
    std::int32_t mapHeight = 0;
    float northLat = 0.0f;
    float southLat = 0.0f;
    float westLon = 0.0f;
    float eastLon = 0.0f;
    std::int32_t widthMetres = 0;
    std::int32_t heightMetres = 0;
    bool mapChosen = false;
    MapViewMode viewMode = MapViewMode::Whole;

    static MapSettingsValues FromModel(const RouteModel& model);

    // The picture the preview shows: the new one, else the current one.
    const Picture* shownPicture() const;
    bool hasPicture() const { return shownPicture() != nullptr; }

    // A picture the user chose replaces an earlier choice of this run. False,
    // and nothing changes, for no picture or one whose byte size the
    // document's 32-bit length field cannot hold.
    bool takeNewPicture(const ChosenPicture& chosen);

    // From the edges as they stand (the dialog calls these when an edge edit
    // loses the focus).
    void recomputeHeight();
    void recomputeWidth();

    MapSettingsProblem check() const;

    // Edges and ground size; with a new picture also the picture, its byte
    // size and pixel size, and hasMap. True when the map itself changed.
    bool applyTo(RouteModel& model) const;
};

// An edge as the edits show it: "%f", six decimals.
QString FormatEdge(float degrees);

// An edge as the edits read it: the leading decimal number of the text
// (blanks, sign, digits, one point, exponent), 0 when there is none. A value
// that does not fit a 32-bit float reads as 0 too, so it is refused as
// "not set" rather than stored as infinity.
float ParseEdge(const QString& text);

} // namespace tavelin
