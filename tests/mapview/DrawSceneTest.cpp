// Pixel checks of the composed map scene.
#include "MapFixture.h"

#include "platform/Settings.h"
#include "mapview/MapGeometry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tavelin::test
{
namespace
{

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

bool IsCheckerOf(const QImage& image, const QRect& r, QRgb colour)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = At(image, x, y);
            if (p != colour && p != 0xFFFFFFFFu)
                return false;
            // Neighbours along a row alternate.
            if (x > r.left() && p == At(image, x - 1, y))
                return false;
        }
    return true;
}

TEST(DrawScene, WithoutMapOnlyWhiteEvenWithNodesAndSlips)
{
    MapFixture f;
    const int layer = f.addLayer();
    f.addNode(layer, 20, 20);
    f.addNode(layer, 80, 60);
    f.addSlip(10, 10, 60, 40, "text");
    f.removeMap();
    const QImage image = f.draw(QSize(120, 90));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(At(image, x, y), 0xFFFFFFFFu) << x << "," << y;
}

TEST(DrawScene, NodeIconKeepsItsSizeAtHalfZoom)
{
    MapFixture f;
    const int layer = f.addLayer(10, 2); // lower right of the node point
    f.addNode(layer, 3, 3);
    f.model.header.zoom = 0.5f;
    const SlipBox r = NodeIconRect(f.model, 0);
    EXPECT_EQ(r, (SlipBox{1, 1, 11, 11}));
    const QImage image = f.draw(QSize(40, 40));
    EXPECT_EQ(At(image, 1, 1), IconColour);
    EXPECT_EQ(At(image, 10, 10), IconColour);
    EXPECT_EQ(At(image, 0, 0), MapColour);
    EXPECT_EQ(At(image, 11, 11), MapColour);
}

TEST(DrawScene, IconRectFollowsIconPos)
{
    MapFixture f;
    struct Case {
        int pos;
        SlipBox expected;
    } cases[] = {
        {0, {45, 25, 55, 35}}, {1, {50, 20, 60, 30}}, {2, {50, 30, 60, 40}},
        {3, {40, 30, 50, 40}}, {4, {40, 20, 50, 30}}, {9, {45, 25, 55, 35}},
    };
    const int layer = f.addLayer(10);
    f.addNode(layer, 25, 15);
    f.model.header.zoom = 2.0f;
    for (const Case& c : cases) {
        f.model.layers[layer].iconPos = std::uint16_t(c.pos);
        EXPECT_EQ(NodeIconRect(f.model, 0), c.expected) << "iconPos " << c.pos;
    }
}

TEST(DrawScene, SlipKeepsItsSizeAndMovesItsCentreWithZoom)
{
    MapFixture f(300, 200);
    f.addSlip(0, 0, 100, 50);
    f.model.header.zoom = 2.0f;
    EXPECT_EQ(SlipScreenRect(f.model, 0, false), (SlipBox{50, 25, 150, 75}));
    const QImage image = f.draw(QSize(200, 120));
    const QRgb border = 0xFF800000; // COLORREF 0x000080
    EXPECT_EQ(At(image, 50, 25), border);
    EXPECT_EQ(At(image, 149, 74), border);
    EXPECT_EQ(At(image, 100, 70), 0xFFFFFFFFu); // background fill
    EXPECT_EQ(At(image, 49, 25), MapColour);
    EXPECT_EQ(At(image, 150, 75), MapColour);
}

TEST(DrawScene, SlipTitleStripCountsOnlyWhenAsked)
{
    MapFixture f;
    const int s = f.addSlip(10, 100, 50, 120);
    EXPECT_EQ(SlipScreenRect(f.model, s, true), (SlipBox{10, 100, 50, 120})); // text slip
    f.makeImageSlip(s, 0xFF0000FF, 1, 5);
    EXPECT_EQ(SlipScreenRect(f.model, s, true), (SlipBox{10, 30, 50, 120}));
    f.model.slips[s].titlePos = 2;
    EXPECT_EQ(SlipScreenRect(f.model, s, true), (SlipBox{10, 100, 50, 190}));
    EXPECT_EQ(SlipScreenRect(f.model, s, false), (SlipBox{10, 100, 50, 120}));
}

TEST(DrawScene, BorderWidthZeroLeavesTheMapBehindTheText)
{
    MapFixture f;
    const int s = f.addSlip(20, 20, 120, 70, "ab");
    f.model.slips[s].style.borderWidth = 0;
    const QImage image = f.draw(QSize(200, 150));
    EXPECT_EQ(At(image, 20, 20), MapColour);  // no border
    EXPECT_EQ(At(image, 100, 60), MapColour); // no background
    // The text itself is drawn (dark pixels near its start).
    bool ink = false;
    for (int y = 22; y < 40 && !ink; ++y)
        for (int x = 22; x < 50 && !ink; ++x)
            ink = qGray(At(image, x, y)) < 60;
    EXPECT_TRUE(ink);
}

