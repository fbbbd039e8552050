#include "PropertyFixtures.h"

#include "geo/OleDate.h"
#include "image/LayerIcon.h"
#include "platform/Cp932.h"

#include <QBuffer>
#include <cstring>

namespace tavelin::test
{

void SetUpModel(RouteModel& model)
{
    model.Allocate();
    model.Clear();
    DocHeader& h = model.header;
    h.mapWidth = 1000;
    h.mapHeight = 1000;
    h.mapWidthMetres = 1000;
    h.mapHeightMetres = 1000;
    h.westLon = 135.0f;
    h.eastLon = 136.0f;
    h.northLat = 36.0f;
    h.southLat = 35.0f;
}

double OleDate(int year, int month, int day, int hour, int minute, int second)
{
    std::int32_t status = DateTimeInvalid;
    return OleDateFromParts(year, month, day, hour, minute, second, &status);
}

QImage TestIconImage()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 4; y < 60; ++y)
        for (int x = 4; x < 60; ++x)
            image.setPixel(x, y, x < 32 ? 0xFFFF0000 : 0xFF0000FF);
    image.setPixel(4, 4, 0xFF00FF00);
    return image;
}

int AddTestLayer(RouteModel& model, const char* name, int year, int month, int day, int hour,
                 int minute, int second)
{
    const int index = model.layerCount++;
    LayerRec& l = model.layers[index];
    std::memset(&l, 0, sizeof l);
    l.tabIndex = index;
    l.visible = 1;
    l.baseTime = OleDate(year, month, day, hour, minute, second);
    cp932::CopyToField(l.name, LayerNameBytes, *cp932::Encode(QString::fromUtf8(name)));
    l.arcWidth = 2;
    l.arcColour = 0x800000;
    l.anchorWidth = 1;
    l.anchorColour = 0x008000;
    l.iconSize = 20;
    l.iconPos = 0;
    l.iconTransparentColour = 0xFFFFFF;

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TestIconImage().save(&buffer, "BMP");
    const PicturePtr icon = std::make_shared<Picture>(bytes);
    (*model.iconPictures)[std::size_t(index)] = icon;
    l.iconImageSize = std::uint32_t(bytes.size());
    l.hasIcon = 1;
    (*model.iconBitmaps)[std::size_t(index)] = BuildLayerIcon(*icon, l);
    return index;
}

int AddTestNode(RouteModel& model, int layer, int x, int y, int arrival, int departure)
{
    const int index = model.nodeCount++;
    NodeRec& n = model.nodes[index];
    std::memset(&n, 0, sizeof n);
    n.layer = std::uint16_t(layer);
    n.noteSlip = -1;
    n.x = x;
    n.y = y;
    n.arrival = arrival;
    n.departure = departure;
    return index;
}

} // namespace tavelin::test
