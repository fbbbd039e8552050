#pragma once
// The printer set up at start-up from "Insatu" "PaperSize" and
// "Insatu" "Orientation". Without a printer of the system the printer writes
// PDF files, so printing is still possible then.

#include <QPageLayout>
#include <QPageSize>

class QPrinter;

namespace tavelin
{

// The paper size codes of the platform's printer settings (9 = A4); an
// unknown code gives A4.
QPageSize PaperSizeForCode(int code);
// 2 is landscape; 1 and every other value portrait.
QPageLayout::Orientation OrientationForCode(int code);

// Points `printer` at the default printer (or PDF output when there is
// none) and applies the stored paper size and orientation. False when no
// printing is possible at all.
bool SetUpDefaultPrinter(QPrinter& printer);

} // namespace tavelin
