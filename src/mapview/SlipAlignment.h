#pragma once
// Lining up the selected slips: edges and sizes follow the primary slip,
// centring and spacing work on the whole group. Only the rectangles of
// slips whose selected mark is set change; nodes are never aligned.

#include "model/RouteModel.h"

#include <functional>

namespace tavelin
{

enum class SlipAlignment {
    Left,
    Right,
    Top,
    Bottom,
    CentreVertical,   // the group's bounding box centred on the map's height
    CentreHorizontal, // ... on the map's width
    SpaceVertical,    // equal gaps between the slips from top to bottom
    SpaceHorizontal,  // ... from left to right
    SameWidth,
    SameHeight,
    SameSize,
};

struct AlignmentHooks {
    std::function<void()> takeSlipSnapshot; // before any rectangle changes
    std::function<void()> refreshNow;
    std::function<void()> markModified; // only when a rectangle changed
};

// Runs one command with `primarySlip` as the reference. Without a primary
// slip nothing happens and false is returned. 30001 when the work list of
// the spacing cannot be allocated (nothing moves).
bool AlignSlips(RouteModel& model, int primarySlip, SlipAlignment command,
                const AlignmentHooks& hooks = {});

} // namespace tavelin
