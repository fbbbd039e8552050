// The map settings' values without the window: reading edges, the order of
// OK's checks, and what is written back into the model.

#include "editors/MapSettingsValues.h"

#include "image/ChosenImage.h"
#include "model/RouteModel.h"

#include <QBuffer>
#include <cmath>
#include <gtest/gtest.h>

using namespace tavelin;

namespace
{

PicturePtr PngPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::make_shared<Picture>(bytes);
}

MapSettingsValues Complete()
{
    MapSettingsValues v;
    v.currentPicture = PngPicture(4, 3);
    v.northLat = 35.5f;
    v.southLat = 35.0f;
    v.westLon = 135.0f;
    v.eastLon = 135.5f;
    v.widthMetres = 45000;
    v.heightMetres = 55000;
    return v;
}

} // namespace

TEST(MapSettingsValues, ReadsEdgesAsTheLeadingDecimalNumber)
{
    const struct {
        const char* text;
        float expected;
    } cases[] = {
        {"35.681236", 35.681236f},
        {"  -135.25abc", -135.25f},
        {"+1e2", 100.0f},
        {".5", 0.5f},
        {"7.", 7.0f},
        {"1e", 1.0f},
        {"", 0.0f},
        {"abc", 0.0f},
        {"-", 0.0f},
        {"35,5", 35.0f}, // the decimal point is never a comma
        // Beyond a float: refused as "not set" instead of becoming infinity.
        {"1e39", 0.0f},
        {"1e400", 0.0f},
        {"inf", 0.0f},
        {"nan", 0.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseEdge(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(FormatEdge(35.0f), "35.000000");
    EXPECT_EQ(FormatEdge(-0.5f), "-0.500000");
}

TEST(MapSettingsValues, OkChecksEdgesThenGroundSizeThenPicture)
{
    EXPECT_EQ(Complete().check(), MapSettingsProblem::Ok);

    for (float MapSettingsValues::*edge :
         {&MapSettingsValues::northLat, &MapSettingsValues::southLat, &MapSettingsValues::westLon,
          &MapSettingsValues::eastLon}) {
        MapSettingsValues v = Complete();
        v.*edge = 0.0f;
        v.heightMetres = 0; // a later problem does not hide the first
        v.currentPicture.reset();
        EXPECT_EQ(v.check(), MapSettingsProblem::EdgeNotSet);
    }

    MapSettingsValues narrow = Complete();
    narrow.widthMetres = 0;
    narrow.currentPicture.reset();
    EXPECT_EQ(narrow.check(), MapSettingsProblem::GroundTooSmall);
    narrow = Complete();
    narrow.heightMetres = -3;
    EXPECT_EQ(narrow.check(), MapSettingsProblem::GroundTooSmall);

    MapSettingsValues noPicture = Complete();
    noPicture.currentPicture.reset();
    EXPECT_EQ(noPicture.check(), MapSettingsProblem::NoPicture);
    noPicture.newPicture = PngPicture(2, 2);
    EXPECT_EQ(noPicture.check(), MapSettingsProblem::Ok);
}

TEST(MapSettingsValues, GroundSizeFollowsTheEdges)
{
    MapSettingsValues v = Complete();
    v.southLat = v.northLat;
    v.recomputeHeight();
    EXPECT_EQ(v.heightMetres, 0);
    v.recomputeWidth(); // along the middle parallel, here 35.5
    EXPECT_GT(v.widthMetres, 45000);
    EXPECT_LT(v.widthMetres, 46000);
}

TEST(MapSettingsValues, WritesBackEdgesAlwaysAndThePictureOnlyWhenChosen)
{
    RouteModel model;
    const PicturePtr old = PngPicture(4, 3);
    model.mapPicture = old;
    model.header.hasMap = 1;
    model.header.mapImageSize = std::int32_t(old->byteSize());
    model.header.mapWidth = 4;
    model.header.mapHeight = 3;

    MapSettingsValues v = MapSettingsValues::FromModel(model);
    EXPECT_EQ(v.currentPicture, old);
    EXPECT_EQ(v.mapWidth, 4);
    v.northLat = 36.0f;
    v.southLat = 35.0f;
    v.westLon = 139.0f;
    v.eastLon = 140.0f;
    v.widthMetres = 90000;
    v.heightMetres = 111000;
    EXPECT_FALSE(v.applyTo(model));
    EXPECT_EQ(model.mapPicture, old);
    EXPECT_EQ(model.header.mapWidth, 4);
    EXPECT_EQ(model.header.northLat, 36.0f);
    EXPECT_EQ(model.header.eastLon, 140.0f);
    EXPECT_EQ(model.header.mapWidthMetres, 90000);
    EXPECT_EQ(model.header.mapHeightMetres, 111000);

    const PicturePtr fresh = PngPicture(40, 30);
    EXPECT_FALSE(v.takeNewPicture(ChosenPicture{}));
    EXPECT_FALSE(v.takeNewPicture({fresh, -1, std::int64_t(1) << 31, QSize(40, 30)}));
    EXPECT_FALSE(v.mapChosen);
    ASSERT_TRUE(v.takeNewPicture({fresh, -1, fresh->byteSize(), QSize(40, 30)}));
    EXPECT_EQ(v.shownPicture(), fresh.get());
    EXPECT_TRUE(v.applyTo(model));
    EXPECT_EQ(model.mapPicture, fresh);
    EXPECT_EQ(model.header.hasMap, 1);
    EXPECT_EQ(model.header.mapImageSize, fresh->byteSize());
    EXPECT_EQ(model.header.mapWidth, 40);
    EXPECT_EQ(model.header.mapHeight, 30);
    EXPECT_EQ(model.header.northLat, 36.0f);
}
