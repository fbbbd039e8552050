#include "mapview/SlipAlignment.h"

#include "platform/Messages.h"

#include <algorithm>
#include <climits>
#include <new>
#include <vector>

namespace tavelin
{
namespace
{

constexpr int MsgOutOfMemory = 30001;

void ShiftX(SlipRec& s, int d)
{
    s.left += d;
    s.right += d;
}

void ShiftY(SlipRec& s, int d)
{
    s.top += d;
    s.bottom += d;
}

bool AlignEdge(RouteModel& model, int primary, SlipAlignment side)
{
    const SlipRec& p = model.slips[primary];
    bool changed = false;
    for (int i = 0; i < model.slipCount; ++i) {
        SlipRec& s = model.slips[i];
        if (!s.selected || i == primary)
            continue;
        int d = 0;
        switch (side) {
        case SlipAlignment::Left:
            d = p.left - s.left;
            ShiftX(s, d);
            break;
        case SlipAlignment::Right:
            d = p.right - s.right;
            ShiftX(s, d);
            break;
        case SlipAlignment::Top:
            d = p.top - s.top;
            ShiftY(s, d);
            break;
        default:
            d = p.bottom - s.bottom;
            ShiftY(s, d);
            break;
        }
        changed = changed || d != 0;
    }
    return changed;
}

bool CentreGroup(RouteModel& model, bool vertical)
{
    int a = INT_MAX, b = INT_MIN;
    for (int i = 0; i < model.slipCount; ++i) {
        const SlipRec& s = model.slips[i];
        if (!s.selected)
            continue;
        a = std::min(a, vertical ? s.top : s.left);
        b = std::max(b, vertical ? s.bottom : s.right);
    }
    if (a > b)
        return false;
    const int m = vertical ? model.header.mapHeight : model.header.mapWidth;
    // Integer division truncating toward zero, as the group's shift.
    const int d = (m + a - b) / 2 - a;
    if (d == 0)
        return false;
    for (int i = 0; i < model.slipCount; ++i) {
        SlipRec& s = model.slips[i];
        if (s.selected)
            vertical ? ShiftY(s, d) : ShiftX(s, d);
    }
    return true;
}

bool SpaceEvenly(RouteModel& model, bool vertical)
{
    const auto start = [vertical](const SlipRec& s) { return vertical ? s.top : s.left; };
    const auto extent = [vertical](const SlipRec& s) {
        return vertical ? s.bottom - s.top : s.right - s.left;
    };
    std::vector<int> order;
    try {
        order.reserve(std::size_t(model.slipCount));
    } catch (const std::bad_alloc&) {
        ShowMessage(MsgOutOfMemory);
        return false;
    }
    long long sum = 0;
    for (int i = 0; i < model.slipCount; ++i) {
        if (model.slips[i].selected) {
            order.push_back(i);
            sum += extent(model.slips[i]);
        }
    }
    const int n = int(order.size());
    if (n < 3)
        return false;
    // By start; equal starts keep their order in the slip array.
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return start(model.slips[x]) < start(model.slips[y]); });
    const int lo = start(model.slips[order.front()]);
    const int hi = start(model.slips[order.back()]);
    const int e = extent(model.slips[order.back()]);
    const int gap = static_cast<int>(static_cast<double>(hi + e - sum - lo) / (n - 1));
    bool changed = false;
    for (int k = 1; k + 1 < n; ++k) {
        const SlipRec& before = model.slips[order[std::size_t(k - 1)]];
        SlipRec& s = model.slips[order[std::size_t(k)]];
        const int d = start(before) + extent(before) + gap - start(s);
        vertical ? ShiftY(s, d) : ShiftX(s, d);
        changed = changed || d != 0;
    }
    return changed;
}

bool MatchSize(RouteModel& model, int primary, bool width, bool height)
{
    const SlipRec& p = model.slips[primary];
    const int w = p.right - p.left;
    const int h = p.bottom - p.top;
    bool changed = false;
    for (int i = 0; i < model.slipCount; ++i) {
        SlipRec& s = model.slips[i];
        if (!s.selected || i == primary)
            continue;
        SlipBox r{s.left, s.top, s.right, s.bottom};
        if (width)
            r.right = r.left + w;
        if (height)
            r.bottom = r.top + h;
        r = FitSlipIntoMap(r, model.header.mapWidth, model.header.mapHeight);
        const SlipBox old{s.left, s.top, s.right, s.bottom};
        if (r == old)
            continue;
        s.left = r.left;
        s.top = r.top;
        s.right = r.right;
        s.bottom = r.bottom;
        changed = true;
    }
    return changed;
}

} // namespace

bool AlignSlips(RouteModel& model, int primarySlip, SlipAlignment command,
                const AlignmentHooks& hooks)
{
    if (primarySlip < 0 || primarySlip >= model.slipCount)
        return false;
    if (hooks.takeSlipSnapshot)
        hooks.takeSlipSnapshot();
    bool changed = false;
    switch (command) {
    case SlipAlignment::Left:
    case SlipAlignment::Right:
    case SlipAlignment::Top:
    case SlipAlignment::Bottom:
        changed = AlignEdge(model, primarySlip, command);
        break;
    case SlipAlignment::CentreVertical:
        changed = CentreGroup(model, true);
        break;
    case SlipAlignment::CentreHorizontal:
        changed = CentreGroup(model, false);
        break;
    case SlipAlignment::SpaceVertical:
        changed = SpaceEvenly(model, true);
        break;
    case SlipAlignment::SpaceHorizontal:
        changed = SpaceEvenly(model, false);
        break;
    case SlipAlignment::SameWidth:
        changed = MatchSize(model, primarySlip, true, false);
        break;
    case SlipAlignment::SameHeight:
        changed = MatchSize(model, primarySlip, false, true);
        break;
    case SlipAlignment::SameSize:
        changed = MatchSize(model, primarySlip, true, true);
        break;
    }
    if (hooks.refreshNow)
        hooks.refreshNow();
    if (changed && hooks.markModified)
        hooks.markModified();
    return true;
}

} // namespace tavelin
