// The node list driven as a user would: menus through a scripted runner,
// hints, double clicks, colours and scrolling, over small documents.
#include "ListFixture.h"

#include "listarea/CLayerBar.h"
#include "listarea/CLeftView.h"
#include "listarea/NodeListCommands.h"
#include "listarea/NodeTableView.h"
#include "listarea/TipWindow.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "support/ScriptedColourChooser.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

const QString ColumnDsp = QStringLiteral("ColumnDsp");

// What a menu offered, and the item to choose from it.
struct MenuScript {
    int choose = 0;
    int opened = 0;
    QPoint at;
    std::map<int, bool> enabled, checked;

    MenuRunner runner()
    {
        return [this](QMenu& menu, const QPoint& pos) -> QAction* {
            ++opened;
            at = pos;
            QAction* chosen = nullptr;
            std::function<void(QMenu&)> walk = [&](QMenu& m) {
                for (QAction* a : m.actions()) {
                    if (a->menu()) {
                        walk(*a->menu());
                        continue;
                    }
                    if (a->isSeparator())
                        continue;
                    const int id = a->data().toInt();
                    enabled[id] = a->isEnabled();
                    checked[id] = a->isChecked();
                    if (id == choose)
                        chosen = a;
                }
            };
            walk(menu);
            return chosen;
        };
    }
};

// A list of layer 0's three nodes in a 700 x 300 window.
struct ViewFixture : ListFixture {
    explicit ViewFixture(int nodes = 3)
    {
        model.layers[0].baseTime = BaseAt(10);
        for (int i = 0; i < nodes; ++i)
            addNode(0, 100 + 10 * i, 200, i == 0 ? 0 : 600 * i, i == 0 ? 0 : 600 * i + 60);
        ListAreaHooks hooks;
        hooks.primaryNode = [this] { return primary; };
        hooks.setPrimaryNode = [this](int node) { primary = node; };
        hooks.showNodeCentred = [this](int node) { centred.push_back(node); };
        hooks.markModified = [this] { ++modified; };
        view.SetHooks(hooks);
        view.menuRunner = menu.runner();
        view.resize(700, 300);
        view.show();
        view.InitialUpdate(true);
        settle();
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    QPoint cell(int row, int column) const
    {
        NodeTableView* t = view.table();
        return QPoint(t->columnViewportPosition(column) + 3, t->rowViewportPosition(row) + 3);
    }
    void rightClickRow(int row)
    {
        QWidget* viewport = view.table()->viewport();
        const QPoint pos = cell(row, 3);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
    }
    void headerMenu(int choose)
    {
        menu.choose = choose;
        QWidget* header = view.table()->horizontalHeader()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                header->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(header, &event);
    }

    CLeftView view{model};
    MenuScript menu;
    int primary = -1;
    std::vector<int> centred;
};

} // namespace

TEST(CLeftView, ThreeNodesListFourRowsAndTheBlankOneHasNoMenu)
{
    ViewFixture f;
    NodeListModel& rows = f.view.listModel();
    ASSERT_EQ(rows.rowCount(), 4);
    EXPECT_EQ(rows.columnCount(), 13);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rows.text(r, 0), QString::number(r + 1));
        EXPECT_EQ(rows.nodeAt(r), r);
        EXPECT_EQ(rows.text(r, 12), QString::number(r));
    }
    for (int c = 0; c < 13; ++c)
        EXPECT_TRUE(rows.text(3, c).isEmpty()) << c;
    EXPECT_EQ(rows.nodeAt(3), -1);
    EXPECT_EQ(f.view.table()->columnWidth(12), 0);
    EXPECT_TRUE(f.view.HasRows());

    f.rightClickRow(3);
    EXPECT_EQ(f.menu.opened, 0);
    f.rightClickRow(1);
    EXPECT_EQ(f.menu.opened, 1);
    EXPECT_EQ(f.view.clickedRow(), 1);
    EXPECT_EQ(f.view.clickedNode(), 1);
}

TEST(CLeftView, HidingAColumnResizesItWithoutRebuildingTheRows)
{
    ViewFixture f;
    QSignalSpy resets(&f.view.listModel(), &QAbstractItemModel::modelReset);
    const int before = f.view.table()->columnWidth(3);
    EXPECT_GT(before, 0);

    f.headerMenu(32867); // 点間距離
    EXPECT_TRUE(f.menu.checked[32867]);
    EXPECT_EQ(settings::GetInt(ColumnDsp, QStringLiteral("Tenkan")), 0);
    EXPECT_EQ(f.view.table()->columnWidth(3), 0);
    EXPECT_EQ(resets.count(), 0);

    f.headerMenu(32867);
    EXPECT_FALSE(f.menu.checked[32867]);
    const QFontMetrics metrics(f.view.table()->font());
    int widest = metrics.horizontalAdvance(QStringLiteral("点間距離"));
    for (int r = 0; r < 3; ++r)
        widest = std::max(widest, metrics.horizontalAdvance(f.view.listModel().text(r, 3)));
    EXPECT_EQ(f.view.table()->columnWidth(3), widest + 15);
    EXPECT_EQ(resets.count(), 0);
}

