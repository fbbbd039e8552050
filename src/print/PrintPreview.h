#pragma once
// The print dialog's preview of one page: a sheet with its shadow, centred
// in the preview area, the page's piece of the map on it and, when asked,
// the margins as red dotted lines. The piece is scaled once when the page
// is laid out; a repaint only copies it.

#include "print/PagePlan.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace tavelin
{

class PrintPreview
{
public:
    // The sheet inside a preview area of `area` pixels for a paper of
    // `paperMm`, its proportions kept, 14 pixels clear on the tighter side.
    static QRect SheetRect(QSize area, QSizeF paperMm);

    // Lays out page `page` of `plan` in an area of `area` pixels; `map` is
    // the whole scene at 1:1, the picture the page is cut from.
    void Lay(const PagePlan& plan, const QImage& map, int page, QSize area);
    void Clear();
    void setShowMargins(bool show) { m_showMargins = show; }
    bool showMargins() const { return m_showMargins; }

    // Paints the whole area, its top-left at the painter's origin.
    void Paint(QPainter& painter) const;

    QSize area() const { return m_area; }
    QRect sheet() const { return m_sheet; }
    // The printable area and the page's piece of the map, preview pixels.
    QRect printableArea() const { return m_printable; }
    QRect tileRect() const { return m_tileRect; }
    const QImage& tileImage() const { return m_tile; }

private:
    QSize m_area;
    QRect m_sheet;
    QRect m_printable;
    QRect m_tileRect;
    QImage m_tile;
    bool m_showMargins = false;
};

} // namespace tavelin
