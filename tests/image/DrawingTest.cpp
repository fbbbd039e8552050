// Drawing pictures, the layers' icon cells, the default icon and slip fonts.

#include "ImageFixtures.h"
#include "platform/Messages.h"
#include "image/ImageEncoding.h"
#include "image/LayerIcon.h"
#include "image/PictureDrawing.h"
#include "image/SlipFont.h"
#include "model/Records.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace tavelin;
using tavelin::test::TempDir;

namespace
{

constexpr QRgb Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, Yellow = 0xFFFFFF00;
constexpr QRgb Grey = 0xFF808080;

// A picture kept as BMP bytes, as keyed pictures are.
PicturePtr MakePicture(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "bmp");
    return std::make_shared<const Picture>(bytes);
}

// w x h in four quadrants: red top-left, green top-right, blue bottom-left,
// yellow bottom-right.
QImage Quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           y < h / 2 ? (x < w / 2 ? Red : Green) : (x < w / 2 ? Blue : Yellow));
    return image;
}

QImage Surface(int w, int h)
{
    QImage surface(w, h, QImage::Format_RGB32);
    surface.fill(Grey);
    return surface;
}

} // namespace

TEST(DrawPicture, FitKeepsProportionsAndCentres)
{
    const PicturePtr picture = MakePicture(Quadrants(100, 50));
    QImage surface = Surface(120, 120);
    {
        QPainter p(&surface);
        EXPECT_TRUE(DrawPicture(p, picture.get(), QRect(10, 10, 100, 100), {100, 50}, 0, 0,
                                int(PictureMode::Fit), -1));
    }
    // Drawn 100 x 50, centred vertically: rows 35..84.
    EXPECT_EQ(surface.pixel(50, 33), Grey);
    EXPECT_EQ(surface.pixel(12, 37), Red);
    EXPECT_EQ(surface.pixel(107, 82), Yellow);
    EXPECT_EQ(surface.pixel(50, 86), Grey);

    surface = Surface(120, 120);
    {
        QPainter p(&surface);
        DrawPicture(p, picture.get(), QRect(0, 0, 100, 20), {100, 50}, 0, 0, 0, -1);
    }
    // Taller than it may be: 40 x 20, centred horizontally at x 30..69.
    EXPECT_EQ(surface.pixel(28, 10), Grey);
    EXPECT_EQ(surface.pixel(32, 2), Red);
    EXPECT_EQ(surface.pixel(67, 18), Yellow);
    EXPECT_EQ(surface.pixel(71, 10), Grey);
}

TEST(DrawPicture, ActualSizeModesShowTheAnchoredCorner)
{
    const PicturePtr picture = MakePicture(Quadrants(20, 20));
    const struct {
        int mode;
        QRgb shown;
    } cases[] = {{1, Red}, {2, Yellow}, {3, Green}, {4, Blue}};
    for (const auto& c : cases) {
        QImage surface = Surface(30, 30);
        {
            QPainter p(&surface);
            DrawPicture(p, picture.get(), QRect(5, 5, 10, 10), {20, 20}, 0, 0, c.mode, -1);
        }
        EXPECT_EQ(surface.pixel(5, 5), c.shown) << c.mode;
        EXPECT_EQ(surface.pixel(14, 14), c.shown) << c.mode;
        EXPECT_EQ(surface.pixel(15, 15), Grey) << c.mode; // 1:1, nothing past the rectangle
    }
}

