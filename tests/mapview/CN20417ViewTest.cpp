// The map view and its zoom bar driven as a user would: bar clicks, the
// wheel, fit mode, painting and saving the map as JPEG.
#include "MapFixture.h"

#include "platform/Messages.h"
#include "mapview/CN20417View.h"
#include "mapview/CUnderBar.h"
#include "mapview/MapGeometry.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace tavelin::test
{
namespace
{

class ScriptedPath : public MapImagePathChooser
{
public:
    QString chooseMapImagePath(QObject*, const QString& defaultName) override
    {
        offered = defaultName;
        ++asked;
        return answer;
    }
    QString answer;
    QString offered;
    int asked = 0;
};

// A view over a 1000 x 800 map in a 400 x 300 window, opened from a file.
struct ViewFixture {
    ViewFixture() : view(fixture.model)
    {
        // The view empties the model when it is created; fill it afterwards.
        fixture = MapFixture(1000, 800);
        view.resize(400, 300);
        view.show();
        fixture.model.header.zoom = 1.0f;
        view.InitialUpdate(true);
        settle();
    }
    void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void click(CUnderBar::Control id)
    {
        QTest::mouseClick(view.zoomBar()->control(id), Qt::LeftButton);
        settle();
    }
    void wheel(int delta, Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QWheelEvent event(QPointF(100, 100), view.mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, delta), buttons, mods, Qt::NoScrollPhase, false);
        lastWheelAccepted = QApplication::sendEvent(view.viewport(), &event) && event.isAccepted();
        settle();
    }
    float zoom() const { return fixture.model.header.zoom; }
    QPoint centreInMapPixels() const
    {
        const QSize client = view.viewport()->size();
        return ClientToMapPixels(QPoint(client.width() / 2, client.height() / 2),
                                 view.scrollPosition(), zoom());
    }

    MapFixture fixture{1, 1};
    CN20417View view;
    bool lastWheelAccepted = false;
};

TEST(CN20417View, IsTheApplicationWideView)
{
    ViewFixture f;
    EXPECT_EQ(CN20417View::instance(), &f.view);
    EXPECT_TRUE(f.view.HasBackground());
    EXPECT_EQ(f.view.zoomBar()->zoomText(), QStringLiteral("100%"));
}

TEST(CN20417View, ZoomInWalksToSixHundredAndStops)
{
    ViewFixture f;
    f.click(CUnderBar::ZoomOut);
    EXPECT_EQ(f.zoom(), 0.5f);
    EXPECT_EQ(f.view.zoomBar()->zoomText(), QStringLiteral("50%"));
    f.click(CUnderBar::ZoomOut);
    EXPECT_EQ(f.zoom(), 0.5f);
    for (float expected : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 6.0f}) {
        f.click(CUnderBar::ZoomIn);
        EXPECT_EQ(f.zoom(), expected);
    }
    EXPECT_EQ(f.view.zoomBar()->zoomText(), QStringLiteral("600%"));
    EXPECT_EQ(f.view.scrollSize(), QSize(6000, 4800 + f.view.zoomBarHeight()));
}

TEST(CN20417View, ZoomKeepsTheCentredPoint)
{
    ViewFixture f;
    f.view.CenterOn(500, 400);
    f.settle();
    const QPoint before = f.centreInMapPixels();
    f.click(CUnderBar::ZoomIn);
    const QPoint after = f.centreInMapPixels();
    EXPECT_NEAR(after.x(), before.x(), 1);
    EXPECT_NEAR(after.y(), before.y(), 1);
}

TEST(CN20417View, FitOnAndOffReturnsToZoomAndCentre)
{
    ViewFixture f;
    f.click(CUnderBar::ZoomIn); // 200 %
    f.view.CenterOn(1200, 900);
    f.settle();
    const QPoint centre = f.centreInMapPixels();
    f.click(CUnderBar::Fit);
    EXPECT_EQ(f.fixture.model.header.fitToWindow, 1);
    const QSize client = f.view.viewport()->size();
    EXPECT_FLOAT_EQ(f.zoom(), std::min(client.width() / 1000.0f,
                                       (client.height() - f.view.zoomBarHeight()) / 800.0f));
    f.click(CUnderBar::Fit);
    EXPECT_EQ(f.fixture.model.header.fitToWindow, 0);
    EXPECT_EQ(f.zoom(), 2.0f);
    EXPECT_NEAR(f.centreInMapPixels().x(), centre.x(), 1);
    EXPECT_NEAR(f.centreInMapPixels().y(), centre.y(), 1);
}

