#pragma once
// Pictures to and from bytes: the data file's picture blocks, whole image
// files, and the kind of an image file by its name.

#include "model/Picture.h"

#include <QSize>
#include <QString>

class QIODevice;

namespace tavelin
{

// A picture together with what its loader learnt about it.
struct LoadedPicture {
    PicturePtr picture;  // null when nothing could be loaded
    qint64 byteSize = 0; // length of the encoded bytes
    QSize size;          // pixel width and height
};

// Pixel width and height; (0, 0) for no picture or one that does not decode.
QSize PictureSize(const Picture* picture);
inline QSize PictureSize(const PicturePtr& picture)
{
    return PictureSize(picture.get());
}

// Length of the encoded bytes (what WritePictureBytes writes); 0 for none.
qint64 PictureByteSize(const Picture* picture);
inline qint64 PictureByteSize(const PicturePtr& picture)
{
    return PictureByteSize(picture.get());
}

// Appends the encoded bytes to `file`. Nothing is written for a picture
// without bytes. False when the device refuses the write.
bool WritePictureBytes(const Picture& picture, QIODevice& file);

// Reads exactly `byteCount` bytes from `file` into a picture. Null when that
// many bytes cannot be read (or allocated). The bytes are kept even when they
// do not decode, so a document written back keeps every block and length;
// the image is decoded on first use.
PicturePtr LoadPictureBlock(QIODevice& file, qint64 byteCount);

// Reads a whole image file into a picture and decodes it. No picture when
// the file cannot be read or does not decode; no message (the caller reports).
LoadedPicture LoadPictureFile(const QString& path);

// "jpeg", "gif", "bmp", "png" or "tiff" by the text after the last "." of the
// file name, case-insensitively; otherwise shows 30056 and returns empty.
QString ImageFileType(const QString& path);

} // namespace tavelin
