// The layer list's texts: rows for layers with and without nodes, the
// totals row and the formats.

#include "listarea/LayerListRows.h"

#include "editors/PropertyFixtures.h"
#include "geo/Geodesy.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

class LayerList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSettings();
        SetUpModel(model);
    }
    RouteModel model;
};

} // namespace

TEST_F(LayerList, ALayerWithoutNodesShowsOnlyItsNumberNameAndBase)
{
    AddTestLayer(model, "東海道", 2014, 12, 31, 10, 0, 0);
    AddTestLayer(model, "空", 2015, 1, 2, 3, 4, 5);
    AddTestLayer(model, "山陽", 2015, 2, 1, 8, 0, 0);
    AddTestNode(model, 0, 0, 0, 0, 600);
    AddTestNode(model, 2, 0, 0, 0, 0);
    AddTestNode(model, 0, 300, 400, 3600, 4000); // 500 m
    model.nodes[2].noteSlip = 0;
    AddTestNode(model, 2, 0, 100, 1800, 1800); // 100 m
    model.layers[2].visible = 0;

    const std::vector<LayerListTexts> rows = ComputeLayerList(model, 1, 1, 1);
    ASSERT_EQ(rows.size(), 4u);
    const LayerListTexts first = {"1",
                                  "東海道",
                                  "2014.12.31 10:00:00",
                                  "2014.12.31 11:00:00",
                                  "2014.12.31 11:06:40",
                                  "500",
                                  "3600",
                                  "2",
                                  "1",
                                  "表示"};
    const LayerListTexts empty = {"2", "空", "2015.01.02 03:04:05", "", "", "", "", "", "", ""};
    const LayerListTexts hidden = {"3",
                                   "山陽",
                                   "2015.02.01 08:00:00",
                                   "2015.02.01 08:30:00",
                                   "2015.02.01 08:30:00",
                                   "100",
                                   "1800",
                                   "2",
                                   "0",
                                   "非表示"};
    const LayerListTexts totals = {"", "合計", "", "", "", "600", "5400", "4", "1", ""};
    EXPECT_EQ(rows[0], first);
    EXPECT_EQ(rows[1], empty);
    EXPECT_EQ(rows[2], hidden);
    EXPECT_EQ(rows[3], totals);
}

TEST_F(LayerList, ASingleStartNodeShowsTheBaseThreeTimesAndNoTotalTime)
{
    AddTestLayer(model, "a", 2001, 2, 3, 4, 5, 6);
    AddTestNode(model, 0, 10, 10);
    const std::vector<LayerListTexts> rows = ComputeLayerList(model, 1, 1, 1);
    EXPECT_EQ(rows[0][2], QStringLiteral("2001.02.03 04:05:06"));
    EXPECT_EQ(rows[0][3], rows[0][2]);
    EXPECT_EQ(rows[0][4], rows[0][2]);
    EXPECT_EQ(rows[0][5], QStringLiteral("0"));
    EXPECT_EQ(rows[0][6], QString());
    EXPECT_EQ(rows[1][6], QStringLiteral("0"));
}

TEST_F(LayerList, TotalsSumWholeMetresAndTheChosenFormatsApply)
{
    // Two routes of 1500 m and 1700 m: each shows 1 km, together 3 km.
    AddTestLayer(model, "a", 2001, 1, 1, 0, 0, 0);
    AddTestLayer(model, "b", 2001, 1, 1, 0, 0, 0);
    AddTestNode(model, 0, 0, 0);
    AddTestNode(model, 1, 0, 0);
    AddTestNode(model, 0, 0, 900, 90000, 90000);
    AddTestNode(model, 1, 0, 1700, 3600, 3600);
    AddTestNode(model, 0, 0, 1500, 93600, 93600);
    const std::vector<LayerListTexts> rows = ComputeLayerList(model, 7, 2, 7);
    EXPECT_EQ(rows[0][5], QStringLiteral("1"));
    EXPECT_EQ(rows[1][5], QStringLiteral("1"));
    EXPECT_EQ(rows[2][5], QStringLiteral("3"));
    EXPECT_EQ(rows[0][6], QStringLiteral("1 02:00"));
    EXPECT_EQ(rows[2][6], QStringLiteral("1 03:00"));
    EXPECT_EQ(rows[0][3], QStringLiteral("02:00:00"));

    // The stored settings are read afresh.
    settings::WriteInt(QStringLiteral("ColumnDsp"), QStringLiteral("KyoriFormat"), 3);
    EXPECT_EQ(ComputeLayerList(model)[2][5], QStringLiteral("3.2"));
}

TEST_F(LayerList, OnePassGivesEachLayerTheLengthLayerDistanceGives)
{
    // A scale that truncates: 0.37 m per pixel across, 0.53 down.
    model.header.mapWidthMetres = 370;
    model.header.mapHeightMetres = 530;
    for (int l = 0; l < 4; ++l)
        AddTestLayer(model, "x", 2001, 1, 1, 0, 0, 0);
    for (int i = 0; i < 60; ++i)
        AddTestNode(model, i % 4 == 3 ? 1 : i % 3, (i * 37) % 1000, (i * 91) % 1000);
    const std::vector<LayerListTexts> rows = ComputeLayerList(model, 1, 1, 1);
    for (int l = 0; l < 3; ++l)
        EXPECT_EQ(rows[std::size_t(l)][5], QString::number(LayerDistance(model, l))) << l;
    EXPECT_EQ(rows[3][5], QString());
}
