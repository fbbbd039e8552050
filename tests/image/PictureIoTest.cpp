// Pictures keep the bytes they came from; image kinds by file name.

#include "image/PictureIo.h"
#include "ImageFixtures.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

using namespace tavelin;
using tavelin::test::TempDir;

namespace
{

QByteArray EncodedImage(const char* format, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

TEST(PictureBlock, BytesReadBackAreWrittenUnchanged)
{
    // Blocks follow one another without separators; each picture must give
    // back exactly its own bytes, decodable or not.
    const QByteArray jpeg = EncodedImage("jpeg", {7, 5}, Qt::red);
    const QByteArray bmp = EncodedImage("bmp", {3, 2}, Qt::blue);
    const QByteArray garbage("not an image at all");
    QByteArray file = jpeg + bmp + garbage + "tail";
    QBuffer in(&file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));

    const PicturePtr a = LoadPictureBlock(in, jpeg.size());
    const PicturePtr b = LoadPictureBlock(in, bmp.size());
    const PicturePtr c = LoadPictureBlock(in, garbage.size());
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(in.read(4), QByteArray("tail"));

    EXPECT_EQ(PictureSize(a), QSize(7, 5));
    EXPECT_EQ(PictureSize(b), QSize(3, 2));
    EXPECT_EQ(PictureSize(c), QSize(0, 0)); // kept, but nothing to draw
    EXPECT_EQ(PictureByteSize(c), garbage.size());

    QByteArray written;
    QBuffer out(&written);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    for (const PicturePtr& p : {a, b, c})
        ASSERT_TRUE(WritePictureBytes(*p, out));
    EXPECT_EQ(written, jpeg + bmp + garbage);
}

TEST(PictureBlock, ShortOrEmptyBlockGivesNoPicture)
{
    QByteArray file("12345");
    QBuffer in(&file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(LoadPictureBlock(in, 6), nullptr);
    in.seek(0);
    EXPECT_EQ(LoadPictureBlock(in, 0), nullptr);
    EXPECT_EQ(PictureSize(PicturePtr()), QSize(0, 0));
    EXPECT_EQ(PictureByteSize(PicturePtr()), 0);
}

TEST(PictureFile, LoadsWholeFileWithSizes)
{
    TempDir dir;
    const QByteArray jpeg = EncodedImage("jpeg", {40, 30}, Qt::green);
    ASSERT_TRUE(test::WriteBytes(dir.file("a.jpg"), jpeg));
    const LoadedPicture loaded = LoadPictureFile(dir.file("a.jpg"));
    ASSERT_TRUE(loaded.picture);
    EXPECT_EQ(loaded.size, QSize(40, 30));
    EXPECT_EQ(loaded.byteSize, jpeg.size());
    EXPECT_EQ(loaded.picture->bytes(), jpeg);

    ASSERT_TRUE(test::WriteBytes(dir.file("bad.jpg"), "\xFF\xD8 broken"));
    EXPECT_EQ(LoadPictureFile(dir.file("bad.jpg")).picture, nullptr);
    ASSERT_TRUE(test::WriteBytes(dir.file("empty.jpg"), {}));
    EXPECT_EQ(LoadPictureFile(dir.file("empty.jpg")).picture, nullptr);
    EXPECT_EQ(LoadPictureFile(dir.file("missing.jpg")).picture, nullptr);
}

TEST(ImageFileType, KindsByExtension)
{
    const struct {
        const char* path;
        const char* kind; // nullptr: refused
    } cases[] = {
        {"photo.JPG", "jpeg"},    {"/a/b/map.jpeg", "jpeg"},  {"x.Gif", "gif"},
        {"x.bmp", "bmp"},         {"x.PNG", "png"},           {"x.tif", "tiff"},
        {"x.TIFF", "tiff"},       {"archive.tar.png", "png"}, {"photo.webp", nullptr},
        {"noextension", nullptr}, {"dir.jpg/file", nullptr},  {"x.jpg.txt", nullptr},
    };
    for (const auto& c : cases) {
        ScriptedMessages messages;
        const QString kind = ImageFileType(QString::fromUtf8(c.path));
        if (c.kind) {
            EXPECT_EQ(kind, QString::fromUtf8(c.kind)) << c.path;
            EXPECT_TRUE(messages.records.empty()) << c.path;
        } else {
            EXPECT_TRUE(kind.isEmpty()) << c.path;
            ASSERT_EQ(messages.records.size(), 1u) << c.path;
            EXPECT_EQ(messages.records[0].id, 30056);
            EXPECT_EQ(messages.records[0].style, MessageStyle::Information);
        }
    }
}

TEST(PictureDecode, LargePicturesDecodeExactly)
{
    // Large enough for the pixel buffer to be prepared ahead of the decoder.
    QImage image(2100, 2100, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    for (const char* format : {"bmp", "png"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, format));
        const Picture picture(bytes);
        ASSERT_EQ(PictureSize(&picture), image.size()) << format;
        EXPECT_EQ(picture.image().convertToFormat(QImage::Format_RGB32), image) << format;
    }
    const Picture grey(EncodedImage("jpeg", {3000, 3000}, QColor(128, 128, 128)));
    EXPECT_EQ(PictureSize(&grey), QSize(3000, 3000));
    EXPECT_LE(qAbs(qGray(grey.image().pixel(2999, 2999)) - 128), 2);
}
