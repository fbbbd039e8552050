// The layer properties' preview drawn into an image: the route, the anchor
// to the label box, the node mark and the icon at each position.

#include "editors/LayerPreview.h"

#include "PropertyFixtures.h"
#include "editors/LayerPropertiesValues.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

// A 230 x 170 frame: centre (115, 85), quarter 57, label box (168, 5) to
// (225, 47).
constexpr int W = 230, H = 170, Cx = 115, Cy = 85;
constexpr QRgb Background = 0xFFF0F0F0;

LayerPropertiesValues Values()
{
    RouteModel model;
    SetUpModel(model);
    AddTestLayer(model, "a", 2000, 1, 1, 0, 0, 0);
    LayerPropertiesValues v = LayerPropertiesValues::FromModel(model, 0);
    v.arcColour = 0x00FF00;    // green
    v.anchorColour = 0xFF0000; // blue
    v.iconSize = 20;
    return v;
}

QImage Draw(const LayerPropertiesValues& v)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    DrawLayerPreview(painter, QRect(0, 0, W, H), v);
    return image;
}

int CountInColumn(const QImage& image, int x, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST(LayerPreview, RouteAnchorLabelBoxAndNodeMarkStandWhereTheGeometrySays)
{
    LayerPropertiesValues v = Values();
    v.cell = QImage(); // no icon over the node mark
    v.arcWidth = 5;
    const QImage image = Draw(v);
    // Arc from the lower-left corner to the centre and on to the lower right.
    EXPECT_EQ(image.pixel(57, 127), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(172, 127), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(115, 150), Background);
    // The label box, drawn over the anchor line.
    EXPECT_EQ(image.pixel(196, 26), qRgb(182, 199, 222));
    EXPECT_EQ(image.pixel(170, 10), qRgb(182, 199, 222));
    EXPECT_EQ(image.pixel(166, 10), Background);
    // The anchor between the box's centre and the node, outside the box.
    EXPECT_EQ(CountInColumn(image, 150, 0xFF0000FF), 1);
    EXPECT_EQ(CountInColumn(image, 100, 0xFF0000FF), 0);
    // The node mark.
    EXPECT_EQ(image.pixel(Cx, Cy), qRgb(72, 109, 159));
    EXPECT_EQ(image.pixel(Cx - 5, Cy), 0xFF000000u);
}

TEST(LayerPreview, AWidthOfZeroDrawsWithTheThinnestPen)
{
    LayerPropertiesValues v = Values();
    v.cell = QImage();
    v.arcWidth = 0;
    EXPECT_EQ(CountInColumn(Draw(v), 30, 0xFF00FF00), 1);
    v.arcWidth = 6;
    EXPECT_GE(CountInColumn(Draw(v), 30, 0xFF00FF00), 6);
}

TEST(LayerPreview, TheIconSitsAtItsPositionWithTheKeyLeftOut)
{
    // The test icon: red left half, blue right half on a white (key) border;
    // each case looks at a point in the left and the right half of the
    // drawn icon and at one outside it.
    struct Case {
        int position;
        QPoint topLeft;
        QRgb left, right;
    };
    const Case cases[] = {
        {0, {Cx - 10, Cy - 10}, 0xFFFF0000, 0xFF0000FF},
        {4, {Cx - 20, Cy - 20}, 0xFFFF0000, 0xFF0000FF},
        // Upper right: mirrored, the lower-left corner on the node point.
        {1, {Cx, Cy - 20}, 0xFF0000FF, 0xFFFF0000},
        {2, {Cx, Cy}, 0xFF0000FF, 0xFFFF0000},
        {3, {Cx - 20, Cy}, 0xFFFF0000, 0xFF0000FF},
    };
    for (const Case& c : cases) {
        LayerPropertiesValues v = Values();
        v.setIconPosition(c.position);
        const QImage image = Draw(v);
        EXPECT_EQ(image.pixel(c.topLeft + QPoint(5, 10)), c.left) << c.position;
        EXPECT_EQ(image.pixel(c.topLeft + QPoint(15, 10)), c.right) << c.position;
        // The white border is the key: the background shows through.
        EXPECT_EQ(image.pixel(c.topLeft + QPoint(0, 10)), Background) << c.position;
    }
}

TEST(LayerPreview, TheIconIsDrawnAtTheTypedSizeAndWithTheChosenKey)
{
    LayerPropertiesValues v = Values();
    v.iconSize = 64;
    v.transparentColour = 0xFF0000; // blue is left out now, white shows
    const QImage image = Draw(v);
    EXPECT_EQ(image.pixel(Cx - 32 + 10, Cy), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(Cx - 32 + 1, Cy + 20), 0xFFFFFFFFu);
    EXPECT_NE(image.pixel(Cx + 20, Cy + 20), 0xFF0000FFu);
}