TEST(DrawPicture, KeyLeavesOutExactlyThatColour)
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(254, 0, 255)); // one step off the key: drawn
    image.setPixel(2, 0, qRgb(0, 0, 0));
    const PicturePtr picture = MakePicture(image);
    for (int mode : {0, 1}) {
        QImage surface = Surface(3, 1);
        {
            QPainter p(&surface);
            DrawPicture(p, picture.get(), QRect(0, 0, 3, 1), {3, 1}, 0, 0, mode, 0xFF00FF);
        }
        EXPECT_EQ(surface.pixel(0, 0), Grey) << mode;
        EXPECT_EQ(surface.pixel(1, 0), qRgb(254, 0, 255)) << mode;
        EXPECT_EQ(surface.pixel(2, 0), qRgb(0, 0, 0)) << mode;
    }
    // Scaled up with the key: picked pixels, no blend of key and neighbour.
    QImage surface = Surface(30, 10);
    {
        QPainter p(&surface);
        DrawPicture(p, picture.get(), QRect(0, 0, 30, 10), {3, 1}, 0, 0, 0, 0xFF00FF);
    }
    for (int x = 0; x < 30; ++x) {
        const QRgb px = surface.pixel(x, 5);
        EXPECT_TRUE(px == Grey || px == qRgb(254, 0, 255) || px == qRgb(0, 0, 0)) << x;
    }
}

TEST(DrawPicture, KeyedDrawingMatchesThePainterAtEdgesAndUnderTransforms)
{
    // The keyed fast path writes into the surface itself; it must agree with
    // the painter's own drawing wherever the picture is cut by the edges,
    // moved by a translation or limited by a clip.
    QImage image = Quadrants(12, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            if ((x + y) % 3 == 0)
                image.setPixel(x, y, qRgb(255, 255, 255));
    const PicturePtr picture = MakePicture(image);
    const QImage keyed = KeyedCopy(image, 0xFFFFFF);
    const struct {
        const char* what;
        QRect target;
        int mode;
        QPoint translate;
        QRect clip; // empty: none
    } cases[] = {
        {"inside", {3, 4, 12, 10}, 1, {}, {}},
        {"cut at the top-left", {-5, -3, 12, 10}, 1, {}, {}},
        {"cut at the bottom-right", {14, 12, 12, 10}, 1, {}, {}},
        {"wholly outside", {40, 40, 12, 10}, 1, {}, {}},
        {"part of the picture", {2, 2, 5, 4}, 2, {}, {}},
        {"translated", {0, 0, 12, 10}, 1, {9, 13}, {}},
        {"translated off the surface", {0, 0, 12, 10}, 1, {-7, 15}, {}},
        {"clipped", {2, 2, 12, 10}, 1, {}, {4, 3, 5, 4}},
        {"larger than the picture", {1, 1, 20, 20}, 3, {}, {}},
    };
    for (const auto& c : cases) {
        QImage fast = Surface(20, 18);
        QImage reference = Surface(20, 18);
        {
            QPainter p(&fast);
            p.translate(c.translate);
            if (!c.clip.isEmpty())
                p.setClipRect(c.clip);
            DrawPicture(p, picture.get(), c.target, {12, 10}, 0, 0, c.mode, 0xFFFFFF);
        }
        {
            QPainter p(&reference);
            p.translate(c.translate);
            if (!c.clip.isEmpty())
                p.setClipRect(c.clip);
            const int sx = (c.mode == 2 || c.mode == 3) ? 12 - c.target.width() : 0;
            const int sy = c.mode == 2 ? 10 - c.target.height() : 0;
            const QRect source = QRect(sx, sy, c.target.width(), c.target.height());
            const QRect shown = source.intersected(keyed.rect());
            p.drawImage(c.target.topLeft() + (shown.topLeft() - source.topLeft()), keyed, shown);
        }
        EXPECT_EQ(fast, reference) << c.what;
    }
}

TEST(DrawPicture, FrameLiesJustOutsideTheRectangle)
{
    const PicturePtr picture = MakePicture(Quadrants(10, 10));
    QImage surface = Surface(20, 20);
    {
        QPainter p(&surface);
        DrawPicture(p, picture.get(), QRect(5, 5, 10, 10), {10, 10}, 2, 0x0000FF, 1, -1);
    }
    EXPECT_EQ(surface.pixel(4, 4), Red); // COLORREF 0x0000FF is red
    EXPECT_EQ(surface.pixel(15, 15), Red);
    EXPECT_EQ(surface.pixel(4, 10), Red);
    EXPECT_EQ(surface.pixel(10, 15), Red);
    EXPECT_EQ(surface.pixel(3, 3), Grey);
    EXPECT_EQ(surface.pixel(16, 16), Grey);
    EXPECT_EQ(surface.pixel(14, 5), Green);
}

TEST(DrawPicture, NothingToDraw)
{
    QImage surface = Surface(4, 4);
    QPainter p(&surface);
    EXPECT_FALSE(DrawPicture(p, nullptr, QRect(0, 0, 4, 4), {4, 4}, 1, 0, 0, -1));
    const Picture undecodable(QByteArray("nope"));
    EXPECT_FALSE(DrawPicture(p, &undecodable, QRect(0, 0, 4, 4), {4, 4}, 1, 0, 0, -1));
    p.end();
    EXPECT_EQ(surface.pixel(0, 0), Grey);
}

TEST(BuildLayerIcon, CellIsTransformedForIconPosition)
{
    // 40 x 30 with a mark at the top-left: the rest of the cell stays black.
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Blue);
    image.setPixel(0, 0, Red);
    const PicturePtr picture = MakePicture(image);
    const struct {
        int iconPos;
        QPoint mark, blue, black;
    } cases[] = {
        {0, {0, 0}, {39, 29}, {63, 63}}, {4, {0, 0}, {39, 29}, {63, 63}},
        {1, {63, 0}, {24, 29}, {0, 63}}, // mirrored left-right
        {2, {63, 63}, {24, 34}, {0, 0}}, // rotated by 180 degrees
        {3, {0, 63}, {39, 34}, {63, 0}}, // mirrored top-bottom
    };
    for (const auto& c : cases) {
        LayerRec layer{};
        layer.iconPos = std::uint16_t(c.iconPos);
        const QImage cell = BuildLayerIcon(*picture, layer);
        ASSERT_EQ(cell.size(), QSize(64, 64));
        EXPECT_EQ(cell.pixel(c.mark), Red) << c.iconPos;
        EXPECT_EQ(cell.pixel(c.blue), Blue) << c.iconPos;
        EXPECT_EQ(cell.pixel(c.black), 0xFF000000u) << c.iconPos;
    }
}

