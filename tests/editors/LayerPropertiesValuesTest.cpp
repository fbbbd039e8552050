// The layer properties without a window: how node times follow a moved base
// date-time, the name checks, the icon cell and its pictures, the write-back
// and the defaults for new layers.

#include "editors/LayerPropertiesValues.h"

#include "PropertyFixtures.h"
#include "geo/Formats.h"
#include "geo/RouteRows.h"
#include "image/ImageFixtures.h"
#include "image/LayerIcon.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

constexpr double Hour = 1.0 / 24.0;

// Arrival and departure columns of the rows of layer 0 after the start,
// whose departure is the base date-time itself.
std::vector<std::pair<QString, QString>> ShownTimes(const RouteModel& model)
{
    std::vector<std::pair<QString, QString>> times;
    const std::vector<RouteRowTexts> rows = ComputeRouteTexts(model, 0);
    for (std::size_t i = 1; i < rows.size(); ++i)
        times.emplace_back(rows[i][1], rows[i][2]);
    return times;
}

class LayerTimes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSettings();
        SetUpModel(model);
        AddTestLayer(model, "線路", 2014, 12, 31, 10, 0, 0);
    }
    LayerPropertiesValues values() { return LayerPropertiesValues::FromModel(model, 0); }
    RouteModel model;
};

} // namespace

TEST_F(LayerTimes, TheQuestionComesOnlyForAMovedBaseWithTwoOrMoreNodes)
{
    struct Case {
        int nodes;
        double moveSeconds;
        bool asks;
    };
    const Case cases[] = {{0, 3600, false}, {1, 3600, false}, {2, 3600, true}, {3, -86400, true},
                          {2, 0.4, false},  {2, -0.4, false}, {2, 1, true}};
    for (const Case& c : cases) {
        model.nodeCount = 0;
        for (int i = 0; i < c.nodes; ++i)
            AddTestNode(model, 0, 10 * i, 10, i == 0 ? 0 : 600 * i, i == 0 ? 60 : 600 * i + 60);
        LayerPropertiesValues v = values();
        v.baseTime.date += c.moveSeconds / 86400.0;
        EXPECT_EQ(v.asksTimeTreatment(), c.asks) << c.nodes << " nodes, " << c.moveSeconds << " s";
        EXPECT_EQ(v.baseTimeChanged(), std::abs(c.moveSeconds) >= 0.5) << c.moveSeconds;
    }
}

TEST_F(LayerTimes, KeepingTheTimesLowersEverySetOffsetAndTheListShowsTheSame)
{
    AddTestNode(model, 0, 0, 0, 0, 5400);        // start, leaves 11:30
    AddTestNode(model, 0, 300, 0, 7200, 9000);   // 12:00 - 12:30
    AddTestNode(model, 0, 600, 0, 0, 0);         // untimed
    AddTestNode(model, 0, 900, 0, 14400, 14400); // 14:00
    const auto before = ShownTimes(model);

    LayerPropertiesValues v = values();
    v.baseTime.date += Hour;
    ASSERT_TRUE(v.asksTimeTreatment());
    EXPECT_EQ(v.compensationSeconds(), -3600);
    ASSERT_EQ(v.checkTimes(NodeTimeTreatment::KeepTimes), LayerPropertiesProblem::Ok);
    const LayerPropertiesChanges changes = v.applyTo(model, 0, NodeTimeTreatment::KeepTimes);
    EXPECT_TRUE(changes.baseTime);

    const std::pair<int, int> expected[] = {{0, 1800}, {3600, 5400}, {0, 0}, {10800, 10800}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(model.nodes[i].arrival, expected[i].first) << i;
        EXPECT_EQ(model.nodes[i].departure, expected[i].second) << i;
    }
    EXPECT_EQ(FormatDateTime(model.layers[0].baseTime, 1), QStringLiteral("2014.12.31 11:00:00"));
    EXPECT_EQ(ShownTimes(model), before);
}

TEST_F(LayerTimes, MovingTheTimesWithTheBaseKeepsTheOffsets)
{
    AddTestNode(model, 0, 0, 0, 0, 5400);
    AddTestNode(model, 0, 300, 0, 7200, 9000);
    LayerPropertiesValues v = values();
    v.baseTime.date += Hour;
    ASSERT_EQ(v.checkTimes(NodeTimeTreatment::MoveWithBase), LayerPropertiesProblem::Ok);
    v.applyTo(model, 0, NodeTimeTreatment::MoveWithBase);
    EXPECT_EQ(model.nodes[1].arrival, 7200);
    EXPECT_EQ(model.nodes[1].departure, 9000);
    EXPECT_EQ(ShownTimes(model)[0].first, QStringLiteral("2014.12.31 13:00:00"));
}

