#pragma once
// A picture of the model: the exact encoded bytes it was made from (what the
// data file stores) and the image decoded from them on first use. A picture
// whose bytes do not decode keeps its bytes, so saving loses nothing.

#include <QByteArray>
#include <QImage>
#include <memory>

namespace tavelin {

class Picture {
public:
    explicit Picture(QByteArray encoded) : m_bytes(std::move(encoded)) {}
    Picture(QByteArray encoded, QImage decoded)
        : m_bytes(std::move(encoded)), m_image(std::move(decoded)), m_decodeTried(true) {}

    const QByteArray& bytes() const { return m_bytes; }
    qsizetype byteSize() const { return m_bytes.size(); }

    // Decodes on first call; a null image means the bytes did not decode.
    const QImage& image() const
    {
        if (!m_decodeTried) {
            m_decodeTried = true;
            m_image.loadFromData(m_bytes);
        }
        return m_image;
    }
    bool isDecodable() const { return !image().isNull(); }

private:
    QByteArray m_bytes;
    mutable QImage m_image;
    mutable bool m_decodeTried = false;
};

// Several slips may share one picture; shared ownership releases it once.
using PicturePtr = std::shared_ptr<const Picture>;

} // namespace tavelin
