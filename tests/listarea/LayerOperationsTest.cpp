// The layer operations on small documents: every change keeps the tab
// positions and tabs in step, every refusal leaves everything as it was.
#include "ListFixture.h"

#include "geo/OleDate.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

std::int64_t SecondsBetween(double later, double earlier)
{
    return DiffSeconds(later, earlier);
}

// Layer 0 "A" based at 0 h with four nodes; node 2 departs 3600 s after the
// base, node 3 is timed, node 4 untimed.
struct FourNodes : ListFixture {
    FourNodes()
    {
        model.layers[0].baseTime = BaseAt(0);
        operations.RenameLayer(0, QStringLiteral("A"));
        n1 = addNode(0, 10, 10, 0, 0);
        n2 = addNode(0, 20, 10, 3000, 3600);
        n3 = addNode(0, 30, 10, 5000, 5400);
        n4 = addNode(0, 40, 10, 0, 0);
        modified = 0;
    }
    int n1, n2, n3, n4;
};

} // namespace

TEST(LayerOperations, SplitAfterTheSecondOfFourNodes)
{
    FourNodes f;
    const int other = f.addLayer(QStringLiteral("B"));
    f.buildTabs();
    ASSERT_TRUE(f.operations.SplitLayerAfterNode(1));

    ASSERT_EQ(f.model.layerCount, 3);
    const int added = 2;
    EXPECT_EQ(f.layerName(added), QStringLiteral("A (1)"));
    EXPECT_EQ(SecondsBetween(f.model.layers[added].baseTime, f.model.layers[0].baseTime), 3600);
    EXPECT_EQ(f.model.header.currentLayer, added);
    EXPECT_EQ(f.namesInTabOrder(), (QStringList{"A", "A (1)", "B"}));
    EXPECT_EQ(f.model.layers[other].tabIndex, 2);
    for (int n : {f.n1, f.n2})
        EXPECT_EQ(f.model.nodes[n].layer, 0);
    for (int n : {f.n3, f.n4})
        EXPECT_EQ(f.model.nodes[n].layer, added);
    EXPECT_EQ(f.model.nodes[f.n3].arrival, 5000 - 3600);
    EXPECT_EQ(f.model.nodes[f.n3].departure, 5400 - 3600);
    EXPECT_EQ(f.model.nodes[f.n4].arrival, 0); // untimed: offsets kept
    EXPECT_EQ(f.model.nodes[f.n4].departure, 0);
    EXPECT_EQ(f.model.nodes[f.n2].departure, 3600);
    EXPECT_TRUE(f.tabsInStep());
    EXPECT_EQ(f.refreshes, 1);
    EXPECT_EQ(f.modified, 1);
    EXPECT_EQ(f.listRebuilds, 1);
    EXPECT_TRUE(f.messages.records.empty());
}

TEST(LayerOperations, SplitRefusals)
{
    struct Case {
        const char* what;
        int row;
        int fillLayersTo;
        int nodeDeparture; // of the chosen node
        int message;
    };
    const Case cases[] = {
        {"after the last node", 3, 0, 3600, 0},
        {"with the layers full", 1, MaxLayers, 3600, 30009},
        {"a shift beyond the offsets", 1, 0, -2000000000, 30006},
    };
    for (const Case& c : cases) {
        FourNodes f;
        f.model.nodes[f.n2].departure = c.nodeDeparture;
        f.model.nodes[f.n3].arrival = 2000000000;
        f.fillLayers(c.fillLayersTo);
        f.buildTabs();
        const auto before = f.snapshot();
        f.messages.clear();
        EXPECT_FALSE(f.operations.SplitLayerAfterNode(c.row)) << c.what;
        EXPECT_TRUE(f.snapshot() == before) << c.what;
        EXPECT_EQ(f.messages.ids(), c.message ? std::vector<int>{c.message} : std::vector<int>{})
            << c.what;
        EXPECT_EQ(f.modified, 0) << c.what;
    }
}

