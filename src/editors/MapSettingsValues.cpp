#include "editors/MapSettingsValues.h"

#include "geo/Geodesy.h"
#include "image/ChosenImage.h"
#include "model/RouteModel.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace tavelin
{

MapSettingsValues MapSettingsValues::FromModel(const RouteModel& model)
{
    const DocHeader& h = model.header;
    MapSettingsValues v;
    v.currentPicture = model.mapPicture;
    v.mapWidth = h.mapWidth;
    v.mapHeight = h.mapHeight;
    v.northLat = h.northLat;
    v.southLat = h.southLat;
    v.westLon = h.westLon;
    v.eastLon = h.eastLon;
    v.widthMetres = h.mapWidthMetres;
    v.heightMetres = h.mapHeightMetres;
    return v;
}

const Picture* MapSettingsValues::shownPicture() const
{
    if (newPicture)
        return newPicture.get();
    return currentPicture.get();
}

bool MapSettingsValues::takeNewPicture(const ChosenPicture& chosen)
{
    if (!chosen.picture || chosen.byteSize <= 0 ||
        chosen.byteSize > std::numeric_limits<std::int32_t>::max() || chosen.size.isEmpty())
        return false;
    newPicture = chosen.picture;
    newByteSize = std::int32_t(chosen.byteSize);
    mapWidth = chosen.size.width();
    mapHeight = chosen.size.height();
    mapChosen = true;
    return true;
}

void MapSettingsValues::recomputeHeight()
{
    heightMetres = GroundHeightFromEdges(northLat, southLat, westLon, eastLon);
}

void MapSettingsValues::recomputeWidth()
{
    widthMetres = GroundWidthFromEdges(northLat, southLat, westLon, eastLon);
}

MapSettingsProblem MapSettingsValues::check() const
{
    if (northLat == 0.0f || southLat == 0.0f || westLon == 0.0f || eastLon == 0.0f)
        return MapSettingsProblem::EdgeNotSet;
    if (widthMetres < 1 || heightMetres < 1)
        return MapSettingsProblem::GroundTooSmall;
    if (!hasPicture())
        return MapSettingsProblem::NoPicture;
    return MapSettingsProblem::Ok;
}

bool MapSettingsValues::applyTo(RouteModel& model) const
{
    DocHeader& h = model.header;
    h.westLon = westLon;
    h.eastLon = eastLon;
    h.northLat = northLat;
    h.southLat = southLat;
    h.mapWidthMetres = widthMetres;
    h.mapHeightMetres = heightMetres;
    if (!mapChosen || !newPicture)
        return false;
    h.mapImageSize = newByteSize;
    h.hasMap = 1;
    model.mapPicture = newPicture; // the picture it replaces goes with its last owner
    h.mapWidth = mapWidth;
    h.mapHeight = mapHeight;
    return true;
}

QString FormatEdge(float degrees)
{
    return QString::asprintf("%f", double(degrees));
}

float ParseEdge(const QString& text)
{
    // What the platform's text-to-double takes, without its locale: the
    // decimal point is always ".".
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0.0f;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return 0.0f;
    return float(value);
}

} // namespace tavelin
