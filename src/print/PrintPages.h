#pragma once
// Printing the pages of a PagePlan onto any paged device: a printer or a
// PDF file. Each page is a scaled copy out of the one 1:1 picture of the
// scene; the routes are never drawn again for a page.

#include "print/PagePlan.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace tavelin
{

// PDF pages are laid out at this resolution, by the editor and the tool
// alike, so both write the same pages.
constexpr int PdfResolution = 600;

// The sheet of a PDF page of `layout` (size and orientation) at
// PdfResolution; the layout's minimum margins are its unprintable edges.
PrinterGeometry PdfGeometry(const QPageLayout& layout);

// The page layout a PDF is written with: the paper, no margins (pages are
// placed from the paper's corner).
QPageLayout PdfPageLayout(const QPageSize& paper, QPageLayout::Orientation orientation);

// Page `page` onto a painter whose origin is the paper's top-left corner,
// in printer pixels.
void PaintPage(QPainter& painter, const QImage& map, const PagePlan& plan, int page);

// Pages first to last onto an open painter on `device`, a new sheet between
// them. False when the device refuses a new sheet; the pages before it
// were printed.
bool PaintPages(QPagedPaintDevice& device, QPainter& painter, const QImage& map,
                const PagePlan& plan, PageSpan span);

enum class PdfResult { Written, NotPrintable, NotWritten };

// Writes pages first to last as a PDF of `layout`, titled `title`. The file
// is replaced only when the whole document was written; on failure what was
// at `path` stays as it was.
PdfResult WritePdfPages(const QString& path, const QPageLayout& layout, const QString& title,
                        const QImage& map, const PagePlan& plan, PageSpan span);

} // namespace tavelin
