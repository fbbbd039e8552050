#pragma once
// A small document for the list area tests: a 1000 x 1000 px map of
// 1000 m, layers added the way the program adds them, nodes placed by the
// test, and a copy of everything a refused operation must leave alone.

#include "listarea/LayerOperations.h"
#include "listarea/LayerTabs.h"
#include "model/RouteModel.h"
#include "platform/Messages.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace tavelin::test
{

// 2000-01-01 00:00:00 plus hours, as OLE dates count.
double BaseAt(double hours);

class ListFixture
{
public:
    ListFixture();

    // A layer at the end of the tab row; its index.
    int addLayer(const QString& name, double baseHours = 0.0);
    // Copies of layer 0 at the end of the tab row up to `count` layers
    // (quicker than adding them one by one, for the capacity cases).
    void fillLayers(int count);
    int addNode(int layer, int x, int y, int arrival = 0, int departure = 0);
    // Builds the tabs from the layers, as an opened document does.
    void buildTabs() { operations.BuildTabs(); }

    QString layerName(int layer) const;
    // The captions of the tab row, left to right.
    QStringList captions() const;
    // The layer names in tab order.
    QStringList namesInTabOrder() const;

    // Tab positions are 0 … layerCount - 1, the tabs show the layers in
    // that order, and the current layer's tab is selected.
    ::testing::AssertionResult tabsInStep() const;

    // Everything an operation may change, to compare before and after.
    struct Snapshot {
        QByteArray layers, nodes;
        int layerCount = 0, nodeCount = 0, currentLayer = 0;
        QStringList captions;
        int selectedTab = -1;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const;

    ScriptedMessages messages;
    RouteModel model;
    LayerTabs tabs;
    LayerOperations operations{model, tabs};
    // Calls of the hooks and list callbacks.
    int refreshes = 0, modified = 0, listRebuilds = 0, listEmptied = 0, discarded = 0;
    std::vector<int> selectedLayers;
};

} // namespace tavelin::test
