#include "FakeAreas.h"
#include "app/CMainFrame.h"
#include "platform/Messages.h"
#include "app/RibbonAppMenu.h"
#include "app/RibbonBar.h"
#include "platform/Settings.h"
#include "document/CN20417Doc.h"
#include "document/DocumentFile.h"
#include "model/RouteModel.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

class NoChooser : public DocumentFileChooser
{
public:
    QString chooseOpenPath(QObject*, const QString&) override { return {}; }
    QString chooseSavePath(QObject*, const QString&, const QString&) override { return {}; }
};

class MainFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSettings();
        ASSERT_TRUE(model.Allocate());
        ASSERT_TRUE(model.ResetForNewDocument());
    }
    // A frame over fake panes, with a document.
    std::unique_ptr<CMainFrame> MakeFrame()
    {
        map = new FakeMapArea;
        list = new FakeListArea;
        auto frame = std::make_unique<CMainFrame>(map, list);
        frame->SetDocument(&document);
        return frame;
    }
    bool Enabled(CMainFrame& frame, int id)
    {
        frame.UpdateCommands();
        return frame.action(id)->isEnabled();
    }

    ScriptedMessages messages;
    RouteModel model;
    NoChooser chooser;
    CN20417Doc document{model, chooser};
    FakeMapArea* map = nullptr;
    FakeListArea* list = nullptr;
};

} // namespace

TEST_F(MainFrameTest, EveryCommandHasItsActionAndTheRibbonShowsTheLayout)
{
    auto frame = MakeFrame();
    for (const CommandDef& def : AllCommands()) {
        QAction* a = frame->action(def.id);
        ASSERT_NE(a, nullptr) << def.name;
        EXPECT_EQ(a->objectName(), QLatin1String(def.name));
        EXPECT_FALSE(a->toolTip().isEmpty()) << def.name;
    }
    RibbonBar* ribbon = frame->ribbon();
    EXPECT_EQ(ribbon->categoryTab()->text(), QStringLiteral("ホーム  ( WClick , Ctrl+F1 )"));
    EXPECT_EQ(ribbon->panelCaptions(),
              QStringList({QStringLiteral("表示"), QStringLiteral("リストエリア"),
                           QStringLiteral("マップエリア"), QStringLiteral("位置とサイズ")}));
    struct Large {
        int id;
        const char* text;
    };
    const Large panel[] = {{ID_FIRST, "ナビ"},
                           {ID_AREA_CHANGE, "エリア 交換"},
                           {ID_COL_COLOR, "列色 変更"},
                           {ID_EXCEL_OUT, "Excel 出力"},
                           {ID_MAP_SETTEI, "背景地図 の設定"},
                           {ID_DSP_ICON, "アイコン 表示"},
                           {ID_ADD_NODE, "ノード 追加"},
                           {ID_TOKEI, "60秒"},
                           {ID_SEIRETU_BTN, "整列"}};
    for (const Large& b : panel) {
        QToolButton* button = ribbon->button(b.id);
        ASSERT_NE(button, nullptr) << b.text;
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(frame->action(b.id)->text(), QString::fromUtf8(b.text));
    }
    for (int id : {ID_UNDO, ID_SHOW_MENU, ID_HELP_DSP})
        EXPECT_EQ(ribbon->button(id)->toolButtonStyle(), Qt::ToolButtonIconOnly);

    // The application menu and its settings drop-down.
    RibbonAppMenu* menu = ribbon->applicationMenu();
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_SAVE_IMAGE,
                   ID_INSATU, ID_SETTEI_BTN, ID_APP_ABOUT, ID_APP_EXIT})
        EXPECT_NE(menu->entry(id), nullptr) << id;
    EXPECT_EQ(frame->action(ID_SAVE_IMAGE)->text(),
              QStringLiteral("名前を付けてイメージに保存(&M)"));
    const QList<QAction*> settings = menu->settingsMenu()->actions();
    ASSERT_EQ(settings.size(), 3);
    EXPECT_EQ(settings[0]->text(), QStringLiteral("設定"));
    EXPECT_EQ(settings[1]->text(), QStringLiteral("最近使ったファイルの管理(&R)"));
    EXPECT_EQ(settings[2]->text(), QStringLiteral("環境設定(&K)"));

    // 整列: the eleven alignment commands with their tooltips.
    const QList<QAction*> align = ribbon->alignMenu()->actions();
    ASSERT_EQ(align.size(), 11);
    EXPECT_EQ(align.front()->objectName(), QStringLiteral("ID_TO_LEFT2"));
    EXPECT_EQ(align.front()->text(), QStringLiteral("左揃え"));
    EXPECT_EQ(align.front()->toolTip(), QStringLiteral("主選択の左側に揃えます"));
    EXPECT_EQ(align.back()->objectName(), QStringLiteral("ID_SAME_WH"));
    EXPECT_EQ(align.back()->toolTip(), QStringLiteral("主選択の大きさに合わせます"));
}

