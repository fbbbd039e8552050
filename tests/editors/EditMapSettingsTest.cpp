// ID_MAP_SETTEI end to end: the dialog run modally on the model, what OK
// writes back and what the map area is told, and that cancel keeps all.

#include "editors/EditMapSettings.h"

#include "MapDlgFixtures.h"
#include "platform/Messages.h"
#include "document/DataFile.h"
#include "model/RouteModel.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <cstring>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

void SetUpMap(RouteModel& model)
{
    DocHeader& h = model.header;
    h.zoom = 2.0f;
    h.scrollX = 40;
    h.scrollY = 25;
    h.hasMap = 1;
    h.mapWidth = 700;
    h.mapHeight = 800;
    h.northLat = 35.0f;
    h.southLat = 34.5f;
    h.westLon = 135.0f;
    h.eastLon = 135.5f;
    h.mapWidthMetres = 45694;
    h.mapHeightMetres = 55000;
    model.mapPicture = PngPicture(CornerImage(700, 800));
    h.mapImageSize = std::int32_t(model.mapPicture->byteSize());
}

// Every call the map area receives, in order.
struct RecordingView {
    MapViewHooks hooks()
    {
        MapViewHooks h;
        h.zoom = [] { return 1.5f; };
        h.zoomBarHeight = [] { return 30; };
        h.setScrollSizes = [this](QSize s) {
            calls.push_back(QStringLiteral("scroll sizes %1x%2").arg(s.width()).arg(s.height()));
        };
        h.scrollTo = [this](QPoint p) {
            calls.push_back(QStringLiteral("scroll to %1,%2").arg(p.x()).arg(p.y()));
        };
        h.rebuildBackground = [this] {
            calls.push_back(QStringLiteral("rebuild"));
            return true;
        };
        h.refreshNow = [this] { calls.push_back(QStringLiteral("refresh")); };
        h.markModified = [this] { calls.push_back(QStringLiteral("modified")); };
        h.refreshNodeList = [this] { calls.push_back(QStringLiteral("node list")); };
        return h;
    }
    QStringList calls;
};

void Click(QWidget* dialog, const char* name)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

} // namespace

TEST(EditMapSettings, OkWithANewMapStoresItAndBringsTheMapAreaUpToDate)
{
    ScriptedMessages messages;
    TempDir files;
    const QString png = files.file("new.png");
    ASSERT_TRUE(CornerImage(300, 200).save(png, "PNG"));
    RouteModel model;
    SetUpMap(model);
    ScriptedChooser chooser;
    chooser.paths = {png};
    RecordingView view;

    WhenModal("tavelin::CMapDlg", [](QWidget* dlg) {
        Click(dlg, "changeMap");
        Click(dlg, "ok");
    });
    EXPECT_TRUE(EditMapSettings(model, nullptr, view.hooks(), &chooser));
    EXPECT_TRUE(messages.ids().empty());

    const DocHeader& h = model.header;
    ASSERT_TRUE(model.mapPicture);
    EXPECT_TRUE(model.mapPicture->bytes().startsWith("\xFF\xD8"));
    EXPECT_EQ(h.hasMap, 1);
    EXPECT_EQ(h.mapImageSize, model.mapPicture->byteSize());
    EXPECT_EQ(h.mapWidth, 300);
    EXPECT_EQ(h.mapHeight, 200);
    EXPECT_EQ(h.northLat, 35.0f);
    EXPECT_EQ(h.eastLon, 135.5f);
    EXPECT_EQ(h.mapWidthMetres, 45694);
    EXPECT_EQ(h.mapHeightMetres, 55000);
    EXPECT_EQ(view.calls, (QStringList{"scroll sizes 450x330", "scroll to 40,25", "rebuild",
                                       "refresh", "modified", "node list"}));
}

TEST(EditMapSettings, CancelAfterChoosingANewMapKeepsTheOldOne)
{
    TempDir files;
    const QString png = files.file("new.png");
    ASSERT_TRUE(CornerImage(300, 200).save(png, "PNG"));
    RouteModel model;
    SetUpMap(model);
    const DocHeader before = model.header;
    const PicturePtr oldMap = model.mapPicture;
    ScriptedChooser chooser;
    chooser.paths = {png};
    RecordingView view;

    WhenModal("tavelin::CMapDlg", [](QWidget* dlg) {
        Click(dlg, "changeMap");
        dlg->findChild<QLineEdit*>("northLat")->setText(QStringLiteral("36.0"));
        Click(dlg, "cancel");
    });
    EXPECT_FALSE(EditMapSettings(model, nullptr, view.hooks(), &chooser));
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(model.mapPicture, oldMap);
    EXPECT_EQ(std::memcmp(&model.header, &before, sizeof before), 0);
    EXPECT_TRUE(view.calls.isEmpty());
}

