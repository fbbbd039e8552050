#include "print/PrinterSetup.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "print/PaperCodes.h"
#include "print/PrintPages.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace tavelin
{
namespace
{
constexpr int MsgNoPrinter = 30082;
}

bool InitPrinterSetup(QPrinter& printer, QObject* owner)
{
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (system.isNull())
        printer.setOutputFormat(QPrinter::PdfFormat);
    else
        printer.setPrinterName(system.printerName());
    if (!printer.isValid()) {
        ShowMessage(MsgNoPrinter, owner);
        return false;
    }
    printer.setPageSize(
        PaperSizeForCode(settings::GetInt(QStringLiteral("Insatu"), QStringLiteral("PaperSize"))));
    printer.setPageOrientation(OrientationForCode(
        settings::GetInt(QStringLiteral("Insatu"), QStringLiteral("Orientation"))));
    return true;
}

bool PrintsToPdf(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

std::optional<PrinterGeometry> GeometryOf(const QPrinter& printer)
{
    if (!printer.isValid())
        return std::nullopt;
    const QPageLayout layout = printer.pageLayout();
    if (PrintsToPdf(printer)) {
        const PrinterGeometry pdf = PdfGeometry(layout);
        return pdf.isValid() ? std::optional(pdf) : std::nullopt;
    }
    PrinterGeometry g;
    g.dpi = printer.resolution();
    g.paperPixels = layout.fullRectPixels(g.dpi).size();
    QPageLayout inPoints = layout;
    inPoints.setUnits(QPageLayout::Point);
    const QMarginsF minimum = inPoints.minimumMargins();
    g.offsetPixels = QPoint(int(std::lround(minimum.left() * g.dpi / 72.0)),
                            int(std::lround(minimum.top() * g.dpi / 72.0)));
    if (!g.isValid())
        return std::nullopt;
    return g;
}

QString PrinterDisplayName(const QPrinter& printer)
{
    if (PrintsToPdf(printer))
        return QStringLiteral("PDF ファイル");
    return printer.printerName();
}

PrintResult PrintOnPrinter(QPrinter& printer, const QString& jobName, const QImage& map,
                           const PagePlan& plan, PageSpan span)
{
    // Pages are placed from the paper's corner, as the plan measures them.
    printer.setFullPage(true);
    printer.setDocName(jobName);
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::NotStarted;
    const bool complete = PaintPages(printer, painter, map, plan, span);
    painter.end();
    return complete ? PrintResult::Printed : PrintResult::Interrupted;
}

} // namespace tavelin
