// The list area inside the running editor: the ribbon's list commands
// follow its rows, and its layer work reaches the map and the document.
#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "app/CommandTable.h"
#include "app/Wiring.h"
#include "document/CN20417Doc.h"
#include "listarea/CLayerBar.h"
#include "listarea/CLeftView.h"
#include "listarea/LayerMenuCommands.h"
#include "mapview/CN20417View.h"
#include "platform/Messages.h"
#include "support/ScriptedColourChooser.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

TEST(ListWiring, TheListAreaWorksWithTheMapAndTheDocument)
{
    ResetSettings();
    ScriptedMessages messages;
    CN20417App app(QStringLiteral("tavelin-list-wiring-test"));
    WireApplication(app);
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = *app.mainFrame();
    auto* list = dynamic_cast<CLeftView*>(frame.listArea());
    auto* view = dynamic_cast<CN20417View*>(frame.mapArea());
    ASSERT_NE(list, nullptr);
    ASSERT_NE(view, nullptr);
    RouteModel& model = app.model();

    // A new document: one tab, no rows, the list commands disabled.
    EXPECT_EQ(list->layerTabs().count(), 1);
    EXPECT_FALSE(list->HasRows());
    frame.UpdateCommands();
    EXPECT_FALSE(frame.action(ID_COL_COLOR)->isEnabled());

    model.header.mapWidth = model.header.mapHeight = 500;
    for (QPoint p : {QPoint(10, 10), QPoint(50, 60), QPoint(90, 20)})
        model.AppendNode(p, 1.0f);
    model.nodes[2].arrival = 600;
    model.nodes[2].departure = 900;
    list->RefreshNodeList();
    frame.UpdateCommands();
    EXPECT_TRUE(frame.action(ID_COL_COLOR)->isEnabled());
    EXPECT_FALSE(frame.action(ID_EXCEL_OUT)->isEnabled()); // no export wired in yet

    {
        ScriptedColourChooser chooser;
        chooser.answer(QColor(200, 100, 50));
        EXPECT_TRUE(frame.Execute(ID_COL_COLOR));
        EXPECT_EQ(list->listModel().columnColour(), QColor(200, 100, 50));
    }

    // A new layer from the last node: a node of the new layer on the map,
    // selected and primary, the document modified.
    ASSERT_FALSE(app.document()->isModified());
    view->setPrimaryNode(0);
    list->RefreshNodeList();
    ASSERT_TRUE(list->layerOperations().NewLayerFromNode(2));
    EXPECT_TRUE(app.document()->isModified());
    ASSERT_EQ(model.nodeCount, 4);
    EXPECT_EQ(model.nodes[3].layer, 1);
    EXPECT_EQ(view->primaryNode(), 3);
    EXPECT_EQ(model.nodes[3].selected, 1);
    EXPECT_EQ(model.nodes[0].selected, 0);
    EXPECT_EQ(list->listModel().rowCount(), 2);
    EXPECT_EQ(list->layerTabs().selected(), 1);

    // The tab's "select all nodes" reaches the map's selection.
    list->layerOperations().ClickTab(0);
    EXPECT_EQ(model.header.currentLayer, 0);
    EXPECT_TRUE(list->layerBar()->Execute(ID_LAYER_SELECT_NODES));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(model.nodes[i].selected, 1) << i;
    EXPECT_EQ(model.nodes[3].selected, 0);
    EXPECT_EQ(view->primaryNode(), 2);

    app.document()->SetModifiedFlag(false);
    frame.close();
}
