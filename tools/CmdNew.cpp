// tavelin-tool new OUT.tvn --map IMAGE --north N --south S --west W --east E:
// a new document on a background map, the picture and ground size taken as
// the map settings take them, saved through the editor's own save.
#include "tools/Commands.h"

#include "document/DocumentFile.h"
#include "document/WorkFolder.h"
#include "editors/MapSettingsValues.h"
#include "image/ChosenImage.h"
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
    float edges[4] = {}; // north, south, west, east
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const double value = options.value(edgeNames[i]).toDouble(&ok);
        if (!ok)
            return Usage(QLatin1String(NewUsage));
        edges[i] = static_cast<float>(value); // the edges are stored as 32-bit floats
    }
    RouteModel model;
    if (!model.Allocate())
        return Fail(30001);
    if (!model.ResetForNewDocument())
        return 1;

    // The same values and checks as the map settings dialog.
    MapSettingsValues values = MapSettingsValues::FromModel(model);
    values.northLat = edges[0];
    values.southLat = edges[1];
    values.westLon = edges[2];
    values.eastLon = edges[3];
    values.recomputeHeight();
    values.recomputeWidth();
    const auto refuse = [](MapSettingsProblem problem) {
        switch (problem) {
        case MapSettingsProblem::EdgeNotSet:
            return Fail(30042);
        case MapSettingsProblem::GroundTooSmall:
            return Fail(30045); // the editor would ask for the sizes by hand
        default:
            return 0;
        }
    };
    // The edges are judged before the picture is loaded.
    if (const int rc = refuse(values.check()))
        return rc;

    // As the map settings load a map: JPEG as it is, every other kind
    // re-encoded as JPEG without a transparent colour.
    const QString mapPath = QFileInfo(options.value(QStringLiteral("--map"))).absoluteFilePath();
    const QString kind = ImageFileType(mapPath);
    if (kind.isEmpty())
        return 1; // 30056 has been printed
    const bool isJpeg = kind == QLatin1String("jpeg");
    const QString workFolder = isJpeg ? WorkFolderPath() : WorkFolder();
    if (!isJpeg && workFolder.isEmpty())
        return 1; // 30002 has been printed
    const ChosenPicture chosen = LoadChosenImage(mapPath, ImageUse::BackgroundMap, workFolder);
    if (!chosen.picture || !values.takeNewPicture(chosen))
        return Fail(30046, mapPath + QLatin1Char('\n'));
    values.applyTo(model);
    return SaveDocument(QFileInfo(out).absoluteFilePath(), model) ? 0 : 1;
}

} // namespace tavelin::tool
