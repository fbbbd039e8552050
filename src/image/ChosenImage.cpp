#include "image/ChosenImage.h"

#include "platform/Settings.h"
#include "image/BmpTransparentColour.h"
#include "image/ImageEncoding.h"

namespace tavelin
{

ChosenPicture LoadChosenImage(const QString& path, ImageUse use, const QString& workFolder,
                              int displayDepth)
{
    const QString kind = ImageFileType(path);
    if (kind.isEmpty())
        return {};
    const bool isMap = use == ImageUse::BackgroundMap;

    std::int32_t key = -1;
    bool skipKeySearch = isMap;
    if (kind == u"bmp") {
        std::int32_t bmpKey = -1;
        BmpTransparentColour(path, bmpKey); // a failure was shown; loading goes on unkeyed
        if (!isMap)
            key = bmpKey;
        skipKeySearch = true;
    }

    LoadedPicture loaded;
    if (kind == u"jpeg")
        loaded = LoadPictureFile(path);
    if (!loaded.picture)
        loaded = LoadKeyedPicture(path, kind, skipKeySearch, key, workFolder, displayDepth);
    if (!loaded.picture)
        return {};
    if (loaded.byteSize == 0)
        loaded.byteSize = PictureByteSize(loaded.picture);

    if (use == ImageUse::Slip) {
        const int limit = settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("ImageW"));
        const QSize size = loaded.size;
        if (limit > 0 && size.width() > limit) {
            const int height = int(double(limit) * (double(size.height()) / size.width()));
            LoadedPicture smaller =
                ResizePicture(*loaded.picture, limit, std::max(1, height), key != -1, workFolder);
            if (smaller.picture)
                loaded = std::move(smaller);
        }
    }
    return {loaded.picture, key, loaded.byteSize, loaded.size};
}

} // namespace tavelin
