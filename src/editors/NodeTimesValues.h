#pragma once
// The working values of the node properties (CProNode) without its window:
// the layer's base date-time, the previous set date-time P, the node's
// offsets, and the checks that turn the pickers' date-times back into
// offsets in seconds from the base.

#include "editors/PickerDateTime.h"
#include "geo/OleDate.h"

#include <cstdint>

namespace tavelin
{

struct RouteModel;

// The node's place among the nodes of its layer (0 for the start node), or
// -1 for an index that names no node.
int NodePositionInLayer(const RouteModel& model, int node);

// What OK finds wrong first; each but Ok keeps the dialog open.
enum class NodeTimesProblem {
    Ok,
    BeforePrevious,         // 30016: arrival before P
    ArrivalOutOfRange,      // 30006: arrival offset beyond 32 bits
    ArrivalAtBase,          // 31300: offset 0 would read as "no time"
    DepartureBeforeArrival, // 30024
    DepartureOutOfRange,    // 30006
};

// Which picker gets the focus after a problem.
enum class NodeTimesField { ArrivalDate, DepartureDate };

struct NodeTimesCheck {
    NodeTimesProblem problem = NodeTimesProblem::Ok;
    NodeTimesField focus = NodeTimesField::ArrivalDate;
    std::int32_t arrival = 0;
    std::int32_t departure = 0;
};

struct NodeTimesValues {
    OleDateTime base;                // the layer's base date-time
    std::int32_t previousOffset = 0; // departure of the nearest earlier node that has one
    std::int32_t arrival = 0;        // 0: not set
    std::int32_t departure = 0;

    static NodeTimesValues FromModel(const RouteModel& model, int node);

    // P: base + previous offset.
    OleDateTime previousSetTime() const;
    OleDateTime arrivalTime() const { return AddSeconds(base, arrival); }
    OleDateTime departureTime() const { return AddSeconds(base, departure); }

    // The offsets of the pickers' date-times: with `timed` clear both 0.
    // Times are compared and subtracted in whole seconds at their true
    // position in time, rounded half away from zero.
    NodeTimesCheck check(bool timed, const PickerDateTime& arrivalPicked,
                         const PickerDateTime& departurePicked) const;
};

} // namespace tavelin
