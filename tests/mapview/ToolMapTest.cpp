// tavelin-tool new and render, run as the user would.
#include "document/DocumentFile.h"
#include "geo/Geodesy.h"
#include "model/RouteModel.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <cstring>
#include <gtest/gtest.h>

namespace tavelin
{
namespace
{

struct ToolRun {
    int exitCode;
    QByteArray err;
};

ToolRun Tool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(TAVELIN_TOOL_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardError()};
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool Near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
           std::abs(qBlue(a) - qBlue(b)) < 40;
}

TEST(ToolMap, NewKeepsAJpegAndReencodesOtherKinds)
{
    test::TempDir dir;
    const QImage map = Solid(320, 240, qRgb(200, 220, 180));
    const QString jpeg = dir.file(QStringLiteral("map.jpeg"));
    const QString png = dir.file(QStringLiteral("map.png"));
    ASSERT_TRUE(map.save(jpeg, "JPEG"));
    ASSERT_TRUE(map.save(png, "PNG"));
    const QStringList edges = {QStringLiteral("--north"), QStringLiteral("35.7"),
                               QStringLiteral("--south"), QStringLiteral("35.6"),
                               QStringLiteral("--west"),  QStringLiteral("139.6"),
                               QStringLiteral("--east"),  QStringLiteral("139.8")};

    for (const QString& source : {jpeg, png}) {
        const QString doc = dir.file(QStringLiteral("new.tvn"));
        const ToolRun run =
            Tool(QStringList{QStringLiteral("new"), doc, QStringLiteral("--map"), source} + edges);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        RouteModel model;
        ASSERT_EQ(OpenDocument(doc, model), OpenResult::Opened);
        EXPECT_EQ(model.header.hasMap, 1);
        EXPECT_EQ(model.header.mapWidth, 320);
        EXPECT_EQ(model.header.mapHeight, 240);
        EXPECT_EQ(model.header.northLat, 35.7f);
        EXPECT_EQ(model.header.mapWidthMetres, GroundWidthFromEdges(35.7f, 35.6f, 139.6f, 139.8f));
        EXPECT_EQ(model.header.mapHeightMetres,
                  GroundHeightFromEdges(35.7f, 35.6f, 139.6f, 139.8f));
        EXPECT_EQ(model.layerCount, 1);
        ASSERT_TRUE(model.mapPicture);
        EXPECT_TRUE(model.mapPicture->bytes().startsWith("\xFF\xD8")) << "stored as JPEG";
        if (source == jpeg) {
            QFile file(jpeg);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(model.mapPicture->bytes(), file.readAll()) << "a JPEG is kept as it is";
        }
        QFile::remove(doc);
    }
}

TEST(ToolMap, NewRefusesWithTheMessage)
{
    test::TempDir dir;
    const QString png = dir.file(QStringLiteral("map.png"));
    ASSERT_TRUE(Solid(50, 50, qRgb(1, 2, 3)).save(png, "PNG"));
    QFile::copy(png, dir.file(QStringLiteral("map.xyz")));
    QFile broken(dir.file(QStringLiteral("broken.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    const QString doc = dir.file(QStringLiteral("x.tvn"));
    struct Case {
        QString map;
        QString north;
        const char* id;
    } cases[] = {
        {png, QStringLiteral("0"), "30042"},
        {png, QStringLiteral("35.6"), "30045"}, // north = south: no ground height
        {dir.file(QStringLiteral("map.xyz")), QStringLiteral("35.7"), "30056"},
        {broken.fileName(), QStringLiteral("35.7"), "30046"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(
            {QStringLiteral("new"), doc, QStringLiteral("--map"), c.map, QStringLiteral("--north"),
             c.north, QStringLiteral("--south"), QStringLiteral("35.6"), QStringLiteral("--west"),
             QStringLiteral("139.6"), QStringLiteral("--east"), QStringLiteral("139.8")});
        EXPECT_EQ(run.exitCode, 1) << c.id;
        EXPECT_TRUE(run.err.contains(c.id)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(doc)) << c.id;
    }
    EXPECT_EQ(Tool({QStringLiteral("new"), doc, QStringLiteral("--map")}).exitCode, 1);
}

// A document with a map, three layers with icons, a text slip and an image
// slip, rendered by the tool.
TEST(ToolMap, RenderWritesTheWholeMapWithEverythingOnIt)
{
    test::TempDir dir;
    RouteModel model;
    ASSERT_TRUE(model.Allocate());
    model.Clear();
    DocHeader& h = model.header;
    h.zoom = 4.0f; // the image is always at 100 %
    h.hasMap = 1;
    h.mapWidth = 300;
    h.mapHeight = 200;
    h.northLat = 35.7f;
    h.southLat = 35.6f;
    h.westLon = 139.6f;
    h.eastLon = 139.8f;
    model.mapPicture =
        std::make_shared<Picture>(Encoded(Solid(300, 200, qRgb(60, 160, 60)), "JPEG"));
    const QRgb iconColours[3] = {qRgb(230, 20, 20), qRgb(20, 20, 230), qRgb(230, 230, 20)};
    for (int i = 0; i < 3; ++i) {
        LayerRec& l = model.layers[i];
        std::memset(&l, 0, sizeof l);
        l.visible = 1;
        l.arcWidth = 2;
        l.arcColour = 0x000000;
        l.anchorWidth = 1;
        l.hasIcon = 1;
        l.iconSize = 16;
        l.iconTransparentColour = 0xFFFFFFFFu;
        (*model.iconPictures)[i] =
            std::make_shared<Picture>(Encoded(Solid(IconCell, IconCell, iconColours[i]), "BMP"));
        model.layerCount++;
    }
    auto node = [&](int layer, int x, int y, int slip = -1) {
        NodeRec& n = model.nodes[model.nodeCount++];
        std::memset(&n, 0, sizeof n);
        n.layer = std::uint16_t(layer);
        n.x = x;
        n.y = y;
        n.noteSlip = slip;
    };
    auto slip = [&](int left, int top, int right, int bottom) {
        SlipRec& s = model.slips[model.slipCount++];
        std::memset(&s, 0, sizeof s);
        s.left = left, s.top = top, s.right = right, s.bottom = bottom;
        std::strcpy(s.text, "Tavelin");
        s.imageTransparentColour = -1;
        s.style.fontSize = 9;
        s.style.backColour = 0xFFFFFF;
        s.style.borderWidth = 1;
        s.style.squareCorners = 1;
        return model.slipCount - 1;
    };
    const int text = slip(150, 20, 250, 70);
    const int image = slip(150, 120, 250, 170);
    model.slips[image].hasImage = 1;
    (*model.slipPictures)[image] =
        std::make_shared<Picture>(Encoded(Solid(50, 25, qRgb(250, 150, 0)), "JPEG"));
    node(0, 30, 30, text);
    node(0, 60, 30);
    node(1, 30, 100);
    node(1, 60, 100, image);
    node(2, 30, 170);
    const QString doc = dir.file(QStringLiteral("scene.tvn"));
    ASSERT_TRUE(SaveDocument(doc, model));

    const QString out = dir.file(QStringLiteral("scene.jpeg"));
    const ToolRun run = Tool({QStringLiteral("render"), doc, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage shot(out);
    ASSERT_EQ(shot.size(), QSize(300, 200));
    EXPECT_TRUE(Near(shot.pixel(100, 100), qRgb(60, 160, 60))) << "map";
    EXPECT_TRUE(Near(shot.pixel(30, 30), iconColours[0])) << "layer 1 icon";
    EXPECT_TRUE(Near(shot.pixel(60, 100), iconColours[1])) << "layer 2 icon";
    EXPECT_TRUE(Near(shot.pixel(30, 170), iconColours[2])) << "layer 3 icon";
    EXPECT_TRUE(Near(shot.pixel(45, 30), qRgb(0, 0, 0))) << "arc";
    EXPECT_TRUE(Near(shot.pixel(240, 60), qRgb(255, 255, 255))) << "text slip";
    EXPECT_TRUE(Near(shot.pixel(200, 130), qRgb(250, 150, 0))) << "image slip";

    EXPECT_EQ(
        Tool({QStringLiteral("render"), dir.file(QStringLiteral("missing.tvn")), out}).exitCode, 1);
}

} // namespace
} // namespace tavelin
