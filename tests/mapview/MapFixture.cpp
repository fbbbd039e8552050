#include "MapFixture.h"

#include <QPainter>
#include <cstring>

namespace tavelin::test
{

MapFixture::MapFixture(int mapWidth, int mapHeight)
{
    model.Allocate();
    model.Clear();
    DocHeader& h = model.header;
    h.zoom = 1.0f;
    h.hasMap = 1;
    h.mapWidth = mapWidth;
    h.mapHeight = mapHeight;
    QImage map(mapWidth, mapHeight, QImage::Format_RGB32);
    map.fill(MapColour);
    model.mapPicture = std::make_shared<Picture>(QByteArray("map"), map);
    BuildBackground(model, background);
}

int MapFixture::addLayer(int iconSize, int iconPos, bool visible)
{
    const int i = model.layerCount++;
    LayerRec& l = model.layers[i];
    std::memset(&l, 0, sizeof l);
    l.visible = visible ? 1 : 0;
    l.arcWidth = 1;
    l.arcColour = ColorRef(ArcColour);
    l.anchorWidth = 1;
    l.anchorColour = 0;
    l.hasIcon = 1;
    l.iconSize = std::uint16_t(iconSize);
    l.iconPos = std::uint16_t(iconPos);
    l.iconTransparentColour = 0xFFFFFFFFu;
    QImage cell(IconCell, IconCell, QImage::Format_RGB32);
    cell.fill(IconColour);
    (*model.iconBitmaps)[std::size_t(i)] = cell;
    return i;
}

int MapFixture::addNode(int layer, int x, int y, int noteSlip)
{
    const int i = model.nodeCount++;
    NodeRec& n = model.nodes[i];
    std::memset(&n, 0, sizeof n);
    n.layer = std::uint16_t(layer);
    n.x = x;
    n.y = y;
    n.noteSlip = noteSlip;
    return i;
}

int MapFixture::addSlip(int left, int top, int right, int bottom, const char* text)
{
    const int i = model.slipCount++;
    SlipRec& s = model.slips[i];
    std::memset(&s, 0, sizeof s);
    s.left = left;
    s.top = top;
    s.right = right;
    s.bottom = bottom;
    std::strncpy(s.text, text, SlipTextBytes);
    s.imageTransparentColour = -1;
    s.style.textColour = 0;
    s.style.fontSize = 9;
    s.style.alignH = 0;
    s.style.margin = 2;
    s.style.backColour = 0xFFFFFF;
    s.style.squareCorners = 1;
    s.style.borderWidth = 1;
    s.style.borderColour = 0x000080; // dark red
    return i;
}

void MapFixture::makeImageSlip(int slip, QRgb colour, int titlePos, int margin)
{
    SlipRec& s = model.slips[slip];
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(colour);
    (*model.slipPictures)[std::size_t(slip)] =
        std::make_shared<Picture>(QByteArray("pic"), picture);
    s.hasImage = 1;
    s.titlePos = std::uint16_t(titlePos);
    s.style.margin = std::int16_t(margin);
}

void MapFixture::removeMap()
{
    model.header.hasMap = 0;
    model.mapPicture.reset();
    background = QImage();
}

QImage MapFixture::draw(QSize size, QPoint origin, SceneState state)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black); // anything not drawn shows as black
    SetImageDpi(image, 96);
    if (!background.isNull())
        state.background = &background;
    if (state.visible.isEmpty())
        state.visible = QRect(origin, size);
    QPainter painter(&image);
    painter.translate(-origin);
    DrawScene(painter, model, state);
    return image;
}

} // namespace tavelin::test
