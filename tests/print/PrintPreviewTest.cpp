// The preview: the sheet's place in the area, the page's piece of the map
// on it, the shadow and the margin lines.
#include "print/PrintPreview.h"
#include "PrintFixtures.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace tavelin
{
namespace
{

using test::Near;
using test::PageColour;

TEST(PrintPreview, SheetKeepsThePaperProportionsCentred)
{
    struct Case {
        QSize area;
        QSizeF paper;
        QRect sheet;
    } cases[] = {
        // Portrait A4 in a wide area: the height decides (452 / 1.414 = 319).
        {{628, 480}, {210, 297}, QRect(154, 14, 319, 452)},
        // Portrait in a tall narrow area: the width decides (300 x 424).
        {{328, 900}, {210, 297}, QRect(14, 238, 300, 424)},
        // Landscape in a wide area: the height decides (452 x 1.414 = 639 > 600: width).
        {{628, 480}, {297, 210}, QRect(14, 28, 600, 424)},
        // Landscape in a tall area.
        {{628, 1000}, {297, 210}, QRect(14, 288, 600, 424)},
        {{20, 20}, {210, 297}, QRect()}, // no room
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintPreview::SheetRect(c.area, c.paper), c.sheet)
            << c.area.width() << "x" << c.area.height();
}

// A 4800 x 6000 sheet at 600 dpi, map at 100 dpi: pages of 800 x 1000 map
// pixels; the map is 2 x 2 pages, the right column and the bottom row cut.
struct PreviewFixture : ::testing::Test {
    PrinterGeometry sheet{QSize(4800, 6000), 600, {}};
    QImage map = test::PagedMap(QSize(800, 1000), 2, 2, QSize(400, 500));
    PagePlan plan{sheet, map.size(), 100, PageMargins{0, 0, 0, 0}, false};
    QSize area{428, 600}; // the sheet: 400 x 500, a twelfth of the paper's pixels
};

TEST_F(PreviewFixture, EachPageShowsItsOwnPieceOfTheMapScaledToTheSheet)
{
    ASSERT_EQ(plan.pageCount(), 4);
    PrintPreview preview;
    for (int page = 1; page <= 4; ++page) {
        preview.Lay(plan, map, page, area);
        ASSERT_EQ(preview.sheet(), QRect(14, 50, 400, 500));
        const QRect expected =
            QRect(14, 50, page % 2 ? 400 : 200, page <= 2 ? 500 : 250); // cut pages are narrower
        EXPECT_EQ(preview.tileRect(), expected) << page;
        ASSERT_EQ(preview.tileImage().size(), expected.size());
        EXPECT_TRUE(Near(preview.tileImage().pixel(expected.width() / 2, expected.height() / 2),
                         PageColour(page)))
            << page;
    }
}

TEST_F(PreviewFixture, PaintsShadowSheetPieceAndMarginLines)
{
    const PagePlan withMargins(sheet, map.size(), 100, PageMargins{20, 20, 30, 30}, false);
    PrintPreview preview;
    preview.Lay(withMargins, map, 1, area);
    preview.setShowMargins(true);
    QImage shot(area, QImage::Format_RGB32);
    shot.fill(Qt::black);
    {
        QPainter p(&shot);
        preview.Paint(p);
    }
    const QRect sheetRect = preview.sheet();
    const QRect printable = preview.printableArea();
    // 20 mm = 472 of 4800 pixels, 30 mm = 708 of 6000; each edge truncated
    // to sheet pixels on its own (4328 / 12 = 360, 5292 / 12 = 441).
    EXPECT_EQ(printable, QRect(14 + 39, 50 + 59, 360 - 39, 441 - 59));
    EXPECT_EQ(shot.pixel(2, 2), qRgb(255, 255, 255)) << "area";
    EXPECT_EQ(shot.pixel(sheetRect.right() + 3, sheetRect.bottom() + 3), qRgb(128, 128, 128))
        << "shadow";
    EXPECT_EQ(shot.pixel(sheetRect.left(), sheetRect.center().y()), qRgb(192, 192, 192))
        << "outline";
    EXPECT_EQ(shot.pixel(sheetRect.left() + 5, sheetRect.top() + 20), qRgb(255, 255, 255))
        << "paper in the margin";
    EXPECT_TRUE(Near(shot.pixel(printable.left() + 20, printable.top() + 20), PageColour(1)))
        << "the page's piece of the map";
    // The dotted lines run across the whole sheet: every other pixel red.
    int red = 0;
    for (int x = sheetRect.left(); x < sheetRect.left() + 20; ++x)
        red += shot.pixel(x, printable.top()) == qRgb(255, 0, 0);
    EXPECT_EQ(red, 10) << "top margin line";
    red = 0;
    for (int y = sheetRect.top(); y < sheetRect.top() + 20; ++y)
        red += shot.pixel(printable.left() + printable.width(), y) == qRgb(255, 0, 0);
    EXPECT_EQ(red, 10) << "right margin line";

    preview.setShowMargins(false);
    {
        QPainter p(&shot);
        preview.Paint(p);
    }
    EXPECT_EQ(shot.pixel(sheetRect.left() + 2, printable.top()), qRgb(255, 255, 255));
}

} // namespace
} // namespace tavelin