TEST_F(LayerTimes, OffsetsAnEarlierCompensationMadeNegativeStayPutToo)
{
    AddTestNode(model, 0, 0, 0, 0, -1800);     // left at 09:30, before the base
    AddTestNode(model, 0, 300, 0, -600, 1200); // 09:50 - 10:20
    const auto before = ShownTimes(model);
    LayerPropertiesValues v = values();
    v.baseTime.date -= Hour;
    v.applyTo(model, 0, NodeTimeTreatment::KeepTimes);
    EXPECT_EQ(model.nodes[0].departure, 1800);
    EXPECT_EQ(model.nodes[1].arrival, 3000);
    EXPECT_EQ(model.nodes[1].departure, 4800);
    EXPECT_EQ(ShownTimes(model), before);
}

TEST_F(LayerTimes, TimesThatCannotBeKeptAreRefusedBeforeAnythingIsStored)
{
    struct Case {
        const char* what;
        double newBase;
        std::int32_t arrival;
        NodeTimeTreatment treatment;
        LayerPropertiesProblem problem;
    };
    const Case cases[] = {
        // Kept at the new base, the 11:00 arrival would read as "no time".
        {"lands on the base", OleDate(2014, 12, 31, 11), 3600, NodeTimeTreatment::KeepTimes,
         LayerPropertiesProblem::TimeWouldClear},
        {"moves with the base instead", OleDate(2014, 12, 31, 11), 3600,
         NodeTimeTreatment::MoveWithBase, LayerPropertiesProblem::Ok},
        // 80 years back: the offset no longer fits 32 bits.
        {"offset too large", OleDate(1934, 12, 31, 10), 3600, NodeTimeTreatment::KeepTimes,
         LayerPropertiesProblem::TimeOutOfRange},
        // At the last day the OLE dates hold, a day later does not exist.
        {"beyond the last date", OleDate(9999, 12, 31, 10), 86400, NodeTimeTreatment::MoveWithBase,
         LayerPropertiesProblem::TimeOutOfRange},
    };
    for (const Case& c : cases) {
        model.nodeCount = 0;
        AddTestNode(model, 0, 0, 0, 0, 60);
        AddTestNode(model, 0, 300, 0, c.arrival, c.arrival);
        LayerPropertiesValues v = values();
        v.baseTime.date = c.newBase;
        EXPECT_EQ(v.checkTimes(c.treatment), c.problem) << c.what;
    }
}

TEST_F(LayerTimes, DatesBeforeTheEpochMoveByTheirTruePositionInTime)
{
    model.layers[0].baseTime = OleDate(1850, 6, 1, 12, 0, 0);
    AddTestNode(model, 0, 0, 0, 0, 1800);
    AddTestNode(model, 0, 300, 0, 7200, 9000); // 14:00 - 14:30
    const auto before = ShownTimes(model);
    LayerPropertiesValues v = values();
    v.baseTime.date = OleDate(1850, 6, 1, 11, 0, 0); // one hour earlier
    EXPECT_EQ(v.compensationSeconds(), 3600);
    v.applyTo(model, 0, NodeTimeTreatment::KeepTimes);
    EXPECT_EQ(model.nodes[1].arrival, 10800);
    EXPECT_EQ(ShownTimes(model), before);
    EXPECT_EQ(before[0].first, QStringLiteral("1850.06.01 14:00:00"));
}

TEST_F(LayerTimes, AnInvalidOldBaseIsReplacedWithoutTheQuestion)
{
    model.layers[0].baseTimeStatus = DateTimeInvalid;
    AddTestNode(model, 0, 0, 0, 0, 60);
    AddTestNode(model, 0, 300, 0, 600, 660);
    LayerPropertiesValues v = values();
    // Untouched pickers keep the invalid base as it is.
    EXPECT_FALSE(v.baseTimeChanged());
    v.baseTime = {OleDate(2020, 1, 1), DateTimeValid};
    EXPECT_TRUE(v.baseTimeChanged());
    EXPECT_FALSE(v.asksTimeTreatment());
    v.applyTo(model, 0, NodeTimeTreatment::MoveWithBase);
    EXPECT_EQ(model.layers[0].baseTimeStatus, DateTimeValid);
    EXPECT_EQ(model.nodes[1].arrival, 600);
}

TEST_F(LayerTimes, NameChecksCountShiftJisBytes)
{
    struct Case {
        QString name;
        LayerPropertiesProblem problem;
    };
    const Case cases[] = {
        {QString(), LayerPropertiesProblem::NameEmpty},
        {QString(100, QLatin1Char('a')), LayerPropertiesProblem::Ok},
        {QString(101, QLatin1Char('a')), LayerPropertiesProblem::NameTooLong},
        {QString(50, QChar(0x99C5)), LayerPropertiesProblem::Ok}, // 駅 x 50 = 100 bytes
        {QString(50, QChar(0x99C5)) + QLatin1Char('a'), LayerPropertiesProblem::NameTooLong},
        {QStringLiteral("路線\U0001F600"), LayerPropertiesProblem::NameNotEncodable},
    };
    for (const Case& c : cases) {
        LayerPropertiesValues v = values();
        v.name = c.name;
        EXPECT_EQ(v.checkName(), c.problem) << c.name.size();
    }
}

