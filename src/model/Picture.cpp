#include "model/Picture.h"

namespace tavelin {

QImage KeyedCopy(const QImage& image, std::uint32_t colourRef)
{
    if (image.isNull())
        return {};
    const QImage source = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    // RGB32 is 0xffRRGGBB; the key compares the colour bits only.
    const std::uint32_t key = ((colourRef & 0xFFu) << 16) | (colourRef & 0xFF00u)
                              | ((colourRef >> 16) & 0xFFu);
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
