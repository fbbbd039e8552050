#include "print/PrintPages.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

namespace tavelin
{

PrinterGeometry PdfGeometry(const QPageLayout& layout)
{
    PrinterGeometry g;
    if (!layout.isValid())
        return g;
    g.dpi = PdfResolution;
    g.paperPixels = layout.fullRectPixels(PdfResolution).size();
    QPageLayout inPoints = layout;
    inPoints.setUnits(QPageLayout::Point);
    const QMarginsF minimum = inPoints.minimumMargins();
    g.offsetPixels = QPoint(int(std::lround(minimum.left() * PdfResolution / 72.0)),
                            int(std::lround(minimum.top() * PdfResolution / 72.0)));
    return g;
}

QPageLayout PdfPageLayout(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    return QPageLayout(paper, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PaintPage(QPainter& painter, const QImage& map, const PagePlan& plan, int page)
{
    const PagePlan::Tile tile = plan.tile(page);
    if (tile.source.isEmpty() || tile.target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Routes, icons and slip text are fine detail: no lossy image encoding.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(tile.target, map, tile.source);
    painter.restore();
}

bool PaintPages(QPagedPaintDevice& device, QPainter& painter, const QImage& map,
                const PagePlan& plan, PageSpan span)
{
    for (int page = span.first; page <= span.last; ++page) {
        if (page > span.first && !device.newPage())
            return false;
        PaintPage(painter, map, plan, page);
    }
    return true;
}

PdfResult WritePdfPages(const QString& path, const QPageLayout& layout, const QString& title,
                        const QImage& map, const PagePlan& plan, PageSpan span)
{
    if (!plan.isPrintable() || span.first < 1 || span.last > plan.pageCount() ||
        span.first > span.last)
        return PdfResult::NotPrintable;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PdfResult::NotWritten;
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setTitle(title);
        writer.setCreator(title);
        writer.setPageLayout(layout);
        QPainter painter;
        if (painter.begin(&writer)) {
            painted = PaintPages(writer, painter, map, plan, span);
            painted = painter.end() && painted;
        }
    }
    if (!painted) {
        file.cancelWriting();
        return PdfResult::NotWritten;
    }
    return file.commit() ? PdfResult::Written : PdfResult::NotWritten;
}

} // namespace tavelin
