// tavelin-tool print, run as a user would: the pages, their paper, and the
// first page compared with the scene DrawScene draws, map pixel by pixel.
#include "PrintFixtures.h"
#include "document/DocumentFile.h"
#include "mapview/DrawScene.h"
#include "model/RouteModel.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
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
    p.start(QStringLiteral(TAVELIN_TOOL_PATH), QStringList{QStringLiteral("print")} + args);
    p.waitForFinished(120000);
    return {p.exitCode(), p.readAllStandardError()};
}

QByteArray Jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

// A 900 x 1300 map with detail, a route with icons and a text slip near the
// top-left corner: 2 x 2 pages of A4 at 100 dpi.
QString SaveSceneDocument(const QString& path)
{
    RouteModel model;
    model.Allocate();
    model.Clear();
    DocHeader& h = model.header;
    h.zoom = 3.0f; // printing is always at 100 %
    h.hasMap = 1;
    h.mapWidth = 900;
    h.mapHeight = 1300;
    h.northLat = 35.7f, h.southLat = 35.6f, h.westLon = 139.6f, h.eastLon = 139.8f;
    QImage map(900, 1300, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            map.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, ((x + y) * 3) & 255));
    model.mapPicture = std::make_shared<Picture>(Jpeg(map));
    LayerRec& l = model.layers[model.layerCount++];
    std::memset(&l, 0, sizeof l);
    l.visible = 1;
    l.arcWidth = 3;
    l.arcColour = 0x0000FF;
    l.anchorWidth = 1;
    l.hasIcon = 1;
    l.iconSize = 16;
    l.iconTransparentColour = 0xFFFFFFFFu;
    QImage icon(IconCell, IconCell, QImage::Format_RGB32);
    icon.fill(qRgb(250, 200, 0));
    QByteArray iconBytes;
    QBuffer ib(&iconBytes);
    ib.open(QIODevice::WriteOnly);
    icon.save(&ib, "BMP");
    (*model.iconPictures)[0] = std::make_shared<Picture>(iconBytes);
    SlipRec& s = model.slips[model.slipCount++];
    std::memset(&s, 0, sizeof s);
    s.left = 200, s.top = 60, s.right = 360, s.bottom = 140;
    std::strcpy(s.text, "Tavelin print");
    s.imageTransparentColour = -1;
    s.style.fontSize = 10;
    s.style.backColour = 0xFFFFFF;
    s.style.borderWidth = 1;
    s.style.margin = 3;
    const QPoint route[] = {{40, 40}, {180, 300}, {420, 250}, {640, 700}, {850, 1250}};
    for (const QPoint& p : route) {
        NodeRec& n = model.nodes[model.nodeCount++];
        std::memset(&n, 0, sizeof n);
        n.x = p.x();
        n.y = p.y();
        n.noteSlip = model.nodeCount == 2 ? 0 : -1;
    }
    return SaveDocument(path, model) ? path : QString();
}

// The whole scene at 1:1 as the editor draws it before printing.
QImage Scene(const QString& document, int dpi)
{
    RouteModel model;
    if (OpenDocument(document, model) != OpenResult::Opened)
        return {};
    QImage background;
    BuildBackground(model, background, dpi);
    SceneState state;
    state.background = &background;
    return RenderWholeMap(model, state, dpi);
}

