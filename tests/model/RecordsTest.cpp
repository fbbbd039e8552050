#include "model/Records.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tavelin;

namespace {

// Fills one field of a zeroed record through its name and reports at which
// byte offset the value landed in the record's raw bytes.
template <typename Rec, typename Field>
int OffsetOfWrite(Field Rec::*member, Field value)
{
    Rec rec;
    std::memset(&rec, 0, sizeof rec);
    rec.*member = value;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&rec);
    for (size_t i = 0; i < sizeof rec; ++i)
        if (bytes[i] != 0)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(Records, SizesAreThoseOfTheFile)
{
    EXPECT_EQ(sizeof(DocHeader), 64u);
    EXPECT_EQ(sizeof(LayerRec), 152u);
    EXPECT_EQ(sizeof(NodeRec), 32u);
    EXPECT_EQ(sizeof(SlipStyle), 68u);
    EXPECT_EQ(sizeof(SlipRec), 1108u);
}

TEST(Records, FieldsLieAtTheirFileOffsets)
{
    EXPECT_EQ(OffsetOfWrite(&DocHeader::zoom, 1.0f), 8 + 2); // 0x3F800000: first non-zero byte is the third
    EXPECT_EQ(OffsetOfWrite(&DocHeader::currentLayer, std::uint16_t{1}), 16);
    EXPECT_EQ(OffsetOfWrite(&DocHeader::hasMap, 1), 20);
    EXPECT_EQ(OffsetOfWrite(&DocHeader::mapHeightMetres, 1), 40);
    EXPECT_EQ(OffsetOfWrite(&DocHeader::southLat, 1.0f), 56 + 2);

    EXPECT_EQ(OffsetOfWrite(&LayerRec::visible, 1), 4);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::baseTimeStatus, 1), 16);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::arcWidth, std::int16_t{1}), 122);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::arcColour, 1u), 124);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::anchorWidth, std::uint16_t{1}), 128);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::anchorColour, 1u), 132);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::iconImageSize, 1u), 140);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::iconPos, std::uint16_t{1}), 144);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::iconSize, std::uint16_t{1}), 146);
    EXPECT_EQ(OffsetOfWrite(&LayerRec::iconTransparentColour, 1u), 148);
    EXPECT_EQ(offsetof(LayerRec, name), 20u);

    EXPECT_EQ(OffsetOfWrite(&NodeRec::noteSlip, 1), 4);
    EXPECT_EQ(OffsetOfWrite(&NodeRec::selected, 1), 16);
    EXPECT_EQ(OffsetOfWrite(&NodeRec::departure, 1), 24);

    EXPECT_EQ(OffsetOfWrite(&SlipRec::imageSize, 1), 24);
    EXPECT_EQ(offsetof(SlipRec, text), 28u);
    EXPECT_EQ(OffsetOfWrite(&SlipRec::titlePos, std::uint16_t{1}), 1030);
    EXPECT_EQ(OffsetOfWrite(&SlipRec::imageTransparentColour, 1), 1036);
    EXPECT_EQ(offsetof(SlipRec, style), 1040u);

    EXPECT_EQ(OffsetOfWrite(&SlipStyle::fontSize, std::int16_t{1}), 8);
    EXPECT_EQ(offsetof(SlipStyle, fontName), 10u);
    EXPECT_EQ(OffsetOfWrite(&SlipStyle::alignH, std::int16_t{1}), 42);
    EXPECT_EQ(OffsetOfWrite(&SlipStyle::margin, std::int16_t{1}), 44);
    EXPECT_EQ(OffsetOfWrite(&SlipStyle::wrap, 1u), 48);
    EXPECT_EQ(OffsetOfWrite(&SlipStyle::borderWidth, std::int16_t{1}), 60);
    EXPECT_EQ(OffsetOfWrite(&SlipStyle::borderColour, 1), 64);
}

TEST(Records, IntegersAreLittleEndian)
{
    NodeRec node{};
    node.x = 0x01020304;
    const auto* b = reinterpret_cast<const unsigned char*>(&node) + 8;
    EXPECT_EQ(b[0], 0x04);
    EXPECT_EQ(b[3], 0x01);
}
