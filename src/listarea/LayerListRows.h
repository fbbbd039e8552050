#pragma once
// The texts of the layer list: one row per layer (number, name, base
// date-time, the last node's arrival and departure, route length, total
// time, node and slip counts, shown or hidden), then the totals row "合計".

#include <QString>
#include <array>
#include <vector>

namespace tavelin
{

struct RouteModel;

enum class LayerListColumn : int {
    Number,
    Name,
    BaseTime,
    LastArrival,
    LastDeparture,
    Distance,
    TotalTime,
    NodeCount,
    SlipCount,
    Shown,
};
constexpr int LayerListColumnCount = 10;

using LayerListTexts = std::array<QString, LayerListColumnCount>;

// "No", "レイヤー名", … "表示".
QString LayerListTitle(int column);

// Rows for layers 0 … layerCount - 1 in array order and the totals row
// last, in the node list's date, distance and time formats. A layer without
// nodes shows only its number, name and base date-time and counts nothing.
// The route lengths are summed as whole metres; the total time sums the
// layers whose last node has an arrival.
std::vector<LayerListTexts> ComputeLayerList(const RouteModel& model, int dateFormat,
                                             int distanceFormat, int timeFormat);
// The same with "DateFormat", "KyoriFormat" and "TimeFormat" read afresh.
std::vector<LayerListTexts> ComputeLayerList(const RouteModel& model);

} // namespace tavelin
