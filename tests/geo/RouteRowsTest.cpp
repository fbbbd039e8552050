#include "geo/RouteRows.h"

#include "platform/Settings.h"
#include "geo/Formats.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

using namespace tavelin;

namespace
{

const QString Section = QStringLiteral("ColumnDsp");

// A map 1000 m wide over 1000 px (1 m/px) from 135 E to 136 E, 35 N to 36 N,
// and one layer based at 2001-02-03 10:00:00.
class RouteRowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ResetSettings();
        ASSERT_TRUE(model.Allocate());
        DocHeader& h = model.header;
        h.mapWidth = 1000;
        h.mapHeight = 1000;
        h.mapWidthMetres = 1000;
        h.mapHeightMetres = 1000;
        h.westLon = 135.0f;
        h.eastLon = 136.0f;
        h.northLat = 36.0f;
        h.southLat = 35.0f;
        model.layerCount = 2;
        std::int32_t status = DateTimeInvalid;
        for (int i = 0; i < 2; ++i) {
            model.layers[i] = LayerRec{};
            model.layers[i].baseTime = OleDateFromParts(2001, 2, 3, 10, 0, 0, &status);
            model.layers[i].baseTimeStatus = status;
        }
    }

    int addNode(int x, int y, int arrival = 0, int departure = 0, int layer = 0)
    {
        NodeRec& n = model.nodes[model.nodeCount];
        n = NodeRec{};
        n.layer = std::uint16_t(layer);
        n.noteSlip = -1;
        n.x = x;
        n.y = y;
        n.arrival = arrival;
        n.departure = departure;
        return model.nodeCount++;
    }

    int addNote(int node, const QByteArray& text)
    {
        SlipRec& s = model.slips[model.slipCount];
        std::memset(&s, 0, sizeof s);
        cp932::CopyToField(s.text, SlipTextBytes, text);
        model.nodes[node].noteSlip = model.slipCount;
        return model.slipCount++;
    }

    std::vector<RouteRowTexts> texts() { return ComputeRouteTexts(model, 0); }

    RouteModel model;
};

TEST_F(RouteRowsTest, OneNodeLayerShowsOnlyItsNumberAndDeparture)
{
    addNode(500, 500, 0, 600);
    const auto rows = texts();
    ASSERT_EQ(rows.size(), 1u);
    const RouteRowTexts& r = rows[0];
    EXPECT_EQ(r[0], "1");
    EXPECT_EQ(r[1], "0");
    EXPECT_EQ(r[2], "2001.02.03 10:00:00"); // the base itself, not base + departure
    for (int c = 3; c <= 8; ++c)
        EXPECT_EQ(r[c], "0") << c;
    EXPECT_EQ(r[9], "135.500000");
    EXPECT_EQ(r[10], "35.500000");
    EXPECT_EQ(r[11], "0");
    EXPECT_EQ(r[12], "0");
}

TEST_F(RouteRowsTest, UntimedNodesAddDistanceButCloseNoSection)
{
    addNode(0, 0, 0, 600);          // start, departs 10:10
    addNode(300, 400, 0, 0);        // untimed: 500 m
    addNode(300, 1000, 4200, 4800); // timed: 600 m, arrives 11:10, departs 11:20
    addNode(300, 500, 8400, 9000);  // timed: 500 m, arrives 12:20
    const auto rows = ComputeRouteRows(model, 0, 10);
    ASSERT_EQ(rows.size(), 4u);

    EXPECT_EQ(rows[1].pointDistance, 500);
    EXPECT_EQ(rows[1].totalDistance, 500);
    EXPECT_FALSE(rows[1].arrival || rows[1].departure || rows[1].sectionDistance ||
                 rows[1].sectionTime || rows[1].totalTime || rows[1].speed);

    EXPECT_EQ(rows[2].pointDistance, 600);
    EXPECT_EQ(rows[2].sectionDistance, 1100); // p(1->2) + p(2->3)
    EXPECT_EQ(rows[2].totalDistance, 1100);
    EXPECT_EQ(rows[2].sectionTime, 4200 - 600); // arrival of 3 - departure of 1
    EXPECT_EQ(rows[2].totalTime, 4200);
    EXPECT_EQ(rows[2].speed, 1100);

    EXPECT_EQ(rows[3].sectionDistance, 500);
    EXPECT_EQ(rows[3].sectionTime, 8400 - 4800);
    EXPECT_EQ(rows[3].totalDistance, 1600);

    const auto t = texts();
    const char* row2[] = {
        "3",   "2001.02.03 11:10:00", "2001.02.03 11:20:00", "600", "1100", "1100", "3600", "4200",
        "1100"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(t[2][c], QString::fromUtf8(row2[c])) << c;
    const char* row1[] = {"2", "0", "0", "500", "0", "500", "0", "0", "0"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(t[1][c], QString::fromUtf8(row1[c])) << c;
}

TEST_F(RouteRowsTest, RowsFollowStorageOrderAndSkipOtherLayers)
{
    addNode(0, 0);
    addNode(10, 10, 0, 0, 1);
    addNode(0, 100, 60, 60);
    const auto rows = ComputeRouteRows(model, 0, 10);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].number, 2);
    EXPECT_EQ(rows[1].nodeIndex, 2);
    EXPECT_EQ(rows[1].pointDistance, 100);
    EXPECT_TRUE(ComputeRouteRows(model, 2, 10).empty());
    EXPECT_TRUE(ComputeRouteRows(model, -1, 10).empty());
}

