#pragma once
// Encoding images to files: JPEG at quality 100 or BMP, the JPEG re-encoding
// of pictures without a transparent colour, and scaling a picture down.
// Conversion files live in the working folder and are left there.

#include "image/PictureIo.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace tavelin
{

// The image format Qt writes for a MIME type ("image/jpeg" -> "jpeg"),
// compared exactly; nothing when no writer offers it.
std::optional<QByteArray> FindEncoder(const QString& mimeType);

// Draws `bitmap` into a new width x height image and writes it to `path` as
// `kind` ("jpeg" at quality 100, or "bmp"). The colour channels are written
// as they are (alpha is dropped), so a BMP keeps a key colour exactly.
// Shows 30001 and returns false when there is no encoder or the file cannot
// be written.
bool SaveBitmapImage(const QImage& bitmap, int width, int height, const QString& path,
                     const QString& kind);

// Writes `bitmap` to workFolder + "/temp.jpeg" and loads that file back as
// the picture. No picture (30001 shown) when that fails.
LoadedPicture ReencodeAsJpeg(const QImage& bitmap, int width, int height,
                             const QString& workFolder);

// The picture drawn at width x height and stored again, as BMP when keyed
// (workFolder + "/tmp.bmp"), else as JPEG ("/tmp.jpeg"). On failure shows
// 30001 and returns no picture; the source picture is untouched, so the
// caller keeps it rather than losing it.
LoadedPicture ResizePicture(const Picture& picture, int width, int height, bool keyed,
                            const QString& workFolder);

} // namespace tavelin
