#pragma once
// The document's plain records. They are written to the data file exactly as
// they lie in memory (little-endian, padding included), so every size and
// offset below is part of the file format and is pinned by static_asserts.
// The natural layout already matches, with the padding spelled out as fields,
// so no packing pragma is needed and fields can be bound to references.

#include <cstddef>
#include <cstdint>

namespace tavelin {

using COLORREF = std::uint32_t; // 0x00BBGGRR, red in the low byte

constexpr int MaxLayers = 1000;
constexpr int MaxNodes = 10000;
constexpr int MaxSlips = 1000;
constexpr int LayerSlots = MaxLayers + 1;
constexpr int NodeSlots = MaxNodes + 1;
constexpr int SlipSlots = MaxSlips + 1;

constexpr int LayerNameBytes = 100;
constexpr int SlipTextBytes = 1000;
constexpr int FontNameBytes = 31;
constexpr int IconCell = 64; // edge of a layer's rendered icon cell


struct DocHeader {
    std::int32_t scrollX;
    std::int32_t scrollY;
    float zoom;
    std::int32_t fitToWindow;
    std::uint16_t currentLayer;
    std::uint8_t reserved1[2];
    std::int32_t hasMap;
    std::int32_t mapImageSize;
    std::int32_t mapWidth;
    std::int32_t mapHeight;
    std::int32_t mapWidthMetres;
    std::int32_t mapHeightMetres;
    float westLon;
    float eastLon;
    float northLat;
    float southLat;
    std::uint8_t reserved2[4];
};

struct LayerRec {
    std::int32_t tabIndex;
    std::int32_t visible;
    double baseTime;
    std::int32_t baseTimeStatus;
    char name[LayerNameBytes + 1];
    std::uint8_t padding1;
    std::int16_t arcWidth;
    std::uint32_t arcColour;
    std::uint16_t anchorWidth;
    std::uint8_t padding2[2];
    std::uint32_t anchorColour;
    std::int32_t hasIcon;
    std::uint32_t iconImageSize;
    std::uint16_t iconPos;
    std::uint16_t iconSize;
    std::uint32_t iconTransparentColour;
};

struct NodeRec {
    std::uint16_t layer;
    std::uint8_t padding[2];
    std::int32_t noteSlip;
    std::int32_t x;
    std::int32_t y;
    std::int32_t selected;
    std::int32_t arrival;
    std::int32_t departure;
    std::uint8_t reserved[4];
};

struct SlipStyle {
    std::int32_t textColour;
    std::uint32_t fontBold;
    std::int16_t fontSize;
    char fontName[FontNameBytes + 1];
    std::int16_t alignH;
    std::int16_t margin;
    std::uint8_t padding1[2];
    std::uint32_t wrap;
    std::int32_t backColour;
    std::uint32_t squareCorners;
    std::int16_t borderWidth;
    std::uint8_t padding2[2];
    std::int32_t borderColour;
};

struct SlipRec {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t selected;
    std::int32_t hasImage;
    std::int32_t imageSize;
    char text[SlipTextBytes + 1];
    std::uint8_t padding1;
    std::uint16_t titlePos;
    std::uint8_t reserved[4];
    std::int32_t imageTransparentColour;
    SlipStyle style;
};


static_assert(sizeof(DocHeader) == 64);
static_assert(offsetof(DocHeader, zoom) == 8);
static_assert(offsetof(DocHeader, fitToWindow) == 12);
static_assert(offsetof(DocHeader, currentLayer) == 16);
static_assert(offsetof(DocHeader, hasMap) == 20);
static_assert(offsetof(DocHeader, mapImageSize) == 24);
static_assert(offsetof(DocHeader, mapWidth) == 28);
static_assert(offsetof(DocHeader, mapHeight) == 32);
static_assert(offsetof(DocHeader, mapWidthMetres) == 36);
static_assert(offsetof(DocHeader, mapHeightMetres) == 40);
static_assert(offsetof(DocHeader, westLon) == 44);
static_assert(offsetof(DocHeader, eastLon) == 48);
static_assert(offsetof(DocHeader, northLat) == 52);
static_assert(offsetof(DocHeader, southLat) == 56);

static_assert(sizeof(LayerRec) == 152);
static_assert(offsetof(LayerRec, visible) == 4);
static_assert(offsetof(LayerRec, baseTime) == 8);
static_assert(offsetof(LayerRec, baseTimeStatus) == 16);
static_assert(offsetof(LayerRec, name) == 20);
static_assert(offsetof(LayerRec, arcWidth) == 122);
static_assert(offsetof(LayerRec, arcColour) == 124);
static_assert(offsetof(LayerRec, anchorWidth) == 128);
static_assert(offsetof(LayerRec, anchorColour) == 132);
static_assert(offsetof(LayerRec, hasIcon) == 136);
static_assert(offsetof(LayerRec, iconImageSize) == 140);
static_assert(offsetof(LayerRec, iconPos) == 144);
static_assert(offsetof(LayerRec, iconSize) == 146);
static_assert(offsetof(LayerRec, iconTransparentColour) == 148);

static_assert(sizeof(NodeRec) == 32);
static_assert(offsetof(NodeRec, noteSlip) == 4);
static_assert(offsetof(NodeRec, x) == 8);
static_assert(offsetof(NodeRec, y) == 12);
static_assert(offsetof(NodeRec, selected) == 16);
static_assert(offsetof(NodeRec, arrival) == 20);
static_assert(offsetof(NodeRec, departure) == 24);

static_assert(sizeof(SlipStyle) == 68);
static_assert(offsetof(SlipStyle, fontBold) == 4);
static_assert(offsetof(SlipStyle, fontSize) == 8);
static_assert(offsetof(SlipStyle, fontName) == 10);
static_assert(offsetof(SlipStyle, alignH) == 42);
static_assert(offsetof(SlipStyle, margin) == 44);
static_assert(offsetof(SlipStyle, wrap) == 48);
static_assert(offsetof(SlipStyle, backColour) == 52);
static_assert(offsetof(SlipStyle, squareCorners) == 56);
static_assert(offsetof(SlipStyle, borderWidth) == 60);
static_assert(offsetof(SlipStyle, borderColour) == 64);

static_assert(sizeof(SlipRec) == 1108);
static_assert(offsetof(SlipRec, selected) == 16);
static_assert(offsetof(SlipRec, hasImage) == 20);
static_assert(offsetof(SlipRec, imageSize) == 24);
static_assert(offsetof(SlipRec, text) == 28);
static_assert(offsetof(SlipRec, titlePos) == 1030);
static_assert(offsetof(SlipRec, imageTransparentColour) == 1036);
static_assert(offsetof(SlipRec, style) == 1040);

} // namespace tavelin
