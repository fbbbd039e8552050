#pragma once
// Small image files made by the tests themselves.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace tavelin::test
{

// A PNG chunk: length, type, data, CRC.
QByteArray PngChunk(const char* type, const QByteArray& data);

// `image` saved as PNG by Qt, with `extraChunks` inserted right after IHDR.
QByteArray PngWithChunks(const QImage& image, const QByteArray& extraChunks = {});

// A PNG made of the signature, an IHDR of the given colour type and the
// given chunks, and nothing else (enough for the chunk reader, not a decoder).
QByteArray BarePng(int colourType, const QByteArray& chunks);

// An uncompressed BMP of 32 bits per pixel, bottom-up. pixels holds
// blue, green, red, alpha for each pixel in file order (bottom row first).
// imageSizeField is written at offset 34 (-1: the real size).
QByteArray Bmp32(int width, int height, const std::vector<std::uint8_t>& pixels,
                 std::int64_t imageSizeField = -1);

// A GIF89a of palette indices (at most 4 colours), optionally with a
// transparent index.
QByteArray Gif(int width, int height, const std::vector<QRgb>& palette,
               const std::vector<std::uint8_t>& indices, int transparentIndex = -1);

bool WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

// 0x00BBGGRR of a pixel.
std::int32_t ColourRefOf(QRgb rgb);

} // namespace tavelin::test