TEST_F(MainFrameTest, CommandsNeedingAMapAreDisabledWithoutOne)
{
    auto frame = MakeFrame();
    for (int id : {ID_SAVE_IMAGE, ID_INSATU})
        frame->SetHandler(id, [] {});
    const int needMap[] = {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_INSATU, ID_SAVE_IMAGE, ID_ADD_NODE};
    for (int id : needMap)
        EXPECT_FALSE(Enabled(*frame, id)) << id;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT, ID_APP_ABOUT, ID_AREA_CHANGE, ID_TOKEI,
                   ID_DSP_ICON, ID_FIRST})
        EXPECT_TRUE(Enabled(*frame, id)) << id;
    map->background = true;
    for (int id : needMap)
        EXPECT_TRUE(Enabled(*frame, id)) << id;
}

TEST_F(MainFrameTest, RulesFollowThePanesAndUnhandledCommandsStayDisabled)
{
    auto frame = MakeFrame();
    map->background = true;
    // Nothing handles these yet.
    for (int id :
         {ID_SAVE_IMAGE, ID_INSATU, ID_MAP_SETTEI, ID_KAN_SET, ID_RECENT_KANRI, ID_HELP_DSP})
        EXPECT_FALSE(Enabled(*frame, id)) << id;
    frame->SetHandler(ID_MAP_SETTEI, [] {});
    EXPECT_TRUE(Enabled(*frame, ID_MAP_SETTEI));
    frame->SetHandler(ID_MAP_SETTEI, {});
    EXPECT_FALSE(Enabled(*frame, ID_MAP_SETTEI));

    struct Case {
        int id;
        bool* flag;
    };
    for (const CommandDef& def : AllCommands())
        if (!frame->HasHandler(def.id))
            frame->SetHandler(def.id, [] {});
    const Case cases[] = {{ID_UNDO, &map->undo},
                          {ID_TO_LEFT2, &map->primarySlip},
                          {ID_SAME_WH, &map->primarySlip},
                          {ID_COL_COLOR, &list->rows},
                          {ID_EXCEL_OUT, &list->rows}};
    for (const Case& c : cases) {
        *c.flag = false;
        EXPECT_FALSE(Enabled(*frame, c.id)) << c.id;
        *c.flag = true;
        EXPECT_TRUE(Enabled(*frame, c.id)) << c.id;
    }
}

