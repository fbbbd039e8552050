// The page grid, the tiles of each page, one-page mode, margins and the
// pages a print run covers.
#include "print/PagePlan.h"

#include <gtest/gtest.h>

namespace tavelin
{
namespace
{

// A sheet of 4800 x 6000 printer pixels at 600 dpi (203.2 x 254 mm). With
// the map measured at 100 dpi one map pixel is 6 printer pixels, and with
// no margins a full page holds 800 x 1000 map pixels.
PrinterGeometry Sheet(QPoint offset = {})
{
    return {QSize(4800, 6000), 600, offset};
}
constexpr int ScreenDpi = 100;
const PageMargins NoMargins{0, 0, 0, 0};

TEST(PagePlan, GridCountsOnlyPagesTheMapReaches)
{
    struct Case {
        QSize map;
        int columns, rows;
        int lastStripWidth; // map pixels on the last page of the first row
    } cases[] = {
        {{799, 999}, 1, 1, 799},   // a little narrower than a page
        {{800, 1000}, 1, 1, 800},  // exactly one page: no empty page after it
        {{801, 1001}, 2, 2, 1},    // a little wider: the second page is a strip
        {{1600, 3000}, 2, 3, 800}, // exact multiples
        {{1700, 3001}, 3, 4, 100}, {{1, 1}, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const PagePlan plan(Sheet(), c.map, ScreenDpi, NoMargins, false);
        ASSERT_TRUE(plan.isPrintable());
        EXPECT_EQ(plan.tileSize(), QSize(800, 1000));
        EXPECT_EQ(plan.columns(), c.columns) << c.map.width();
        EXPECT_EQ(plan.rows(), c.rows) << c.map.height();
        const PagePlan::Tile last = plan.tile(plan.columns());
        EXPECT_EQ(last.source.width(), c.lastStripWidth) << c.map.width();
        EXPECT_EQ(last.source.right(), c.map.width() - 1) << "the strip ends at the map's edge";
        // Every page holds some of the map.
        for (int p = 1; p <= plan.pageCount(); ++p)
            EXPECT_FALSE(plan.tile(p).source.isEmpty()) << c.map.width() << " page " << p;
    }
}

TEST(PagePlan, PagesGoRowByRowAndTheCutPagesKeepTheScale)
{
    // 2 x 2 pages; the second column and row hold 200 and 300 map pixels.
    const PagePlan plan(Sheet(), QSize(1000, 1300), ScreenDpi, NoMargins, false);
    ASSERT_EQ(plan.columns(), 2);
    ASSERT_EQ(plan.rows(), 2);
    struct Case {
        int page;
        QRect source;
        QSize target;
    } cases[] = {
        {1, QRect(0, 0, 800, 1000), QSize(4800, 6000)},
        {2, QRect(800, 0, 200, 1000), QSize(1200, 6000)}, // upper right
        {3, QRect(0, 1000, 800, 300), QSize(4800, 1800)}, // lower left
        {4, QRect(800, 1000, 200, 300), QSize(1200, 1800)},
    };
    for (const Case& c : cases) {
        const PagePlan::Tile t = plan.tile(c.page);
        EXPECT_EQ(t.source, c.source) << c.page;
        EXPECT_EQ(t.target, QRect(QPoint(0, 0), c.target)) << c.page;
    }
    EXPECT_TRUE(plan.tile(0).source.isEmpty());
    EXPECT_TRUE(plan.tile(5).source.isEmpty());
}

TEST(PagePlan, MarginsAreTruncatedPrinterPixelsFromThePaperEdges)
{
    // 25 mm at 600 dpi is 590.55 pixels, 10 mm 236.22.
    const PagePlan plan(Sheet(), QSize(3000, 3000), ScreenDpi, PageMargins{25, 10, 25, 10}, false);
    EXPECT_EQ(plan.printableArea(), QRect(590, 590, 4800 - 590 - 236, 6000 - 590 - 236));
    EXPECT_EQ(plan.tileSize(), QSize((4800 - 826) / 6, (6000 - 826) / 6));
    EXPECT_EQ(plan.tile(2).target.topLeft(), QPoint(590, 590));
    // Screen at 96 dpi: 6.25 printer pixels per map pixel.
    const PagePlan at96(Sheet(), QSize(3000, 3000), 96, NoMargins, false);
    EXPECT_EQ(at96.tileSize(), QSize(768, 960));
}

TEST(PagePlan, OnePageScalesTheWholeMapIntoThePrintableAreaTopLeft)
{
    const PageMargins margins{10, 10, 20, 20}; // 236 and 472 pixels
    struct Case {
        QSize map;
        QSize target;
    } cases[] = {
        {{4328, 1000}, {4328, 1000}}, // wide: fills the width (scale 1)
        {{2164, 500}, {4328, 1000}},  // small maps grow to fit as well
        {{1000, 10112}, {500, 5056}}, // tall: fills the height (scale 0.5)
    };
    for (const Case& c : cases) {
        const PagePlan plan(Sheet(), c.map, ScreenDpi, margins, true);
        ASSERT_TRUE(plan.isPrintable());
        EXPECT_EQ(plan.columns(), 1);
        EXPECT_EQ(plan.rows(), 1);
        const PagePlan::Tile t = plan.tile(1);
        EXPECT_EQ(t.source, QRect(QPoint(0, 0), c.map));
        EXPECT_EQ(t.target, QRect(QPoint(236, 472), c.target)) << c.map.width();
        EXPECT_TRUE(plan.printableArea().contains(t.target));
    }
}

TEST(PagePlan, NothingToPrintWithoutRoomOrMap)
{
    // 50 + 50 mm on a sheet 90 mm wide.
    const PrinterGeometry narrow{QSize(2126, 6000), 600, {}};
    for (bool onePage : {false, true}) {
        const PagePlan plan(narrow, QSize(500, 500), ScreenDpi, PageMargins{50, 50, 10, 10},
                            onePage);
        EXPECT_FALSE(plan.isPrintable());
        EXPECT_EQ(plan.pageCount(), 1) << "the dialog still has one page to show";
        EXPECT_TRUE(plan.tile(1).source.isEmpty());
    }
    EXPECT_FALSE(PagePlan(Sheet(), QSize(0, 0), ScreenDpi, NoMargins, false).isPrintable());
    EXPECT_FALSE(
        PagePlan(PrinterGeometry{}, QSize(10, 10), ScreenDpi, NoMargins, false).isPrintable());
}

TEST(PagePlan, MinimumMarginsAndPaperInMillimetres)
{
    // 100 and 200 pixels of unprintable edge at 600 dpi: 4.23 and 8.47 mm.
    const PrinterGeometry g = Sheet(QPoint(100, 200));
    EXPECT_EQ(MinimumMarginAcross(g), 4);
    EXPECT_EQ(MinimumMarginDown(g), 8);
    EXPECT_FLOAT_EQ(PaperMillimetres(g).width(), 203.2f);
    EXPECT_FLOAT_EQ(PaperMillimetres(g).height(), 254.0f);
    struct Case {
        int typed, minimum, kept;
    } cases[] = {{60, 4, 50}, {0, 4, 4}, {4, 4, 4}, {50, 4, 50}, {12, 0, 12}, {-3, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampMargin(c.typed, c.minimum), c.kept) << c.typed;
}

TEST(PagePlan, PagesPrintedForEachRangeKind)
{
    struct Case {
        PageRangeKind kind;
        int current;
        PageSpan range;
        int first, last;
    } cases[] = {
        // All pages start at page 1 whichever page the preview shows.
        {PageRangeKind::All, 3, {2, 2}, 1, 6},     {PageRangeKind::All, 1, {2, 2}, 1, 6},
        {PageRangeKind::Current, 4, {1, 6}, 4, 4}, {PageRangeKind::Range, 1, {2, 5}, 2, 5},
        {PageRangeKind::Range, 1, {2, 99}, 2, 6}, // the end is cut to the grid
        {PageRangeKind::Range, 1, {9, 12}, 6, 6}, // a start past the end becomes the end
        {PageRangeKind::Range, 1, {0, 0}, 1, 1},
    };
    for (const Case& c : cases) {
        const PageSpan s = PagesToPrint(c.kind, c.current, c.range, 6);
        EXPECT_EQ(s.first, c.first) << int(c.kind) << " " << c.range.first << "-" << c.range.last;
        EXPECT_EQ(s.last, c.last) << int(c.kind) << " " << c.range.first << "-" << c.range.last;
    }
}

} // namespace
} // namespace tavelin
