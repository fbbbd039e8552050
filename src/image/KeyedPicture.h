#pragma once
// Turning an image file that the picture loader cannot take as it is (GIF,
// BMP, PNG, TIFF) into a picture: a BMP that keeps its transparent colour
// exactly when it has one, a JPEG otherwise.

#include "image/PictureIo.h"

#include <QString>
#include <cstdint>

namespace tavelin
{

// Bits per pixel of the screen (32 without one).
int DisplayDepth();

// Loads `path` of image kind `kind` (see ImageFileType). Unless skipKeySearch
// is set, the first pixel (memory order) with alpha 0 gives the key; for a
// PNG the key from its chunks (CPNGSub) wins and the transparent pixels take
// that colour. On displays under 24 bits per pixel near-key colours are moved
// away from the key so that only the key drops out. `key` carries the preset
// key in and the final key out (0x00BBGGRR or -1). Without a key the image is
// re-encoded as JPEG through workFolder + "/temp.jpeg"; with one it becomes
// a BMP picture. No picture when the file does not decode (nothing shown) or
// the conversion fails (30001 shown).
LoadedPicture LoadKeyedPicture(const QString& path, const QString& kind, bool skipKeySearch,
                               std::int32_t& key, const QString& workFolder,
                               int displayDepth = DisplayDepth());

} // namespace tavelin