TEST(CN20417View, ZoomInInFitModeLeavesFitMode)
{
    ViewFixture f;
    f.click(CUnderBar::ZoomIn); // slider 2
    f.click(CUnderBar::Fit);
    f.click(CUnderBar::ZoomIn);
    EXPECT_EQ(f.fixture.model.header.fitToWindow, 0);
    EXPECT_FALSE(f.view.zoomBar()->fitChecked());
    EXPECT_EQ(f.zoom(), 3.0f);
    EXPECT_EQ(f.view.zoomBar()->sliderPosition(), 3);
}

TEST(CN20417View, DoubleClickOnThePercentageGivesHundredAndLeavesFit)
{
    ViewFixture f;
    f.click(CUnderBar::ZoomIn);
    f.click(CUnderBar::Fit);
    QTest::mouseDClick(f.view.zoomBar()->control(CUnderBar::Percent), Qt::LeftButton);
    f.settle();
    EXPECT_EQ(f.zoom(), 1.0f);
    EXPECT_EQ(f.fixture.model.header.fitToWindow, 0);
    EXPECT_FALSE(f.view.zoomBar()->fitChecked());
    EXPECT_EQ(f.view.zoomBar()->sliderPosition(), 1);
}

TEST(CN20417View, CtrlWheelZoomsInStepsButNotInFitMode)
{
    ViewFixture f;
    f.wheel(120, Qt::ControlModifier); // away from the user: in
    EXPECT_EQ(f.zoom(), 2.0f);
    f.wheel(-120, Qt::ControlModifier);
    f.wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(f.zoom(), 0.5f);
    f.wheel(-120, Qt::ControlModifier); // at 50 %: passed on
    EXPECT_EQ(f.zoom(), 0.5f);
    EXPECT_FALSE(f.lastWheelAccepted);

    f.click(CUnderBar::Fit);
    const float fitted = f.zoom();
    f.wheel(120, Qt::ControlModifier);
    EXPECT_EQ(f.zoom(), fitted);
    EXPECT_EQ(f.fixture.model.header.fitToWindow, 1);
}

