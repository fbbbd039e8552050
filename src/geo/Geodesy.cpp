#include "geo/Geodesy.h"

#include "model/RouteModel.h"

#include <cmath>
#include <limits>

namespace tavelin
{
namespace
{

using Wide = long double;

constexpr Wide SemiMajorAxis = 6378140.0L;
constexpr Wide AxisRatio = 0.9966471416431749L;   // b / a
constexpr float FlatteningEighth = 0.0004191073f; // (a - b) / a / 8
constexpr float Pi = 3.1415927f;
constexpr Wide SamePointDegrees = 0.00001L;

// Truncation toward zero into 32 bits; NaN reads as 0 and values beyond the
// range saturate, so no input can produce an undefined conversion.
std::int32_t TruncToInt32(Wide value)
{
    if (std::isnan(value))
        return 0;
    constexpr Wide Max = std::numeric_limits<std::int32_t>::max();
    constexpr Wide Min = std::numeric_limits<std::int32_t>::min();
    if (value >= Max)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= Min)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

float ToFloat(Wide value)
{
    return static_cast<float>(value);
}

float Radians(float degrees)
{
    return ToFloat(Wide(degrees) * Pi / 180);
}

} // namespace

MapScales MetresPerPixel(const DocHeader& header)
{
    MapScales scales;
    if (header.mapWidth != 0)
        scales.mx = ToFloat(Wide(header.mapWidthMetres) / header.mapWidth);
    if (header.mapHeight != 0)
        scales.my = ToFloat(Wide(header.mapHeightMetres) / header.mapHeight);
    return scales;
}

DegreeScales PixelsPerDegree(const DocHeader& header)
{
    DegreeScales scales;
    const float across = header.eastLon - header.westLon;
    const float down = header.northLat - header.southLat;
    if (across != 0.0f && std::isfinite(across))
        scales.sx = ToFloat(header.mapWidth / Wide(across));
    if (down != 0.0f && std::isfinite(down))
        scales.sy = ToFloat(header.mapHeight / Wide(down));
    return scales;
}

std::int32_t NodeDistance(float mx, float my, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2)
{
    // Each position becomes whole metres before the subtraction: with
    // mx = 2.5 a node 3 px away is trunc(7.5) - 0 = 7 m away, not 7.5 m.
    const std::int64_t dx = std::int64_t(TruncToInt32(Wide(mx) * x1)) - TruncToInt32(Wide(mx) * x2);
    const std::int64_t dy = std::int64_t(TruncToInt32(Wide(my) * y1)) - TruncToInt32(Wide(my) * y2);
    // The squares are taken in 64 bits: a few hundred kilometres already
    // overflow a 32-bit square.
    return TruncToInt32(std::sqrt(Wide(dx * dx + dy * dy)));
}

std::int32_t LayerDistance(const RouteModel& model, int layer)
{
    if (!model.nodes || layer < 0 || layer >= model.layerCount)
        return 0;
    const MapScales scales = MetresPerPixel(model.header);
    std::int64_t total = 0;
    const NodeRec* previous = nullptr;
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& node = model.nodes[i];
        if (node.layer != layer)
            continue;
        if (previous)
            total += NodeDistance(scales.mx, scales.my, node.x, node.y, previous->x, previous->y);
        previous = &node;
    }
    return TruncToInt32(Wide(total));
}

float PixelToLongitude(const DocHeader& header, std::int32_t x)
{
    if (header.mapWidth == 0)
        return header.westLon;
    // Evaluated from the numerically smaller edge, so x = 0 gives westLon and
    // x = mapWidth gives eastLon exactly whichever is larger.
    if (header.westLon < header.eastLon) {
        const float span = header.eastLon - header.westLon;
        return ToFloat(header.westLon + Wide(span) / header.mapWidth * x);
    }
    const float span = header.westLon - header.eastLon;
    return ToFloat(header.eastLon + Wide(span) / header.mapWidth * (Wide(header.mapWidth) - x));
}

float PixelToLatitude(const DocHeader& header, std::int32_t y)
{
    if (header.mapHeight == 0)
        return header.northLat;
    if (header.southLat < header.northLat) {
        const float span = header.northLat - header.southLat;
        return ToFloat(header.southLat +
                       Wide(span) / header.mapHeight * (Wide(header.mapHeight) - y));
    }
    const float span = header.southLat - header.northLat;
    return ToFloat(header.northLat + Wide(span) / header.mapHeight * y);
}

