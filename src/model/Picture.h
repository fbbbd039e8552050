#pragma once
// A picture of the model: the exact encoded bytes it was made from (what the
// data file stores) and the image decoded from them on first use. A picture
// whose bytes do not decode keeps its bytes, so saving loses nothing.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace tavelin
{

// A copy of `image` in premultiplied ARGB in which every pixel whose colour is
// exactly `colourRef` (0x00BBGGRR) is fully transparent and every other pixel
// fully opaque; the image's own alpha is ignored, as colour keying does.
QImage KeyedCopy(const QImage& image, std::uint32_t colourRef);

// The opaque pixels of a keyed image as runs, row by row: row y owns
// runs[rowStart[y]] up to runs[rowStart[y + 1]], each (first x, length).
// Drawing copies these runs and never touches a transparent pixel.
struct OpaqueRuns {
    std::vector<std::int32_t> rowStart;
    std::vector<std::pair<std::int32_t, std::int32_t>> runs;
};
OpaqueRuns FindOpaqueRuns(const QImage& keyed);

// Decodes image file bytes (any kind Qt reads, by content); a null image
// when they do not decode.
QImage DecodeImageBytes(const QByteArray& bytes);

class Picture
{
public:
    explicit Picture(QByteArray encoded) : m_bytes(std::move(encoded)) {}
    Picture(QByteArray encoded, QImage decoded)
        : m_bytes(std::move(encoded)), m_image(std::move(decoded)), m_decodeTried(true)
    {
    }

    const QByteArray& bytes() const { return m_bytes; }
    qsizetype byteSize() const { return m_bytes.size(); }

    // Decodes on first call; a null image means the bytes did not decode.
    const QImage& image() const
    {
        if (!m_decodeTried) {
            m_decodeTried = true;
            m_image = DecodeImageBytes(m_bytes);
        }
        return m_image;
    }
    bool isDecodable() const { return !image().isNull(); }

    // The decoded image keyed on `colourRef` (see KeyedCopy). Kept for the
    // last key asked for, since a picture is drawn with the same key again
    // and again (a layer's icons, a slip on every repaint).
    const QImage& keyedImage(std::uint32_t colourRef) const;
    // The opaque runs of keyedImage(colourRef).
    const OpaqueRuns& keyedRuns(std::uint32_t colourRef) const;

private:
    QByteArray m_bytes;
    mutable QImage m_image;
    mutable bool m_decodeTried = false;
    mutable QImage m_keyed;
    mutable std::uint32_t m_keyedColour = 0;
    mutable bool m_keyedValid = false;
    mutable OpaqueRuns m_runs;
    mutable bool m_runsValid = false;
};

// Several slips may share one picture; shared ownership releases it once.
using PicturePtr = std::shared_ptr<const Picture>;

} // namespace tavelin
