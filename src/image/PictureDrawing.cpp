#include "image/PictureDrawing.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace tavelin
{

QColor FromColorRef(std::uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

namespace
{

// Where the whole picture goes for Fit: as large as fits, centred on the
// axis with room to spare (integer halves).
QRect FitRect(const QRect& target, QSize nominal)
{
    const int w = target.width();
    const int h = target.height();
    if (nominal.width() <= 0 || nominal.height() <= 0)
        return target;
    const float sx = float(w) / float(nominal.width());
    const float sy = float(h) / float(nominal.height());
    if (sx <= sy) {
        const int drawnHeight = int(float(nominal.height()) * sx);
        return {target.left(), target.top() + (h - drawnHeight) / 2, w, drawnHeight};
    }
    const int drawnWidth = int(float(nominal.width()) * sy);
    return {target.left() + (w - drawnWidth) / 2, target.top(), drawnWidth, h};
}

// The part of the picture shown 1:1 for the corner modes.
QPoint SourceOrigin(int mode, QSize picture, QSize target)
{
    const int right = picture.width() - target.width();
    const int bottom = picture.height() - target.height();
    switch (mode) {
    case int(PictureMode::BottomRight):
        return {right, bottom};
    case int(PictureMode::TopRight):
        return {right, 0};
    case int(PictureMode::BottomLeft):
        return {0, bottom};
    default:
        return {0, 0};
    }
}

// Copies the opaque runs of a keyed image straight into an image surface,
// which is several times faster than blending every pixel of it. Only taken
// where the result is the same as the painter's: a 32-bit image device, no
// scaling, rotation or clipping, plain source-over at full opacity.
bool BlitKeyedRuns(QPainter& painter, const Picture& picture, std::uint32_t key, const QRect& shown,
                   QPoint at)
{
    if (painter.device()->devType() != QInternal::Image)
        return false;
    auto* surface = static_cast<QImage*>(painter.device());
    const QImage::Format format = surface->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QTransform transform = painter.combinedTransform();
    if (transform.type() > QTransform::TxTranslate || painter.hasClipping() ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.opacity() != 1.0 || surface->devicePixelRatio() != 1.0)
        return false;
    const qreal dxf = transform.dx(), dyf = transform.dy();
    if (dxf != qreal(int(dxf)) || dyf != qreal(int(dyf)))
        return false;
    const int offsetX = at.x() + int(dxf) - shown.x();
    const int offsetY = at.y() + int(dyf) - shown.y();

    const QImage& keyed = picture.keyedImage(key);
    const OpaqueRuns& runs = picture.keyedRuns(key);
    // The painter writes into the buffer it took at begin(); so do we.
    auto* bits = const_cast<uchar*>(surface->constBits());
    const qsizetype stride = surface->bytesPerLine();
    const int firstRow = std::max(shown.top(), -offsetY);
    const int endRow = std::min(shown.top() + shown.height(), surface->height() - offsetY);
    const int left = std::max(shown.left(), -offsetX);
    const int right = std::min(shown.left() + shown.width(), surface->width() - offsetX);
    const uchar* source = keyed.constBits();
    const qsizetype sourceStride = keyed.bytesPerLine();
    for (int y = firstRow; y < endRow; ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source + y * sourceStride);
        auto* to = reinterpret_cast<std::uint32_t*>(bits + (y + offsetY) * stride) + offsetX;
        for (std::int32_t r = runs.rowStart[std::size_t(y)]; r < runs.rowStart[std::size_t(y) + 1];
             ++r) {
            const int begin = std::max(runs.runs[std::size_t(r)].first, left);
            const int end =
                std::min(runs.runs[std::size_t(r)].first + runs.runs[std::size_t(r)].second, right);
            if (end > begin)
                std::memcpy(to + begin, from + begin, std::size_t(end - begin) * 4);
        }
    }
    return true;
}

} // namespace

bool DrawPicture(QPainter& painter, const Picture* picture, const QRect& target, QSize nominal,
                 int frameWidth, std::uint32_t frameColour, int mode, std::int32_t key)
{
    if (!picture || !picture->isDecodable())
        return false;
    const bool keyed = key != -1;
    const QImage& image = keyed ? picture->keyedImage(std::uint32_t(key)) : picture->image();
    if (image.isNull())
        return false;

    if (!target.isEmpty()) {
        if (mode == int(PictureMode::Fit)) {
            const QRect drawn = FitRect(target, nominal);
            // A keyed picture is scaled by picking pixels, so no blend of the
            // key colour with its neighbours appears at the edges.
            const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, !keyed);
            if (keyed || !image.hasAlphaChannel()) {
                painter.drawImage(drawn, image);
            } else {
                // Unkeyed pictures are opaque whatever alpha they carry.
                painter.drawImage(drawn, image.convertToFormat(QImage::Format_RGB32));
            }
            painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        } else {
            const QRect source(SourceOrigin(mode, image.size(), target.size()), target.size());
            const QRect shown = source.intersected(image.rect());
            if (!shown.isEmpty()) {
                const QPoint at = target.topLeft() + (shown.topLeft() - source.topLeft());
                if (keyed) {
                    if (!BlitKeyedRuns(painter, *picture, std::uint32_t(key), shown, at))
                        painter.drawImage(at, image, shown);
                } else if (!image.hasAlphaChannel()) {
                    painter.drawImage(at, image, shown);
                } else {
                    painter.drawImage(at, image.copy(shown).convertToFormat(QImage::Format_RGB32));
                }
            }
        }
    }
    if (frameWidth > 0) {
        const QColor colour = FromColorRef(frameColour);
        const int l = target.left() - 1, t = target.top() - 1;
        const int r = target.left() + target.width(), b = target.top() + target.height();
        painter.fillRect(QRect(l, t, r - l + 1, 1), colour);
        painter.fillRect(QRect(l, b, r - l + 1, 1), colour);
        painter.fillRect(QRect(l, t, 1, b - t + 1), colour);
        painter.fillRect(QRect(r, t, 1, b - t + 1), colour);
    }
    return true;
}

} // namespace tavelin