TEST(LayerOperations, NewLayerFromTheLastNode)
{
    FourNodes f;
    f.model.nodes[f.n4].arrival = 7000;
    f.model.nodes[f.n4].departure = 7200;
    f.model.header.zoom = 0.3f; // the new node must not move with the zoom
    f.model.nodes[f.n4].x = 3;
    f.model.nodes[f.n4].y = 7;
    ASSERT_TRUE(f.operations.NewLayerFromNode(3));

    ASSERT_EQ(f.model.layerCount, 2);
    EXPECT_EQ(f.model.header.currentLayer, 1);
    EXPECT_EQ(f.layerName(1), QStringLiteral("A (1)"));
    EXPECT_EQ(SecondsBetween(f.model.layers[1].baseTime, f.model.layers[0].baseTime), 7200);
    ASSERT_EQ(f.model.nodeCount, 5);
    const NodeRec& start = f.model.nodes[4];
    EXPECT_EQ(start.layer, 1);
    EXPECT_EQ(std::make_tuple(start.x, start.y, start.arrival, start.departure),
              std::make_tuple(3, 7, 0, 0));
    EXPECT_EQ(f.namesInTabOrder(), (QStringList{"A", "A (1)"}));
    EXPECT_TRUE(f.tabsInStep());
    EXPECT_EQ(f.listRebuilds, 1);
}

TEST(LayerOperations, NewLayerFromNodeRefusals)
{
    struct Case {
        const char* what;
        int row;
        bool lastTimed;
        bool nodesFull;
        bool appendRefused;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"not the last node", 2, true, false, false, {}},
        {"the last node without departure", 3, false, false, false, {30030}},
        {"the nodes full", 3, true, true, false, {30055}},
        {"the node refused by the map", 3, true, false, true, {}},
    };
    for (const Case& c : cases) {
        FourNodes f;
        f.addLayer(QStringLiteral("B"));
        f.buildTabs();
        if (c.lastTimed)
            f.model.nodes[f.n4].arrival = 7000;
        if (c.nodesFull)
            while (f.model.nodeCount < MaxNodes)
                f.addNode(1, 0, 0); // layer B's
        if (c.appendRefused)
            f.operations.hooks.appendNode = [](QPoint) { return -1; };
        const auto before = f.snapshot();
        EXPECT_FALSE(f.operations.NewLayerFromNode(c.row)) << c.what;
        EXPECT_TRUE(f.snapshot() == before) << c.what;
        EXPECT_TRUE(f.tabsInStep()) << c.what;
        EXPECT_EQ(f.messages.ids(), c.messages) << c.what;
        if (!c.messages.empty() && c.messages.front() == 30030)
            EXPECT_EQ(f.messages.records.front().style, MessageStyle::Information);
    }
}

TEST(LayerOperations, MergeShiftsByTheDifferenceOfTheBases)
{
    ListFixture f;
    f.operations.RenameLayer(0, QStringLiteral("P"));
    f.model.layers[0].baseTime = BaseAt(1);
    const int p1 = f.addNode(0, 10, 10);
    const int p2 = f.addNode(0, 20, 10, 1800, 3600); // ends 1 h after P's base
    // The current layer sits before P in the array once P is moved behind
    // it, so P's index changes when the current layer's record goes.
    const int c = f.addLayer(QStringLiteral("C"), 3);
    std::swap(f.model.layers[0], f.model.layers[c]);
    std::swap((*f.model.iconPictures)[0], (*f.model.iconPictures)[c]);
    for (int n : {p1, p2})
        f.model.nodes[n].layer = 1;
    f.model.layers[0].tabIndex = 1; // C
    f.model.layers[1].tabIndex = 0; // P
    const int c1 = f.addNode(0, 30, 10);
    const int c2 = f.addNode(0, 40, 10, 600, 900);
    const int c3 = f.addNode(0, 50, 10); // untimed
    f.model.header.currentLayer = 0;
    f.buildTabs();

    ASSERT_TRUE(f.operations.MergeIntoPreviousLayer());
    ASSERT_EQ(f.model.layerCount, 1);
    EXPECT_EQ(f.layerName(0), QStringLiteral("P"));
    EXPECT_EQ(f.model.header.currentLayer, 0);
    for (int n : {p1, p2, c1, c2, c3})
        EXPECT_EQ(f.model.nodes[n].layer, 0) << n;
    EXPECT_EQ(f.model.nodes[c2].arrival, 600 + 7200);
    EXPECT_EQ(f.model.nodes[c2].departure, 900 + 7200);
    EXPECT_EQ(f.model.nodes[c1].arrival, 0);
    EXPECT_EQ(f.model.nodes[c3].departure, 0);
    EXPECT_EQ(f.model.nodes[p2].arrival, 1800);
    EXPECT_EQ(f.captions(), QStringList{"P"});
    EXPECT_TRUE(f.tabsInStep());
    EXPECT_EQ(f.discarded, 1);
    EXPECT_EQ(f.listRebuilds, 1);
    EXPECT_EQ(f.messages.ids(), std::vector<int>{30025});
}

