#include "print/PagePlan.h"

#include <algorithm>
#include <cmath>

namespace tavelin
{
namespace
{

constexpr double MmPerInch = 25.4;

int CeilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

} // namespace

int MinimumMarginAcross(const PrinterGeometry& printer)
{
    if (printer.dpi <= 0)
        return 0;
    return std::max(0, int(double(printer.offsetPixels.x()) / printer.dpi * MmPerInch));
}

int MinimumMarginDown(const PrinterGeometry& printer)
{
    if (printer.dpi <= 0)
        return 0;
    return std::max(0, int(double(printer.offsetPixels.y()) / printer.dpi * MmPerInch));
}

QSizeF PaperMillimetres(const PrinterGeometry& printer)
{
    if (printer.dpi <= 0)
        return {};
    return {float(double(printer.paperPixels.width()) / printer.dpi * MmPerInch),
            float(double(printer.paperPixels.height()) / printer.dpi * MmPerInch)};
}

int MillimetresToPixels(int mm, int dpi)
{
    return int(double(mm) * dpi / MmPerInch);
}

int ClampMargin(int mm, int minimum)
{
    return std::clamp(mm, std::min(minimum, MaximumMarginMm), MaximumMarginMm);
}

PagePlan::PagePlan(const PrinterGeometry& printer, QSize mapSize, int screenDpi,
                   const PageMargins& margins, bool onePage)
    : m_printer(printer), m_map(mapSize), m_onePage(onePage)
{
    if (!printer.isValid() || screenDpi <= 0)
        return;
    const int left = MillimetresToPixels(margins.left, printer.dpi);
    const int right = MillimetresToPixels(margins.right, printer.dpi);
    const int top = MillimetresToPixels(margins.top, printer.dpi);
    const int bottom = MillimetresToPixels(margins.bottom, printer.dpi);
    m_area = QRect(left, top, printer.paperPixels.width() - left - right,
                   printer.paperPixels.height() - top - bottom);
    m_ratio = double(printer.dpi) / screenDpi;
    m_tile = QSize(int(m_area.width() / m_ratio), int(m_area.height() / m_ratio));
    if (m_map.width() <= 0 || m_map.height() <= 0 || m_area.width() <= 0 || m_area.height() <= 0)
        return;
    if (onePage) {
        m_printable = true;
        return;
    }
    if (m_tile.width() <= 0 || m_tile.height() <= 0)
        return;
    m_printable = true;
    // A true ceiling from the tiles themselves: every map pixel lands on
    // exactly one page, and a map that fills its last page exactly gets no
    // empty page after it.
    m_columns = CeilDiv(m_map.width(), m_tile.width());
    m_rows = CeilDiv(m_map.height(), m_tile.height());
}

PagePlan::Tile PagePlan::tile(int page) const
{
    if (!m_printable || page < 1 || page > pageCount())
        return {};
    const QRect whole(QPoint(0, 0), m_map);
    if (m_onePage) {
        // The whole map scaled into the printable area, anchored top-left.
        const double across = double(m_area.width()) / m_map.width();
        const double down = double(m_area.height()) / m_map.height();
        const double scale = std::min(across, down);
        const int w = std::max(1, int(m_map.width() * scale));
        const int h = std::max(1, int(m_map.height() * scale));
        return {whole, QRect(m_area.topLeft(), QSize(w, h))};
    }
    const int column = (page - 1) % m_columns;
    const int row = (page - 1) / m_columns;
    const QRect source =
        QRect(QPoint(column * m_tile.width(), row * m_tile.height()), m_tile).intersected(whole);
    const QSize target(int(source.width() * m_ratio), int(source.height() * m_ratio));
    return {source, QRect(m_area.topLeft(), target)};
}

PageSpan NormalisedRange(int start, int end, int pageCount)
{
    const int last = std::max(1, pageCount);
    PageSpan span;
    span.last = std::clamp(end, 1, last);
    span.first = std::clamp(start, 1, span.last);
    return span;
}

PageSpan PagesToPrint(PageRangeKind kind, int currentPage, PageSpan range, int pageCount)
{
    const int last = std::max(1, pageCount);
    switch (kind) {
    case PageRangeKind::Current: {
        const int page = std::clamp(currentPage, 1, last);
        return {page, page};
    }
    case PageRangeKind::Range:
        return NormalisedRange(range.first, range.last, pageCount);
    case PageRangeKind::All:
        break;
    }
    return {1, last};
}

} // namespace tavelin
