#pragma once
// The printer settings of the run, one QPrinter owned by the application
// object: set up at start-up from the default printer with "Insatu"
// "PaperSize" and "Orientation". Without a printer of the system it writes
// PDF files, so a user can always print.

#include "print/PagePlan.h"

#include <QImage>
#include <QString>
#include <optional>

class QObject;
class QPrinter;

namespace tavelin
{

// Points `printer` at the default printer (or PDF output when there is
// none) and applies the stored paper size and orientation. When no
// printing is possible at all shows 30082 (owner `owner`) and returns false.
bool InitPrinterSetup(QPrinter& printer, QObject* owner = nullptr);

// True when the printer writes PDF files rather than to a printer.
bool PrintsToPdf(const QPrinter& printer);

// The sheet as the pages will be laid out on it: the printer's pixels, or
// for PDF output PdfGeometry. Nothing when the printer is not usable.
std::optional<PrinterGeometry> GeometryOf(const QPrinter& printer);

// The name shown for the printer.
QString PrinterDisplayName(const QPrinter& printer);

// Prints pages first to last on the printer as a job named `jobName`.
enum class PrintResult { Printed, NotStarted, Interrupted };
PrintResult PrintOnPrinter(QPrinter& printer, const QString& jobName, const QImage& map,
                           const PagePlan& plan, PageSpan span);

} // namespace tavelin