TEST(LayerOperations, MergeRefusals)
{
    struct Case {
        const char* what;
        int previousNodes; // 0, or 2 with the end's times below
        int endArrival, endDeparture;
        double currentBaseHours; // the previous layer is based at 0 h
        int answer;
        bool onFirstTab;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"the previous layer ends later", 2, 3600, 7201, 2, IDYES, false, {30025, 30037}},
        {"the previous end has no arrival", 2, 0, 0, 2, IDYES, false, {30025, 30034}},
        {"the previous layer has no nodes", 0, 0, 0, 2, IDYES, false, {30025, 30034}},
        {"answered No", 2, 3600, 3600, 2, IDNO, false, {30025}},
        {"the first tab", 2, 3600, 3600, 2, IDYES, true, {30025}},
        {"times beyond the offsets", 2, 3600, 3600, 24.0 * 365 * 80, IDYES, false, {30025, 30006}},
    };
    for (const Case& c : cases) {
        ListFixture f;
        f.model.layers[0].baseTime = BaseAt(0);
        if (c.previousNodes) {
            f.addNode(0, 10, 10);
            f.addNode(0, 20, 10, c.endArrival, c.endDeparture);
        }
        const int current = f.addLayer(QStringLiteral("C"), c.currentBaseHours);
        f.addNode(current, 30, 30);
        f.addNode(current, 40, 30, 100, 200);
        if (c.onFirstTab)
            std::swap(f.model.layers[0].tabIndex, f.model.layers[current].tabIndex);
        f.model.header.currentLayer = std::uint16_t(current);
        f.buildTabs();
        f.messages.queueAnswer(c.answer);
        const auto before = f.snapshot();
        EXPECT_FALSE(f.operations.MergeIntoPreviousLayer()) << c.what;
        EXPECT_TRUE(f.snapshot() == before) << c.what;
        EXPECT_EQ(f.messages.ids(), c.messages) << c.what;
        EXPECT_EQ(f.modified, 0) << c.what;
    }
}

TEST(LayerOperations, MergeAcceptsAnEndExactlyAtTheBase)
{
    ListFixture f;
    f.model.layers[0].baseTime = BaseAt(0);
    f.addNode(0, 10, 10);
    f.addNode(0, 20, 10, 3000, 7200);
    const int current = f.addLayer(QStringLiteral("C"), 2);
    f.model.header.currentLayer = std::uint16_t(current);
    f.buildTabs();
    EXPECT_TRUE(f.operations.MergeIntoPreviousLayer());
    EXPECT_EQ(f.model.layerCount, 1);
}

