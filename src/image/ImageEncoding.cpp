#include "image/ImageEncoding.h"

#include "platform/Messages.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

namespace tavelin
{

std::optional<QByteArray> FindEncoder(const QString& mimeType)
{
    const QByteArray wanted = mimeType.toLatin1();
    if (!QImageWriter::supportedMimeTypes().contains(wanted))
        return std::nullopt;
    // The MIME type names the format; Qt's writers take the short name.
    const QByteArray format = wanted.mid(wanted.indexOf('/') + 1);
    if (!QImageWriter::supportedImageFormats().contains(format))
        return std::nullopt;
    return format;
}

namespace
{

bool WriteImage(const QImage& bitmap, int width, int height, const QString& path,
                const QString& kind)
{
    if (bitmap.isNull() || width <= 0 || height <= 0 || path.isEmpty())
        return false;
    const std::optional<QByteArray> format = FindEncoder(QStringLiteral("image/") + kind.toLower());
    if (!format)
        return false;
    // Opaque, as a device-dependent bitmap is: the encoders then write 24-bit
    // BMP and the colours exactly as they were.
    QImage opaque = bitmap.convertToFormat(QImage::Format_RGB32);
    if (opaque.size() != QSize(width, height))
        opaque = opaque.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (opaque.isNull())
        return false;
    // Written whole or not at all: a failed write leaves an earlier file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, *format);
    writer.setQuality(100);
    if (!writer.write(opaque)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

bool SaveBitmapImage(const QImage& bitmap, int width, int height, const QString& path,
                     const QString& kind)
{
    if (!WriteImage(bitmap, width, height, path, kind)) {
        ShowMessage(30001);
        return false;
    }
    return true;
}

LoadedPicture ReencodeAsJpeg(const QImage& bitmap, int width, int height, const QString& workFolder)
{
    if (workFolder.isEmpty()) {
        ShowMessage(30001);
        return {};
    }
    const QString path = QDir(workFolder).filePath(QStringLiteral("temp.jpeg"));
    if (!SaveBitmapImage(bitmap, width, height, path, QStringLiteral("jpeg")))
        return {};
    LoadedPicture loaded = LoadPictureFile(path);
    if (!loaded.picture)
        ShowMessage(30001);
    return loaded;
}

LoadedPicture ResizePicture(const Picture& picture, int width, int height, bool keyed,
                            const QString& workFolder)
{
    LoadedPicture loaded;
    if (!workFolder.isEmpty() && picture.isDecodable()) {
        const QString kind = keyed ? QStringLiteral("bmp") : QStringLiteral("jpeg");
        const QString path = QDir(workFolder).filePath(QStringLiteral("tmp.") + kind);
        if (WriteImage(picture.image(), width, height, path, kind))
            loaded = LoadPictureFile(path);
    }
    if (!loaded.picture)
        ShowMessage(30001);
    return loaded;
}

} // namespace tavelin
