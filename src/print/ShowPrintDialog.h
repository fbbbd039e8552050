#pragma once
// ID_INSATU: the print dialog, run modally on the application's printer.

#include "print/CInsatuDlg.h"

namespace tavelin
{

// Without a usable printer (start-up showed 30082) shows 30082 again and
// returns. Otherwise runs CInsatuDlg; true when it printed (or tried to).
bool ShowPrintDialog(QPrinter* printer, PrintSource source, PrintChoosers choosers, QWidget* owner);

} // namespace tavelin
