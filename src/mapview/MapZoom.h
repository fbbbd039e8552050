#pragma once
// Zoom steps, the fit-to-window zoom, SetZoom's arithmetic, the zoom bar's
// commands and the mouse wheel's choice, without any window, so that the
// view, the tool and the tests share one computation.

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

namespace tavelin
{

constexpr int MaxZoomStep = 6;
// SetZoom's marker for entering fit mode: it records the saved centre.
constexpr float FitEntryZoom = 10.0f;

// Slider position 0 is 50 %, position p >= 1 is p x 100 %.
float ZoomForStep(int step);
// 0 for 0.5, else (int)zoom, kept within 0..6 for odd stored zooms.
int StepForZoom(float zoom);
// "%d%%" of (int)(zoom x 100).
QString ZoomText(float zoom);

// min(client width / mapWidth, (client height - bar height) / mapHeight).
// A map without a size keeps `current`; a window too small for the map gives
// a tiny zoom rather than 0, so nothing later divides by 0.
float FitZoom(QSize client, int barHeight, int mapWidth, int mapHeight, float current);

// What SetZoom works on.
struct ZoomView {
    float zoom = 1.0f;
    bool fit = false;
    QPoint scroll;
    QSize client;
    int barHeight = 0;
    int mapWidth = 0;
    int mapHeight = 0;
    QPoint savedCentre; // map pixels, recorded on entering fit mode
};

struct ZoomChange {
    float zoom = 1.0f;
    QPoint savedCentre;
    QSize scrollSize; // zoomed map + bar height
    QPoint centreOn;  // zoomed-map point to bring to the client centre
};

// Nothing when fit mode is off and z is the current zoom. Otherwise the new
// zoom (the fit zoom in fit mode), the centre kept or restored.
std::optional<ZoomChange> ComputeSetZoom(const ZoomView& view, float z, bool useSavedCentre);

// The scroll position that puts a zoomed-map point at the client centre;
// each axis only when that axis scrolls, else 0.
QPoint CenterOnScroll(QPoint target, QSize client, bool horizontalBar, bool verticalBar);

// A request of the zoom bar: SetZoom(zoom, useSavedCentre) after leaving fit
// mode when leaveFit, then the slider at `slider`.
struct ZoomRequest {
    float zoom = 1.0f;
    bool useSavedCentre = false;
    bool leaveFit = false;
    int slider = 1;
};
std::optional<ZoomRequest> ZoomOutRequest(int slider, bool fit);
std::optional<ZoomRequest> ZoomInRequest(int slider, bool fit);
ZoomRequest SliderRequest(int slider, bool fit);
// The double click on the percentage: always 100 %, fit mode off.
ZoomRequest HundredPercentRequest(bool fit);

// The mouse wheel. Modifier state as the message carries it.
struct WheelKeys {
    bool ctrl = false;
    bool shift = false;
    bool rightButton = false;
    bool leftButton = false;
    bool middleButton = false;
};
struct WheelAction {
    enum class Kind { None, Zoom, Scroll } kind = Kind::None;
    int step = 0; // Zoom: the new slider position
    bool horizontal = false;
    int scrollBy = 0;    // Scroll: signed pixels
    bool passOn = false; // the default wheel handling runs instead of zooming
};
// towardUser: the wheel turned down (towards the user).
WheelAction DecideWheel(const WheelKeys& keys, bool towardUser, int slider, bool fit,
                        bool hasVerticalBar);

} // namespace tavelin
