#include "mapview/SaveMapImage.h"

#include "platform/Messages.h"
#include "image/ImageEncoding.h"

namespace tavelin
{
namespace
{
constexpr int MsgOutOfMemory = 30001;
constexpr int MsgSaved = 30038;
} // namespace

QString DefaultMapImageName(const QString& documentTitle)
{
    const qsizetype dot = documentTitle.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    return documentTitle.left(dot) + QLatin1String(".jpeg");
}

bool WriteMapJpeg(RouteModel& model, const SceneState& state, const QString& path, QObject* owner,
                  int dotsPerInch)
{
    const QImage image = RenderWholeMap(model, state, dotsPerInch);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        ShowMessage(MsgOutOfMemory, owner);
        return false;
    }
    return SaveBitmapImage(image, image.width(), image.height(), path, QStringLiteral("jpeg"));
}

bool SaveMapAsJpeg(RouteModel& model, const SceneState& state, const QString& documentTitle,
                   MapImagePathChooser& chooser, QObject* owner, int dotsPerInch)
{
    const QString path = chooser.chooseMapImagePath(owner, DefaultMapImageName(documentTitle));
    if (path.isEmpty())
        return false;
    if (!WriteMapJpeg(model, state, path, owner, dotsPerInch))
        return false;
    ShowMessage(MsgSaved, owner, {}, MessageStyle::Information);
    return true;
}

} // namespace tavelin
