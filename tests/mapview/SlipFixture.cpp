#include "SlipFixture.h"

#include "mapview/MapGeometry.h"

#include <QBuffer>
#include <QFile>

namespace tavelin::test
{

void RecordingSlipHost::ClearSelection()
{
    ++clears;
    m_model.ClearSelectionMarks();
    primary = -1;
    ++refreshes;
}

int RecordingSlipHost::SlipAt(QPoint p) const
{
    for (int i = m_model.slipCount - 1; i >= 0; --i) {
        bool hidden = false;
        for (int n = 0; n < m_model.nodeCount; ++n) {
            if (m_model.nodes[n].noteSlip == i) {
                hidden = !m_model.layers[m_model.nodes[n].layer].visible;
                break;
            }
        }
        if (!hidden && ToQRect(SlipScreenRect(m_model, i, false)).contains(p))
            return i;
    }
    return -1;
}

SlipScene::SlipScene(int mapWidth, int mapHeight)
    : map(mapWidth, mapHeight), host(map.model), operations(map.model, host, buffer)
{
    layer = map.addLayer();
}

int SlipScene::slip(int left, int top, int right, int bottom, bool selected, const char* text)
{
    const int i = map.addSlip(left, top, right, bottom, text);
    map.model.slips[i].selected = selected ? 1 : 0;
    return i;
}

void SlipScene::select(std::initializer_list<int> slips)
{
    for (int i : slips)
        map.model.slips[i].selected = 1;
}

QByteArray JpegBytes(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

bool WriteJpeg(const QString& path, int width, int height, QRgb colour)
{
    const QByteArray bytes = JpegBytes(width, height, colour);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tavelin::test
