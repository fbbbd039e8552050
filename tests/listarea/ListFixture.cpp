#include "ListFixture.h"

#include "geo/OleDate.h"
#include "platform/Cp932.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tavelin::test
{

double BaseAt(double hours)
{
    std::int32_t status = 0;
    return OleDateFromParts(2000, 1, 1, 0, 0, 0, &status) + hours / 24.0;
}

ListFixture::ListFixture()
{
    ResetSettings();
    model.Allocate();
    model.ResetForNewDocument();
    DocHeader& h = model.header;
    h.hasMap = 1;
    h.mapWidth = h.mapHeight = 1000;
    h.mapWidthMetres = h.mapHeightMetres = 1000;
    h.westLon = 135.0f;
    h.eastLon = 136.0f;
    h.northLat = 36.0f;
    h.southLat = 35.0f;
    // The new document's layer is renamed by the tests that need it.
    operations.hooks.refreshNow = [this] { ++refreshes; };
    operations.hooks.markModified = [this] { ++modified; };
    operations.hooks.discardEditBuffers = [this] { ++discarded; };
    operations.hooks.selectLayerNodes = [this](int layer) { selectedLayers.push_back(layer); };
    operations.refreshNodeList = [this] { ++listRebuilds; };
    operations.emptyNodeList = [this] { ++listEmptied; };
    buildTabs();
}

int ListFixture::addLayer(const QString& name, double baseHours)
{
    const int current = model.header.currentLayer;
    model.AddLayer(model.layerCount, QStringLiteral("20000101000000"), name);
    const int index = model.layerCount - 1;
    model.layers[index].baseTime = BaseAt(baseHours);
    model.header.currentLayer = std::uint16_t(current);
    return index;
}

void ListFixture::fillLayers(int count)
{
    while (model.layerCount < count) {
        const int i = model.layerCount++;
        model.layers[i] = model.layers[0];
        model.layers[i].tabIndex = i;
        cp932::CopyToField(model.layers[i].name, LayerNameBytes, "L");
    }
}

int ListFixture::addNode(int layer, int x, int y, int arrival, int departure)
{
    NodeRec& n = model.nodes[model.nodeCount];
    n = NodeRec{};
    n.layer = std::uint16_t(layer);
    n.noteSlip = -1;
    n.x = x;
    n.y = y;
    n.arrival = arrival;
    n.departure = departure;
    return model.nodeCount++;
}

QString ListFixture::layerName(int layer) const
{
    return cp932::DecodeField(model.layers[layer].name, LayerNameBytes + 1);
}

QStringList ListFixture::captions() const
{
    QStringList list;
    for (int p = 0; p < tabs.count(); ++p)
        list << tabs.caption(p);
    return list;
}

QStringList ListFixture::namesInTabOrder() const
{
    QStringList list;
    for (int p = 0; p < model.layerCount; ++p)
        list << layerName(operations.LayerAtTab(p));
    return list;
}

::testing::AssertionResult ListFixture::tabsInStep() const
{
    std::vector<int> seen(std::size_t(model.layerCount), 0);
    for (int i = 0; i < model.layerCount; ++i) {
        const int p = model.layers[i].tabIndex;
        if (p < 0 || p >= model.layerCount || seen[std::size_t(p)]++)
            return ::testing::AssertionFailure() << "layer " << i << " has tab position " << p;
    }
    if (tabs.count() != model.layerCount)
        return ::testing::AssertionFailure()
               << tabs.count() << " tabs for " << model.layerCount << " layers";
    for (int p = 0; p < tabs.count(); ++p)
        if (tabs.caption(p) != operations.CaptionOf(operations.LayerAtTab(p)))
            return ::testing::AssertionFailure()
                   << "tab " << p << " shows " << tabs.caption(p).toStdString();
    if (tabs.selected() != operations.currentTab())
        return ::testing::AssertionFailure()
               << "tab " << tabs.selected() << " selected, current " << operations.currentTab();
    return ::testing::AssertionSuccess();
}

ListFixture::Snapshot ListFixture::snapshot() const
{
    Snapshot s;
    s.layers = QByteArray(reinterpret_cast<const char*>(model.layers.get()),
                          int(sizeof(LayerRec)) * model.layerCount);
    s.nodes = QByteArray(reinterpret_cast<const char*>(model.nodes.get()),
                         int(sizeof(NodeRec)) * model.nodeCount);
    s.layerCount = model.layerCount;
    s.nodeCount = model.nodeCount;
    s.currentLayer = model.header.currentLayer;
    s.captions = captions();
    s.selectedTab = tabs.selected();
    return s;
}

} // namespace tavelin::test