TEST_F(LayerTimes, ANameWhoseBytesDoNotDecodeIsKeptWhenLeftAlone)
{
    model.layers[0].name[0] = char(0x81); // a lead byte without its trail byte
    model.layers[0].name[1] = 0;
    LayerPropertiesValues v = values();
    EXPECT_EQ(v.checkName(), LayerPropertiesProblem::Ok);
    EXPECT_FALSE(v.applyTo(model, 0, NodeTimeTreatment::MoveWithBase).name);
    EXPECT_EQ(model.layers[0].name[0], char(0x81));

    v.name = QStringLiteral("本線");
    EXPECT_TRUE(v.applyTo(model, 0, NodeTimeTreatment::MoveWithBase).name);
    EXPECT_EQ(QByteArray(model.layers[0].name), *cp932::Encode(QStringLiteral("本線")));
}

TEST_F(LayerTimes, PositionButtonsTurnTheCellAndDoNothingWithoutAPicture)
{
    LayerPropertiesValues v = values();
    // The icon's green pixel is at (4, 4) of the upper-left picture.
    struct Case {
        int position;
        QPoint green;
    };
    const Case cases[] = {{1, {59, 4}}, {2, {59, 59}}, {3, {4, 59}}, {4, {4, 4}}, {0, {4, 4}}};
    for (const Case& c : cases) {
        ASSERT_TRUE(v.setIconPosition(c.position));
        EXPECT_EQ(v.cell.pixel(c.green), 0xFF00FF00u) << c.position;
        EXPECT_TRUE(v.iconChanged);
    }

    LayerPropertiesValues none = values();
    none.layerPicture.reset();
    none.rebuildCell();
    EXPECT_FALSE(none.setIconPosition(1));
    EXPECT_EQ(none.iconPos, 0);
    EXPECT_FALSE(none.iconChanged);
}

TEST_F(LayerTimes, BuiltInIconsAreWrittenAsBmpAndKeyedOnWhite)
{
    TempDir work;
    for (const int id : {1015, 1016, 1017, 1018}) {
        LayerPropertiesValues v = values();
        v.transparentColour = 0x123456;
        ASSERT_TRUE(v.chooseBuiltInIcon(id, work.path())) << id;
        EXPECT_EQ(v.transparentColour, WhiteColour);
        ASSERT_TRUE(v.newPicture);
        EXPECT_TRUE(v.newPicture->bytes().startsWith("BM"));
        EXPECT_EQ(v.newPicture->image().size(), QSize(64, 64));
        EXPECT_EQ(v.iconImageSize, std::uint32_t(v.newPicture->byteSize()));
        EXPECT_TRUE(v.iconChanged);
        EXPECT_TRUE(QFile::exists(work.file("tmp.bmp")));
        // Drawn as for the upper-left position: the corner that touches the
        // node (lower right) is part of the picture, the opposite one is key.
        EXPECT_EQ(v.newPicture->image().pixel(0, 0), 0xFFFFFFFFu) << id;
    }
}

TEST_F(LayerTimes, AnIconFileBecomesA64By64PictureWithItsKey)
{
    ScriptedMessages messages;
    TempDir work;
    QImage wide(100, 50, QImage::Format_ARGB32);
    wide.fill(QColor(255, 0, 0));
    for (int x = 0; x < 10; ++x)
        wide.setPixel(x, 0, 0x00000000); // transparent corner
    const QString png = work.file("wide.png");
    ASSERT_TRUE(wide.save(png, "PNG"));
    LayerPropertiesValues v = values();
    ASSERT_TRUE(v.loadIcon(png, std::nullopt, work.path()));
    EXPECT_EQ(v.newPicture->image().size(), QSize(64, 64));
    EXPECT_EQ(v.transparentColour, WhiteColour); // the PNG's key without a bKGD chunk

    const QString jpeg = work.file("photo.jpg");
    ASSERT_TRUE(wide.convertToFormat(QImage::Format_RGB32).save(jpeg, "JPEG"));
    v.transparentColour = 0x00FF00;
    ASSERT_TRUE(v.loadIcon(jpeg, std::nullopt, work.path()));
    EXPECT_TRUE(v.newPicture->bytes().startsWith("\xFF\xD8"));
    EXPECT_EQ(v.transparentColour, WhiteColour); // no key: white

    const PicturePtr kept = v.newPicture;
    const QString broken = work.file("broken.png");
    ASSERT_TRUE(WriteBytes(broken, "not a picture"));
    EXPECT_FALSE(v.loadIcon(broken, std::nullopt, work.path()));
    EXPECT_EQ(v.newPicture, kept);
    EXPECT_TRUE(messages.ids().empty());
}