TEST(DrawScene, SlipOfAHiddenLayerDisappearsFreeSlipStays)
{
    MapFixture f;
    const int hidden = f.addLayer(10, 0, false);
    const int shown = f.addLayer(10, 0, true);
    const int noted = f.addSlip(10, 10, 50, 40);
    const int free = f.addSlip(100, 10, 140, 40);
    const int notedByShown = f.addSlip(10, 90, 50, 120);
    f.addNode(hidden, 70, 70, noted);
    f.addNode(shown, 80, 130, notedByShown);
    f.addNode(hidden, 90, 140, notedByShown); // not the first noting node
    const QImage image = f.draw(QSize(200, 150));
    EXPECT_EQ(At(image, 30, 30), MapColour) << "slip of the hidden layer";
    EXPECT_EQ(At(image, 120, 30), 0xFFFFFFFFu) << "slip noted by no node";
    EXPECT_EQ(At(image, 30, 110), 0xFFFFFFFFu) << "first noting node is visible";
    EXPECT_EQ(At(image, 70, 70), MapColour) << "node of the hidden layer";
    (void)free;
}

TEST(DrawScene, SelectedNodeWithIconsHiddenIsACheckeredSquare)
{
    MapFixture f;
    const int layer = f.addLayer(10);
    const int primary = f.addNode(layer, 40, 40);
    const int other = f.addNode(layer, 120, 40);
    f.model.layers[layer].arcWidth = 0;
    f.model.layers[layer].arcColour = ColorRef(MapColour); // arc invisible on the map
    f.model.nodes[primary].selected = 1;
    f.model.nodes[other].selected = 1;
    SceneState state;
    state.iconsShown = false;
    state.primaryNode = primary;
    const QImage image = f.draw(QSize(200, 150), {}, state);
    // iconSize + 8 = 18 pixels: 31..48 around (40, 40).
    EXPECT_TRUE(IsCheckerOf(image, QRect(31, 31, 18, 18), 0xFF000080));  // navy
    EXPECT_TRUE(IsCheckerOf(image, QRect(111, 31, 18, 18), 0xFFFF00FF)); // magenta
    EXPECT_EQ(At(image, 30, 35), MapColour);
    EXPECT_EQ(At(image, 49, 45), MapColour);
    EXPECT_EQ(At(image, 35, 49), MapColour);
}

TEST(DrawScene, ArcsJoinEachVisibleLayerInRouteOrder)
{
    MapFixture f;
    const int a = f.addLayer(0);
    const int b = f.addLayer(0);
    const int hidden = f.addLayer(0, 0, false);
    f.addNode(a, 10, 20);
    f.addNode(b, 10, 100);
    f.addNode(a, 90, 20);  // a: (10,20) -> (90,20)
    f.addNode(b, 90, 100); // b: (10,100) -> (90,100)
    f.addNode(hidden, 150, 10);
    f.addNode(hidden, 150, 140);
    const QImage image = f.draw(QSize(200, 150));
    EXPECT_EQ(At(image, 50, 20), ArcColour);
    EXPECT_EQ(At(image, 50, 100), ArcColour);
    EXPECT_EQ(At(image, 10, 60), MapColour) << "no arc between layers";
    EXPECT_EQ(At(image, 150, 75), MapColour) << "hidden layer";
}

TEST(DrawScene, ImageSlipTitleBelowAndPreviewButton)
{
    MapFixture f;
    const int s = f.addSlip(20, 20, 120, 60, "a title much too long for forty pixels of slip");
    f.makeImageSlip(s, 0xFF0000FF, 2, 5);
    f.model.slips[s].style.textColour = 0x000000;
    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("PicZoom"), 1);
    QImage image = f.draw(QSize(200, 150));
    EXPECT_EQ(At(image, 40, 30), 0xFF0000FFu);  // the picture stretched onto the slip
    EXPECT_NE(At(image, 114, 54), 0xFF0000FFu); // the preview button
    EXPECT_EQ(At(image, 19, 19), 0xFF800000u);  // frame grown by 1
    // The title: ink only below the image, starting 5 pixels under it.
    auto inkInRows = [&](int from, int to) {
        for (int y = from; y < to; ++y)
            for (int x = 20; x < 120; ++x)
                if (qGray(At(image, x, y)) < 60)
                    return true;
        return false;
    };
    EXPECT_FALSE(inkInRows(61, 65));
    EXPECT_TRUE(inkInRows(65, 85));

    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("PicZoom"), 0);
    image = f.draw(QSize(200, 150));
    EXPECT_EQ(At(image, 114, 54), 0xFF0000FFu);
    ResetSettings();
}