TEST_F(MainFrameTest, NodeAddingModeCountsDownOnTheClockButton)
{
    auto frame = MakeFrame();
    EXPECT_FALSE(frame->Execute(ID_ADD_NODE)); // no map
    map->background = true;
    ASSERT_TRUE(frame->Execute(ID_ADD_NODE));
    QAction* add = frame->action(ID_ADD_NODE);
    QAction* clock = frame->action(ID_TOKEI);
    EXPECT_TRUE(add->isChecked());
    NodeAddCountdown& countdown = frame->nodeAddCountdown();
    for (int tick = 1; tick < 12; ++tick) {
        countdown.Tick();
        EXPECT_EQ(clock->text(), QStringLiteral("%1秒").arg(60 - 5 * tick));
        EXPECT_EQ(clock->icon().cacheKey(), frame->countdownImage(tick).cacheKey());
    }
    countdown.Tick();
    EXPECT_FALSE(add->isChecked());
    EXPECT_EQ(clock->text(), QStringLiteral("60秒"));
    EXPECT_EQ(clock->icon().cacheKey(), frame->countdownImage(0).cacheKey());

    // ID_TOKEI at 20 seconds: back to the full minute, still adding.
    ASSERT_TRUE(frame->Execute(ID_ADD_NODE));
    for (int tick = 0; tick < 4; ++tick)
        countdown.Tick();
    EXPECT_EQ(clock->text(), QStringLiteral("40秒"));
    ASSERT_TRUE(frame->Execute(ID_TOKEI));
    EXPECT_EQ(clock->text(), QStringLiteral("60秒"));
    EXPECT_TRUE(add->isChecked());
    EXPECT_TRUE(countdown.timerRunning());
    // Pressing it again ends the mode at once.
    ASSERT_TRUE(frame->Execute(ID_ADD_NODE));
    EXPECT_FALSE(add->isChecked());
    EXPECT_FALSE(countdown.timerRunning());
}

TEST_F(MainFrameTest, ANewDocumentEndsNodeAddingAndRestartsBothPanes)
{
    auto frame = MakeFrame();
    map->background = true;
    ASSERT_TRUE(frame->Execute(ID_ADD_NODE));
    ASSERT_TRUE(frame->Execute(ID_FILE_NEW));
    EXPECT_FALSE(frame->nodeAddCountdown().isActive());
    EXPECT_FALSE(frame->action(ID_ADD_NODE)->isChecked());
    EXPECT_EQ(map->initialUpdates, 1);
    EXPECT_EQ(list->rebuilds, 1);
}

TEST_F(MainFrameTest, AreaExchangeTakesEffectAtTheNextStartAndTwiceRestoresTheOrder)
{
    auto first = MakeFrame();
    EXPECT_EQ(first->splitter()->widget(0), list);
    ASSERT_TRUE(first->Execute(ID_AREA_CHANGE));
    EXPECT_EQ((std::vector<int>{30021, 30022}), messages.ids());
    EXPECT_EQ(settings::GetInt(QStringLiteral("Last"), QStringLiteral("Area")), 1);
    EXPECT_EQ(first->splitter()->widget(0), list); // unchanged until the next start

    auto second = MakeFrame();
    EXPECT_EQ(second->splitter()->widget(0), map);
    ASSERT_TRUE(second->Execute(ID_AREA_CHANGE));
    auto third = MakeFrame();
    EXPECT_EQ(third->splitter()->widget(0), list);

    // No keeps the order; a stray stored value still exchanges to 1.
    messages.clear();
    messages.queueAnswer(IDNO);
    ASSERT_TRUE(third->Execute(ID_AREA_CHANGE));
    EXPECT_EQ((std::vector<int>{30021}), messages.ids());
    EXPECT_EQ(settings::GetInt(QStringLiteral("Last"), QStringLiteral("Area")), 0);
    settings::WriteInt(QStringLiteral("Last"), QStringLiteral("Area"), 5);
    ASSERT_TRUE(third->Execute(ID_AREA_CHANGE));
    EXPECT_EQ(settings::GetInt(QStringLiteral("Last"), QStringLiteral("Area")), 1);
}

TEST_F(MainFrameTest, SplitterStartsAtTheStoredWidthAndStoresItOnClose)
{
    settings::WriteInt(QStringLiteral("Last"), QStringLiteral("cxCur"), 250);
    auto frame = MakeFrame();
    frame->resize(1000, 600);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_EQ(frame->splitter()->sizes().front(), 250);
    // Column 0 keeps its width when the window grows.
    frame->resize(1200, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->splitter()->sizes().front(), 250);

    frame->splitter()->setSizes({321, 600});
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(settings::GetInt(QStringLiteral("Last"), QStringLiteral("cxCur")), 321);
}

