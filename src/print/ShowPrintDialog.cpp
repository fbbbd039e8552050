#include "print/ShowPrintDialog.h"

#include "platform/Messages.h"

namespace tavelin
{

bool ShowPrintDialog(QPrinter* printer, PrintSource source, PrintChoosers choosers, QWidget* owner)
{
    if (!printer) {
        ShowMessage(30082, owner);
        return false;
    }
    CInsatuDlg dialog(*printer, std::move(source), choosers, owner);
    if (!dialog.ready())
        return false;
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tavelin
