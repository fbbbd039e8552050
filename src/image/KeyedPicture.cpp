#include "image/KeyedPicture.h"

#include "platform/Messages.h"
#include "image/CPNGSub.h"
#include "image/ImageEncoding.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

namespace tavelin
{

namespace
{

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Black = 0x000000;
// Stand-ins for colours that a display under 24 bits could not tell from the
// key: white becomes a faint pink, black a faint green.
constexpr QRgb NearWhite = 0xFFFFF7FF; // red 255, green 247, blue 255
constexpr QRgb NearBlack = 0xFF000800; // red 0, green 8, blue 0

QRgb ToRgb(std::int32_t colourRef, int alpha)
{
    return qRgba(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF, alpha);
}

std::int32_t ToColourRef(QRgb rgb)
{
    return std::int32_t(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

// Calls f(pixel&) for every pixel of an ARGB32 image, in memory order.
template <typename F> void ForEachPixel(QImage& image, F&& f)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            f(line[x]);
    }
}

// The image laid over `background`, keeping each pixel's alpha byte so the
// transparent ones can still be found afterwards.
void FlattenOnto(QImage& image, QRgb background)
{
    const int br = qRed(background), bg = qGreen(background), bb = qBlue(background);
    ForEachPixel(image, [&](QRgb& p) {
        const int a = qAlpha(p);
        if (a == 255)
            return;
        const int r = (qRed(p) * a + br * (255 - a) + 127) / 255;
        const int g = (qGreen(p) * a + bg * (255 - a) + 127) / 255;
        const int b = (qBlue(p) * a + bb * (255 - a) + 127) / 255;
        p = qRgba(r, g, b, a);
    });
}

bool FindTransparentPixel(const QImage& image, QRgb& found)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                found = line[x];
                return true;
            }
        }
    }
    return false;
}

// Keeps the key the only colour that drops out when a display with fewer
// than 24 bits per pixel rounds colours together.
void GuardKeyForLowDepth(QImage& image, std::int32_t& key)
{
    if (key == White) {
        ForEachPixel(image, [](QRgb& p) {
            const QRgb rgb = p & 0x00FFFFFFu;
            if (rgb != 0xFFFFFFu && qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) >= 240)
                p = (p & 0xFF000000u) | (NearWhite & 0x00FFFFFFu);
        });
    } else if (key != Black) {
        ForEachPixel(image, [](QRgb& p) {
            if (qAlpha(p) == 0)
                p = qRgba(255, 255, 255, 0);
            else if ((p & 0x00FFFFFFu) == 0xFFFFFFu)
                p = (p & 0xFF000000u) | (NearWhite & 0x00FFFFFFu);
        });
        key = White;
    } else {
        ForEachPixel(image, [](QRgb& p) {
            const QRgb rgb = p & 0x00FFFFFFu;
            if (rgb != 0 && qRed(p) < 16 && qGreen(p) < 16 && qBlue(p) < 16)
                p = (p & 0xFF000000u) | (NearBlack & 0x00FFFFFFu);
        });
    }
}

// A BMP picture of the image's colours; 24-bit, so the key survives exactly.
LoadedPicture BitmapPicture(const QImage& image)
{
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (opaque.isNull() || !buffer.open(QIODevice::WriteOnly) || !opaque.save(&buffer, "bmp")) {
        ShowMessage(30001);
        return {};
    }
    LoadedPicture loaded;
    loaded.size = opaque.size();
    loaded.byteSize = bytes.size();
    loaded.picture = std::make_shared<const Picture>(std::move(bytes), opaque);
    return loaded;
}

} // namespace

int DisplayDepth()
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? screen->depth() : 32;
}

LoadedPicture LoadKeyedPicture(const QString& path, const QString& kind, bool skipKeySearch,
                               std::int32_t& key, const QString& workFolder, int displayDepth)
{
    bool pngRead = false;
    std::int32_t pngKey = -1;
    if (kind == u"png")
        pngRead = CPNGSub().ReadTransparentColour(path, pngKey);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage decoded = reader.read();
    if (decoded.isNull())
        return {};
    // A BMP's fourth byte is not trusted as alpha: its transparent colour
    // comes from BmpTransparentColour, and the colours stay as stored.
    const bool usesAlpha = kind != u"bmp" && decoded.hasAlphaChannel();
    QImage bitmap =
        decoded.convertToFormat(usesAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (bitmap.isNull()) {
        ShowMessage(30001);
        return {};
    }
    if (usesAlpha) {
        FlattenOnto(bitmap, bitmap.pixel(0, 0) | 0xFF000000u);
        QRgb first = 0;
        if (!skipKeySearch && FindTransparentPixel(bitmap, first)) {
            key = ToColourRef(first);
            if (pngRead && pngKey != -1 && pngKey != key) {
                const QRgb recoloured = ToRgb(pngKey, 0);
                ForEachPixel(bitmap, [&](QRgb& p) {
                    if (qAlpha(p) == 0)
                        p = recoloured;
                });
                key = pngKey;
            }
            if (displayDepth < 24)
                GuardKeyForLowDepth(bitmap, key);
        }
    }
    if (key == -1)
        return ReencodeAsJpeg(bitmap, bitmap.width(), bitmap.height(), workFolder);
    return BitmapPicture(bitmap);
}

} // namespace tavelin