TEST(CN20417View, WheelScrollsByTheStatedSteps)
{
    ViewFixture f;
    f.view.horizontalScrollBar()->setValue(100);
    f.view.verticalScrollBar()->setValue(100);
    f.wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(f.view.scrollPosition(), QPoint(110, 100));
    f.wheel(-120, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(f.view.scrollPosition(), QPoint(109, 100));
    f.wheel(-120, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(f.view.scrollPosition(), QPoint(99, 100));
    f.wheel(120, Qt::NoModifier); // plain: 10 plus the default scrolling
    EXPECT_LE(f.view.scrollPosition().y(), 90);
}

TEST(CN20417View, BarDoesNothingWithoutAMapOrWhileEditing)
{
    ViewFixture f;
    f.view.setEditingSlip(0, QRect(0, 0, 10, 10));
    f.click(CUnderBar::ZoomIn);
    EXPECT_EQ(f.zoom(), 1.0f);
    f.view.setEditingSlip(-1);
    f.fixture.model.header.hasMap = 0;
    f.view.setEditingSlip(-1);
    f.click(CUnderBar::ZoomIn);
    f.click(CUnderBar::Fit);
    EXPECT_EQ(f.zoom(), 1.0f);
    EXPECT_EQ(f.fixture.model.header.fitToWindow, 0);
}

TEST(CN20417View, OddStoredZoomAndFitFlagWithoutAMap)
{
    MapFixture fixture(1, 1);
    CN20417View view(fixture.model);
    fixture = MapFixture(0, 0);
    fixture.removeMap();
    fixture.model.header.zoom = 0.0f;
    fixture.model.header.fitToWindow = 7;
    view.resize(300, 200);
    view.show();
    view.InitialUpdate(true);
    QApplication::processEvents();
    view.resize(320, 240);
    QApplication::processEvents();
    EXPECT_EQ(fixture.model.header.zoom, 1.0f);
}

TEST(CN20417View, PaintShowsWhiteBeyondTheMap)
{
    MapFixture fixture(1, 1);
    CN20417View view(fixture.model);
    fixture = MapFixture(120, 80);
    view.resize(300, 250);
    view.show();
    view.InitialUpdate(true);
    QApplication::processEvents();
    const QImage shot = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(60, 40) | 0xFF000000u, MapColour);
    EXPECT_EQ(shot.pixel(200, 40) | 0xFF000000u, 0xFFFFFFFFu);
    EXPECT_EQ(shot.pixel(60, 150) | 0xFF000000u, 0xFFFFFFFFu);
}

TEST(CN20417View, NewDocumentHasOneLayerAndNoMap)
{
    ViewFixture f;
    f.view.InitialUpdate(false);
    EXPECT_EQ(f.fixture.model.layerCount, 1);
    EXPECT_FALSE(f.view.HasBackground());
    EXPECT_EQ(f.view.scrollSize(), QSize(100, 100));
}

TEST(CN20417View, ShowNodeCentredSelectsOnlyThatNode)
{
    ViewFixture f;
    const int layer = f.fixture.addLayer();
    f.fixture.addNode(layer, 10, 10);
    const int target = f.fixture.addNode(layer, 700, 600);
    f.fixture.model.nodes[0].selected = 1;
    f.view.ShowNodeCentred(target);
    f.settle();
    EXPECT_EQ(f.view.primaryNode(), target);
    EXPECT_EQ(f.fixture.model.nodes[0].selected, 0);
    EXPECT_EQ(f.fixture.model.nodes[target].selected, 1);
    const QSize client = f.view.viewport()->size();
    EXPECT_EQ(f.view.scrollPosition(), QPoint(700 - client.width() / 2, 600 - client.height() / 2));
}

TEST(SaveMapImage, DefaultNameDialogAndResult)
{
    EXPECT_EQ(DefaultMapImageName(QStringLiteral("route.tvn")), QStringLiteral("route.jpeg"));
    EXPECT_EQ(DefaultMapImageName(QStringLiteral("a.b.tvn")), QStringLiteral("a.b.jpeg"));
    EXPECT_EQ(DefaultMapImageName(QStringLiteral("untitled")), QString());

    ViewFixture f;
    f.click(CUnderBar::ZoomIn);
    f.click(CUnderBar::ZoomIn); // shown at 300 %
    TempDir dir;
    ScriptedMessages messages;
    ScriptedPath chooser;

    EXPECT_FALSE(f.view.SaveMapImage(QStringLiteral("route.tvn"), chooser)); // cancelled
    EXPECT_EQ(chooser.offered, QStringLiteral("route.jpeg"));
    EXPECT_TRUE(messages.records.empty());

    chooser.answer = dir.file(QStringLiteral("route.jpeg"));
    EXPECT_TRUE(f.view.SaveMapImage(QStringLiteral("route.tvn"), chooser));
    EXPECT_EQ(messages.ids(), std::vector<int>{30038});
    EXPECT_EQ(QImageReader(chooser.answer).size(), QSize(1000, 800));
    EXPECT_EQ(f.zoom(), 3.0f);

    messages.clear();
    chooser.answer = dir.file(QStringLiteral("missing/folder/x.jpeg"));
    EXPECT_FALSE(f.view.SaveMapImage(QStringLiteral("route.tvn"), chooser));
    EXPECT_EQ(messages.ids(), std::vector<int>{30001});
    EXPECT_FALSE(QFile::exists(chooser.answer));
}

} // namespace
} // namespace tavelin::test
