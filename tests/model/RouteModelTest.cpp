#include "platform/Messages.h"
#include "platform/Settings.h"
#include "geo/OleDate.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace tavelin;

namespace {

class RouteModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ResetSettings();
        ASSERT_TRUE(model.Allocate());
        ASSERT_TRUE(model.ResetForNewDocument());
        model.header.mapWidth = 1000;
        model.header.mapHeight = 800;
    }

    static PicturePtr PngPicture(int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return std::make_shared<Picture>(bytes);
    }

    RouteModel model;
    ScriptedMessages messages;
};

} // namespace

TEST_F(RouteModelTest, NewDocumentHasOneDefaultLayer)
{
    EXPECT_EQ(model.layerCount, 1);
    EXPECT_EQ(model.nodeCount, 0);
    EXPECT_EQ(model.slipCount, 0);
    EXPECT_EQ(model.header.currentLayer, 0);
    EXPECT_FLOAT_EQ(model.header.zoom, 1.0f);
    const LayerRec& layer = model.layers[0];
    EXPECT_EQ(cp932::DecodeField(layer.name, sizeof layer.name), QStringLiteral("レイヤー1"));
    EXPECT_EQ(layer.visible, 1);
    EXPECT_EQ(layer.tabIndex, 0);
    EXPECT_EQ(layer.baseTimeStatus, DateTimeValid);
    DateTimeParts parts;
    ASSERT_TRUE(OleDateToParts(layer.baseTime, parts));
    EXPECT_EQ(std::tie(parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second),
              std::make_tuple(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(layer.hasIcon, 1);
    ASSERT_TRUE((*model.iconPictures)[0]);
    EXPECT_EQ(layer.iconImageSize, static_cast<std::uint32_t>((*model.iconPictures)[0]->byteSize()));
    EXPECT_EQ(layer.iconTransparentColour, 0xFFFFFFu);
    EXPECT_EQ(layer.arcWidth, 1);
    EXPECT_EQ(layer.arcColour, 8388608u);
    EXPECT_EQ(layer.iconSize, 20);
    EXPECT_FALSE((*model.iconBitmaps)[0].isNull());
    EXPECT_TRUE(messages.records.empty());
}

TEST_F(RouteModelTest, LayerTakesSettingsAndCutsItsName)
{
    settings::WriteInt(QStringLiteral("LAYER"), QStringLiteral("Futosa"), 4);
    settings::WriteString(QStringLiteral("LAYER"), QStringLiteral("ArcCol"), QStringLiteral("255"));
    const QString name = QString(60, u'あ'); // 120 bytes
    ASSERT_TRUE(model.AddLayer(7, QStringLiteral("20240229123456"), name));
    const LayerRec& layer = model.layers[1];
    EXPECT_EQ(QByteArray(layer.name), cp932::Encode(QString(50, u'あ')).value());
    EXPECT_EQ(layer.arcWidth, 4);
    EXPECT_EQ(layer.arcColour, 255u);
    EXPECT_EQ(layer.tabIndex, 7);
    EXPECT_EQ(model.header.currentLayer, 1);
    EXPECT_EQ(model.FindLayerByTab(7), 1);
    EXPECT_EQ(model.FindLayerByTab(99), 0);
    DateTimeParts parts;
    ASSERT_TRUE(OleDateToParts(layer.baseTime, parts));
    EXPECT_EQ(std::tie(parts.month, parts.day, parts.hour, parts.second), std::make_tuple(2, 29, 12, 56));
}

TEST_F(RouteModelTest, CapacitiesStopAtTheLimitWithTheirMessage)
{
    while (model.layerCount < MaxLayers)
        ASSERT_TRUE(model.AddLayer(model.layerCount, QStringLiteral("20000101000000"), QStringLiteral("L")));
    for (int i = 0; i < MaxNodes; ++i)
        ASSERT_GE(model.AppendNode({i % 1000, 5}, 1.0f), 0);
    for (int i = 0; i < MaxSlips; ++i)
        ASSERT_GE(model.AddSlip({500, 400}, 1.0f, "s", {}), 0);
    messages.clear();

    EXPECT_FALSE(model.AddLayer(0, QStringLiteral("20000101000000"), QStringLiteral("over")));
    EXPECT_EQ(model.AppendNode({1, 1}, 1.0f), -1);
    EXPECT_EQ(model.AddSlip({1, 1}, 1.0f, "over", {}), -1);
    EXPECT_EQ(messages.ids(), (std::vector<int>{30009, 30055, 30062}));
    EXPECT_EQ(model.layerCount, 1000);
    EXPECT_EQ(model.nodeCount, 10000);
    EXPECT_EQ(model.slipCount, 1000);
}

TEST_F(RouteModelTest, NodesJoinTheCurrentLayerAtUnzoomedPixels)
{
    model.AddLayer(1, QStringLiteral("20000101000000"), QStringLiteral("second"));
    const int i = model.AppendNode({301, 99}, 2.0f);
    ASSERT_EQ(i, 0);
    const NodeRec& node = model.nodes[i];
    EXPECT_EQ(node.layer, 1);
    EXPECT_EQ(node.noteSlip, -1);
    EXPECT_EQ(node.x, 150); // truncated toward zero
    EXPECT_EQ(node.y, 49);
    EXPECT_EQ(node.arrival, 0);
    EXPECT_EQ(node.departure, 0);
}

TEST_F(RouteModelTest, SlipSizesAndStyleComeFromTheSettings)
{
    const int text = model.AddSlip({500, 400}, 1.0f, *cp932::Encode(QStringLiteral("新しい付箋")), {});
    const SlipRec& t = model.slips[text];
    EXPECT_EQ(std::tie(t.left, t.top, t.right, t.bottom), std::make_tuple(425, 350, 575, 450));
    EXPECT_EQ(t.selected, 1);
    EXPECT_EQ(t.hasImage, 0);
    EXPECT_EQ(t.imageTransparentColour, -1);
    EXPECT_EQ(t.titlePos, 2);
    EXPECT_EQ(cp932::DecodeField(t.text, sizeof t.text), QStringLiteral("新しい付箋"));
    EXPECT_EQ(t.style.textColour, 8388608);
    EXPECT_EQ(t.style.backColour, 16773100);
    EXPECT_EQ(t.style.fontSize, 8);
    EXPECT_STREQ(t.style.fontName, "Meiryo UI");
    EXPECT_EQ(t.style.alignH, 1);
    EXPECT_EQ(t.style.margin, 5);
    EXPECT_EQ(t.style.wrap, 1u);
    EXPECT_EQ(t.style.borderWidth, 1);

    const PicturePtr picture = PngPicture(400, 200);
    const int image = model.AddSlip({500, 400}, 1.0f, "img", {picture, -1});
    const SlipRec& s = model.slips[image];
    EXPECT_EQ(s.right - s.left, 200);
    EXPECT_EQ(s.bottom - s.top, 100);
    EXPECT_EQ(s.hasImage, 1);
    EXPECT_EQ(s.imageSize, picture->byteSize());
    EXPECT_EQ((*model.slipPictures)[image], picture);
    EXPECT_EQ(s.style.borderWidth, 1);

    // A keyed picture gets no border.
    const int keyed = model.AddSlip({500, 400}, 1.0f, "img", {picture, 0xFF00FF});
    EXPECT_EQ(model.slips[keyed].style.borderWidth, 0);
    EXPECT_EQ(model.slips[keyed].imageTransparentColour, 0xFF00FF);
}

TEST_F(RouteModelTest, LongFontNameIsCutTo31Bytes)
{
    settings::WriteString(QStringLiteral("SUB"), QStringLiteral("FontName"), QString(40, u'x'));
    const int i = model.AddSlip({500, 400}, 1.0f, "t", {});
    EXPECT_EQ(QByteArray(model.slips[i].style.fontName), QByteArray(31, 'x'));
}

TEST_F(RouteModelTest, RemovingASlipRenumbersTheNotes)
{
    for (int i = 0; i < 6; ++i)
        model.AddSlip({100 + i, 100}, 1.0f, QByteArray::number(i), {});
    const int a = model.AppendNode({1, 1}, 1.0f);
    const int b = model.AppendNode({2, 2}, 1.0f);
    const int c = model.AppendNode({3, 3}, 1.0f);
    model.nodes[a].noteSlip = 3;
    model.nodes[b].noteSlip = 5;
    model.nodes[c].noteSlip = 2;
    model.RemoveSlip(3);
    EXPECT_EQ(model.nodes[a].noteSlip, -1);
    EXPECT_EQ(model.nodes[b].noteSlip, 4);
    EXPECT_EQ(model.nodes[c].noteSlip, 2);
    EXPECT_EQ(model.slipCount, 5);
    EXPECT_STREQ(model.slips[3].text, "4");
}

TEST_F(RouteModelTest, ClearSelectionMarksClearsNodesAndSlips)
{
    model.AddSlip({100, 100}, 1.0f, "x", {});
    model.nodes[model.AppendNode({1, 1}, 1.0f)].selected = 1;
    model.ClearSelectionMarks();
    EXPECT_EQ(model.slips[0].selected, 0);
    EXPECT_EQ(model.nodes[0].selected, 0);
}

TEST(FitSlipIntoMap, ShrinksOrMovesIntoTheMap)
{
    struct Case {
        SlipBox in, out;
    } cases[] = {
        {{-20, 50, 130, 150}, {0, 50, 150, 150}},        // pushed right
        {{900, 750, 1100, 850}, {800, 700, 1000, 800}},  // pushed left and up
        {{100, 100, 300, 200}, {100, 100, 300, 200}},    // inside: unchanged
        {{0, 0, 2000, 400}, {0, 0, 1000, 200}},          // too wide: scaled, aspect kept
        {{0, 0, 400, 1600}, {0, 0, 200, 800}},           // too high
        {{-5, -5, 2995, 1195}, {0, 0, 1000, 400}},       // both: the smaller factor
        {{10, 10, 1010, 60}, {0, 10, 1000, 60}},         // exactly as wide: moved, not scaled
    };
    for (const Case& c : cases) {
        const SlipBox r = FitSlipIntoMap(c.in, 1000, 800);
        EXPECT_EQ(r, c.out) << c.in.left << "," << c.in.top << " -> " << r.left << "," << r.top << "," << r.right
                            << "," << r.bottom;
    }
}
