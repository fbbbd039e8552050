#include "image/BmpTransparentColour.h"

#include "platform/Messages.h"

#include <QFile>
#include <new>

namespace tavelin
{

namespace
{

constexpr qsizetype FileHeaderBytes = 14;
constexpr qsizetype InfoHeaderBytes = 40;

std::uint32_t U32(const QByteArray& b, qsizetype at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

std::uint16_t U16(const QByteArray& b, qsizetype at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

} // namespace

bool BmpTransparentColourFromBytes(const QByteArray& bmp, std::int32_t& key)
{
    key = -1;
    if (bmp.size() < FileHeaderBytes + InfoHeaderBytes || bmp[0] != 'B' || bmp[1] != 'M')
        return false;
    if (U16(bmp, 28) != 32)
        return true;
    const qint64 offset = U32(bmp, 10);
    qint64 pixelCount = U32(bmp, 34) / 4;
    if (pixelCount == 0) {
        // An uncompressed BMP may leave its image size 0; the pixels then
        // run width x height.
        const qint64 width = std::int32_t(U32(bmp, 18));
        const qint64 height = std::int32_t(U32(bmp, 22));
        pixelCount = (width < 0 ? -width : width) * (height < 0 ? -height : height);
    }
    // Never past the end of the file, whatever the headers claim.
    const qint64 available = offset < bmp.size() ? (bmp.size() - offset) / 4 : 0;
    pixelCount = std::min(pixelCount, available);
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(bmp.constData()) + offset;
    for (qint64 i = 0; i < pixelCount; ++i) {
        const std::uint8_t* p = pixels + i * 4; // blue, green, red, alpha
        if (p[3] == 0 || p[3] == 237) {
            key = std::int32_t(p[2] | p[1] << 8 | p[0] << 16);
            break;
        }
    }
    return true;
}

bool BmpTransparentColour(const QString& path, std::int32_t& key)
{
    key = -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(30011, nullptr, QStringLiteral("ファイルオープンエラー\n"));
        return false;
    }
    const qint64 length = file.size();
    QByteArray bytes;
    try {
        bytes.resize(length);
    } catch (const std::bad_alloc&) {
        ShowMessage(30011, nullptr, QStringLiteral("メモリ確保エラー\n"));
        return false;
    }
    if (file.read(bytes.data(), length) != length) {
        ShowMessage(30011, nullptr, QStringLiteral("データ読込みエラー\n"));
        return false;
    }
    if (!BmpTransparentColourFromBytes(bytes, key)) {
        ShowMessage(30011, nullptr, QStringLiteral("形式判別エラー\n"));
        return false;
    }
    return true;
}

} // namespace tavelin
