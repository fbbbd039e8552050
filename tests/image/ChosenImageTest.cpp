// From a picked image file to the model's picture: which files become keyed
// BMPs and which JPEGs, the key colours, and the slip width cap.

#include "image/ChosenImage.h"
#include "ImageFixtures.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "image/ImageEncoding.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tavelin;
using tavelin::test::TempDir;

namespace
{

constexpr std::int32_t Magenta = 0xFF00FF;
constexpr std::int32_t White = 0xFFFFFF;

bool IsBmp(const PicturePtr& p)
{
    return p && p->bytes().startsWith("BM");
}
bool IsJpeg(const PicturePtr& p)
{
    return p && p->bytes().startsWith("\xFF\xD8");
}

// 8 x 4: left half transparent (colour bits black), right half opaque blue,
// with one opaque near-white and one opaque white pixel.
QImage HalfTransparent()
{
    QImage image(8, 4, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            image.setPixel(x, y, qRgb(0, 0, 200));
    image.setPixel(7, 0, qRgb(250, 245, 241));
    image.setPixel(7, 1, qRgb(255, 255, 255));
    image.setPixel(7, 2, qRgb(5, 5, 5));
    return image;
}

QByteArray Background(int r, int g, int b)
{
    const char data[6] = {0, char(r), 0, char(g), 0, char(b)};
    return test::PngChunk("bKGD", QByteArray(data, 6));
}

class ChosenImageTest : public ::testing::Test
{
protected:
    void SetUp() override { test::ResetSettings(); }
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = files.file(name);
        EXPECT_TRUE(test::WriteBytes(path, bytes));
        return path;
    }
    QString save(const QString& name, const QImage& image, const char* format)
    {
        const QString path = files.file(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    ChosenPicture choose(const QString& path, ImageUse use = ImageUse::Slip, int depth = 32)
    {
        return LoadChosenImage(path, use, work.path(), depth);
    }
    TempDir files;
    TempDir work;
    ScriptedMessages messages;
};

} // namespace

TEST_F(ChosenImageTest, PngWithAlphaIsKeyedOnItsBackgroundColour)
{
    const ChosenPicture chosen =
        choose(write("a.png", test::PngWithChunks(HalfTransparent(), Background(255, 0, 255))));
    ASSERT_TRUE(IsBmp(chosen.picture));
    EXPECT_EQ(chosen.key, Magenta);
    EXPECT_EQ(chosen.size, QSize(8, 4));
    EXPECT_EQ(chosen.byteSize, chosen.picture->byteSize());
    const QImage& image = chosen.picture->image();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(image.pixel(3, 3) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(image.pixel(5, 2) & 0xFFFFFF, 0x0000C8u);
    EXPECT_TRUE(messages.records.empty());
}

TEST_F(ChosenImageTest, PngWithAlphaWithoutBackgroundIsKeyedWhite)
{
    const ChosenPicture chosen = choose(save("a.png", HalfTransparent(), "png"));
    ASSERT_TRUE(IsBmp(chosen.picture));
    EXPECT_EQ(chosen.key, White);
    EXPECT_EQ(chosen.picture->image().pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(ChosenImageTest, OpaqueFilesBecomeJpeg)
{
    QImage opaque(6, 3, QImage::Format_RGB32);
    opaque.fill(qRgb(10, 200, 30));
    const QStringList paths{
        save("opaque.png", opaque, "png"),
        save("plain.tif", opaque, "tiff"),
        save("rgb24.bmp", opaque, "bmp"),
        write("plain.gif", test::Gif(2, 2, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, {0, 1, 1, 0})),
    };
    for (const QString& path : paths) {
        const ChosenPicture chosen = choose(path);
        EXPECT_TRUE(IsJpeg(chosen.picture)) << path.toStdString();
        EXPECT_EQ(chosen.key, -1) << path.toStdString();
        EXPECT_FALSE(PictureSize(chosen.picture).isEmpty()) << path.toStdString();
    }
    EXPECT_TRUE(QFile::exists(work.file("temp.jpeg")));
    EXPECT_TRUE(messages.records.empty());
}

TEST_F(ChosenImageTest, JpegIsTakenAsItIs)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::gray);
    const QString path = save("photo.JPG", image, "jpeg");
    const ChosenPicture chosen = choose(path);
    ASSERT_TRUE(chosen.picture);
    EXPECT_EQ(chosen.picture->bytes(), test::ReadBytes(path));
    EXPECT_EQ(chosen.byteSize, QFile(path).size());
}

TEST_F(ChosenImageTest, GifWithTransparentIndexIsKeyed)
{
    const ChosenPicture chosen = choose(
        write("t.gif", test::Gif(2, 2, {qRgb(0, 255, 0), qRgb(0, 0, 255)}, {0, 1, 1, 0}, 0)));
    ASSERT_TRUE(IsBmp(chosen.picture));
    ASSERT_NE(chosen.key, -1);
    const QImage& image = chosen.picture->image();
    EXPECT_EQ(test::ColourRefOf(image.pixel(0, 0)), chosen.key);
    EXPECT_NE(test::ColourRefOf(image.pixel(1, 0)), chosen.key);
}

TEST_F(ChosenImageTest, ThirtyTwoBitBmpIsKeyedOnItsFirstTransparentPixel)
{
    // Bottom row first: (0,1) opaque red, (1,1) transparent green, top row opaque.
    const std::vector<std::uint8_t> pixels{0,   0, 255, 255, 0, 255, 0, 0,
                                           255, 0, 0,   255, 9, 9,   9, 255};
    const ChosenPicture chosen = choose(write("a.bmp", test::Bmp32(2, 2, pixels)));
    ASSERT_TRUE(IsBmp(chosen.picture));
    EXPECT_EQ(chosen.key, 0x00FF00);
    const QImage& image = chosen.picture->image();
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0x00FF00u); // the key colour kept exactly
    EXPECT_EQ(image.pixel(0, 1) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(ChosenImageTest, BackgroundMapIsAlwaysJpeg)
{
    const QStringList paths{
        write("map.png", test::PngWithChunks(HalfTransparent(), Background(255, 0, 255))),
        write("map.bmp", test::Bmp32(1, 1, {0, 255, 0, 0})),
    };
    for (const QString& path : paths) {
        const ChosenPicture chosen = choose(path, ImageUse::BackgroundMap);
        EXPECT_TRUE(IsJpeg(chosen.picture)) << path.toStdString();
        EXPECT_EQ(chosen.key, -1) << path.toStdString();
    }
}

TEST_F(ChosenImageTest, LowDepthDisplayKeepsOnlyTheKeyTransparent)
{
    const struct {
        const char* what;
        QByteArray background; // empty: none (white)
        std::int32_t key;
        QRgb transparent, nearWhite, white, nearBlack;
    } cases[] = {
        // White key: near-white pixels move off the key; pure white stays.
        {"white key", {}, White, 0xFFFFFF, 0xFFF7FF, 0xFFFFFF, 0x050505},
        // Coloured key: replaced by white, and opaque white moves off it.
        {"magenta key", Background(255, 0, 255), White, 0xFFFFFF, 0xFAF5F1, 0xFFF7FF, 0x050505},
        // Black key: near-black pixels move off it.
        {"black key", Background(0, 0, 0), 0x000000, 0x000000, 0xFAF5F1, 0xFFFFFF, 0x000800},
    };
    for (const auto& c : cases) {
        const ChosenPicture chosen =
            choose(write("low.png", test::PngWithChunks(HalfTransparent(), c.background)),
                   ImageUse::Slip, 16);
        ASSERT_TRUE(IsBmp(chosen.picture)) << c.what;
        EXPECT_EQ(chosen.key, c.key) << c.what;
        const QImage& image = chosen.picture->image();
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, c.transparent) << c.what;
        EXPECT_EQ(image.pixel(7, 0) & 0xFFFFFF, c.nearWhite) << c.what;
        EXPECT_EQ(image.pixel(7, 1) & 0xFFFFFF, c.white) << c.what;
        EXPECT_EQ(image.pixel(7, 2) & 0xFFFFFF, c.nearBlack) << c.what;
    }
}

TEST_F(ChosenImageTest, WideSlipPictureIsCappedAtImageWidth)
{
    QImage wide(1000, 500, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    const ChosenPicture chosen = choose(save("wide.jpg", wide, "jpeg"));
    ASSERT_TRUE(IsJpeg(chosen.picture));
    EXPECT_EQ(chosen.size, QSize(500, 250));
    EXPECT_EQ(PictureSize(chosen.picture), QSize(500, 250));
    EXPECT_EQ(chosen.byteSize, QFile(work.file("tmp.jpeg")).size());

    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("ImageW"), 200);
    EXPECT_EQ(choose(save("w2.jpg", wide, "jpeg")).size, QSize(200, 100));
    // Maps and icons are not capped.
    EXPECT_EQ(choose(save("w3.jpg", wide, "jpeg"), ImageUse::BackgroundMap).size, QSize(1000, 500));
}

TEST_F(ChosenImageTest, KeyedSlipPictureStaysKeyedWhenScaled)
{
    QImage wide(1000, 500, QImage::Format_ARGB32);
    wide.fill(qRgba(0, 0, 0, 0));
    for (int y = 100; y < 400; ++y)
        for (int x = 300; x < 700; ++x)
            wide.setPixel(x, y, qRgb(200, 30, 30));
    const ChosenPicture chosen =
        choose(write("wide.png", test::PngWithChunks(wide, Background(255, 0, 255))));
    ASSERT_TRUE(IsBmp(chosen.picture));
    EXPECT_EQ(chosen.key, Magenta);
    EXPECT_EQ(PictureSize(chosen.picture), QSize(500, 250));
    const QImage& image = chosen.picture->image();
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(image.pixel(490, 240) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(image.pixel(250, 125) & 0xFFFFFF, 0xC81E1Eu);
}

TEST_F(ChosenImageTest, FailedScalingKeepsTheFullSizePicture)
{
    QImage wide(1000, 500, QImage::Format_RGB32);
    wide.fill(Qt::darkRed);
    const QString path = save("wide.jpg", wide, "jpeg");
    const ChosenPicture chosen =
        LoadChosenImage(path, ImageUse::Slip, files.file("no/such/folder"), 32);
    ASSERT_TRUE(chosen.picture);
    EXPECT_EQ(chosen.size, QSize(1000, 500));
    EXPECT_EQ(chosen.picture->bytes(), test::ReadBytes(path));
    EXPECT_EQ(messages.ids(), std::vector<int>{30001});
}

TEST_F(ChosenImageTest, UnusableFilesGiveNoPicture)
{
    EXPECT_EQ(choose(write("photo.webp", "RIFF")).picture, nullptr);
    EXPECT_EQ(messages.ids(), std::vector<int>{30056});
    messages.clear();
    // Files that do not decode: nothing shown here, the caller reports.
    for (const char* name : {"bad.png", "bad.gif", "bad.tif", "bad.jpg"})
        EXPECT_EQ(choose(write(QString::fromLatin1(name), "garbage")).picture, nullptr) << name;
    EXPECT_TRUE(messages.records.empty());
    // A BMP that is not one: 30011 from the key search, then nothing decodes.
    EXPECT_EQ(choose(write("bad.bmp", "garbage")).picture, nullptr);
    EXPECT_EQ(messages.ids(), std::vector<int>{30011});
}