TEST(EditMapSettings, OkWithTheSameMapStoresTheEdgesOnly)
{
    ScriptedMessages messages;
    RouteModel model;
    SetUpMap(model);
    const PicturePtr oldMap = model.mapPicture;
    RecordingView view;

    WhenModal("tavelin::CMapDlg", [](QWidget* dlg) {
        TypeAndLeave(dlg->findChild<QLineEdit*>("northLat"), QStringLiteral("35.25"));
        Click(dlg, "ok");
    });
    ScriptedChooser chooser;
    EXPECT_TRUE(EditMapSettings(model, nullptr, view.hooks(), &chooser));
    EXPECT_EQ(model.header.northLat, 35.25f);
    // Recomputed from the edges: 0.75 degrees of latitude.
    EXPECT_GT(model.header.mapHeightMetres, 83000);
    EXPECT_LT(model.header.mapHeightMetres, 83400);
    EXPECT_EQ(model.mapPicture, oldMap);
    EXPECT_EQ(model.header.mapWidth, 700);
    EXPECT_EQ(view.calls, (QStringList{"refresh", "modified", "node list"}));
}

TEST(EditMapSettings, AMapAreaNotYetWiredIsSkipped)
{
    TempDir files;
    const QString png = files.file("new.png");
    ASSERT_TRUE(CornerImage(30, 20).save(png, "PNG"));
    RouteModel model;
    SetUpMap(model);
    ScriptedChooser chooser;
    chooser.paths = {png};
    WhenModal("tavelin::CMapDlg", [](QWidget* dlg) {
        Click(dlg, "changeMap");
        Click(dlg, "ok");
    });
    EXPECT_TRUE(EditMapSettings(model, nullptr, MapViewHooks{}, &chooser));
    EXPECT_EQ(model.header.mapWidth, 30);
}

TEST(EditMapSettings, ScrollSizeIsTheZoomedMapPlusTheZoomBar)
{
    EXPECT_EQ(MapScrollSize(1.0f, QSize(700, 800), 30), QSize(700, 830));
    EXPECT_EQ(MapScrollSize(0.5f, QSize(701, 801), 24), QSize(350, 424)); // truncated
}

TEST(EditMapSettings, TheNewMapEdgesAndGroundSizeSurviveSavingAndReopening)
{
    ScriptedMessages messages;
    TempDir files;
    const QString png = files.file("first.png");
    ASSERT_TRUE(CornerImage(120, 90).save(png, "PNG"));
    RouteModel model;
    ASSERT_TRUE(model.Allocate());
    model.Clear();
    model.header.zoom = 1.0f;
    ScriptedChooser chooser;
    chooser.paths = {png};

    WhenModal("tavelin::CMapDlg", [](QWidget* dlg) {
        Click(dlg, "setMap");
        TypeAndLeave(dlg->findChild<QLineEdit*>("northLat"), QStringLiteral("35.7"));
        TypeAndLeave(dlg->findChild<QLineEdit*>("southLat"), QStringLiteral("35.6"));
        TypeAndLeave(dlg->findChild<QLineEdit*>("westLon"), QStringLiteral("139.7"));
        TypeAndLeave(dlg->findChild<QLineEdit*>("eastLon"), QStringLiteral("139.8"));
        Click(dlg, "ok");
    });
    ASSERT_TRUE(EditMapSettings(model, nullptr, MapViewHooks{}, &chooser));
    ASSERT_TRUE(messages.ids().empty());
    ASSERT_GT(model.header.mapWidthMetres, 0);
    ASSERT_GT(model.header.mapHeightMetres, 0);

    QByteArray bytes;
    QBuffer out(&bytes);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_TRUE(DataFileWriter(out, model));
    RouteModel reopened;
    ASSERT_TRUE(reopened.Allocate());
    QBuffer in(&bytes);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const DataFileResult read = ReadDataFile(in, reopened);
    ASSERT_TRUE(read.ok()) << read.messageId;

    const DocHeader& a = model.header;
    const DocHeader& b = reopened.header;
    EXPECT_EQ(b.hasMap, 1);
    EXPECT_EQ(b.mapWidth, 120);
    EXPECT_EQ(b.mapHeight, 90);
    EXPECT_EQ(b.mapImageSize, a.mapImageSize);
    EXPECT_EQ(b.northLat, 35.7f);
    EXPECT_EQ(b.southLat, 35.6f);
    EXPECT_EQ(b.westLon, 139.7f);
    EXPECT_EQ(b.eastLon, 139.8f);
    EXPECT_EQ(b.mapWidthMetres, a.mapWidthMetres);
    EXPECT_EQ(b.mapHeightMetres, a.mapHeightMetres);
    ASSERT_TRUE(reopened.mapPicture);
    EXPECT_EQ(reopened.mapPicture->bytes(), model.mapPicture->bytes());
}