PixelPoint GeoToPixel(const DocHeader& header, float sx, float sy, float longitude, float latitude)
{
    // Written as negated "inside" tests so that NaN lands outside.
    const bool inside = longitude >= header.westLon && longitude <= header.eastLon &&
                        latitude <= header.northLat && latitude >= header.southLat;
    if (!inside)
        return {};
    return {TruncToInt32((Wide(longitude) - header.westLon) * sx),
            TruncToInt32((Wide(header.northLat) - latitude) * sy)};
}

std::int32_t EllipsoidDistance(float latitude1, float longitude1, float latitude2, float longitude2)
{
    const float dLat = latitude1 - latitude2;
    const float dLon = longitude1 - longitude2;
    if (std::fabs(dLat) < SamePointDegrees && std::fabs(dLon) < SamePointDegrees)
        return 0;

    const float phi1 = Radians(latitude1);
    const float phi2 = Radians(latitude2);
    const float lambda1 = Radians(longitude1);
    const float lambda2 = Radians(longitude2);

    const float beta1 = ToFloat(std::atan(AxisRatio * std::tan(Wide(phi1))));
    const float beta2 = ToFloat(std::atan(AxisRatio * std::tan(Wide(phi2))));
    const float sinBeta1 = ToFloat(std::sin(Wide(beta1)));
    const float sinBeta2 = ToFloat(std::sin(Wide(beta2)));
    const float cosBeta1 = ToFloat(std::cos(Wide(beta1)));
    const float cosBeta2 = ToFloat(std::cos(Wide(beta2)));
    const float cosDLambda = ToFloat(std::cos(Wide(lambda1) - lambda2));

    // In single precision the cosine of the central angle rounds to 1 (or a
    // hair above) for distinct points a kilometre or two apart; ρ is then 0
    // and the correction below would divide zero by zero. Such points count
    // as 0 m apart, which makes the map settings offer the manual entry.
    Wide cosRho = Wide(sinBeta1) * sinBeta2 + Wide(cosBeta1) * cosBeta2 * cosDLambda;
    if (std::isnan(cosRho))
        return 0;
    if (cosRho > 1)
        cosRho = 1;
    if (cosRho < -1)
        cosRho = -1;
    const float rho = ToFloat(std::acos(cosRho));
    if (rho == 0.0f)
        return 0;

    const float sinRho = ToFloat(std::sin(Wide(rho)));
    const float cosHalf = ToFloat(std::cos(Wide(rho) / 2));
    const float sinHalf = ToFloat(std::sin(Wide(rho) / 2));
    const Wide sumSin = Wide(sinBeta1) + sinBeta2;
    const Wide diffSin = Wide(sinBeta1) - sinBeta2;
    const Wide cosHalfSquared = Wide(cosHalf) * cosHalf;
    const Wide sinHalfSquared = Wide(sinHalf) * sinHalf;
    // Antipodal points leave no finite correction; they are far off any map.
    const Wide p =
        cosHalfSquared == 0 ? 0 : (sinRho - Wide(rho)) * (sumSin * sumSin) / cosHalfSquared;
    const Wide q = (sinRho + Wide(rho)) * (diffSin * diffSin) / sinHalfSquared;
    const float deltaRho = ToFloat(FlatteningEighth * (p - q));
    return TruncToInt32(SemiMajorAxis * (Wide(rho) + deltaRho));
}

std::int32_t GroundHeightFromEdges(float northLat, float southLat, float westLon, float eastLon)
{
    const float midLongitude =
        ToFloat(std::fmin(westLon, eastLon) + std::fabs(Wide(westLon) - eastLon) * 0.5L);
    return EllipsoidDistance(northLat, midLongitude, southLat, midLongitude);
}

std::int32_t GroundWidthFromEdges(float northLat, float southLat, float westLon, float eastLon)
{
    const float midLatitude =
        ToFloat(std::fmin(northLat, southLat) + std::fabs(Wide(northLat) - southLat) * 0.5L);
    return EllipsoidDistance(midLatitude, westLon, midLatitude, eastLon);
}

QString FormatGroundExtent(std::int32_t metres)
{
    // The grouping counts digits only, so a sign never gets a comma of its own.
    const QString digits = QString::number(std::abs(std::int64_t(metres)));
    QString grouped = digits;
    const qsizetype n = digits.size();
    if (n >= 4 && n <= 9) {
        grouped.insert(n - 3, QLatin1Char(','));
        if (n >= 7)
            grouped.insert(n - 6, QLatin1Char(','));
    }
    return metres < 0 ? QLatin1Char('-') + grouped : grouped;
}

std::int32_t ParseGroundExtent(const QString& text)
{
    QString plain = text;
    plain.remove(QLatin1Char(','));
    return LeadingInteger(plain);
}

std::int32_t LeadingInteger(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            break;
    }
    return TruncToInt32(Wide(negative ? -value : value));
}

} // namespace tavelin
