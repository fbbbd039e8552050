#include "model/Picture.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <thread>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tavelin
{

namespace
{

#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
#define TAVELIN_PREFAULT_PIXELS 1

// Large pictures (a background map of 4000 x 4000 is 64 MB of pixels) spend
// a good part of their decoding in first-touch page faults of the new pixel
// buffer. A helper thread asks the kernel to map the pages ahead of the
// decoder (without changing their contents), on the other core, so the
// decoder finds them ready. The buffer is freed by whichever of the image
// and the helper lets go of it last.
struct PixelBuffer {
    uchar* data = nullptr;
    std::atomic<int> users{2};
};

void ReleasePixelBuffer(void* info)
{
    auto* buffer = static_cast<PixelBuffer*>(info);
    if (buffer->users.fetch_sub(1) == 1) {
        std::free(buffer->data);
        delete buffer;
    }
}

constexpr qsizetype PrefaultFrom = 16 * 1024 * 1024;

bool DecodeWithPrefault(QImageReader& reader, QImage& image)
{
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!size.isValid() || format == QImage::Format_Invalid)
        return false;
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype stride = ((qsizetype(size.width()) * depth + 31) >> 5) << 2;
    const qsizetype total = stride * size.height();
    if (depth <= 0 || total < PrefaultFrom || stride > std::numeric_limits<int>::max())
        return false;
    auto* buffer = new PixelBuffer;
    buffer->data = static_cast<uchar*>(std::malloc(std::size_t(total)));
    if (!buffer->data) {
        delete buffer;
        return false;
    }
    image = QImage(buffer->data, size.width(), size.height(), stride, format, ReleasePixelBuffer,
                   buffer);
    std::thread prefault([buffer, total] {
        const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
        const auto begin = (std::uintptr_t(buffer->data) + page - 1) & ~(page - 1);
        const auto end = (std::uintptr_t(buffer->data) + std::uintptr_t(total)) & ~(page - 1);
        constexpr std::uintptr_t Chunk = 1 << 20; // ahead of the decoder, row band by band
        for (std::uintptr_t at = begin; at < end; at += Chunk) {
            if (madvise(reinterpret_cast<void*>(at), std::min(Chunk, end - at),
                        MADV_POPULATE_WRITE) != 0)
                break; // an older kernel: the decoder takes the faults itself
        }
        ReleasePixelBuffer(buffer);
    });
    const bool ok = reader.read(&image);
    prefault.join();
    if (!ok)
        image = QImage();
    return true;
}
#endif

} // namespace

QImage DecodeImageBytes(const QByteArray& bytes)
{
    QBuffer device;
    device.setData(bytes);
    if (bytes.isEmpty() || !device.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&device);
    QImage image;
#ifdef TAVELIN_PREFAULT_PIXELS
    if (DecodeWithPrefault(reader, image))
        return image;
#endif
    reader.read(&image);
    return image;
}

QImage KeyedCopy(const QImage& image, std::uint32_t colourRef)
{
    if (image.isNull())
        return {};
    const QImage source = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    // RGB32 is 0xffRRGGBB; the key compares the colour bits only.
    const std::uint32_t key =
        ((colourRef & 0xFFu) << 16) | (colourRef & 0xFF00u) | ((colourRef >> 16) & 0xFFu);
    QImage keyed(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (keyed.isNull())
        return {};
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(source.constScanLine(y));
        auto* out = reinterpret_cast<std::uint32_t*>(keyed.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const std::uint32_t rgb = in[x] & 0x00FFFFFFu;
            out[x] = rgb == key ? 0u : (rgb | 0xFF000000u);
        }
    }
    return keyed;
}

OpaqueRuns FindOpaqueRuns(const QImage& keyed)
{
    OpaqueRuns found;
    found.rowStart.reserve(std::size_t(keyed.height()) + 1);
    for (int y = 0; y < keyed.height(); ++y) {
        found.rowStart.push_back(std::int32_t(found.runs.size()));
        const auto* line = reinterpret_cast<const std::uint32_t*>(keyed.constScanLine(y));
        int x = 0;
        while (x < keyed.width()) {
            while (x < keyed.width() && line[x] == 0)
                ++x;
            const int first = x;
            while (x < keyed.width() && line[x] != 0)
                ++x;
            if (x > first)
                found.runs.emplace_back(first, x - first);
        }
    }
    found.rowStart.push_back(std::int32_t(found.runs.size()));
    return found;
}

const QImage& Picture::keyedImage(std::uint32_t colourRef) const
{
    if (!m_keyedValid || m_keyedColour != colourRef) {
        m_keyed = KeyedCopy(image(), colourRef);
        m_keyedColour = colourRef;
        m_keyedValid = true;
        m_runsValid = false;
    }
    return m_keyed;
}

const OpaqueRuns& Picture::keyedRuns(std::uint32_t colourRef) const
{
    const QImage& keyed = keyedImage(colourRef);
    if (!m_runsValid) {
        m_runs = FindOpaqueRuns(keyed);
        m_runsValid = true;
    }
    return m_runs;
}

} // namespace tavelin