TEST_F(RouteRowsTest, SpeedRoundsTheQuotientToFloatAndHasNoValueForNoTime)
{
    struct Case {
        int metres, seconds;
        std::optional<std::int64_t> speed;
    };
    const Case cases[] = {
        {10000, 7200, 5000},    {7, 7, 3599},       // 3600/7 rounds down as a float: 3599.9999 m/h
        {1000, 3600, 1000},     {500, -3600, -500}, // an arrival before the departure
        {500, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        model.nodeCount = 0;
        addNode(0, 0, 0, 100);
        addNode(c.metres, 0, 100 + c.seconds, 0);
        const auto rows = ComputeRouteRows(model, 0, 10);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[1].speed, c.speed) << c.metres << " m in " << c.seconds << " s";
    }
    settings::WriteInt(Section, "DspZero", 0);
    EXPECT_EQ(texts()[1][8], "");

    // 10000 m over 7200 s in the five speed codes.
    model.nodeCount = 0;
    model.header.mapWidthMetres = 10000;
    addNode(0, 0, 0, 0);
    addNode(1000, 0, 7200, 0);
    const char* speeds[] = {"5000", "5", "5.0", "5.00", "5.000"};
    for (int code = 1; code <= 5; ++code) {
        settings::WriteInt(Section, "JisokuFormat", code);
        EXPECT_EQ(texts()[1][8], speeds[code - 1]);
    }
}

TEST_F(RouteRowsTest, SettingsAreReadAfreshAtEachComputation)
{
    model.header.mapWidth = 100000;
    model.header.mapWidthMetres = 100000;
    addNode(0, 0);
    addNode(54321, 0, 86399, 86399);
    // The format codes in turn, each read by the next computation.
    const char* distances[] = {"54321", "54", "54.3", "54.32", "54.321"};
    for (int code = 1; code <= 5; ++code) {
        settings::WriteInt(Section, "KyoriFormat", code);
        const auto t = texts();
        EXPECT_EQ(t[1][3], distances[code - 1]);
        EXPECT_EQ(t[1][5], distances[code - 1]);
    }
    const char* times[] = {"86399", "1439", "24.00", "1.00", "23:59:59", "23:59", "0 23:59"};
    for (int code = 1; code <= 7; ++code) {
        settings::WriteInt(Section, "TimeFormat", code);
        EXPECT_EQ(texts()[1][7], times[code - 1]);
    }
    settings::WriteInt(Section, "DateFormat", 7);
    EXPECT_EQ(texts()[1][1], "09:59:59");
    // Codes outside their range behave as code 1.
    settings::WriteInt(Section, "DateFormat", 42);
    settings::WriteInt(Section, "KyoriFormat", 0);
    settings::WriteInt(Section, "TimeFormat", -3);
    const auto t = texts();
    EXPECT_EQ(t[1][1], "2001.02.04 09:59:59");
    EXPECT_EQ(t[1][3], "54321");
    EXPECT_EQ(t[1][7], "86399");

    // "DspZero" 0: every absent value is truly empty, dates included; present
    // zeros still show.
    settings::WriteInt(Section, "DspZero", 0);
    const auto e = texts();
    for (int c : {1, 3, 4, 5, 6, 7, 8, 11})
        EXPECT_EQ(e[0][c], "") << c;
    EXPECT_EQ(e[0][2], "2001.02.03 10:00:00");
    EXPECT_EQ(e[0][12], "0");
}

