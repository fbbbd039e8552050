// EllipsoidDistance against GeographicLib's exact geodesic on the same
// ellipsoid, over real city pairs from about 1 km to 2000 km. The single-
// precision Lambert-Andoyer formula is close at long range and coarse at
// short range, where the float cosine of the central angle carries only a
// few significant digits; the bands below state what it achieves.

#include "geo/Geodesy.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace tavelin;

namespace
{

struct CityPair {
    const char* from;
    float lat1, lon1;
    const char* to;
    float lat2, lon2;
};

constexpr CityPair Pairs[] = {
    {"Tokyo", 35.6812f, 139.7671f, "Kanda", 35.6918f, 139.7709f},
    {"Shibuya", 35.6580f, 139.7016f, "Harajuku", 35.6702f, 139.7027f},
    {"Namba", 34.6666f, 135.5005f, "Umeda", 34.7025f, 135.4959f},
    {"Tokyo", 35.6812f, 139.7671f, "Shinjuku", 35.6896f, 139.7006f},
    {"Paris", 48.8566f, 2.3522f, "Versailles", 48.8049f, 2.1204f},
    {"Berlin", 52.5200f, 13.4050f, "Potsdam", 52.3906f, 13.0645f},
    {"Osaka", 34.7025f, 135.4959f, "Kobe", 34.6901f, 135.1955f},
    {"Tokyo", 35.6812f, 139.7671f, "Yokohama", 35.4437f, 139.6380f},
    {"Osaka", 34.7025f, 135.4959f, "Kyoto", 34.9858f, 135.7588f},
    {"Buenos Aires", -34.6037f, -58.3816f, "Montevideo", -34.9011f, -56.1645f},
    {"Tokyo", 35.6812f, 139.7671f, "Nagoya", 35.1709f, 136.8815f},
    {"New York", 40.7128f, -74.0060f, "Boston", 42.3601f, -71.0589f},
    {"Paris", 48.8566f, 2.3522f, "London", 51.5074f, -0.1278f},
    {"Tokyo", 35.6812f, 139.7671f, "Osaka", 34.7025f, 135.4959f},
    {"Sydney", -33.8688f, 151.2093f, "Melbourne", -37.8136f, 144.9631f},
    {"Tokyo", 35.6812f, 139.7671f, "Sapporo", 43.0686f, 141.3508f},
    {"Tokyo", 35.6812f, 139.7671f, "Fukuoka", 33.5902f, 130.4017f},
    {"Tokyo", 35.6812f, 139.7671f, "Seoul", 37.5665f, 126.9780f},
    {"Madrid", 40.4168f, -3.7038f, "Rome", 41.9028f, 12.4964f},
    {"Sapporo", 43.0686f, 141.3508f, "Fukuoka", 33.5902f, 130.4017f},
    {"London", 51.5074f, -0.1278f, "Rome", 41.9028f, 12.4964f},
    {"Tokyo", 35.6812f, 139.7671f, "Naha", 26.2124f, 127.6809f},
    {"Tokyo", 35.6812f, 139.7671f, "Shanghai", 31.2304f, 121.4737f},
    {"Berlin", 52.5200f, 13.4050f, "Madrid", 40.4168f, -3.7038f},
};

// Largest relative difference allowed by distance band.
double Tolerance(double metres)
{
    if (metres >= 100000)
        return 2e-5;
    if (metres >= 10000)
        return 5e-3;
    return 1.0; // only sanity below 10 km: finite, not negative, not far beyond
}

} // namespace

TEST(EllipsoidReference, CityPairsAgreeWithGeographicLib)
{
    const GeographicLib::Geodesic geodesic(6378140.0, 1.0 - 0.9966471416431749);
    double worstLong = 0, worstMiddle = 0, worstShort = 0;
    for (const CityPair& p : Pairs) {
        double reference = 0;
        geodesic.Inverse(p.lat1, p.lon1, p.lat2, p.lon2, reference);
        const std::int32_t metres = EllipsoidDistance(p.lat1, p.lon1, p.lat2, p.lon2);
        EXPECT_EQ(metres, EllipsoidDistance(p.lat2, p.lon2, p.lat1, p.lon1))
            << p.from << "-" << p.to;
        const double relative = std::fabs(metres - reference) / reference;
        EXPECT_GE(metres, 0);
        EXPECT_LE(relative, Tolerance(reference))
            << p.from << "-" << p.to << ": " << metres << " m, reference " << reference << " m";
        double& worst = reference >= 100000  ? worstLong
                        : reference >= 10000 ? worstMiddle
                                             : worstShort;
        worst = std::max(worst, relative);
    }
    std::printf("largest relative difference: %.2e (100-2000 km), %.2e (10-100 km), "
                "%.2e (1-10 km)\n",
                worstLong, worstMiddle, worstShort);
}
