#include "image/LayerIcon.h"

#include "image/ImageEncoding.h"
#include "image/NodeIcons.h"
#include "image/PictureDrawing.h"
#include "image/PictureIo.h"
#include "model/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>

namespace tavelin
{

namespace
{

const QString IconFileName = QStringLiteral("DefIcon.bmp");

QString UserIconFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/Tavelin");
}

// Where the icon file is looked for, in order: beside the program, then the
// per-user data folder (used when the program's folder is read-only).
QStringList IconCandidates(const QString& programFolder, const QString& userFolder)
{
    QStringList paths;
    for (const QString& folder : {programFolder, userFolder}) {
        if (!folder.isEmpty())
            paths << QDir(folder).filePath(IconFileName);
    }
    return paths;
}

bool FolderWritable(const QString& filePath)
{
    const QFileInfo folder(QFileInfo(filePath).absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

QString DefaultIconPath()
{
    return DefaultIconPath(QCoreApplication::applicationDirPath(), UserIconFolder());
}

PicturePtr LoadDefaultIcon()
{
    return LoadDefaultIcon(QCoreApplication::applicationDirPath(), UserIconFolder());
}

QString DefaultIconPath(const QString& programFolder, const QString& userFolder)
{
    const QStringList candidates = IconCandidates(programFolder, userFolder);
    if (candidates.isEmpty())
        return {};
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path))
            return path;
    }
    for (const QString& path : candidates) {
        if (FolderWritable(path))
            return path;
    }
    return candidates.last();
}

PicturePtr LoadDefaultIcon(const QString& programFolder, const QString& userFolder)
{
    QString path = DefaultIconPath(programFolder, userFolder);
    if (path.isEmpty())
        return nullptr;
    if (!QFileInfo::exists(path)) {
        const QImage icon = BuiltInNodeIcon(1015);
        bool written = false;
        for (const QString& candidate : IconCandidates(programFolder, userFolder)) {
            QDir().mkpath(QFileInfo(candidate).absolutePath());
            if (FolderWritable(candidate) &&
                SaveBitmapImage(icon, IconCell, IconCell, candidate, QStringLiteral("bmp"))) {
                path = candidate;
                written = true;
                break;
            }
        }
        if (!written)
            return nullptr;
    }
    return LoadPictureFile(path).picture;
}

QImage BuildIconCell(const Picture& picture, int iconPos, PictureMode mode)
{
    QImage cell(IconCell, IconCell, QImage::Format_RGB32);
    if (cell.isNull())
        return {};
    cell.fill(Qt::black);
    {
        QPainter painter(&cell);
        DrawPicture(painter, &picture, QRect(0, 0, IconCell, IconCell), QSize(IconCell, IconCell),
                    1, 0x000000, int(mode), -1);
    }
    switch (iconPos) {
    case 1:
        return cell.mirrored(true, false);
    case 2:
        return cell.mirrored(true, true);
    case 3:
        return cell.mirrored(false, true);
    default:
        return cell;
    }
}

QImage BuildLayerIcon(const Picture& picture, const LayerRec& layer)
{
    return BuildIconCell(picture, layer.iconPos, PictureMode::TopLeft);
}

} // namespace tavelin
