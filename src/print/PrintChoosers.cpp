#include "print/PrintChoosers.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tavelin
{

bool PrintDialogSetupRunner::runPrinterSetup(QPrinter& printer, QWidget* owner)
{
    // The dialog works on a copy so that a cancel leaves the record as it was.
    QPrinter choice(QPrinter::HighResolution);
    choice.setOutputFormat(printer.outputFormat());
    if (printer.outputFormat() != QPrinter::PdfFormat)
        choice.setPrinterName(printer.printerName());
    choice.setOutputFileName(printer.outputFileName());
    choice.setPageLayout(printer.pageLayout());
    QPrintDialog dialog(&choice, owner);
    dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setOutputFormat(choice.outputFormat());
    if (choice.outputFormat() != QPrinter::PdfFormat)
        printer.setPrinterName(choice.printerName());
    printer.setOutputFileName(choice.outputFileName());
    printer.setPageLayout(choice.pageLayout());
    return true;
}

QString PdfFileDialog::choosePdfPath(QWidget* owner, const QString& proposed)
{
    QFileDialog dialog(owner, QStringLiteral("PDF ファイルに印刷"), QString(),
                       QStringLiteral("PDF File (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DefaultPdfName(const QString& documentTitle)
{
    const qsizetype dot = documentTitle.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? documentTitle : documentTitle.left(dot);
    return base.isEmpty() ? QString() : base + QLatin1String(".pdf");
}

} // namespace tavelin