TEST(ToolPrint, FirstPageHoldsTheSceneAtItsNaturalSize)
{
    test::TempDir dir;
    const QString doc = SaveSceneDocument(dir.file(QStringLiteral("scene.tvn")));
    ASSERT_FALSE(doc.isEmpty());
    const QString out = dir.file(QStringLiteral("scene.pdf"));
    // At 100 dpi a map pixel is 6 x 6 pixels of a 600 dpi page.
    const ToolRun run = Tool({doc, out, QStringLiteral("--dpi"), QStringLiteral("100")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(out), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 4);
    EXPECT_NEAR(pdf.pagePointSize(0).width(), 595.3, 1.0);
    EXPECT_NEAR(pdf.pagePointSize(0).height(), 841.9, 1.0);

    const QImage scene = Scene(doc, 100);
    ASSERT_EQ(scene.size(), QSize(900, 1300));
    // The PDF's A4 is 595 x 842 points, 4958 x 7017 pixels; less the
    // margins of 25 + 10 mm (590 + 236 pixels) the top-left page holds
    // 4132 / 6 = 688 and 6191 / 6 = 1031 map pixels, from (590, 590).
    const QSize tile(688, 1031);
    const int origin = 590;
    const QRect clip(origin, origin, tile.width() * 6 + 12, tile.height() * 6 + 12);
    const QImage page = test::RenderPdfPage(pdf, 0, 600, clip);
    ASSERT_EQ(page.size(), clip.size());

    int differing = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            differing += page.pixel(x * 6 + 3, y * 6 + 3) != scene.pixel(x, y);
    EXPECT_EQ(differing, 0) << "map pixels printed differently from the scene";
    // Past the tile the paper is blank: the next column goes on page 2.
    EXPECT_EQ(page.pixel(tile.width() * 6 + 6, 100), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(100, tile.height() * 6 + 6), qRgb(255, 255, 255));
}

TEST(ToolPrint, ChoicesAndRefusals)
{
    test::TempDir dir;
    const QString doc = SaveSceneDocument(dir.file(QStringLiteral("scene.tvn")));
    ASSERT_FALSE(doc.isEmpty());
    const QString out = dir.file(QStringLiteral("out.pdf"));
    struct Case {
        QStringList options;
        int pages;
        QSizeF points; // zero: refused
    } cases[] = {
        {{}, 4, {595.3, 841.9}}, // 96 dpi: 661 x 990 map pixels a page
        {{QStringLiteral("--pages"), QStringLiteral("2-99")}, 3, {595.3, 841.9}},
        {{QStringLiteral("--one-page"), QStringLiteral("--paper"), QStringLiteral("8"),
          QStringLiteral("--landscape")},
         1,
         {1190.6, 841.9}},
        {{QStringLiteral("--margins"), QStringLiteral("0,0,0,0"), QStringLiteral("--dpi"),
          QStringLiteral("200")},
         1,
         {595.3, 841.9}},
        {{QStringLiteral("--paper"), QStringLiteral("1")}, 4, {612, 792}},
        {{QStringLiteral("--margins"), QStringLiteral("60,10,25,10")}, 0, {}},
        {{QStringLiteral("--margins"), QStringLiteral("25,10,25")}, 0, {}},
        {{QStringLiteral("--pages"), QStringLiteral("3-2")}, 0, {}},
        {{QStringLiteral("--pages"), QStringLiteral("0-2")}, 0, {}},
        {{QStringLiteral("--paper"), QStringLiteral("999")}, 0, {}},
        {{QStringLiteral("--dpi"), QStringLiteral("0")}, 0, {}},
        {{QStringLiteral("--colour")}, 0, {}},
    };
    for (const Case& c : cases) {
        QFile::remove(out);
        const ToolRun run = Tool(QStringList{doc, out} + c.options);
        const QString name = c.options.join(QLatin1Char(' '));
        if (c.pages == 0) {
            EXPECT_EQ(run.exitCode, 1) << name.toStdString();
            EXPECT_TRUE(run.err.contains("usage")) << name.toStdString();
            EXPECT_FALSE(QFile::exists(out)) << name.toStdString();
            continue;
        }
        ASSERT_EQ(run.exitCode, 0) << name.toStdString() << run.err.toStdString();
        QPdfDocument pdf;
        ASSERT_EQ(pdf.load(out), QPdfDocument::Error::None) << name.toStdString();
        EXPECT_EQ(pdf.pageCount(), c.pages) << name.toStdString();
        EXPECT_NEAR(pdf.pagePointSize(0).width(), c.points.width(), 1.0) << name.toStdString();
        EXPECT_NEAR(pdf.pagePointSize(0).height(), c.points.height(), 1.0) << name.toStdString();
    }
}

TEST(ToolPrint, DocumentsThatCannotBePrinted)
{
    test::TempDir dir;
    RouteModel model;
    model.Allocate();
    model.Clear();
    const QString noMap = dir.file(QStringLiteral("nomap.tvn"));
    ASSERT_TRUE(SaveDocument(noMap, model));
    const QString out = dir.file(QStringLiteral("out.pdf"));
    ToolRun run = Tool({noMap, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("30046")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    run = Tool({dir.file(QStringLiteral("missing.tvn")), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));

    const QString doc = SaveSceneDocument(dir.file(QStringLiteral("scene.tvn")));
    run = Tool({doc, dir.file(QStringLiteral("no/folder/out.pdf"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("30018")) << run.err.toStdString();
}

} // namespace
} // namespace tavelin
