#include "listarea/LayerListRows.h"

#include "geo/Formats.h"
#include "geo/Geodesy.h"
#include "geo/RouteRows.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <limits>

namespace tavelin
{

namespace
{

// What one pass over the nodes learns of a layer; the distance is summed
// as LayerDistance sums it.
struct LayerTally {
    int nodes = 0;
    int notes = 0;
    int lastNode = -1;
    std::int64_t distance = 0;
};

std::int32_t SaturatedMetres(std::int64_t metres)
{
    return std::int32_t(std::clamp<std::int64_t>(metres, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

QString LayerListTitle(int column)
{
    static const char* const Titles[LayerListColumnCount] = {
        "No",     "レイヤー名", "基点日時", "終点到着日時", "終点出発日時",
        "総距離", "総時間",     "ノード数", "付箋数",       "表示",
    };
    if (column < 0 || column >= LayerListColumnCount)
        return {};
    return QString::fromUtf8(Titles[column]);
}

std::vector<LayerListTexts> ComputeLayerList(const RouteModel& model, int dateFormat,
                                             int distanceFormat, int timeFormat)
{
    std::vector<LayerListTexts> rows;
    if (!model.isAllocated())
        return rows;
    const int layerCount = std::clamp(model.layerCount, 0, MaxLayers);
    std::vector<LayerTally> tally(static_cast<std::size_t>(layerCount));
    const MapScales scales = MetresPerPixel(model.header);
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& node = model.nodes[i];
        if (node.layer >= layerCount)
            continue;
        LayerTally& t = tally[node.layer];
        if (t.lastNode >= 0) {
            const NodeRec& previous = model.nodes[t.lastNode];
            t.distance +=
                NodeDistance(scales.mx, scales.my, node.x, node.y, previous.x, previous.y);
        }
        t.lastNode = i;
        ++t.nodes;
        if (node.noteSlip != -1)
            ++t.notes;
    }

    std::int64_t totalDistance = 0;
    std::int64_t totalTime = 0;
    std::int64_t totalNodes = 0;
    std::int64_t totalSlips = 0;
    rows.reserve(std::size_t(layerCount) + 1);
    for (int i = 0; i < layerCount; ++i) {
        const LayerRec& layer = model.layers[i];
        const OleDateTime base{layer.baseTime, layer.baseTimeStatus};
        LayerListTexts& row = rows.emplace_back();
        row[0] = QString::number(i + 1);
        row[1] = cp932::DecodeField(layer.name, LayerNameBytes + 1);
        row[2] = FormatDateTime(base, dateFormat);
        const LayerTally& t = tally[std::size_t(i)];
        if (t.lastNode < 0)
            continue;
        const NodeRec& last = model.nodes[t.lastNode];
        row[3] = FormatDateTime(AddSeconds(base, last.arrival), dateFormat);
        row[4] = FormatDateTime(AddSeconds(base, last.departure), dateFormat);
        const std::int32_t metres = SaturatedMetres(t.distance);
        row[5] = FormatDistance(metres, distanceFormat);
        totalDistance += metres;
        if (last.arrival > 0) {
            row[6] = FormatDurationSeconds(last.arrival, timeFormat);
            totalTime += last.arrival;
        }
        row[7] = QString::number(t.nodes);
        row[8] = QString::number(t.notes);
        totalNodes += t.nodes;
        totalSlips += t.notes;
        row[9] = layer.visible ? QStringLiteral("表示") : QStringLiteral("非表示");
    }
    LayerListTexts& totals = rows.emplace_back();
    totals[1] = QStringLiteral("合計");
    totals[5] = FormatDistance(totalDistance, distanceFormat);
    totals[6] = FormatDurationSeconds(totalTime, timeFormat);
    totals[7] = QString::number(totalNodes);
    totals[8] = QString::number(totalSlips);
    return rows;
}

std::vector<LayerListTexts> ComputeLayerList(const RouteModel& model)
{
    const ColumnSettings settings = ColumnSettings::Read();
    return ComputeLayerList(model, settings.dateFormat, settings.distanceFormat,
                            settings.timeFormat);
}

} // namespace tavelin