TEST(CLeftView, RowMenuRulesOnTheSecondOfThreeNodes)
{
    struct Case {
        int departure;
        bool propertiesHandler;
        bool split, properties;
    };
    for (const Case c : {Case{660, false, true, false}, Case{0, true, false, true}}) {
        ViewFixture f;
        f.model.nodes[1].departure = c.departure;
        f.view.RefreshNodeList();
        if (c.propertiesHandler)
            f.view.SetHandler(ID_LIST_NODE_PROPERTIES, [] {});
        f.rightClickRow(1);
        EXPECT_EQ(f.menu.enabled[ID_LIST_SPLIT_LAYER], c.split) << c.departure;
        EXPECT_EQ(f.menu.enabled[ID_LIST_NODE_PROPERTIES], c.properties) << c.departure;
        EXPECT_FALSE(f.menu.enabled[ID_LIST_TO_NEW_LAYER]);
        EXPECT_FALSE(f.menu.enabled[ID_LIST_MERGE_LAYER]); // the first tab
        EXPECT_FALSE(f.menu.enabled[ID_LIST_EXCEL_OUT]);   // no export installed
        EXPECT_TRUE(f.menu.enabled[ID_LIST_CENTRE_NODE]);
        EXPECT_TRUE(f.menu.enabled[ID_LIST_COLUMN_COLOUR]);
    }
    ViewFixture f;
    f.rightClickRow(2);
    EXPECT_TRUE(f.menu.enabled[ID_LIST_TO_NEW_LAYER]);
    EXPECT_FALSE(f.menu.enabled[ID_LIST_SPLIT_LAYER]);
}

TEST(CLeftView, SplitFromTheRowMenuListsTheNewLayer)
{
    ViewFixture f(4);
    f.menu.choose = ID_LIST_SPLIT_LAYER;
    f.rightClickRow(1);
    EXPECT_EQ(f.model.layerCount, 2);
    EXPECT_EQ(f.model.header.currentLayer, 1);
    EXPECT_EQ(f.view.listModel().rowCount(), 3); // nodes 3 and 4, the blank row
    EXPECT_EQ(f.view.listModel().nodeAt(0), 2);
    EXPECT_EQ(f.view.layerTabs().selected(), 1);
    EXPECT_EQ(f.layerName(1), QStringLiteral("レイヤー1 (1)"));
}

TEST(CLeftView, TheColourColumnKeepsItsColourOnTheSelectedRow)
{
    ViewFixture f;
    f.primary = 1;
    f.view.RefreshNodeList();
    ViewFixture::settle();
    const QImage image = f.view.table()->viewport()->grab().toImage();
    const QPalette palette = f.view.table()->palette();
    auto at = [&](int row, int column) { return QColor(image.pixel(f.cell(row, column))); };
    const QColor colourColumn(210, 210, 255);
    EXPECT_EQ(at(1, 1), colourColumn);
    EXPECT_EQ(at(1, 2), colourColumn);
    EXPECT_EQ(at(1, 3), palette.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(at(0, 1), colourColumn);
    EXPECT_EQ(at(0, 3), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(at(3, 1), palette.color(QPalette::Active, QPalette::Base)); // blank row
}

TEST(CLeftView, TheColourColumnColourIsChosenAndStored)
{
    ViewFixture f;
    ScriptedColourChooser chooser;
    chooser.answer(std::nullopt);
    f.view.ChooseColumnColour();
    EXPECT_EQ(f.view.listModel().columnColour(), QColor(210, 210, 255));
    chooser.answer(QColor(1, 2, 3));
    f.menu.choose = ID_LIST_COLUMN_COLOUR;
    f.rightClickRow(0);
    EXPECT_EQ(chooser.initials().back(), QColor(210, 210, 255));
    EXPECT_EQ(f.view.listModel().columnColour(), QColor(1, 2, 3));
    EXPECT_EQ(settings::GetString(QStringLiteral("Last"), QStringLiteral("ColColor")),
              QStringLiteral("197121"));
}

TEST(CLeftView, HintTooltips)
{
    struct Case {
        int helpDsp, row, column, message; // 0: no tip
    };
    const Case cases[] = {
        {1, 0, 1, 30105}, {1, 2, 5, 30105}, {1, 1, 1, 30104},
        {1, 1, 2, 30104}, {1, 1, 3, 30106}, {0, 1, 1, 0},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("HelpDsp"), c.helpDsp);
        QWidget* viewport = f.view.table()->viewport();
        const QPoint pos = f.cell(c.row, c.column);
        QHelpEvent event(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
        EXPECT_EQ(f.view.hintTip()->isVisible(), c.message != 0) << c.row << "," << c.column;
        if (c.message)
            EXPECT_EQ(f.view.hintTip()->text(), LoadString(c.message));
        f.view.hintTip()->Close();
    }
    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("HelpDsp"), 1);
}

TEST(CLeftView, DoubleClicks)
{
    ViewFixture f;
    std::vector<int> properties;
    f.view.SetHandler(ID_LIST_NODE_PROPERTIES, [&] { properties.push_back(f.view.clickedNode()); });
    QWidget* viewport = f.view.table()->viewport();
    auto doubleClick = [viewport](QPoint at) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    };
    doubleClick(f.cell(0, 2));
    doubleClick(f.cell(2, 1));
    doubleClick(f.cell(1, 4));
    doubleClick(f.cell(3, 1));                 // the blank row
    doubleClick(f.cell(3, 1) + QPoint(0, 60)); // below the rows
    EXPECT_EQ(properties, (std::vector<int>{0, 2}));
    EXPECT_EQ(f.centred, std::vector<int>{1});
}

