// The layer list dialog driven offscreen: fitted columns, the list following
// the dialog's size, and the double clicks.

#include "listarea/CLayerDlg.h"

#include "editors/MapDlgFixtures.h"
#include "editors/PropertyFixtures.h"
#include "listarea/LayerListModel.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

class LayerListDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSettings();
        SetUpModel(model);
        AddTestLayer(model, "東海道本線", 2014, 12, 31, 10, 0, 0);
        AddTestLayer(model, "空", 2015, 1, 1, 0, 0, 0);
        AddTestLayer(model, "山陽本線", 2015, 2, 1, 8, 0, 0);
        AddTestNode(model, 0, 0, 0, 0, 600);
        AddTestNode(model, 0, 0, 500, 3600, 3600);
        AddTestNode(model, 2, 0, 0);
        hooks.layerMadeCurrent = [this](int layer) {
            calls << QStringLiteral("current %1").arg(layer);
        };
        hooks.refreshNow = [this] { calls << QStringLiteral("refresh"); };
        hooks.markModified = [this] { calls << QStringLiteral("modified"); };
        hooks.refreshNodeList = [this] { calls << QStringLiteral("node list"); };
    }

    void doubleClick(CLayerDlg& dialog, int row, int column)
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTableView* list = dialog.list();
        const QRect cell = list->visualRect(list->model()->index(row, column));
        // As the platform delivers it: a click, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    RouteModel model;
    PropertyHooks hooks;
    QStringList calls;
};

} // namespace

TEST_F(LayerListDialog, ColumnsFitTheirWidestTextAndTheListFollowsTheDialog)
{
    CLayerDlg dialog(model, hooks);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), CLayerDlg::Caption);
    QTableView* list = dialog.list();
    ASSERT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(list->model()->index(3, 1).data().toString(), QStringLiteral("合計"));
    const QFontMetrics cells(list->font());
    const QFontMetrics titles(list->horizontalHeader()->font());
    for (int column = 0; column < LayerListColumnCount; ++column) {
        int widest = titles.horizontalAdvance(LayerListTitle(column));
        for (int row = 0; row < 4; ++row)
            widest = std::max(widest, cells.horizontalAdvance(
                                          list->model()->index(row, column).data().toString()));
        EXPECT_EQ(list->columnWidth(column), widest + 15) << column;
    }
    EXPECT_EQ(list->model()->index(0, 5).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);

    dialog.resize(640, 300);
    EXPECT_EQ(list->geometry(), QRect(0, 0, 635, 295));
}

TEST_F(LayerListDialog, ADoubleClickOnNoMakesTheLayerCurrentAndTheDialogStays)
{
    CLayerDlg dialog(model, hooks);
    dialog.show();
    doubleClick(dialog, 2, 0);
    EXPECT_EQ(model.header.currentLayer, 2);
    EXPECT_EQ(calls, QStringList{"current 2"});
    EXPECT_TRUE(dialog.isVisible());

    // Without a hook of its own the node list is rebuilt.
    hooks.layerMadeCurrent = nullptr;
    calls.clear();
    CLayerDlg plain(model, hooks);
    plain.show();
    doubleClick(plain, 0, 0);
    EXPECT_EQ(model.header.currentLayer, 0);
    EXPECT_EQ(calls, QStringList{"node list"});
}

TEST_F(LayerListDialog, ADoubleClickElsewhereOpensThePropertiesAndFillsTheListAgain)
{
    ScriptedMessages messages;
    CLayerDlg dialog(model, hooks);
    dialog.show();
    WhenModal("tavelin::CProLayer", [](QWidget* dlg) {
        dlg->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("新幹線"));
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    });
    doubleClick(dialog, 2, 3);
    EXPECT_EQ(dialog.rows()->rows()[2][1], QStringLiteral("新幹線"));
    EXPECT_EQ(calls, (QStringList{"refresh", "modified"}));
    EXPECT_TRUE(dialog.isVisible());

    calls.clear();
    WhenModal("tavelin::CProLayer", [](QWidget* dlg) {
        dlg->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("別名"));
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
    });
    doubleClick(dialog, 0, 1);
    EXPECT_EQ(dialog.rows()->rows()[0][1], QStringLiteral("東海道本線"));
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(LayerListDialog, TheTotalsRowAnswersNoDoubleClick)
{
    model.header.currentLayer = 1;
    CLayerDlg dialog(model, hooks);
    dialog.show();
    for (int column : {0, 1, 5})
        doubleClick(dialog, 3, column);
    QTest::qWait(50); // no layer properties appear
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(model.header.currentLayer, 1);
}
