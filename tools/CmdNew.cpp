// tavelin-tool new OUT.tvn --map IMAGE --north N --south S --west W --east E:
// a new document on a background map, the picture and ground size taken as
// the map settings take them, saved through the editor's own save.
#include "tools/Commands.h"

#include "document/DocumentFile.h"
#include "document/WorkFolder.h"
#include "geo/Geodesy.h"
#include "image/KeyedPicture.h"
#include "image/PictureIo.h"
#include "model/RouteModel.h"

#include <QFileInfo>
#include <QHash>

namespace tavelin::tool
{
namespace
{

constexpr const char* NewUsage = "new OUT.tvn --map IMAGE --north N --south S --west W --east E";

} // namespace

int CmdNew(const QStringList& args)
{
    QString out;
    QHash<QString, QString> options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size() || options.contains(a))
                return Usage(QLatin1String(NewUsage));
            options.insert(a, args[++i]);
        } else if (out.isEmpty()) {
            out = a;
        } else {
            return Usage(QLatin1String(NewUsage));
        }
    }
    const QStringList edgeNames = {QStringLiteral("--north"), QStringLiteral("--south"),
                                   QStringLiteral("--west"), QStringLiteral("--east")};
    if (out.isEmpty() || options.size() != 5 || !options.contains(QStringLiteral("--map")))
        return Usage(QLatin1String(NewUsage));
    float edges[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const double value = options.value(edgeNames[i]).toDouble(&ok);
        if (!ok)
            return Usage(QLatin1String(NewUsage));
        edges[i] = static_cast<float>(value); // the edges are stored as 32-bit floats
    }
    const float north = edges[0], south = edges[1], west = edges[2], east = edges[3];
    if (north == 0.0f || south == 0.0f || west == 0.0f || east == 0.0f)
        return Fail(30042);
    const std::int32_t widthMetres = GroundWidthFromEdges(north, south, west, east);
    const std::int32_t heightMetres = GroundHeightFromEdges(north, south, west, east);
    if (widthMetres < 1 || heightMetres < 1)
        return Fail(30045); // the editor would ask for the sizes by hand

    // As the map settings load a map: JPEG as it is, every other kind
    // re-encoded as JPEG without a transparent colour.
    const QString mapPath = QFileInfo(options.value(QStringLiteral("--map"))).absoluteFilePath();
    const QString kind = ImageFileType(mapPath);
    if (kind.isEmpty())
        return 1; // 30056 has been printed
    LoadedPicture map;
    if (kind == QLatin1String("jpeg"))
        map = LoadPictureFile(mapPath);
    if (!map.picture) {
        std::int32_t key = -1;
        const QString work = WorkFolder();
        if (work.isEmpty())
            return 1;
        map = LoadKeyedPicture(mapPath, kind, true, key, work);
    }
    if (!map.picture || map.size.isEmpty())
        return Fail(30046, mapPath + QLatin1Char('\n'));
    if (map.byteSize == 0)
        map.byteSize = PictureByteSize(map.picture);

    RouteModel model;
    if (!model.Allocate())
        return Fail(30001);
    if (!model.ResetForNewDocument())
        return 1;
    DocHeader& h = model.header;
    h.hasMap = 1;
    h.mapImageSize = static_cast<std::int32_t>(map.byteSize);
    h.mapWidth = map.size.width();
    h.mapHeight = map.size.height();
    h.northLat = north;
    h.southLat = south;
    h.westLon = west;
    h.eastLon = east;
    h.mapWidthMetres = widthMetres;
    h.mapHeightMetres = heightMetres;
    model.mapPicture = map.picture;
    return SaveDocument(QFileInfo(out).absoluteFilePath(), model) ? 0 : 1;
}

} // namespace tavelin::tool
