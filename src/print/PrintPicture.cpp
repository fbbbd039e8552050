#include "print/PrintPicture.h"

#include <QPainter>
#include <cstdlib>
#include <limits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tavelin
{

QImage AllocatePictureBuffer(QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    if (bytesPerLine > std::numeric_limits<int>::max() / 2)
        return {};
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(size.height());
#if defined(__linux__)
    constexpr std::size_t LargePage = std::size_t(2) << 20;
    if (bytes >= LargePage) {
        void* memory = nullptr;
        if (posix_memalign(&memory, LargePage, bytes) == 0) {
            madvise(memory, bytes, MADV_HUGEPAGE); // a hint: fine when refused
            QImage image(static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine,
                         QImage::Format_RGB32, std::free, memory);
            if (!image.isNull())
                return image;
            std::free(memory);
        }
        return {};
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

QImage RenderPrintPicture(RouteModel& model, SceneState state, int dotsPerInch)
{
    const QSize size(model.header.mapWidth, model.header.mapHeight);
    QImage picture = AllocatePictureBuffer(size);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    SetImageDpi(picture, dotsPerInch);
    const float previousZoom = model.header.zoom;
    model.header.zoom = 1.0f;
    state.visible = QRect(QPoint(0, 0), size);
    {
        QPainter painter(&picture);
        DrawScene(painter, model, state);
    }
    model.header.zoom = previousZoom;
    return picture;
}

} // namespace tavelin
