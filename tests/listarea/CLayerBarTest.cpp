// The layer tab bar under the node list, clicked, hovered and right-clicked
// as a user would; names come from a scripted name dialog.
#include "ListFixture.h"

#include "listarea/CLayerBar.h"
#include "listarea/CLeftView.h"
#include "listarea/LayerMenuCommands.h"
#include "listarea/TipWindow.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

struct MenuScript {
    int choose = 0;
    int opened = 0;
    QPoint at;
    std::map<int, bool> enabled, checked, pictured;
    std::vector<int> order;

    MenuRunner runner()
    {
        return [this](QMenu& menu, const QPoint& pos) -> QAction* {
            ++opened;
            at = pos;
            order.clear();
            QAction* chosen = nullptr;
            for (QAction* a : menu.actions()) {
                if (a->isSeparator())
                    continue;
                const int id = a->data().toInt();
                order.push_back(id);
                enabled[id] = a->isEnabled();
                checked[id] = a->isChecked();
                pictured[id] = !a->icon().isNull();
                if (id == choose)
                    chosen = a;
            }
            return chosen;
        };
    }
};

// Layers "A" (two nodes) and "B" (one node) under a 400-pixel-wide list.
struct BarFixture : ListFixture {
    BarFixture()
    {
        operations.RenameLayer(0, QStringLiteral("A"));
        addNode(0, 10, 10);
        addNode(0, 20, 10);
        const int b = addLayer(QStringLiteral("B"));
        addNode(b, 30, 30);
        ListAreaHooks hooks;
        hooks.selectLayerNodes = [this](int layer) { selectedLayers.push_back(layer); };
        hooks.markModified = [this] { ++modified; };
        view.SetHooks(hooks);
        bar().menuRunner = menu.runner();
        bar().askName = [this](const QString& name, QPoint point, QWidget*) {
            askedWith = name;
            askedAt = point;
            return answer;
        };
        view.resize(400, 240);
        view.show();
        view.InitialUpdate(true);
        QApplication::processEvents();
        modified = 0;
    }
    CLayerBar& bar() { return *view.layerBar(); }
    QPoint tab(int position) { return bar().TabRect(position).center(); }
    void rightClick(QPoint at) { QTest::mouseClick(&bar(), Qt::RightButton, {}, at); }
    // The press and release that come first, then the double click.
    void doubleClick(QPoint at)
    {
        QTest::mouseClick(&bar(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(&bar(), Qt::LeftButton, {}, at);
    }

    CLeftView view{model};
    MenuScript menu;
    std::optional<QString> answer;
    QString askedWith;
    QPoint askedAt;
};

} // namespace

TEST(CLayerBar, CaptionsAreCutAndTheTooltipShowsTheWholeName)
{
    BarFixture f;
    const QString name = QStringLiteral("あいうえおか");
    f.view.layerOperations().RenameLayer(1, name);
    EXPECT_EQ(f.view.layerTabs().caption(1), QStringLiteral("あいうえお…"));

    const QPoint at = f.tab(1);
    QHelpEvent event(QEvent::ToolTip, at, f.bar().mapToGlobal(at));
    QApplication::sendEvent(&f.bar(), &event);
    TipWindow* tip = f.bar().tip();
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), name);
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(tip->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(tip->contentsMargins(), QMargins(2, 2, 2, 2));

    // Moving onto another tab closes it.
    QTest::mouseMove(&f.bar(), f.tab(0));
    EXPECT_FALSE(tip->isVisible());
}

TEST(CLayerBar, TabsAreColouredByVisibility)
{
    BarFixture f;
    f.model.layers[1].visible = 0;
    f.view.layerTabs().Repaint();
    const QImage image = f.bar().grab().toImage();
    auto inside = [&](int position) {
        const QRect r = f.bar().TabRect(position);
        return QColor(image.pixel(r.right() - 2, r.bottom() - 2));
    };
    EXPECT_EQ(inside(0), QColor(255, 255, 0));   // visible: yellow
    EXPECT_EQ(inside(1), QColor(192, 192, 192)); // hidden: grey
}

