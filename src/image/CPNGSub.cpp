#include "image/CPNGSub.h"

#include <QByteArrayView>
#include <QFile>
#include <array>
#include <new>

namespace tavelin
{

namespace
{

constexpr std::array<std::uint8_t, 8> Signature{137, 80, 78, 71, 13, 10, 26, 10};
constexpr std::int32_t White = 0xFFFFFF;

// One chunk's data, clipped to what the file holds.
struct Chunk {
    const std::uint8_t* data = nullptr;
    qint64 length = 0;
    bool found() const { return data != nullptr; }
    int at(qint64 i) const { return i < length ? data[i] : -1; }
};

// Walks the chunk list (length, type, data, CRC) for the first chunk of
// `type`. Following the lengths rather than searching for the type's text
// means a text chunk or compressed data that happens to contain "bKGD" is
// never taken for the chunk itself; a length running past the end of the
// file ends the walk with what is there.
Chunk FindChunk(const QByteArray& png, const char* type)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(png.constData());
    const qint64 size = png.size();
    qint64 at = 8;
    while (at + 8 <= size) {
        const qint64 length = qint64(bytes[at]) << 24 | qint64(bytes[at + 1]) << 16 |
                              qint64(bytes[at + 2]) << 8 | qint64(bytes[at + 3]);
        const qint64 dataAt = at + 8;
        if (QByteArrayView(png.constData() + at + 4, 4) == QByteArrayView(type, 4))
            return {bytes + dataAt, std::min(length, size - dataAt)};
        at = dataAt + length + 4;
    }
    return {};
}

} // namespace

bool CPNGSub::TransparentColourFromBytes(const QByteArray& png, std::int32_t& key)
{
    key = -1;
    if (png.size() < qsizetype(Signature.size()))
        return false;
    for (std::size_t i = 0; i < Signature.size(); ++i) {
        if (std::uint8_t(png[qsizetype(i)]) != Signature[i])
            return false;
    }
    const Chunk header = FindChunk(png, "IHDR");
    const int colourType = header.at(9);
    if (colourType < 0)
        return false;

    if (colourType == 6 || colourType == 4) {
        // Images with alpha: the background colour, or white without one.
        // Only the low byte of each 16-bit sample is taken.
        const Chunk background = FindChunk(png, "bKGD");
        key = White;
        if (colourType == 6 && background.length >= 6)
            key = background.at(1) | background.at(3) << 8 | background.at(5) << 16;
        else if (colourType == 4 && background.length >= 2)
            key = background.at(1) * 0x010101;
        return true;
    }

    const Chunk transparency = FindChunk(png, "tRNS");
    if (colourType != 3 || !transparency.found())
        return true;
    for (qint64 k = 0; k < transparency.length; ++k) {
        if (transparency.at(k) == 255)
            continue;
        const Chunk palette = FindChunk(png, "PLTE");
        if (palette.length >= 3 * k + 3)
            key = palette.at(3 * k) | palette.at(3 * k + 1) << 8 | palette.at(3 * k + 2) << 16;
        break;
    }
    return true;
}

bool CPNGSub::ReadTransparentColour(const QString& path, std::int32_t& key) const
{
    key = -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (bytes.size() != file.size())
        return false;
    return TransparentColourFromBytes(bytes, key);
}

} // namespace tavelin