TEST(LayerOperations, DeleteTheOnlyOtherLayer)
{
    ListFixture f;
    const int keep0 = f.addNode(0, 10, 10);
    const int b = f.addLayer(QStringLiteral("B"));
    f.addNode(b, 20, 20);
    const int c = f.addLayer(QStringLiteral("C"));
    const int cNode = f.addNode(c, 30, 30);
    f.model.header.currentLayer = std::uint16_t(b);
    f.buildTabs();
    int primary = cNode;
    f.operations.hooks.primaryNode = [&] { return primary; };
    f.operations.hooks.setPrimaryNode = [&](int node) { primary = node; };

    ASSERT_TRUE(f.operations.DeleteLayerCommand(1));
    EXPECT_EQ(f.messages.records.front().id, 30053);
    EXPECT_EQ(f.messages.records.front().prefix, QStringLiteral("B\n"));
    EXPECT_EQ(f.model.layerCount, 2);
    EXPECT_EQ(f.model.header.currentLayer, 0); // the layer before the removed one
    ASSERT_EQ(f.model.nodeCount, 2);
    EXPECT_EQ(f.model.nodes[0].x, f.model.nodes[keep0].x);
    EXPECT_EQ(f.model.nodes[1].layer, 1); // C's node follows its layer down
    EXPECT_EQ(primary, 1);
    EXPECT_EQ(f.namesInTabOrder(), (QStringList{QStringLiteral("レイヤー1"), "C"}));
    EXPECT_TRUE(f.tabsInStep());
    EXPECT_EQ(f.discarded, 1);

    ASSERT_TRUE(f.operations.DeleteLayerCommand(0));
    EXPECT_EQ(f.model.layerCount, 1);
    EXPECT_EQ(f.model.header.currentLayer, 0);
    EXPECT_EQ(f.layerName(0), QStringLiteral("C"));
    ASSERT_EQ(f.model.nodeCount, 1);
    EXPECT_EQ(f.model.nodes[0].layer, 0);
    EXPECT_TRUE(f.tabsInStep());

    // The last layer stays.
    const auto before = f.snapshot();
    EXPECT_FALSE(f.operations.DeleteLayerCommand(0));
    EXPECT_TRUE(f.snapshot() == before);
}

TEST(LayerOperations, DeleteAnsweredNoChangesNothing)
{
    ListFixture f;
    f.addLayer(QStringLiteral("B"));
    f.buildTabs();
    f.messages.queueAnswer(IDNO);
    const auto before = f.snapshot();
    EXPECT_FALSE(f.operations.DeleteLayerCommand(1));
    EXPECT_TRUE(f.snapshot() == before);
    EXPECT_EQ(f.discarded, 0);
}

TEST(LayerOperations, ExchangeTheFirstTabWithTheNext)
{
    ListFixture f;
    const int a = 0;
    f.operations.RenameLayer(0, QStringLiteral("A"));
    const int aNode = f.addNode(a, 10, 10);
    const int b = f.addLayer(QStringLiteral("B"));
    const int bNode = f.addNode(b, 20, 20);
    f.buildTabs();
    f.modified = 0;

    EXPECT_FALSE(f.operations.ExchangeTabs(0, -1)); // no tab before the first
    ASSERT_TRUE(f.operations.ExchangeTabs(0, +1));
    EXPECT_EQ(f.captions(), (QStringList{"B", "A"}));
    EXPECT_EQ(f.model.nodes[aNode].layer, a);
    EXPECT_EQ(f.model.nodes[bNode].layer, b);
    EXPECT_EQ(f.model.header.currentLayer, a);
    EXPECT_EQ(f.tabs.selected(), 1); // the moved layer's tab
    EXPECT_TRUE(f.tabsInStep());
    EXPECT_EQ(f.modified, 1);
}