TEST(CLayerBar, ClicksSwitchLayersAndDoubleClicksSelectVisibleOnes)
{
    BarFixture f;
    QTest::mouseClick(&f.bar(), Qt::LeftButton, {}, f.tab(1));
    EXPECT_EQ(f.model.header.currentLayer, 1);
    EXPECT_EQ(f.view.listModel().rowCount(), 2);
    EXPECT_EQ(f.view.layerTabs().selected(), 1);
    EXPECT_EQ(f.modified, 1);

    f.doubleClick(f.tab(0));
    EXPECT_EQ(f.selectedLayers, std::vector<int>{0});
    f.model.layers[1].visible = 0;
    f.doubleClick(f.tab(1));
    EXPECT_EQ(f.model.header.currentLayer, 1);
    EXPECT_EQ(f.selectedLayers, std::vector<int>{0}); // the hidden layer selects nothing
}

TEST(CLayerBar, TabMenuItemsAndTheirRules)
{
    BarFixture f;
    f.model.header.hasMap = 0;
    f.bar().SetHandler(ID_LAYER_IMPORT_BEFORE, [] {});
    f.rightClick(f.tab(0));
    EXPECT_EQ(f.menu.opened, 1);
    EXPECT_EQ(f.bar().menuTab(), 0);
    const auto items = TabMenuItems();
    EXPECT_EQ(f.menu.order.size(),
              std::size_t(std::count_if(items.begin(), items.end(),
                                        [](const LayerMenuItem& i) { return i.id != 0; })));
    EXPECT_FALSE(f.menu.enabled[ID_LAYER_SWAP_PREVIOUS]);
    EXPECT_TRUE(f.menu.enabled[ID_LAYER_SWAP_NEXT]);
    EXPECT_TRUE(f.menu.enabled[ID_LAYER_DELETE]);
    EXPECT_FALSE(f.menu.enabled[ID_LAYER_IMPORT_BEFORE]); // no background map
    EXPECT_TRUE(f.menu.checked[ID_LAYER_SHOW_HIDE]);
    for (int id :
         {ID_LAYER_LIST, ID_LAYER_COMMON_PROPERTIES, ID_LAYER_IMPORT_AFTER, ID_LAYER_REPEAT_IMPORT,
          ID_LAYER_EXPORT, ID_LAYER_EXPORT_ALL, ID_LAYER_PROPERTIES})
        EXPECT_FALSE(f.menu.enabled[id]) << id; // their handlers come from elsewhere
    for (int id :
         {ID_LAYER_RENAME, ID_LAYER_SWAP_PREVIOUS, ID_LAYER_SWAP_NEXT, ID_LAYER_NEW_BEFORE,
          ID_LAYER_IMPORT_BEFORE, ID_LAYER_NEW_AFTER, ID_LAYER_IMPORT_AFTER, ID_LAYER_DELETE})
        EXPECT_TRUE(f.menu.pictured[id]) << id;

    f.model.header.hasMap = 1;
    f.model.layers[1].visible = 0;
    f.rightClick(f.tab(1)); // makes B current
    EXPECT_EQ(f.model.header.currentLayer, 1);
    EXPECT_TRUE(f.menu.enabled[ID_LAYER_SWAP_PREVIOUS]);
    EXPECT_FALSE(f.menu.enabled[ID_LAYER_SWAP_NEXT]);
    EXPECT_TRUE(f.menu.enabled[ID_LAYER_IMPORT_BEFORE]);
    EXPECT_FALSE(f.menu.checked[ID_LAYER_SHOW_HIDE]);

    f.view.layerOperations().DeleteLayerCommand(1);
    f.rightClick(f.tab(0));
    EXPECT_FALSE(f.menu.enabled[ID_LAYER_DELETE]); // the only tab
}

TEST(CLayerBar, NewLayerBeforeTheFirstTabAsksForItsName)
{
    BarFixture f;
    f.menu.choose = ID_LAYER_NEW_BEFORE;
    f.answer = std::nullopt; // cancelled
    f.rightClick(f.tab(0));
    EXPECT_EQ(f.model.layerCount, 2);

    f.answer = QStringLiteral("N");
    f.rightClick(f.tab(0));
    EXPECT_EQ(f.askedAt, f.bar().menuPoint());
    EXPECT_LE((f.askedAt - f.bar().mapToGlobal(f.tab(0))).manhattanLength(), 1);
    EXPECT_TRUE(f.askedWith.isEmpty());
    ASSERT_EQ(f.model.layerCount, 3);
    EXPECT_EQ(f.namesInTabOrder(), (QStringList{"N", "A", "B"}));
    EXPECT_EQ(f.view.layerTabs().selected(), 0);
    EXPECT_EQ(f.model.header.currentLayer, 2);
    EXPECT_FALSE(f.view.HasRows()); // the list is emptied
}