TEST(BuildLayerIcon, LargePictureShowsItsTopLeft64)
{
    const PicturePtr picture = MakePicture(Quadrants(200, 200));
    LayerRec layer{};
    const QImage cell = BuildLayerIcon(*picture, layer);
    EXPECT_EQ(cell.pixel(0, 0), Red);
    EXPECT_EQ(cell.pixel(63, 63), Red);
    // An undecodable picture leaves a black cell.
    const QImage empty = BuildLayerIcon(Picture(QByteArray("x")), layer);
    EXPECT_EQ(empty.pixel(10, 10), 0xFF000000u);
}

TEST(LoadDefaultIcon, WritesTheBuiltInIconOnceThenReadsIt)
{
    const QString path = DefaultIconPath();
    EXPECT_EQ(path, QCoreApplication::applicationDirPath() + QStringLiteral("/DefIcon.bmp"));
    QFile::remove(path);
    ScriptedMessages messages;
    const PicturePtr first = LoadDefaultIcon();
    ASSERT_TRUE(first);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(first->bytes(), test::ReadBytes(path));
    EXPECT_TRUE(first->bytes().startsWith("BM"));
    const QImage& icon = first->image();
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(icon.pixel(0, 0), 0xFFFFFFFFu); // white, the new layer's key colour
    EXPECT_NE(icon.pixel(32, 32), 0xFFFFFFFFu);

    // An existing file is used as it is, whatever it holds.
    QImage own(5, 5, QImage::Format_RGB32);
    own.fill(Green);
    ASSERT_TRUE(own.save(path, "bmp"));
    const PicturePtr second = LoadDefaultIcon();
    ASSERT_TRUE(second);
    EXPECT_EQ(PictureSize(second), QSize(5, 5));
    EXPECT_TRUE(messages.records.empty());
    QFile::remove(path);
}

