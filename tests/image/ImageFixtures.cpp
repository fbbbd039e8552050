#include "ImageFixtures.h"

#include <QBuffer>
#include <QFile>

namespace tavelin::test
{

namespace
{

std::uint32_t Crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(QByteArray& out, std::uint32_t v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

void PutLittle(QByteArray& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    QByteArray out;
    PutBigEndian(out, std::uint32_t(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out += typed;
    PutBigEndian(out, Crc32(typed));
    return out;
}

QByteArray PngWithChunks(const QImage& image, const QByteArray& extraChunks)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    // Signature (8) + IHDR chunk (4 + 4 + 13 + 4).
    png.insert(8 + 25, extraChunks);
    return png;
}

QByteArray BarePng(int colourType, const QByteArray& chunks)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    PutBigEndian(header, 2);
    PutBigEndian(header, 2);
    header.append(char(8)).append(char(colourType)).append(3, '\0');
    png += PngChunk("IHDR", header);
    png += chunks;
    png += PngChunk("IEND", {});
    return png;
}

QByteArray Bmp32(int width, int height, const std::vector<std::uint8_t>& pixels,
                 std::int64_t imageSizeField)
{
    const std::uint32_t imageSize = std::uint32_t(pixels.size());
    QByteArray out("BM");
    PutLittle(out, 54 + imageSize, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 54, 4);
    PutLittle(out, 40, 4);
    PutLittle(out, std::uint32_t(width), 4);
    PutLittle(out, std::uint32_t(height), 4);
    PutLittle(out, 1, 2);
    PutLittle(out, 32, 2);
    PutLittle(out, 0, 4); // BI_RGB
    PutLittle(out, imageSizeField < 0 ? imageSize : std::uint32_t(imageSizeField), 4);
    PutLittle(out, 2835, 4);
    PutLittle(out, 2835, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);
    for (std::uint8_t b : pixels)
        out.append(char(b));
    return out;
}

QByteArray Gif(int width, int height, const std::vector<QRgb>& palette,
               const std::vector<std::uint8_t>& indices, int transparentIndex)
{
    QByteArray out("GIF89a");
    PutLittle(out, std::uint32_t(width), 2);
    PutLittle(out, std::uint32_t(height), 2);
    out.append(char(0x81)).append('\0').append('\0'); // global table of 4 colours
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[std::size_t(i)] : 0;
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    if (transparentIndex >= 0) {
        out.append("\x21\xF9\x04\x01\x00\x00", 6);
        out.append(char(transparentIndex)).append('\0');
    }
    out.append(',');
    PutLittle(out, 0, 4);
    PutLittle(out, std::uint32_t(width), 2);
    PutLittle(out, std::uint32_t(height), 2);
    out.append('\0');
    // LZW with 3-bit codes: a clear code before every two pixels keeps the
    // decoder's table from ever needing wider codes.
    constexpr int Clear = 4, End = 5;
    std::vector<int> codes;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            codes.push_back(Clear);
        codes.push_back(indices[i]);
    }
    codes.push_back(End);
    QByteArray data;
    std::uint32_t bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= std::uint32_t(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        data.append(char(bits & 0xFF));
    out.append(char(2)); // minimum code size
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::int32_t ColourRefOf(QRgb rgb)
{
    return std::int32_t(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

} // namespace tavelin::test
