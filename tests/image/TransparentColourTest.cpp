// Transparent colours read from BMP pixels and PNG chunks.

#include "ImageFixtures.h"
#include "platform/Messages.h"
#include "image/BmpTransparentColour.h"
#include "image/CPNGSub.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace tavelin;
using tavelin::test::TempDir;

namespace
{

// Pixels as blue, green, red, alpha.
std::vector<std::uint8_t> Pixels(std::initializer_list<std::array<std::uint8_t, 4>> list)
{
    std::vector<std::uint8_t> out;
    for (const auto& p : list)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

TEST(BmpTransparentColour, FirstTransparentPixelGivesKey)
{
    const struct {
        const char* what;
        QByteArray bmp;
        std::int32_t key;
    } cases[] = {
        {"first alpha-0 pixel is green",
         test::Bmp32(3, 1, Pixels({{1, 2, 3, 255}, {0, 255, 0, 0}, {255, 0, 0, 0}})), 0x00FF00},
        {"alpha 237 counts too", test::Bmp32(2, 1, Pixels({{0x30, 0x20, 0x10, 237}, {0, 0, 0, 0}})),
         0x302010},
        {"no transparent pixel", test::Bmp32(2, 1, Pixels({{1, 2, 3, 255}, {4, 5, 6, 1}})), -1},
        {"image size field 0 still searches the pixels",
         test::Bmp32(2, 1, Pixels({{1, 2, 3, 255}, {0, 0, 255, 0}}), 0), 0x0000FF},
        {"image size field larger than the file",
         test::Bmp32(2, 1, Pixels({{1, 2, 3, 255}, {9, 8, 7, 0}}), 1 << 30), 0x090807},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ASSERT_TRUE(test::WriteBytes(dir.file("a.bmp"), c.bmp));
        ScriptedMessages messages;
        std::int32_t key = 12345;
        EXPECT_TRUE(BmpTransparentColour(dir.file("a.bmp"), key)) << c.what;
        EXPECT_EQ(key, c.key) << c.what;
        EXPECT_TRUE(messages.records.empty()) << c.what;
    }
}

TEST(BmpTransparentColour, NonThirtyTwoBitImagesHaveNoKey)
{
    TempDir dir;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(dir.file("a.bmp"), "bmp"));
    ScriptedMessages messages;
    std::int32_t key = 0;
    EXPECT_TRUE(BmpTransparentColour(dir.file("a.bmp"), key));
    EXPECT_EQ(key, -1);
    EXPECT_TRUE(messages.records.empty());
}

TEST(BmpTransparentColour, FailuresShowPrefixedMessage)
{
    TempDir dir;
    QByteArray notBmp = test::Bmp32(1, 1, Pixels({{0, 0, 0, 0}}));
    notBmp[0] = 'X';
    ASSERT_TRUE(test::WriteBytes(dir.file("notbmp.bmp"), notBmp));
    ASSERT_TRUE(test::WriteBytes(dir.file("short.bmp"), "BM\x10\x00"));
    const struct {
        const char* file;
        const char* prefix;
    } cases[] = {
        {"missing.bmp", "ファイルオープンエラー\n"},
        {"notbmp.bmp", "形式判別エラー\n"},
        {"short.bmp", "形式判別エラー\n"}, // too short to hold the headers
    };
    for (const auto& c : cases) {
        ScriptedMessages messages;
        std::int32_t key = 7;
        EXPECT_FALSE(BmpTransparentColour(dir.file(QString::fromUtf8(c.file)), key)) << c.file;
        EXPECT_EQ(key, -1);
        ASSERT_EQ(messages.records.size(), 1u) << c.file;
        EXPECT_EQ(messages.records[0].id, 30011);
        EXPECT_EQ(messages.records[0].prefix, QString::fromUtf8(c.prefix));
        EXPECT_EQ(messages.records[0].style, MessageStyle::Error);
    }
}

TEST(PngTransparentColour, ChunksGiveKey)
{
    using test::BarePng;
    using test::PngChunk;
    const QByteArray magentaBackground =
        PngChunk("bKGD", QByteArray("\x01\xFF\x02\x00\x03\xFF", 6));
    const struct {
        const char* what;
        QByteArray png;
        bool ok;
        std::int32_t key;
    } cases[] = {
        {"RGBA with bKGD takes the low bytes", BarePng(6, magentaBackground), true, 0xFF00FF},
        {"RGBA without bKGD is white", BarePng(6, {}), true, 0xFFFFFF},
        {"grey+alpha bKGD is a grey", BarePng(4, PngChunk("bKGD", QByteArray("\x00\x80", 2))), true,
         0x808080},
        {"grey+alpha without bKGD is white", BarePng(4, {}), true, 0xFFFFFF},
        {"truncated bKGD counts as none", BarePng(6, PngChunk("bKGD", QByteArray("\x00\x10", 2))),
         true, 0xFFFFFF},
        {"bKGD text inside a text chunk is not the chunk",
         BarePng(6, PngChunk("tEXt", QByteArray("Comment\0bKGD\x01\x02\x03\x04\x05\x06", 18))),
         true, 0xFFFFFF},
        {"palette: first entry not fully opaque",
         BarePng(3, PngChunk("PLTE", QByteArray("\x10\x20\x30\x40\x50\x60\x70\x80\x90", 9)) +
                        PngChunk("tRNS", QByteArray("\xFF\x00", 2))),
         true, 0x605040},
        {"palette: all opaque",
         BarePng(3, PngChunk("PLTE", QByteArray("\x10\x20\x30", 3)) +
                        PngChunk("tRNS", QByteArray("\xFF", 1))),
         true, -1},
        {"palette: tRNS entry past the palette",
         BarePng(3, PngChunk("PLTE", QByteArray("\x10\x20\x30", 3)) +
                        PngChunk("tRNS", QByteArray("\xFF\x00", 2))),
         true, -1},
        {"palette without tRNS", BarePng(3, PngChunk("PLTE", QByteArray("\x10\x20\x30", 3))), true,
         -1},
        {"truecolour with tRNS has no key",
         BarePng(2, PngChunk("tRNS", QByteArray("\x00\x01\x00\x02\x00\x03", 6))), true, -1},
        {"bad signature", QByteArray("\x89PNX\r\n\x1a\n") + QByteArray(40, 'a'), false, -1},
        {"no IHDR", QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IEND", {}), false, -1},
        {"IHDR cut short", BarePng(6, {}).left(8 + 8 + 5), false, -1},
        {"empty", QByteArray(), false, -1},
    };
    for (const auto& c : cases) {
        std::int32_t key = 99;
        EXPECT_EQ(CPNGSub::TransparentColourFromBytes(c.png, key), c.ok) << c.what;
        EXPECT_EQ(key, c.key) << c.what;
    }
}

TEST(PngTransparentColour, ChunkLengthsPastTheEndAreBounded)
{
    // A chunk claiming 4 GB, and every cut of a real file: no read past the end.
    QByteArray huge = test::BarePng(6, {});
    huge.insert(8 + 25, QByteArray("\xFF\xFF\xFF\xF0"
                                   "bKGD",
                                   8));
    std::int32_t key = 0;
    EXPECT_TRUE(CPNGSub::TransparentColourFromBytes(huge, key));
    const QByteArray full = test::BarePng(3, test::PngChunk("PLTE", QByteArray("\x10\x20\x30", 3)) +
                                                 test::PngChunk("tRNS", QByteArray(1, '\0')));
    for (qsizetype n = 0; n <= full.size(); ++n)
        CPNGSub::TransparentColourFromBytes(full.left(n), key);
    EXPECT_EQ(key, 0x302010);
}

TEST(PngTransparentColour, ReadsFromFile)
{
    TempDir dir;
    ASSERT_TRUE(test::WriteBytes(
        dir.file("a.png"),
        test::BarePng(6, test::PngChunk("bKGD", QByteArray("\x00\x01\x00\x02\x00\x03", 6)))));
    std::int32_t key = 0;
    EXPECT_TRUE(CPNGSub().ReadTransparentColour(dir.file("a.png"), key));
    EXPECT_EQ(key, 0x030201);
    EXPECT_FALSE(CPNGSub().ReadTransparentColour(dir.file("missing.png"), key));
    EXPECT_EQ(key, -1);
}
