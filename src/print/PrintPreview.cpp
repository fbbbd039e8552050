#include "print/PrintPreview.h"

#include <QPainter>
#include <algorithm>

namespace tavelin
{
namespace
{

constexpr int Clearance = 28; // both sides together
constexpr int ShadowOffset = 5;
const QColor Shadow(0x80, 0x80, 0x80);
const QColor SheetOutline(0xC0, 0xC0, 0xC0);
const QColor MarginLine(0xFF, 0x00, 0x00);

// Sheet pixels of a printer coordinate (truncated, as the sheet is).
int Scaled(int value, int sheet, int paper)
{
    return int(double(value) * sheet / paper);
}

} // namespace

QRect PrintPreview::SheetRect(QSize area, QSizeF paperMm)
{
    const int aw = area.width() - Clearance;
    const int ah = area.height() - Clearance;
    if (aw <= 0 || ah <= 0 || paperMm.width() <= 0 || paperMm.height() <= 0)
        return {};
    int w = 0, h = 0;
    if (paperMm.height() > paperMm.width()) {
        const double f = paperMm.height() / paperMm.width();
        h = int(aw * f);
        if (h >= ah) {
            w = int(ah / f);
            h = ah;
        } else {
            w = aw;
        }
    } else {
        const double f = paperMm.width() / paperMm.height();
        const int g = int(ah * f);
        if (g < aw) {
            w = g;
            h = ah;
        } else {
            w = aw;
            h = int(aw / f);
        }
    }
    if (w <= 0 || h <= 0)
        return {};
    return QRect((area.width() - w) / 2, (area.height() - h) / 2, w, h);
}

void PrintPreview::Clear()
{
    m_sheet = m_printable = m_tileRect = QRect();
    m_tile = QImage();
}

void PrintPreview::Lay(const PagePlan& plan, const QImage& map, int page, QSize area)
{
    Clear();
    m_area = area;
    const PrinterGeometry& printer = plan.printer();
    if (!printer.isValid())
        return;
    m_sheet = SheetRect(area, PaperMillimetres(printer));
    if (m_sheet.isEmpty())
        return;
    const QSize paper = printer.paperPixels;
    const auto toSheet = [&](const QRect& r) {
        const int left = Scaled(r.left(), m_sheet.width(), paper.width());
        const int top = Scaled(r.top(), m_sheet.height(), paper.height());
        const int right = Scaled(r.left() + r.width(), m_sheet.width(), paper.width());
        const int bottom = Scaled(r.top() + r.height(), m_sheet.height(), paper.height());
        return QRect(m_sheet.left() + left, m_sheet.top() + top, right - left, bottom - top);
    };
    m_printable = toSheet(plan.printableArea());

    const PagePlan::Tile tile = plan.tile(page);
    if (tile.source.isEmpty() || tile.target.isEmpty() || map.isNull())
        return;
    m_tileRect = toSheet(tile.target);
    m_tileRect.setWidth(std::max(1, m_tileRect.width()));
    m_tileRect.setHeight(std::max(1, m_tileRect.height()));
    const QRect source = tile.source.intersected(map.rect());
    if (source.isEmpty())
        return;
    // Scaled with averaging, as a half-tone stretch would, so thin routes
    // stay visible on a small sheet.
    const QImage piece = source == map.rect() ? map : map.copy(source);
    m_tile = piece.size() == m_tileRect.size()
                 ? piece
                 : piece.scaled(m_tileRect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PrintPreview::Paint(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), m_area), Qt::white);
    if (!m_sheet.isEmpty()) {
        // The platform's rectangles: outline on the box's outer pixels.
        const auto box = [&](const QRect& r, const QColor& outline, const QColor& fill) {
            painter.fillRect(r, fill);
            painter.setPen(QPen(outline, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        };
        box(m_sheet.translated(ShadowOffset, ShadowOffset), Qt::white, Shadow);
        box(m_sheet, SheetOutline, Qt::white);
        if (!m_tile.isNull())
            painter.drawImage(m_tileRect.topLeft(), m_tile);
        if (m_showMargins && !m_printable.isEmpty()) {
            QPen dotted(MarginLine, 0);
            dotted.setDashPattern({1.0, 1.0});
            painter.setPen(dotted);
            const int x0 = m_printable.left(), x1 = m_printable.left() + m_printable.width();
            const int y0 = m_printable.top(), y1 = m_printable.top() + m_printable.height();
            const int left = m_sheet.left(), right = m_sheet.left() + m_sheet.width() - 1;
            const int top = m_sheet.top(), bottom = m_sheet.top() + m_sheet.height() - 1;
            painter.drawLine(left, y0, right, y0);
            painter.drawLine(left, y1, right, y1);
            painter.drawLine(x0, top, x0, bottom);
            painter.drawLine(x1, top, x1, bottom);
        }
    }
    painter.restore();
}

} // namespace tavelin
