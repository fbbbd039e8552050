#include "editors/NodeTimesValues.h"

#include "model/RouteModel.h"

#include <limits>

namespace tavelin
{

namespace
{

// 2,147,483,647 itself is refused too, as it always was.
bool OffsetTooLarge(std::int64_t offset)
{
    return offset >= std::numeric_limits<std::int32_t>::max() ||
           offset < std::numeric_limits<std::int32_t>::min();
}

} // namespace

int NodePositionInLayer(const RouteModel& model, int node)
{
    if (!model.nodes || node < 0 || node >= model.nodeCount)
        return -1;
    const std::uint16_t layer = model.nodes[node].layer;
    int position = 0;
    for (int i = 0; i < node; ++i)
        if (model.nodes[i].layer == layer)
            ++position;
    return position;
}

NodeTimesValues NodeTimesValues::FromModel(const RouteModel& model, int node)
{
    NodeTimesValues v;
    if (!model.nodes || node < 0 || node >= model.nodeCount)
        return v;
    const NodeRec& n = model.nodes[node];
    if (n.layer < model.layerCount) {
        const LayerRec& layer = model.layers[n.layer];
        v.base = {layer.baseTime, layer.baseTimeStatus};
    } else {
        v.base = {0.0, DateTimeInvalid};
    }
    for (int i = 0; i < node; ++i) {
        const NodeRec& earlier = model.nodes[i];
        if (earlier.layer == n.layer && earlier.departure > 0)
            v.previousOffset = earlier.departure;
    }
    v.arrival = n.arrival;
    v.departure = n.departure;
    return v;
}

OleDateTime NodeTimesValues::previousSetTime() const
{
    return AddSeconds(base, previousOffset);
}

NodeTimesCheck NodeTimesValues::check(bool timed, const PickerDateTime& arrivalPicked,
                                      const PickerDateTime& departurePicked) const
{
    NodeTimesCheck result;
    if (!timed)
        return result;

    // The pickers hold whole seconds and P is shown to the second, so the
    // order is judged in whole seconds: an arrival shown equal to P is
    // accepted whatever fraction the base carries.
    const OleDateTime a = FromPicker(arrivalPicked);
    const OleDateTime p = previousSetTime();
    if (!a.isValid() || !p.isValid() || !base.isValid()) {
        result.problem = NodeTimesProblem::ArrivalOutOfRange;
        return result;
    }
    if (OleDateToSeconds(a.date) < OleDateToSeconds(p.date)) {
        result.problem = NodeTimesProblem::BeforePrevious;
        return result;
    }
    const std::int64_t arrivalOffset = DiffSeconds(a.date, base.date);
    if (OffsetTooLarge(arrivalOffset)) {
        result.problem = NodeTimesProblem::ArrivalOutOfRange;
        return result;
    }
    if (arrivalOffset == 0) {
        result.problem = NodeTimesProblem::ArrivalAtBase;
        return result;
    }

    const OleDateTime d = FromPicker(departurePicked);
    if (!d.isValid()) {
        result.problem = NodeTimesProblem::DepartureOutOfRange;
        result.focus = NodeTimesField::DepartureDate;
        return result;
    }
    if (OleDateToSeconds(d.date) < OleDateToSeconds(a.date)) {
        // The arrival date picker, as this check always pointed the user
        // back to the arrival.
        result.problem = NodeTimesProblem::DepartureBeforeArrival;
        return result;
    }
    const std::int64_t departureOffset = DiffSeconds(d.date, base.date);
    if (OffsetTooLarge(departureOffset)) {
        result.problem = NodeTimesProblem::DepartureOutOfRange;
        result.focus = NodeTimesField::DepartureDate;
        return result;
    }
    result.arrival = std::int32_t(arrivalOffset);
    result.departure = std::int32_t(departureOffset);
    return result;
}

} // namespace tavelin
