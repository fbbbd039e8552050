#include "geo/Geodesy.h"
#include "model/RouteModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tavelin;

namespace
{

DocHeader Header(int widthPx, int heightPx, int widthMetres, int heightMetres, float west,
                 float east, float north, float south)
{
    DocHeader h{};
    h.mapWidth = widthPx;
    h.mapHeight = heightPx;
    h.mapWidthMetres = widthMetres;
    h.mapHeightMetres = heightMetres;
    h.westLon = west;
    h.eastLon = east;
    h.northLat = north;
    h.southLat = south;
    return h;
}

} // namespace

TEST(NodeDistance, TruncatesEachAxisToWholeMetresFirst)
{
    struct Case {
        float mx, my;
        int x1, y1, x2, y2;
        int metres;
    };
    const Case cases[] = {
        {2.5f, 2.5f, 3, 0, 0, 0, 7}, // trunc(7.5) - 0, not 7.5
        {2.5f, 2.5f, 0, 0, 3, 0, 7}, // symmetric
        {1.0f, 1.0f, 5, 5, 5, 5, 0}, // same pixel
        {0.9f, 0.9f, 1, 0, 0, 0, 0}, // trunc(0.9) - trunc(0)
        {0.9f, 0.9f, 2, 0, 1, 0, 1}, // trunc(1.8) - trunc(0.9)
        // 0.9 as a float lies just below 0.9: trunc(9.9) - trunc(8.99...)
        {0.9f, 0.9f, 11, 0, 10, 0, 1},
        {0.9f, 0.9f, 20, 0, 19, 0, 0},   // trunc(17.99...) - trunc(17.09...)
        {1.0f, 1.0f, 3, 4, 0, 0, 5},     // straight line, no curvature
        {2.0f, 3.0f, 10, 10, 0, 0, 36},  // sqrt(20^2 + 30^2) = 36.05
        {0.0f, 0.0f, 100, 100, 0, 0, 0}, // no ground size set yet
        // Squares beyond 32 bits: 1,000 km on each axis.
        {100.0f, 100.0f, 10000, 10000, 0, 0, 1414213},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NodeDistance(c.mx, c.my, c.x1, c.y1, c.x2, c.y2), c.metres)
            << c.mx << " (" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ")";
}

TEST(NodeDistance, ScaleAndProductKeepTheirPrecision)
{
    // mx = 43 / 3 rounds to the float 14.333333015...; its product with 3 is
    // 42.999999 in extended precision (a single-precision product would round
    // up to 43), so the east edge lies 42 m from the west edge.
    const MapScales s = MetresPerPixel(Header(3, 3, 43, 43, 0, 1, 1, 0));
    EXPECT_EQ(s.mx, 14.333333015441895f);
    EXPECT_EQ(NodeDistance(s.mx, s.my, 3, 0, 0, 0), 42);

    EXPECT_EQ(MetresPerPixel(Header(0, 0, 100, 100, 0, 1, 1, 0)).mx, 0.0f);
    const MapScales half = MetresPerPixel(Header(400, 200, 1000, 100, 0, 1, 1, 0));
    EXPECT_EQ(half.mx, 2.5f);
    EXPECT_EQ(half.my, 0.5f);
}

