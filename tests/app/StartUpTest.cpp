#include "FakeAreas.h"
#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "document/CN20417Doc.h"
#include "document/DocumentFile.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QTest>
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

const QString KanSet = QStringLiteral("KanSet");

class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetSettings(); }

    std::unique_ptr<CN20417App> MakeApp()
    {
        auto app = std::make_unique<CN20417App>(QStringLiteral("tavelin-startup-test"));
        app->SetFileChooser(std::make_unique<NoChooser>());
        app->createNavigationDialog = [this](QWidget* owner) {
            ++navigationDialogs;
            return new QDialog(owner);
        };
        return app;
    }

    // A document on disk with a second layer, so it differs from a new one.
    QString SavedDocument(const QString& name)
    {
        RouteModel model;
        EXPECT_TRUE(model.Allocate());
        EXPECT_TRUE(model.ResetForNewDocument());
        EXPECT_TRUE(model.AddLayer(1, QStringLiteral("20240101000000"), QStringLiteral("二番目")));
        const QString path = dir.file(name);
        EXPECT_TRUE(SaveDocument(path, model));
        return path;
    }

    ScriptedMessages messages;
    TempDir dir;
    int navigationDialogs = 0;
};

} // namespace

TEST_F(StartUpTest, PlainStartShowsANewDocumentWithTheDefaults)
{
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_EQ(CN20417App::instance(), app.get());
    EXPECT_EQ(&TheModel(), &app->model());
    ASSERT_NE(app->mainFrame(), nullptr);
    EXPECT_TRUE(app->mainFrame()->isVisible());
    EXPECT_FALSE(app->mainFrame()->isMaximized());
    EXPECT_TRUE(app->document()->pathName().isEmpty());
    EXPECT_EQ(app->model().layerCount, 1);
    EXPECT_EQ(app->animationCount(), 3);
    EXPECT_EQ(app->animationSpeed(), 0);
    // PDF output counts as a printer, so no 30082 here.
    EXPECT_TRUE(messages.ids().empty());
    ASSERT_NE(app->printer(), nullptr);
    EXPECT_EQ(app->printer()->pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(app->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    // "Navi" "Visible" defaults to 1: the navigation dialog opens.
    EXPECT_EQ(navigationDialogs, 1);
    ASSERT_NE(app->mainFrame()->navigationDialog(), nullptr);
    EXPECT_TRUE(app->mainFrame()->navigationDialog()->isVisible());
}

TEST_F(StartUpTest, StoredChoicesAreReadAtStartUp)
{
    struct Case {
        int orientation;
        QPageLayout::Orientation expected;
    };
    for (const Case c : {Case{1, QPageLayout::Portrait}, Case{2, QPageLayout::Landscape},
                         Case{5, QPageLayout::Portrait}, Case{0, QPageLayout::Portrait}}) {
        ResetSettings();
        settings::WriteInt(QStringLiteral("Insatu"), QStringLiteral("Orientation"), c.orientation);
        settings::WriteInt(QStringLiteral("Insatu"), QStringLiteral("PaperSize"), 8);
        settings::WriteInt(KanSet, QStringLiteral("PlayAnime"), 5);
        settings::WriteInt(KanSet, QStringLiteral("SpeedAnime"), 2);
        settings::WriteInt(QStringLiteral("Last"), QStringLiteral("Zoomed"), 1);
        settings::WriteInt(QStringLiteral("Navi"), QStringLiteral("Visible"), 0);
        navigationDialogs = 0;
        auto app = MakeApp();
        ASSERT_TRUE(app->InitInstance({}));
        ASSERT_NE(app->printer(), nullptr);
        EXPECT_EQ(app->printer()->pageLayout().orientation(), c.expected) << c.orientation;
        EXPECT_EQ(app->printer()->pageLayout().pageSize().id(), QPageSize::A3);
        EXPECT_EQ(app->animationCount(), 5);
        EXPECT_EQ(app->animationSpeed(), 2);
        EXPECT_TRUE(app->mainFrame()->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(navigationDialogs, 0);
    }
}

TEST_F(StartUpTest, FirstOpenReopensTheMostRecentFileUnlessAFileIsNamed)
{
    const QString recent = SavedDocument(QStringLiteral("recent.tvn"));
    const QString named = SavedDocument(QStringLiteral("named.tvn"));
    settings::WriteInt(KanSet, QStringLiteral("FirstOpen"), 1);

    { // Empty recent-file list: a new document.
        auto app = MakeApp();
        ASSERT_TRUE(app->InitInstance({}));
        EXPECT_TRUE(app->document()->pathName().isEmpty());
        EXPECT_EQ(app->model().layerCount, 1);
    }
    settings::WriteString(QStringLiteral("Recent File List"), QStringLiteral("File1"), recent);
    {
        auto app = MakeApp();
        ASSERT_TRUE(app->InitInstance({}));
        EXPECT_EQ(app->document()->pathName(), recent);
        EXPECT_EQ(app->model().layerCount, 2);
    }
    { // The file argument wins.
        auto app = MakeApp();
        ASSERT_TRUE(app->InitInstance({named}));
        EXPECT_EQ(app->document()->pathName(), named);
    }
    settings::WriteInt(KanSet, QStringLiteral("FirstOpen"), 0);
    {
        auto app = MakeApp();
        ASSERT_TRUE(app->InitInstance({}));
        EXPECT_TRUE(app->document()->pathName().isEmpty());
    }
}

TEST_F(StartUpTest, AFileArgumentThatCannotBeOpenedLeavesANewDocumentAndTheFileAlone)
{
    const QString bad = dir.file(QStringLiteral("bad.tvn"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a cabinet");
    file.close();

    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({bad}));
    EXPECT_FALSE(messages.ids().empty()); // the open said why
    EXPECT_TRUE(app->document()->pathName().isEmpty());
    EXPECT_EQ(app->model().layerCount, 1);
    EXPECT_TRUE(app->mainFrame()->isVisible());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a cabinet"));
}

TEST_F(StartUpTest, ASecondStartIsRefusedWhileTheFirstRuns)
{
    auto first = MakeApp();
    ASSERT_TRUE(first->InitInstance({}));
    messages.clear();
    CN20417App second(QStringLiteral("tavelin-startup-test"));
    EXPECT_FALSE(second.InitInstance({}));
    EXPECT_EQ((std::vector<int>{30072}), messages.ids());
    EXPECT_EQ(second.mainFrame(), nullptr);
}

TEST_F(StartUpTest, PanesAndWiringComeFromTheHooks)
{
    auto app = MakeApp();
    auto* map = new FakeMapArea;
    map->background = true;
    app->createMapArea = [map] { return map; };
    app->createListArea = [] { return new FakeListArea; };
    int printed = 0;
    app->wireFrame = [&printed](CMainFrame& frame) {
        frame.SetHandler(ID_INSATU, [&printed] { ++printed; });
    };
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_EQ(app->mainFrame()->mapArea(), map);
    EXPECT_EQ(map->initialUpdates, 1); // the start-up's new document
    EXPECT_TRUE(app->mainFrame()->Execute(ID_INSATU));
    EXPECT_EQ(printed, 1);
}
