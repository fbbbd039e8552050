#pragma once
// Ties the background map to the earth: pixel positions to ground metres and
// degrees and back, and ground distances on the ellipsoid.
//
// The stored coordinates are 32-bit floats and the results are whole metres,
// so where a value is rounded decides the answer: values marked float below
// are rounded to single precision, everything in between is carried in
// long double and whole numbers are truncated toward zero.

#include "model/Records.h"

#include <QString>
#include <cstdint>

namespace tavelin
{

struct RouteModel;

// Metres per pixel across (mx) and down (my).
struct MapScales {
    float mx = 0.0f;
    float my = 0.0f;
};

// Pixels per degree across (sx) and down (sy), for GeoToPixel.
struct DegreeScales {
    float sx = 0.0f;
    float sy = 0.0f;
};

struct PixelPoint {
    std::int32_t x = -1;
    std::int32_t y = -1;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// mx = mapWidthMetres / mapWidth, my likewise. A map without a size (0 px)
// or without a ground size gives 0, so every distance is 0.
MapScales MetresPerPixel(const DocHeader& header);
// sx = mapWidth / (eastLon - westLon), sy = mapHeight / (northLat - southLat);
// 0 when the edges coincide.
DegreeScales PixelsPerDegree(const DocHeader& header);

// Ground distance in whole metres between the current node (x1, y1) and the
// previous one (x2, y2); flat, each axis truncated to whole metres first.
std::int32_t NodeDistance(float mx, float my, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2);

// Route length of one layer: the sum of NodeDistance along its nodes in
// storage order. 0 for an unknown layer or one with fewer than two nodes.
std::int32_t LayerDistance(const RouteModel& model, int layer);

// Longitude of pixel column x and latitude of pixel row y, linear between the
// map's edges.
float PixelToLongitude(const DocHeader& header, std::int32_t x);
float PixelToLatitude(const DocHeader& header, std::int32_t y);

// Pixel of a position, or (-1, -1) when it lies outside the map. Edges are
// inside.
PixelPoint GeoToPixel(const DocHeader& header, float sx, float sy, float longitude, float latitude);

// Lambert-Andoyer distance in whole metres on the map's ellipsoid.
std::int32_t EllipsoidDistance(float latitude1, float longitude1, float latitude2,
                               float longitude2);

// The map settings' derived ground extents: height along the middle
// meridian, width along the middle parallel.
std::int32_t GroundHeightFromEdges(float northLat, float southLat, float westLon, float eastLon);
std::int32_t GroundWidthFromEdges(float northLat, float southLat, float westLon, float eastLon);

// A ground extent as shown in the map settings: "%ld" with thousands
// separators for 4 to 9 digits ("1,234", "1,234,567"), none for more.
QString FormatGroundExtent(std::int32_t metres);
// Reads it back: commas removed, then the leading integer (0 when none).
std::int32_t ParseGroundExtent(const QString& text);

// The integer value of a text as the edits read it: leading blanks, an
// optional sign, then leading digits; 0 when there are none, saturated at the
// 32-bit limits.
std::int32_t LeadingInteger(const QString& text);

} // namespace tavelin