TEST(NodeDistance, SaturatesInsteadOfOverflowing)
{
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(NodeDistance(huge, 0.0f, 1000, 0, 0, 0), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(NodeDistance(std::nanf(""), std::nanf(""), 1000, 10, 0, 0), 0);
}

TEST(LayerDistance, SumsTruncatedDistancesOfTheLayerInStorageOrder)
{
    RouteModel model;
    ASSERT_TRUE(model.Allocate());
    model.header = Header(1000, 1000, 2500, 2500, 135, 136, 36, 35); // 2.5 m/px
    model.layerCount = 3;
    struct N {
        int layer, x, y;
    };
    // Layer 0 interleaved with layer 1; layer 2 has one node.
    const N nodes[] = {{0, 0, 0}, {1, 500, 500}, {0, 3, 0}, {0, 3, 4}, {2, 9, 9}, {1, 500, 504}};
    for (const N& n : nodes) {
        NodeRec& r = model.nodes[model.nodeCount++];
        r = NodeRec{};
        r.layer = std::uint16_t(n.layer);
        r.noteSlip = -1;
        r.x = n.x;
        r.y = n.y;
    }
    EXPECT_EQ(LayerDistance(model, 0), 7 + 10); // trunc(7.5)=7, then trunc(10)-0
    EXPECT_EQ(LayerDistance(model, 1), 10);
    EXPECT_EQ(LayerDistance(model, 2), 0);
    EXPECT_EQ(LayerDistance(model, 3), 0);
    EXPECT_EQ(LayerDistance(model, -1), 0);
}

TEST(PixelToDegrees, EdgesAreExactWhicheverEdgeIsLarger)
{
    struct Case {
        float west, east, north, south;
    };
    const Case cases[] = {
        {135.123f, 139.987f, 36.456f, 34.321f},
        {139.987f, 135.123f, 34.321f, 36.456f}, // swapped edges
        {-0.5f, 0.25f, 51.7f, 51.3f},
        {-73.99f, -74.02f, -33.8f, -33.9f},
    };
    for (const Case& c : cases) {
        const DocHeader h = Header(1237, 811, 1, 1, c.west, c.east, c.north, c.south);
        EXPECT_EQ(PixelToLongitude(h, 0), c.west);
        EXPECT_EQ(PixelToLongitude(h, 1237), c.east);
        EXPECT_EQ(PixelToLatitude(h, 0), c.north);
        EXPECT_EQ(PixelToLatitude(h, 811), c.south);
    }
    const DocHeader h = Header(1000, 500, 1, 1, 135, 136, 36, 35);
    EXPECT_FLOAT_EQ(PixelToLongitude(h, 250), 135.25f);
    EXPECT_FLOAT_EQ(PixelToLatitude(h, 100), 35.8f);
    EXPECT_EQ(QString::asprintf("%f", double(PixelToLongitude(h, 500))), "135.500000");
}

TEST(GeoToPixel, EdgesAreInsideAndOutsideGivesMinusOne)
{
    const DocHeader h = Header(1000, 500, 1, 1, 135, 136, 36, 35);
    const DegreeScales s = PixelsPerDegree(h);
    EXPECT_EQ(s.sx, 1000.0f);
    EXPECT_EQ(s.sy, 500.0f);
    struct Case {
        float lon, lat;
        PixelPoint pixel;
    };
    const Case cases[] = {
        {135.0f, 36.0f, {0, 0}},                                     // north-west corner
        {136.0f, 35.0f, {1000, 500}},                                // south-east corner
        {135.5f, 35.5f, {500, 250}},  {135.0009f, 35.9999f, {0, 0}}, // truncated toward zero
        {134.999f, 35.5f, {-1, -1}},  {136.001f, 35.5f, {-1, -1}},      {135.5f, 36.001f, {-1, -1}},
        {135.5f, 34.999f, {-1, -1}},  {std::nanf(""), 35.5f, {-1, -1}},
    };
    for (const Case& c : cases) {
        const PixelPoint p = GeoToPixel(h, s.sx, s.sy, c.lon, c.lat);
        EXPECT_EQ(p.x, c.pixel.x) << c.lon << ", " << c.lat;
        EXPECT_EQ(p.y, c.pixel.y) << c.lon << ", " << c.lat;
    }
    // Swapped edges: every position lies outside.
    const DocHeader swapped = Header(1000, 500, 1, 1, 136, 135, 35, 36);
    const DegreeScales ss = PixelsPerDegree(swapped);
    EXPECT_EQ(GeoToPixel(swapped, ss.sx, ss.sy, 135.5f, 35.5f), PixelPoint{});
    // Coinciding edges leave no scale rather than an infinite one.
    EXPECT_EQ(PixelsPerDegree(Header(1000, 500, 1, 1, 135, 135, 35, 35)).sx, 0.0f);
}

TEST(EllipsoidDistance, NearPointsAndParallelsAndTheZeroAngle)
{
    // Closer than 0.00001 degrees in both coordinates: 0 m.
    EXPECT_EQ(EllipsoidDistance(35.0f, 135.0f, 35.000005f, 135.000005f), 0);
    EXPECT_EQ(EllipsoidDistance(35.0f, 135.0f, 35.0f, 135.0f), 0);
    // One degree of latitude and of longitude at 35 degrees north.
    EXPECT_NEAR(EllipsoidDistance(35.0f, 135.0f, 36.0f, 135.0f), 110950, 15);
    EXPECT_NEAR(EllipsoidDistance(35.0f, 135.0f, 35.0f, 136.0f), 91288, 15);
    // On the same parallel Q is 0 and the result is symmetric.
    EXPECT_EQ(EllipsoidDistance(35.0f, 135.0f, 35.0f, 136.0f),
              EllipsoidDistance(35.0f, 136.0f, 35.0f, 135.0f));

    // A kilometre east: the single-precision cosine of the central angle
    // is 1, so ρ is 0 and the correction would be 0 / 0. The answer is 0 m
    // (the map settings then offer the manual entry), never NaN or garbage.
    EXPECT_EQ(EllipsoidDistance(35.0f, 135.0f, 35.0f, 135.01f), 0);
    EXPECT_EQ(EllipsoidDistance(35.6580f, 139.7016f, 35.6702f, 139.7027f), 0);
    // Bad input from a file never crashes and never overflows.
    EXPECT_EQ(EllipsoidDistance(std::nanf(""), 135.0f, 35.0f, 136.0f), 0);
    EXPECT_GE(EllipsoidDistance(0.0f, 0.0f, 0.0f, 180.0f), 0);
}

TEST(GroundSizeFromEdges, UsesTheMiddleMeridianAndParallel)
{
    // Edges given in either order give the same extents.
    EXPECT_EQ(GroundHeightFromEdges(36.0f, 35.0f, 135.0f, 136.0f),
              EllipsoidDistance(36.0f, 135.5f, 35.0f, 135.5f));
    EXPECT_EQ(GroundHeightFromEdges(36.0f, 35.0f, 136.0f, 135.0f),
              EllipsoidDistance(36.0f, 135.5f, 35.0f, 135.5f));
    EXPECT_EQ(GroundWidthFromEdges(35.0f, 36.0f, 135.0f, 136.0f),
              EllipsoidDistance(35.5f, 135.0f, 35.5f, 136.0f));
}

TEST(GroundExtentText, GroupsFourToNineDigitsAndReadsBack)
{
    struct Case {
        std::int32_t metres;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {999, "999"},
        {1234, "1,234"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {123456789, "123,456,789"},
        {1234567890, "1234567890"}, // ten digits stay ungrouped
        {-1234, "-1,234"},          // the sign gets no comma of its own
        {-123, "-123"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGroundExtent(c.metres), QString::fromLatin1(c.text));
        EXPECT_EQ(ParseGroundExtent(QString::fromLatin1(c.text)), c.metres) << c.text;
    }
    EXPECT_EQ(ParseGroundExtent(""), 0);
    EXPECT_EQ(ParseGroundExtent("12,3ab4"), 123);
    EXPECT_EQ(ParseGroundExtent("abc"), 0);
    EXPECT_EQ(ParseGroundExtent("99,999,999,999"), std::numeric_limits<std::int32_t>::max());
}