TEST_F(MainFrameTest, ClosingAModifiedDocumentAsksAndCancelKeepsTheWindow)
{
    auto frame = MakeFrame();
    frame->show();
    document.SetModifiedFlag(true);
    messages.queueAnswer(IDCANCEL);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ((std::vector<int>{61442}), messages.ids());
    EXPECT_FALSE(settings::Contains(QStringLiteral("Last"), QStringLiteral("cxCur")));
    messages.queueAnswer(IDNO);
    EXPECT_TRUE(frame->close());
}

TEST_F(MainFrameTest, AcceleratorsReachTheirCommandsWhateverHasTheFocus)
{
    auto frame = MakeFrame();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    RibbonBar* ribbon = frame->ribbon();
    QTest::keyClick(list->editor, Qt::Key_F11);
    EXPECT_TRUE(ribbon->isMinimized());
    EXPECT_FALSE(ribbon->panelArea()->isVisible());
    QTest::keyClick(map, Qt::Key_F11);
    EXPECT_FALSE(ribbon->isMinimized());
    EXPECT_TRUE(ribbon->panelArea()->isVisible());

    // Double click on the category, and the ribbon toggle, do the same.
    QTest::mouseDClick(ribbon->categoryTab(), Qt::LeftButton);
    EXPECT_TRUE(ribbon->isMinimized());
    ASSERT_TRUE(frame->Execute(ID_SHOW_MENU));
    EXPECT_FALSE(ribbon->isMinimized());

    // Ctrl+Z in the list's edit box is the map's undo, and only while a
    // snapshot exists.
    list->editor->setText(QStringLiteral("abc"));
    QTest::keyClick(list->editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(map->undos, 0);
    map->undo = true;
    QTest::keyClick(list->editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(map->undos, 1);
    EXPECT_EQ(list->editor->text(), QStringLiteral("abc"));
}

TEST_F(MainFrameTest, NavigationCommandShowsAndHidesTheDialogAndRemembersIt)
{
    auto frame = MakeFrame();
    int made = 0;
    frame->createNavigationDialog = [&made](QWidget* owner) {
        ++made;
        return new QDialog(owner);
    };
    frame->UpdateCommands();
    EXPECT_TRUE(frame->action(ID_FIRST)->isChecked()); // "Navi" "Visible" defaults to 1
    ASSERT_TRUE(frame->Execute(ID_FIRST));
    ASSERT_NE(frame->navigationDialog(), nullptr);
    EXPECT_TRUE(frame->navigationDialog()->isVisible());
    ASSERT_TRUE(frame->Execute(ID_NAVI_TOGGLE));
    EXPECT_FALSE(frame->navigationDialog()->isVisible());
    EXPECT_EQ(settings::GetInt(QStringLiteral("Navi"), QStringLiteral("Visible")), 0);
    EXPECT_FALSE(frame->action(ID_FIRST)->isChecked());
    ASSERT_TRUE(frame->Execute(ID_FIRST));
    EXPECT_TRUE(frame->navigationDialog()->isVisible());
    EXPECT_EQ(settings::GetInt(QStringLiteral("Navi"), QStringLiteral("Visible")), 1);
    EXPECT_EQ(made, 1);
}

TEST_F(MainFrameTest, ExcelOutAsksFirstAndAlignmentNeedsAPrimarySlip)
{
    auto frame = MakeFrame();
    int exports = 0, aligns = 0;
    frame->SetHandler(ID_EXCEL_OUT, [&exports] { ++exports; });
    frame->SetHandler(ID_TO_TOP, [&aligns] { ++aligns; });
    list->rows = true;
    messages.queueAnswer(IDNO);
    ASSERT_TRUE(frame->Execute(ID_EXCEL_OUT));
    EXPECT_EQ(exports, 0);
    ASSERT_TRUE(frame->Execute(ID_EXCEL_OUT));
    EXPECT_EQ(exports, 1);
    EXPECT_EQ((std::vector<int>{30031, 30031}), messages.ids());

    EXPECT_FALSE(frame->Execute(ID_TO_TOP));
    map->primarySlip = true;
    EXPECT_TRUE(frame->Execute(ID_TO_TOP));
    EXPECT_EQ(aligns, 1);
}

TEST_F(MainFrameTest, IconDisplayTogglesTheMapAndShowsChecked)
{
    auto frame = MakeFrame();
    frame->UpdateCommands();
    EXPECT_TRUE(frame->action(ID_DSP_ICON)->isChecked());
    ASSERT_TRUE(frame->Execute(ID_DSP_ICON));
    EXPECT_FALSE(map->icons);
    EXPECT_FALSE(frame->action(ID_DSP_ICON)->isChecked());
    EXPECT_EQ(map->refreshes, 1);
}

TEST_F(MainFrameTest, MovingOrResizingTheFrameKeepsBothFloatingBarsInPlace)
{
    auto frame = MakeFrame();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const int mapBefore = map->floatingBarPlacements, listBefore = list->floatingBarPlacements;
    frame->move(frame->pos() + QPoint(30, 20));
    frame->resize(frame->width() + 40, frame->height());
    QCoreApplication::processEvents();
    EXPECT_GE(map->floatingBarPlacements, mapBefore + 2);
    EXPECT_GE(list->floatingBarPlacements, listBefore + 2);
}

TEST_F(MainFrameTest, WindowTitleFollowsTheDocument)
{
    auto frame = MakeFrame();
    EXPECT_EQ(frame->windowTitle(), document.windowTitle());
    EXPECT_TRUE(frame->windowTitle().endsWith(QStringLiteral(" - Tavelin")));
}

TEST_F(MainFrameTest, ApplicationMenuRunsItsEntriesAndOpensRecentDocuments)
{
    // A saved document in the recent-file list.
    TempDir dir;
    const QString path = dir.file(QStringLiteral("route.tvn"));
    RouteModel saved;
    ASSERT_TRUE(saved.Allocate());
    ASSERT_TRUE(saved.ResetForNewDocument());
    ASSERT_TRUE(saved.AddLayer(1, QStringLiteral("20240101000000"), QStringLiteral("二番目")));
    ASSERT_TRUE(SaveDocument(path, saved));
    settings::WriteString(QStringLiteral("Recent File List"), QStringLiteral("File1"), path);
    messages.clear();

    auto frame = MakeFrame();
    frame->show();
    RibbonAppMenu* menu = frame->ribbon()->applicationMenu();
    ASSERT_EQ(menu->recentEntries().size(), 1u);
    EXPECT_EQ(menu->recentEntries().front()->toolTip(), path);

    frame->ribbon()->ShowApplicationMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->entry(ID_FILE_SAVE)->isEnabled()); // no map
    QTest::mouseClick(menu->recentEntries().front(), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return document.pathName() == path; }, 2000));
    EXPECT_EQ(model.layerCount, 2);

    // An entry closes the menu, then runs its command.
    frame->ribbon()->ShowApplicationMenu();
    QTest::mouseClick(menu->entry(ID_FILE_NEW), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return document.pathName().isEmpty(); }, 2000));
    EXPECT_EQ(model.layerCount, 1);
    EXPECT_TRUE(messages.ids().empty());
}

TEST_F(MainFrameTest, AClickInAPaneReevaluatesTheRulesWithoutACommand)
{
    auto frame = MakeFrame();
    frame->SetHandler(ID_TO_LEFT2, [] {});
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_FALSE(frame->action(ID_TO_LEFT2)->isEnabled());
    // The click selects a slip in the map: the ribbon learns it afterwards.
    map->primarySlip = true;
    QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->action(ID_TO_LEFT2)->isEnabled(); }, 1000));
}