TEST(DrawScene, EditorFrameReplacesTheSlipUnderEditing)
{
    MapFixture f;
    const int s = f.addSlip(20, 20, 120, 60, "text");
    SceneState state;
    state.editingSlip = s;
    state.editorRect = QRect(20, 20, 100, 40);
    const QImage image = f.draw(QSize(200, 150), {}, state);
    EXPECT_EQ(At(image, 70, 50), MapColour);   // the slip is not drawn
    EXPECT_EQ(At(image, 17, 17), 0xFF00007Bu); // a corner circle of e = editor grown by 3
    EXPECT_EQ(At(image, 70, 17), 0xFF00007Bu); // a side midpoint circle
}

// Skipping what lies outside the painted part must not change a pixel.
TEST(DrawScene, PartialPaintMatchesTheWholeScene)
{
    for (float zoom : {0.5f, 1.0f, 2.0f, 3.0f}) {
        MapFixture f(400, 300);
        const int a = f.addLayer(12);
        const int b = f.addLayer(16, 3);
        f.model.layers[a].arcWidth = 3;
        f.model.layers[b].iconTransparentColour = ColorRef(IconColour); // keyed: icon invisible
        int slip = 0;
        for (int i = 0; i < 40; ++i) {
            const int x = (i * 97) % 400, y = (i * 53) % 300;
            if (i % 5 == 0) {
                slip = f.addSlip(x, y, x + 60, y + 30, "slip text that wraps");
                f.model.slips[slip].style.wrap = 1;
                if (i % 10 == 0)
                    f.makeImageSlip(slip, 0xFF808000, 1 + (i / 10) % 2, 3);
            }
            f.addNode(i % 2 ? a : b, x, y, i % 5 == 0 ? slip : -1);
            f.model.nodes[i].selected = i % 7 == 0;
        }
        f.model.header.zoom = zoom;
        const QSize whole = ZoomedMapRect(f.model.header).size();
        const QRect part(whole.width() / 3, whole.height() / 4, whole.width() / 3,
                         whole.height() / 3);
        // The same surface drawn once with everything and once with only
        // what meets the painted part.
        SceneState everything;
        everything.visible = QRect(QPoint(0, 0), whole);
        const QImage partial = f.draw(part.size(), part.topLeft());
        const QImage expected = f.draw(part.size(), part.topLeft(), everything);
        int differing = 0;
        QPoint first(-1, -1);
        for (int y = 0; y < partial.height(); ++y)
            for (int x = 0; x < partial.width(); ++x)
                if (partial.pixel(x, y) != expected.pixel(x, y) && differing++ == 0)
                    first = QPoint(x, y);
        EXPECT_EQ(differing, 0) << "zoom " << zoom << " first at " << first.x() << "," << first.y()
                                << " of " << part.x() << "," << part.y() << std::hex << " got "
                                << partial.pixel(first) << " want " << expected.pixel(first);
    }
}

TEST(DrawScene, OddRecordsDoNotCrash)
{
    MapFixture f;
    const int layer = f.addLayer();
    f.addNode(layer, 10, 10, 999);  // names a slip that does not exist
    f.addNode(500, 20, 20);         // names a layer that does not exist
    f.addSlip(50, 50, 40, 40, "x"); // inverted rectangle
    f.model.header.zoom = 0.0f;
    const QImage image = f.draw(QSize(50, 50));
    EXPECT_FALSE(image.isNull());
}

TEST(RenderWholeMap, MapSizeAtAnyZoomAndZoomPutBack)
{
    MapFixture f(160, 90);
    const int layer = f.addLayer(10, 2);
    f.addNode(layer, 150, 80);
    f.model.header.zoom = 3.0f;
    SceneState state;
    state.background = &f.background;
    const QImage image = RenderWholeMap(f.model, state);
    EXPECT_EQ(image.size(), QSize(160, 90));
    EXPECT_EQ(f.model.header.zoom, 3.0f);
    EXPECT_EQ(At(image, 155, 85), IconColour);
}

TEST(BuildBackground, StretchesAPictureOfAnotherSizeAndReportsNoMap)
{
    MapFixture f(100, 50);
    QImage small(10, 5, QImage::Format_RGB32);
    small.fill(0xFF123456);
    f.model.mapPicture = std::make_shared<Picture>(QByteArray("x"), small);
    QImage buffer;
    EXPECT_EQ(BuildBackground(f.model, buffer), BackgroundResult::Built);
    EXPECT_EQ(buffer.size(), QSize(100, 50));
    EXPECT_EQ(buffer.pixel(50, 25) | 0xFF000000u, 0xFF123456u);
    f.model.mapPicture = std::make_shared<Picture>(QByteArray("not an image"));
    EXPECT_EQ(BuildBackground(f.model, buffer), BackgroundResult::NotRendered);
    EXPECT_TRUE(buffer.isNull());
    f.model.header.hasMap = 0;
    EXPECT_EQ(BuildBackground(f.model, buffer), BackgroundResult::NoMap);
}

} // namespace
} // namespace tavelin::test
