#pragma once
// The page arithmetic of printing, apart from any printer: the map measured
// at the screen's pixels per inch is laid over a grid of pages at its
// natural size (one map pixel as large on paper as a screen pixel on the
// screen), or shrunk onto one page. The print dialog's preview, the printer
// and the PDF output all take their pages from one PagePlan.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace tavelin
{

// What a printer tells about its sheet, in its own pixels.
struct PrinterGeometry {
    QSize paperPixels;   // the whole sheet
    int dpi = 0;         // printer pixels per inch
    QPoint offsetPixels; // where the printable area begins (the unprintable edge)

    bool isValid() const { return dpi > 0 && paperPixels.width() > 0 && paperPixels.height() > 0; }
};

// Page margins in whole millimetres, measured from the paper's edges.
struct PageMargins {
    int left = 25;
    int right = 10;
    int top = 25;
    int bottom = 10;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

constexpr int MaximumMarginMm = 50;

// The printer's unprintable edges in whole mm (truncated): the smallest
// margins across (left, right) and down (top, bottom).
int MinimumMarginAcross(const PrinterGeometry& printer);
int MinimumMarginDown(const PrinterGeometry& printer);
// The sheet in mm.
QSizeF PaperMillimetres(const PrinterGeometry& printer);
// Millimetres in pixels at `dpi`, truncated.
int MillimetresToPixels(int mm, int dpi);
// A margin kept between the printer's minimum and MaximumMarginMm.
int ClampMargin(int mm, int minimum);

class PagePlan
{
public:
    // A piece of the map and where it lands on the sheet (printer pixels
    // from the paper's top-left corner).
    struct Tile {
        QRect source; // map pixels
        QRect target; // printer pixels
    };

    PagePlan() = default;
    PagePlan(const PrinterGeometry& printer, QSize mapSize, int screenDpi,
             const PageMargins& margins, bool onePage);

    // False when the margins leave no room for a single map pixel, or there
    // is no map: nothing can be printed then.
    bool isPrintable() const { return m_printable; }
    bool onePage() const { return m_onePage; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int pageCount() const { return m_columns * m_rows; }
    // Printer pixels per map pixel.
    double ratio() const { return m_ratio; }
    // The area between the margins, printer pixels from the paper's corner.
    QRect printableArea() const { return m_area; }
    // Map pixels of a full page in grid mode.
    QSize tileSize() const { return m_tile; }
    const PrinterGeometry& printer() const { return m_printer; }
    QSize mapSize() const { return m_map; }

    // Page p (1-based, row by row): its piece of the map, cut at the map's
    // right and bottom edges and printed at the same scale as full pages.
    // Empty rectangles for a page outside the grid or an unprintable plan.
    Tile tile(int page) const;

private:
    PrinterGeometry m_printer;
    QSize m_map;
    bool m_onePage = false;
    bool m_printable = false;
    int m_columns = 1;
    int m_rows = 1;
    double m_ratio = 1.0;
    QRect m_area;
    QSize m_tile;
};

// Which pages a print run covers, from the dialog's range kind.
enum class PageRangeKind { All = 1, Current = 2, Range = 3 };

struct PageSpan {
    int first = 1;
    int last = 1;
};

// The range edits' rules together: an end past the last page becomes the
// last page, a start past the end becomes the end, and nothing goes below 1.
PageSpan NormalisedRange(int start, int end, int pageCount);
// The pages printed for a range kind: every page from the first, the page
// shown in the preview, or the chosen range.
PageSpan PagesToPrint(PageRangeKind kind, int currentPage, PageSpan range, int pageCount);

} // namespace tavelin
