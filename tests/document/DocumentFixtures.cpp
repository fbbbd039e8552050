#include "DocumentFixtures.h"

#include "document/DataFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <cstring>

namespace tavelin::test {

QByteArray EncodedImage(int width, int height, const char* format, unsigned rgb)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(rgb);
    for (int i = 0; i < std::min(width, height); ++i)
        image.setPixel(i, i, 0xFF000000u | ~rgb);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void FillSampleModel(RouteModel& model)
{
    model.Allocate();
    model.Clear();
    DocHeader& h = model.header;
    std::memset(&h, 0, sizeof h);
    h.scrollX = 12;
    h.scrollY = -3;
    h.zoom = 1.5f;
    h.fitToWindow = 1;
    h.currentLayer = 1;
    h.reserved1[0] = 0xAB;
    h.mapWidth = 40;
    h.mapHeight = 30;
    h.mapWidthMetres = 1234;
    h.mapHeightMetres = 987;
    h.westLon = 139.5f;
    h.eastLon = 139.9f;
    h.northLat = 35.8f;
    h.southLat = 35.5f;
    h.reserved2[3] = 0x5A;
    model.mapPicture = std::make_shared<Picture>(EncodedImage(40, 30, "JPG", 0xFF336699));
    h.hasMap = 1;
    h.mapImageSize = static_cast<std::int32_t>(model.mapPicture->byteSize());

    const QByteArray icons[2] = {EncodedImage(16, 16, "BMP", 0xFFFF0000), QByteArrayLiteral("not an image at all")};
    model.layerCount = 2;
    for (int i = 0; i < 2; ++i) {
        LayerRec& l = model.layers[i];
        std::memset(&l, 0, sizeof l);
        l.tabIndex = 1 - i;
        l.visible = i == 0;
        l.baseTime = 36526.25 + i;
        std::strcpy(l.name, i == 0 ? "\x83\x8c\x83\x43\x83\x84\x81\x5b\x31" : "second");
        l.padding1 = 0x11;
        l.arcWidth = static_cast<std::int16_t>(2 + i);
        l.arcColour = 0x800000;
        l.anchorWidth = 1;
        l.anchorColour = 0x0000FF;
        l.hasIcon = 1;
        (*model.iconPictures)[i] = std::make_shared<Picture>(icons[i]);
        l.iconImageSize = static_cast<std::uint32_t>(icons[i].size());
        l.iconPos = static_cast<std::uint16_t>(i);
        l.iconSize = 20;
        l.iconTransparentColour = i == 0 ? 0xFFFFFFu : 0xFFFFFFFFu;
    }

    model.nodeCount = 4;
    const int layerOf[4] = {0, 1, 0, 1};
    for (int i = 0; i < 4; ++i) {
        NodeRec& n = model.nodes[i];
        std::memset(&n, 0, sizeof n);
        n.layer = static_cast<std::uint16_t>(layerOf[i]);
        n.noteSlip = i == 2 ? 0 : -1;
        n.x = 10 * i;
        n.y = 5 + i;
        n.arrival = i * 60;
        n.departure = i * 60 + 30;
        n.reserved[0] = static_cast<std::uint8_t>(i);
    }

    model.slipCount = 2;
    for (int i = 0; i < 2; ++i) {
        SlipRec& s = model.slips[i];
        std::memset(&s, 0, sizeof s);
        s.left = 1 + i;
        s.top = 2;
        s.right = 20;
        s.bottom = 25;
        std::strcpy(s.text, i == 0 ? "line one\r\nline two" : "picture");
        s.titlePos = 2;
        s.imageTransparentColour = -1;
        s.style.textColour = 0x800000;
        s.style.fontSize = 8;
        std::strcpy(s.style.fontName, "Meiryo UI");
        s.style.alignH = 1;
        s.style.margin = 5;
        s.style.wrap = 1;
        s.style.backColour = 0xFFEFEC;
        s.style.borderWidth = 1;
        s.style.borderColour = 0x800000;
    }
    SlipRec& image = model.slips[1];
    image.hasImage = 1;
    (*model.slipPictures)[1] = std::make_shared<Picture>(EncodedImage(8, 4, "JPG", 0xFF00FF00));
    image.imageSize = static_cast<std::int32_t>((*model.slipPictures)[1]->byteSize());
}

QByteArray DataFileBytes(const RouteModel& model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!DataFileWriter(buffer, model))
        return {};
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace tavelin::test