TEST(CLayerBar, RenameDeleteAndExchangeFromTheMenu)
{
    BarFixture f;
    f.answer = QStringLiteral("Z");
    f.menu.choose = ID_LAYER_RENAME;
    f.rightClick(f.tab(1));
    EXPECT_EQ(f.askedWith, QStringLiteral("B"));
    EXPECT_EQ(f.layerName(1), QStringLiteral("Z"));
    EXPECT_EQ(f.view.layerTabs().caption(1), QStringLiteral("Z"));

    f.menu.choose = ID_LAYER_SWAP_PREVIOUS;
    f.rightClick(f.tab(1));
    EXPECT_EQ(f.namesInTabOrder(), (QStringList{"Z", "A"}));
    EXPECT_EQ(f.view.layerTabs().selected(), 0);

    f.menu.choose = ID_LAYER_DELETE;
    f.rightClick(f.tab(1)); // A
    EXPECT_EQ(f.messages.records.back().prefix, QStringLiteral("A\n"));
    EXPECT_EQ(f.namesInTabOrder(), QStringList{"Z"});
    EXPECT_EQ(f.model.nodeCount, 1);
    EXPECT_EQ(f.view.listModel().rowCount(), 2);
}

TEST(CLayerBar, TheBarsOwnMenuOpensAboveThePointer)
{
    BarFixture f;
    const QPoint empty(f.bar().width() - 5, f.bar().height() / 2);
    ASSERT_EQ(f.bar().TabAt(empty), -1);
    f.rightClick(empty);
    EXPECT_EQ(f.menu.order, (std::vector<int>{ID_LAYER_LIST, ID_LAYER_COMMON_PROPERTIES}));
    EXPECT_EQ(f.menu.at, f.bar().mapToGlobal(empty) - QPoint(0, 40));
    int runs = 0;
    f.bar().SetHandler(ID_LAYER_LIST, [&] { ++runs; });
    f.menu.choose = ID_LAYER_LIST;
    f.rightClick(empty);
    EXPECT_EQ(runs, 1);
}

TEST(CLayerBar, AppearanceIsWrittenBackWhenTheBarGoes)
{
    const QString last = QStringLiteral("Last");
    {
        BarFixture f;
        TabAppearance a = f.bar().appearance();
        EXPECT_EQ(a.visibleBack, 65535u);
        EXPECT_EQ(a.tipMargin, 2);
        a.tipMargin = 7;
        a.hiddenBack = 0x102030;
        a.captionLength = 20;
        f.bar().SetAppearance(a);
        EXPECT_EQ(f.view.layerOperations().captionLength(), 20);
    }
    EXPECT_EQ(settings::GetInt(last, QStringLiteral("TipMargin")), 7);
    EXPECT_EQ(settings::GetInt(last, QStringLiteral("LayerTileLen")), 20);
    EXPECT_EQ(settings::GetString(last, QStringLiteral("HideBkColor")), QStringLiteral("1056816"));
    ResetSettings();
}

TEST(CLayerBar, ManyTabsScrollAndTheSelectedOneComesIntoSight)
{
    BarFixture f;
    f.fillLayers(1000);
    f.view.InitialUpdate(true);
    QApplication::processEvents();
    ASSERT_TRUE(f.bar().overflowing());
    EXPECT_EQ(f.bar().firstShownTab(), 0);
    QTest::mouseClick(&f.bar(), Qt::LeftButton, {},
                      QPoint(f.bar().width() - 4, f.bar().height() / 2));
    EXPECT_EQ(f.bar().firstShownTab(), 1);

    f.model.header.currentLayer = 999;
    f.view.RefreshNodeList();
    EXPECT_FALSE(f.bar().TabRect(999).isEmpty());
    EXPECT_TRUE(f.bar().TabRect(0).isEmpty());
    EXPECT_EQ(f.bar().TabAt(f.tab(999)), 999);
}