TEST(CLeftView, FormatsAndZeroDisplayFromTheHeaderMenu)
{
    ViewFixture f;
    f.headerMenu(32832); // 23:58:59
    EXPECT_TRUE(f.menu.checked[32826]);
    EXPECT_EQ(settings::GetInt(ColumnDsp, QStringLiteral("DateFormat")), 7);
    EXPECT_EQ(f.view.listModel().text(0, 2), QStringLiteral("10:00:00"));
    f.headerMenu(0);
    EXPECT_TRUE(f.menu.checked[32832]);
    EXPECT_FALSE(f.menu.checked[32826]);

    settings::WriteInt(ColumnDsp, QStringLiteral("KyoriFormat"), 42);
    f.headerMenu(0);
    EXPECT_TRUE(f.menu.checked[32843]); // an unknown code checks the first item

    EXPECT_EQ(f.view.listModel().text(0, 1), QStringLiteral("0"));
    EXPECT_FALSE(f.menu.checked[ID_LIST_ZERO_HIDDEN]);
    f.headerMenu(ID_LIST_ZERO_HIDDEN);
    EXPECT_EQ(settings::GetInt(ColumnDsp, QStringLiteral("DspZero")), 0);
    EXPECT_TRUE(f.view.listModel().text(0, 1).isEmpty());
    f.headerMenu(0);
    EXPECT_TRUE(f.menu.checked[ID_LIST_ZERO_HIDDEN]);

    f.headerMenu(32820); // 30 bytes of note
    EXPECT_EQ(settings::GetInt(ColumnDsp, QStringLiteral("KijiLen")), 30);
    ResetSettings();
}

TEST(CLeftView, FollowNodeBringsTheRowToTheMiddle)
{
    ViewFixture f(200);
    NodeTableView* table = f.view.table();
    const int page = table->rowsPerPage();
    ASSERT_LT(page, 100);
    f.view.FollowNode(150);
    EXPECT_EQ(table->topRow(), 150 - page / 2);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(150, {}));
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);

    const int top = table->topRow();
    f.view.FollowNode(top + 1); // in sight: no scroll
    EXPECT_EQ(table->topRow(), top);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(top + 1, {}));
    f.view.FollowNode(2);
    EXPECT_EQ(table->topRow(), 0);

    // A rebuild keeps the scroll position and selects the primary node.
    table->SetTopRow(60);
    f.primary = 70;
    f.view.RefreshNodeList();
    EXPECT_EQ(table->topRow(), 60);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(70, {}));
}

TEST(CLeftView, ANewDocumentListsNoRowsUntilRebuilt)
{
    ViewFixture f(0);
    f.view.InitialUpdate(false);
    EXPECT_EQ(f.view.listModel().rowCount(), 0);
    EXPECT_FALSE(f.view.HasRows());
    EXPECT_EQ(f.view.layerTabs().count(), 1);
    EXPECT_EQ(f.view.layerTabs().caption(0), QStringLiteral("レイヤー1"));
    f.view.RefreshNodeList();
    EXPECT_EQ(f.view.listModel().rowCount(), 1); // the blank row
    EXPECT_TRUE(f.view.HasRows());
}
