#pragma once
// The one path from an image file the user picked to a picture of the
// model: for the background map, an image slip (new or replaced) and a
// layer's node icon.

#include "image/KeyedPicture.h"

#include <QString>
#include <cstdint>

namespace tavelin
{

// SlipReplacement: a picture set on an existing slip, kept at full width.
enum class ImageUse { BackgroundMap, Slip, SlipReplacement, LayerIcon };

struct ChosenPicture {
    PicturePtr picture;    // null when nothing could be made of the file
    std::int32_t key = -1; // transparent colour (0x00BBGGRR) or -1
    qint64 byteSize = 0;
    QSize size;
};

// Kind by extension (30056 for others); a BMP's transparent colour from its
// pixels; a JPEG taken as it is; everything else through LoadKeyedPicture
// (the map always without a key, so every map is stored as JPEG). Slip
// pictures wider than "KanSet" "ImageW" are scaled down to that width; when
// that fails the full-size picture is kept (30001 shown). A file that does
// not decode gives no picture and no message: the caller reports it.
ChosenPicture LoadChosenImage(const QString& path, ImageUse use, const QString& workFolder,
                              int displayDepth = DisplayDepth());

} // namespace tavelin