TEST(LoadDefaultIcon, FallsBackToTheUserFolder)
{
    TempDir dir;
    // A program "folder" that cannot take a file (it is a file itself).
    const QString program = dir.file("program");
    ASSERT_TRUE(test::WriteBytes(program, "x"));
    const QString user = dir.file("user/Tavelin");
    ScriptedMessages messages;
    EXPECT_EQ(DefaultIconPath(program, user), user + QStringLiteral("/DefIcon.bmp"));
    const PicturePtr icon = LoadDefaultIcon(program, user);
    ASSERT_TRUE(icon);
    EXPECT_EQ(PictureSize(icon), QSize(64, 64));
    EXPECT_TRUE(QFile::exists(user + QStringLiteral("/DefIcon.bmp")));
    EXPECT_TRUE(messages.records.empty());

    // A file beside the program wins over the user's copy.
    const QString folder = dir.file("bin");
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage own(3, 3, QImage::Format_RGB32);
    own.fill(Blue);
    ASSERT_TRUE(own.save(folder + QStringLiteral("/DefIcon.bmp"), "bmp"));
    EXPECT_EQ(PictureSize(LoadDefaultIcon(folder, user)), QSize(3, 3));
    // Nowhere to write: no picture (the layer add then fails).
    EXPECT_EQ(LoadDefaultIcon(program, QString()), nullptr);
}

TEST(SaveBitmapImage, EncodesJpegAndBmpOrFailsWithMessage)
{
    TempDir dir;
    QImage image = Quadrants(16, 16);
    ScriptedMessages messages;
    ASSERT_TRUE(SaveBitmapImage(image, 8, 8, dir.file("a.bmp"), QStringLiteral("BMP")));
    const QImage bmp(dir.file("a.bmp"));
    EXPECT_EQ(bmp.size(), QSize(8, 8));
    EXPECT_EQ(bmp.pixel(0, 0), Red); // exact colours
    ASSERT_TRUE(SaveBitmapImage(image, 16, 16, dir.file("a.jpeg"), QStringLiteral("jpeg")));
    const QImage jpeg(dir.file("a.jpeg"));
    EXPECT_LE(qAbs(qRed(jpeg.pixel(2, 2)) - 255) + qGreen(jpeg.pixel(2, 2)), 6); // quality 100
    EXPECT_TRUE(messages.records.empty());

    EXPECT_FALSE(SaveBitmapImage(image, 8, 8, dir.file("a.xyz"), QStringLiteral("xyz")));
    EXPECT_FALSE(SaveBitmapImage(image, 8, 8, dir.file("no/folder/a.bmp"), QStringLiteral("bmp")));
    EXPECT_EQ(messages.ids(), (std::vector<int>{30001, 30001}));
}

TEST(FindEncoder, MatchesMimeTypeExactly)
{
    EXPECT_EQ(FindEncoder(QStringLiteral("image/jpeg")), QByteArray("jpeg"));
    EXPECT_EQ(FindEncoder(QStringLiteral("image/bmp")), QByteArray("bmp"));
    EXPECT_FALSE(FindEncoder(QStringLiteral("image/JPEG")));
    EXPECT_FALSE(FindEncoder(QStringLiteral("image/xyz")));
}

TEST(CreateSlipFont, FaceWeightAndPixelHeight)
{
    const QFont plain = CreateSlipFont(QString(), false, 12, 96);
    EXPECT_EQ(plain.family(), QStringLiteral("Meiryo UI"));
    EXPECT_EQ(plain.weight(), QFont::Normal);
    EXPECT_EQ(plain.pixelSize(), 16);
    const QFont bold = CreateSlipFont(QStringLiteral("IPAGothic"), true, 9, 120);
    EXPECT_EQ(bold.family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(bold.weight(), QFont::Bold);
    EXPECT_EQ(bold.pixelSize(), 15);

    // Japanese slip text gets real glyphs (not boxes) where the face is not
    // installed: font matching falls back to an installed Japanese font.
    QTextLayout layout(QStringLiteral("付箋"), CreateSlipFont(QString(), false, 12, 96));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_FALSE(runs.isEmpty());
    for (const QGlyphRun& run : runs) {
        for (quint32 glyph : run.glyphIndexes())
            EXPECT_NE(glyph, 0u) << run.rawFont().familyName().toStdString();
    }
}
