// Pages written as a PDF: how many, how large, and which piece of the map
// each one carries, read back by rasterising them.
#include "PrintFixtures.h"
#include "print/PaperCodes.h"
#include "print/PrintPages.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QPdfDocument>
#include <gtest/gtest.h>

namespace tavelin
{
namespace
{

using test::Near;
using test::PageColour;

TEST(PrintPdf, GridPagesOnTheChosenPaper)
{
    test::TempDir dir;
    const QPageLayout layout = PdfPageLayout(PaperSizeForCode(9), QPageLayout::Portrait);
    const PrinterGeometry sheet = PdfGeometry(layout);
    ASSERT_EQ(sheet.dpi, PdfResolution);
    const PageMargins margins{25, 10, 25, 10};
    // 3 x 2 pages, the last column and row half cut.
    const PagePlan probe(sheet, QSize(1, 1), 96, margins, false);
    const QSize tile = probe.tileSize();
    const QImage map = test::PagedMap(tile, 3, 2, QSize(tile.width() / 2, tile.height() / 2));
    const PagePlan plan(sheet, map.size(), 96, margins, false);
    ASSERT_EQ(plan.columns(), 3);
    ASSERT_EQ(plan.rows(), 2);

    struct Case {
        PageSpan span;
        int pages;
    } cases[] = {{{1, 6}, 6}, {{2, 4}, 3}, {{5, 5}, 1}};
    for (const Case& c : cases) {
        const QString path = dir.file(QStringLiteral("grid.pdf"));
        ASSERT_EQ(WritePdfPages(path, layout, QStringLiteral("Tavelin"), map, plan, c.span),
                  PdfResult::Written);
        QPdfDocument doc;
        ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
        ASSERT_EQ(doc.pageCount(), c.pages);
        for (int i = 0; i < c.pages; ++i) {
            const int page = c.span.first + i;
            EXPECT_NEAR(doc.pagePointSize(i).width(), 595.3, 1.0);
            EXPECT_NEAR(doc.pagePointSize(i).height(), 841.9, 1.0);
            // At 72 dpi: 25 mm margins are 70 points; a little inside them
            // is the page's piece of the map, its top-left is the paper.
            const QImage shot = test::RenderPdfPage(doc, i, 72);
            EXPECT_TRUE(Near(shot.pixel(80, 80), PageColour(page))) << "page " << page;
            EXPECT_TRUE(Near(shot.pixel(60, 60), qRgb(255, 255, 255))) << "page " << page;
        }
        QFile::remove(path);
    }
}

TEST(PrintPdf, OnePageLandscapeAndRefusals)
{
    test::TempDir dir;
    const QPageLayout layout = PdfPageLayout(PaperSizeForCode(8), QPageLayout::Landscape);
    const QImage map = test::PagedMap(QSize(1000, 800), 2, 2);
    const PagePlan plan(PdfGeometry(layout), map.size(), 96, PageMargins{10, 10, 10, 10}, true);
    const QString path = dir.file(QStringLiteral("one.pdf"));
    ASSERT_EQ(WritePdfPages(path, layout, QStringLiteral("Tavelin"), map, plan, {1, 1}),
              PdfResult::Written);
    QPdfDocument doc;
    ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_NEAR(doc.pagePointSize(0).width(), 1190.6, 1.0) << "A3 landscape";
    EXPECT_NEAR(doc.pagePointSize(0).height(), 841.9, 1.0);
    // The whole map on the one page: all four quarters show.
    const QImage shot = test::RenderPdfPage(doc, 0, 36);
    const QRect target = plan.tile(1).target;
    const auto at = [&](double fx, double fy) {
        return shot.pixel(int((target.left() + target.width() * fx) * 36 / PdfResolution),
                          int((target.top() + target.height() * fy) * 36 / PdfResolution));
    };
    EXPECT_TRUE(Near(at(0.25, 0.25), PageColour(1)));
    EXPECT_TRUE(Near(at(0.75, 0.25), PageColour(2)));
    EXPECT_TRUE(Near(at(0.25, 0.75), PageColour(3)));
    EXPECT_TRUE(Near(at(0.75, 0.75), PageColour(4)));

    // A file that cannot be written, and pages outside the plan, leave what
    // was there.
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_EQ(WritePdfPages(path, layout, {}, map, plan, {1, 2}), PdfResult::NotPrintable);
    EXPECT_EQ(WritePdfPages(dir.path(), layout, {}, map, plan, {1, 1}), PdfResult::NotWritten);
    EXPECT_EQ(WritePdfPages(dir.file(QStringLiteral("no/such/folder/x.pdf")), layout, {}, map, plan,
                            {1, 1}),
              PdfResult::NotWritten);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

} // namespace
} // namespace tavelin
