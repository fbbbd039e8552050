#include "image/PictureIo.h"

#include "platform/Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <new>

namespace tavelin
{

QSize PictureSize(const Picture* picture)
{
    if (!picture || !picture->isDecodable())
        return {0, 0};
    return picture->image().size();
}

qint64 PictureByteSize(const Picture* picture)
{
    return picture ? picture->byteSize() : 0;
}

bool WritePictureBytes(const Picture& picture, QIODevice& file)
{
    const QByteArray& bytes = picture.bytes();
    if (bytes.isEmpty())
        return true;
    return file.write(bytes) == bytes.size();
}

namespace
{

// Reads exactly n bytes; empty on a short read or when memory is short.
bool ReadExactly(QIODevice& file, qint64 n, QByteArray& out)
{
    if (n <= 0)
        return false;
    try {
        out.resize(n);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (out.size() != n)
        return false;
    qint64 done = 0;
    while (done < n) {
        const qint64 got = file.read(out.data() + done, n - done);
        if (got <= 0) {
            // A sequential device may not have everything buffered yet.
            if (got == 0 && file.waitForReadyRead(1000))
                continue;
            return false;
        }
        done += got;
    }
    return true;
}

} // namespace

PicturePtr LoadPictureBlock(QIODevice& file, qint64 byteCount)
{
    QByteArray bytes;
    if (!ReadExactly(file, byteCount, bytes))
        return nullptr;
    return std::make_shared<const Picture>(std::move(bytes));
}

LoadedPicture LoadPictureFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 length = file.size();
    QByteArray bytes;
    if (!ReadExactly(file, length, bytes))
        return {};
    QImage image = DecodeImageBytes(bytes);
    if (image.isNull())
        return {};
    LoadedPicture loaded;
    loaded.size = image.size();
    loaded.byteSize = length;
    loaded.picture = std::make_shared<const Picture>(std::move(bytes), std::move(image));
    return loaded;
}

QString ImageFileType(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    if (extension == u"jpg" || extension == u"jpeg")
        return QStringLiteral("jpeg");
    if (extension == u"gif" || extension == u"bmp" || extension == u"png")
        return extension;
    if (extension == u"tif" || extension == u"tiff")
        return QStringLiteral("tiff");
    ShowMessage(30056, nullptr, {}, MessageStyle::Information);
    return {};
}

} // namespace tavelin
