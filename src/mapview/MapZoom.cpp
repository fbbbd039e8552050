#include "mapview/MapZoom.h"

#include "mapview/MapGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavelin
{

float ZoomForStep(int step)
{
    return step <= 0 ? 0.5f : static_cast<float>(std::min(step, MaxZoomStep));
}

int StepForZoom(float zoom)
{
    if (zoom == 0.5f)
        return 0;
    if (!std::isfinite(zoom))
        return 1;
    return std::clamp(static_cast<int>(zoom), 0, MaxZoomStep);
}

QString ZoomText(float zoom)
{
    return QStringLiteral("%1%").arg(static_cast<int>(zoom * 100.0f));
}

float FitZoom(QSize client, int barHeight, int mapWidth, int mapHeight, float current)
{
    if (mapWidth <= 0 || mapHeight <= 0)
        return UsableZoom(current);
    const float across = static_cast<float>(client.width()) / static_cast<float>(mapWidth);
    const float down =
        static_cast<float>(client.height() - barHeight) / static_cast<float>(mapHeight);
    const float zoom = std::min(across, down);
    // A window smaller than the bar: the map shrinks to a speck instead of 0.
    const float smallest = 1.0f / static_cast<float>(std::max(mapWidth, mapHeight));
    return zoom > smallest ? zoom : smallest;
}

std::optional<ZoomChange> ComputeSetZoom(const ZoomView& view, float z, bool useSavedCentre)
{
    if (!view.fit && z == view.zoom)
        return std::nullopt;
    const float current = UsableZoom(view.zoom);
    const QPoint centre(
        static_cast<int>(static_cast<float>(view.client.width() / 2 + view.scroll.x()) / current),
        static_cast<int>(static_cast<float>(view.client.height() / 2 + view.scroll.y()) / current));
    ZoomChange change;
    change.savedCentre = z == FitEntryZoom ? centre : view.savedCentre;
    change.zoom = view.fit
                      ? FitZoom(view.client, view.barHeight, view.mapWidth, view.mapHeight, current)
                      : UsableZoom(z);
    change.scrollSize = QSize(ZoomCoord(view.mapWidth, change.zoom),
                              ZoomCoord(view.mapHeight, change.zoom) + view.barHeight);
    const QPoint target = useSavedCentre ? change.savedCentre : centre;
    change.centreOn = ZoomPoint(target.x(), target.y(), change.zoom);
    return change;
}

QPoint CenterOnScroll(QPoint target, QSize client, bool horizontalBar, bool verticalBar)
{
    return {horizontalBar ? target.x() - client.width() / 2 : 0,
            verticalBar ? target.y() - client.height() / 2 : 0};
}

std::optional<ZoomRequest> ZoomOutRequest(int slider, bool fit)
{
    if (slider <= 0)
        return std::nullopt;
    return ZoomRequest{ZoomForStep(slider - 1), fit, fit, slider - 1};
}

std::optional<ZoomRequest> ZoomInRequest(int slider, bool fit)
{
    if (slider >= MaxZoomStep)
        return std::nullopt;
    return ZoomRequest{ZoomForStep(slider + 1), fit, fit, slider + 1};
}

ZoomRequest SliderRequest(int slider, bool fit)
{
    return ZoomRequest{ZoomForStep(slider), fit, fit, slider};
}

ZoomRequest HundredPercentRequest(bool fit)
{
    return ZoomRequest{1.0f, fit, fit, 1};
}

WheelAction DecideWheel(const WheelKeys& keys, bool towardUser, int slider, bool fit,
                        bool hasVerticalBar)
{
    WheelAction action;
    const bool buttons = keys.leftButton || keys.middleButton || keys.rightButton;
    if (keys.ctrl && !keys.shift && !buttons) {
        if (fit)
            return action;
        if (towardUser ? slider <= 0 : slider >= MaxZoomStep) {
            action.passOn = true;
            return action;
        }
        action.kind = WheelAction::Kind::Zoom;
        action.step = towardUser ? slider - 1 : slider + 1;
        return action;
    }
    if (!hasVerticalBar)
        return action;
    const bool shiftCtrl = keys.shift && keys.ctrl && !buttons;
    const bool rightOnly =
        keys.rightButton && !keys.leftButton && !keys.middleButton && !keys.shift && !keys.ctrl;
    const bool shiftOnly = keys.shift && !keys.ctrl && !buttons;
    int step = 10;
    if (shiftCtrl)
        step = -1;
    else if (rightOnly)
        step = -10;
    if (!towardUser)
        step = -step;
    action.kind = WheelAction::Kind::Scroll;
    action.horizontal = shiftOnly || shiftCtrl || rightOnly;
    action.scrollBy = step;
    return action;
}

} // namespace tavelin