TEST_F(RouteRowsTest, NotesJoinLinesAndAreShortenedToTheNoteLength)
{
    const int a = addNode(0, 0);
    const int b = addNode(10, 0);
    const int c = addNode(20, 0);
    addNode(30, 0);
    addNote(a, "ab\r\ncd");
    addNote(b, "abcdefghijkl");
    addNote(c, cp932::Encode(QStringLiteral("あいうえお")).value());
    auto t = texts();
    EXPECT_EQ(t[0][11], "ab cd");
    EXPECT_EQ(t[1][11], QStringLiteral("abcdefghij…"));
    EXPECT_EQ(t[2][11], QStringLiteral("あいうえお")); // exactly 10 bytes stay whole
    EXPECT_EQ(t[3][11], "0");
    settings::WriteInt(Section, "KijiLen", 20);
    t = texts();
    EXPECT_EQ(t[1][11], "abcdefghijkl");
    // A reference past the slips reads as no note.
    model.nodes[a].noteSlip = 999;
    EXPECT_EQ(texts()[0][11], "0");
}

TEST_F(RouteRowsTest, BaseDateStatusCarriesIntoTheDateColumns)
{
    addNode(0, 0);
    addNode(10, 0, 60, 60);
    model.layers[0].baseTimeStatus = DateTimeInvalid;
    auto t = texts();
    EXPECT_EQ(t[0][2], "Invalid DateTime");
    EXPECT_EQ(t[1][1], "Invalid DateTime");
    // A base before the epoch still adds in true time.
    model.layers[0].baseTimeStatus = DateTimeValid;
    model.layers[0].baseTime = -1.25; // 1899-12-29 06:00
    t = texts();
    EXPECT_EQ(t[1][1], "1899.12.29 06:01:00");
}

TEST(RouteColumns, TitlesAndShowKeys)
{
    const char* titles[] = {"No",     "到着日時", "出発日時", "点間距離", "区間距離",
                            "総距離", "区間時間", "総時間",   "時速",     "経度",
                            "緯度",   "記事",     "tno"};
    const char* keys[] = {nullptr,    nullptr,  nullptr, "Tenkan", "Kyori", "Soukyori", "Jikan",
                          "Soujikan", "Jisoku", "Keido", "Ido",    "Kiji",  nullptr};
    for (int c = 0; c < RouteColumnCount; ++c) {
        EXPECT_EQ(RouteColumnTitle(c), QString::fromUtf8(titles[c]));
        EXPECT_STREQ(RouteColumnShowKey(c), keys[c]);
    }
    test::ResetSettings();
    settings::WriteInt(Section, "Keido", 0);
    const ColumnSettings s = ColumnSettings::Read();
    EXPECT_TRUE(s.shown[0]);
    EXPECT_FALSE(s.shown[9]);
    EXPECT_TRUE(s.shown[10]);
    EXPECT_FALSE(s.shown[12]);
}

} // namespace

TEST(RouteColumns, DegreesPrintAsTheCLibraryDoes)
{
    // Every float through the longitude column equals "%f" of it.
    RouteModel model;
    ASSERT_TRUE(model.Allocate());
    model.header.mapWidth = 1 << 20;
    model.header.mapHeight = 1;
    model.header.westLon = -179.99f;
    model.header.eastLon = 179.99f;
    model.layerCount = 1;
    model.layers[0] = LayerRec{};
    const int samples[] = {0, 1, 2, 3, 7, 1000, 524287, 524288, 524289, 777777, 1 << 20};
    for (int x : samples) {
        NodeRec& n = model.nodes[model.nodeCount++];
        n = NodeRec{};
        n.noteSlip = -1;
        n.x = x;
    }
    ColumnSettings settings;
    for (const RouteRow& row : ComputeRouteRows(model, 0, 10)) {
        const RouteRowTexts t = FormatRouteRow(row, settings);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%f", double(row.longitude));
        EXPECT_EQ(t[9], QString::fromLatin1(expected)) << row.nodeIndex;
    }
    RouteRow row;
    for (float v : {-0.0f, 0.0000005f, -0.0000004f, 0.5f, 1e20f}) {
        row.latitude = v;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%f", double(v));
        EXPECT_EQ(FormatRouteRow(row, settings)[10], QString::fromLatin1(expected)) << v;
    }
}