TEST(LayerOperations, NewLayerBeforeTheFirstTab)
{
    ListFixture f;
    f.addLayer(QStringLiteral("B"));
    f.buildTabs();
    ASSERT_TRUE(f.operations.NewLayerAtTab(0, QStringLiteral("N")));
    EXPECT_EQ(f.namesInTabOrder(), (QStringList{"N", QStringLiteral("レイヤー1"), "B"}));
    EXPECT_EQ(f.model.header.currentLayer, 2);
    EXPECT_EQ(f.tabs.selected(), 0);
    EXPECT_EQ(f.listEmptied, 1);
    EXPECT_EQ(f.modified, 1);
    EXPECT_TRUE(f.tabsInStep());

    // After the last tab, through the full-capacity refusal.
    ASSERT_TRUE(f.operations.NewLayerAtTab(3, QStringLiteral("Z")));
    EXPECT_EQ(f.namesInTabOrder().back(), QStringLiteral("Z"));
    f.fillLayers(MaxLayers);
    f.buildTabs();
    const auto before = f.snapshot();
    EXPECT_FALSE(f.operations.NewLayerAtTab(0, QStringLiteral("X")));
    EXPECT_TRUE(f.snapshot() == before);
    EXPECT_EQ(f.messages.ids(), std::vector<int>{30009});
}

TEST(LayerOperations, CaptionsAreCutToWholeCharacters)
{
    ListFixture f;
    const QString name = QStringLiteral("あいうえおか"); // 12 bytes
    ASSERT_TRUE(f.operations.RenameLayer(0, name));
    EXPECT_EQ(f.layerName(0), name);
    EXPECT_EQ(f.tabs.caption(0), QStringLiteral("あいうえお…"));
    f.operations.SetCaptionLength(12);
    EXPECT_EQ(f.tabs.caption(0), name);
    f.operations.SetCaptionLength(1); // below the range: 4 bytes
    EXPECT_EQ(f.tabs.caption(0), QStringLiteral("あい…"));

    // Renaming cuts the stored name to 100 bytes.
    ASSERT_TRUE(f.operations.RenameLayer(0, QString(60, QChar(u'あ'))));
    EXPECT_EQ(f.layerName(0), QString(50, QChar(u'あ')));
}

TEST(LayerOperations, DamagedTabPositionsAreRenumberedInTheirOrder)
{
    ListFixture f;
    f.operations.RenameLayer(0, QStringLiteral("A"));
    f.addLayer(QStringLiteral("B"));
    f.addLayer(QStringLiteral("C"));
    f.model.layers[0].tabIndex = 7;
    f.model.layers[1].tabIndex = 7;
    f.model.layers[2].tabIndex = -3;
    f.buildTabs();
    EXPECT_EQ(f.captions(), (QStringList{"C", "A", "B"}));
    EXPECT_TRUE(f.tabsInStep());
}

TEST(LayerOperations, TabClicksAndVisibility)
{
    ListFixture f;
    const int b = f.addLayer(QStringLiteral("B"));
    f.buildTabs();
    EXPECT_FALSE(f.operations.ClickTab(0)); // already current
    EXPECT_FALSE(f.operations.ClickTab(5));
    EXPECT_EQ(f.listRebuilds, 0);
    ASSERT_TRUE(f.operations.ClickTab(1));
    EXPECT_EQ(f.model.header.currentLayer, b);
    EXPECT_EQ(f.tabs.selected(), 1);
    EXPECT_EQ(f.listRebuilds, 1);
    EXPECT_EQ(f.modified, 1);

    f.operations.HideAllButCurrent();
    EXPECT_EQ(f.model.layers[0].visible, 0);
    EXPECT_EQ(f.model.layers[b].visible, 1);
    f.operations.ToggleCurrentVisible();
    EXPECT_EQ(f.model.layers[b].visible, 0);
    f.operations.SelectCurrentLayerNodes(true); // hidden: nothing selected
    EXPECT_TRUE(f.selectedLayers.empty());
    f.operations.SelectCurrentLayerNodes(false); // the menu item selects anyway
    EXPECT_EQ(f.selectedLayers, std::vector<int>{b});
    f.operations.ShowAllLayers();
    EXPECT_EQ(f.model.layers[0].visible + f.model.layers[b].visible, 2);
    EXPECT_EQ(f.refreshes, 3);
}