TEST_F(LayerTimes, WriteBackStoresTheLookAndRebuildsTheIconCell)
{
    TempDir work;
    model.layers[0].hasIcon = 0; // a layer that never had an icon
    (*model.iconPictures)[0].reset();
    LayerPropertiesValues v = values();
    v.arcWidth = 7;
    v.arcColour = 0x0000FF;
    v.anchorWidth = 3;
    v.anchorColour = 0x00FFFF;
    v.iconSize = 40;
    ASSERT_TRUE(v.chooseBuiltInIcon(1018, work.path()));
    ASSERT_TRUE(v.setIconPosition(2));
    v.applyTo(model, 0, NodeTimeTreatment::MoveWithBase);

    const LayerRec& l = model.layers[0];
    EXPECT_EQ(l.arcWidth, 7);
    EXPECT_EQ(l.arcColour, 0x0000FFu);
    EXPECT_EQ(l.anchorWidth, 3);
    EXPECT_EQ(l.anchorColour, 0x00FFFFu);
    EXPECT_EQ(l.iconSize, 40);
    EXPECT_EQ(l.iconPos, 2);
    // A first icon is kept, so that the map shows it and saving writes it.
    EXPECT_EQ(l.hasIcon, 1);
    EXPECT_EQ((*model.iconPictures)[0], v.newPicture);
    EXPECT_EQ(l.iconImageSize, std::uint32_t(v.newPicture->byteSize()));
    EXPECT_EQ((*model.iconBitmaps)[0], v.cell);
    // The arrow's tip, at the picture's lower-right corner, turned by 180 degrees.
    EXPECT_NE((*model.iconBitmaps)[0].pixel(3, 3), 0xFFFFFFFFu);
    EXPECT_EQ((*model.iconBitmaps)[0].pixel(60, 60), 0xFFFFFFFFu);
}

TEST_F(LayerTimes, ATransparentColourChangedAloneReachesTheLayer)
{
    const PicturePtr picture = (*model.iconPictures)[0];
    const QImage cell = (*model.iconBitmaps)[0];
    LayerPropertiesValues v = values();
    v.transparentColour = 0x0000FF;
    v.applyTo(model, 0, NodeTimeTreatment::MoveWithBase);
    EXPECT_EQ(model.layers[0].iconTransparentColour, 0x0000FFu);
    EXPECT_EQ((*model.iconPictures)[0], picture);
    EXPECT_EQ((*model.iconBitmaps)[0].cacheKey(), cell.cacheKey());
}

TEST_F(LayerTimes, DefaultsWriteTheFiveValuesAndTheIconBytes)
{
    TempDir files;
    const QString icon = files.file("program/DefIcon.bmp");
    LayerPropertiesValues v = values();
    v.arcWidth = 4;
    v.anchorWidth = 6;
    v.iconSize = 33;
    v.arcColour = 0x0000FF;
    v.anchorColour = 0xFF0000;
    v.layerPicture.reset();
    ASSERT_EQ(v.storeDefaults(icon), StoreDefaultsResult::Stored);
    const QString section = QStringLiteral("LAYER");
    EXPECT_EQ(settings::GetInt(section, QStringLiteral("Futosa")), 4);
    EXPECT_EQ(settings::GetInt(section, QStringLiteral("Anchor")), 6);
    EXPECT_EQ(settings::GetInt(section, QStringLiteral("IconW")), 33);
    EXPECT_EQ(settings::GetString(section, QStringLiteral("ArcCol")), QStringLiteral("255"));
    EXPECT_EQ(settings::GetString(section, QStringLiteral("AnchorCol")),
              QStringLiteral("16711680"));
    EXPECT_FALSE(QFile::exists(icon)); // no picture: the file is not touched

    const LayerPropertiesValues withIcon = values();
    ASSERT_EQ(withIcon.storeDefaults(icon), StoreDefaultsResult::Stored);
    EXPECT_EQ(ReadBytes(icon), withIcon.layerPicture->bytes());
    // New layers start from it.
    EXPECT_EQ(LoadDefaultIcon(files.file("program"), QString())->bytes(),
              withIcon.layerPicture->bytes());

    // A folder that cannot exist (its parent is a file) refuses the write.
    ASSERT_TRUE(WriteBytes(files.file("plain"), "x"));
    EXPECT_EQ(withIcon.storeDefaults(files.file("plain/DefIcon.bmp")),
              StoreDefaultsResult::OpenFailed);
}
