#pragma once
// A full document for the geo benchmarks: 10000 nodes spread over `layers`
// layers in storage order, every third node timed, every fifth with a note.

#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <cstring>

namespace tavelin::bench
{

inline void FillModel(RouteModel& model, int layers)
{
    model.Allocate();
    DocHeader& h = model.header;
    h.mapWidth = 8000;
    h.mapHeight = 6000;
    h.mapWidthMetres = 72877;
    h.mapHeightMetres = 66719;
    h.westLon = 135.0f;
    h.eastLon = 135.8f;
    h.northLat = 35.6f;
    h.southLat = 35.0f;
    model.layerCount = layers;
    for (int i = 0; i < layers; ++i) {
        model.layers[i] = LayerRec{};
        model.layers[i].baseTime = 36925.5 + i;
    }
    model.slipCount = 1;
    std::memset(&model.slips[0], 0, sizeof(SlipRec));
    cp932::CopyToField(model.slips[0].text, SlipTextBytes, "Station square\r\nlunch break");
    const int perLayer = MaxNodes / layers;
    model.nodeCount = MaxNodes;
    for (int i = 0; i < MaxNodes; ++i) {
        NodeRec& n = model.nodes[i];
        n = NodeRec{};
        const int step = i % perLayer;
        n.layer = std::uint16_t(i / perLayer);
        n.x = (step * 37) % h.mapWidth;
        n.y = (step * 53 + i / perLayer) % h.mapHeight;
        n.noteSlip = i % 5 == 0 ? 0 : -1;
        if (step % 3 == 0) {
            n.arrival = step * 600 + 1;
            n.departure = n.arrival + 300;
        }
    }
}

} // namespace tavelin::bench
