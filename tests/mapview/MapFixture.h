#pragma once
// A small scene for the map area tests: a uniformly coloured map, layers
// with solid icon cells, nodes and slips placed by the test.

#include "mapview/DrawScene.h"
#include "model/RouteModel.h"

#include <QColor>
#include <QImage>

namespace tavelin::test
{

constexpr QRgb MapColour = 0xFF40A040;  // green map
constexpr QRgb IconColour = 0xFFE01010; // red icons
constexpr QRgb ArcColour = 0xFF0000FF;  // blue arcs (COLORREF 0xFF0000)

class MapFixture
{
public:
    explicit MapFixture(int mapWidth = 200, int mapHeight = 150);

    // A layer whose icon cell is solid IconColour; returns its index.
    int addLayer(int iconSize = 10, int iconPos = 0, bool visible = true);
    int addNode(int layer, int x, int y, int noteSlip = -1);
    // A text slip with a square border and a white background.
    int addSlip(int left, int top, int right, int bottom, const char* text = "");
    // The slip becomes an image slip showing a solid picture.
    void makeImageSlip(int slip, QRgb colour, int titlePos, int margin);
    void removeMap();

    // The scene at the header's zoom, `size` pixels from the map's top-left
    // (or from `origin` in zoomed-map coordinates).
    QImage draw(QSize size, QPoint origin = {}, SceneState state = {});

    RouteModel model;
    QImage background;
};

// COLORREF (0x00BBGGRR) of an RGB value.
inline std::uint32_t ColorRef(QRgb rgb)
{
    return std::uint32_t(qRed(rgb)) | (std::uint32_t(qGreen(rgb)) << 8) |
           (std::uint32_t(qBlue(rgb)) << 16);
}

} // namespace tavelin::test
