#pragma once
// The transparent colour of a 32-bit BMP file: the colour of its first pixel
// that is marked transparent in the alpha byte.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tavelin
{

// key = 0x00BBGGRR of the first pixel (file order) whose alpha byte is 0 or
// 237, or -1 when there is none or the image is not 32-bit. A file that
// cannot be read or is not a BMP shows 30011 with a prefix naming the
// failure and returns false (key -1).
bool BmpTransparentColour(const QString& path, std::int32_t& key);

// The same search over the bytes of a BMP file, without messages. False
// when they are not a BMP (too short for its headers, or no "BM").
bool BmpTransparentColourFromBytes(const QByteArray& bmp, std::int32_t& key);

} // namespace tavelin
