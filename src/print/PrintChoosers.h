#pragma once
// The two choices the print dialog hands to other windows, behind small
// interfaces so tests never block: the printer setup ("設定(&P)") and the
// PDF file to write when the printer writes PDF files.

#include <QString>

class QPrinter;
class QWidget;

namespace tavelin
{

class PrinterSetupRunner
{
public:
    virtual ~PrinterSetupRunner() = default;
    // Lets the user choose printer, paper and orientation on `printer`;
    // false when cancelled (the printer is then unchanged).
    virtual bool runPrinterSetup(QPrinter& printer, QWidget* owner) = 0;
};

class PdfPathChooser
{
public:
    virtual ~PdfPathChooser() = default;
    // Empty: cancelled.
    virtual QString choosePdfPath(QWidget* owner, const QString& proposed) = 0;
};

// Qt's print dialog, printer and paper only (it offers PDF output too).
class PrintDialogSetupRunner : public PrinterSetupRunner
{
public:
    bool runPrinterSetup(QPrinter& printer, QWidget* owner) override;
};

// Qt's save dialog for PDF files.
class PdfFileDialog : public PdfPathChooser
{
public:
    QString choosePdfPath(QWidget* owner, const QString& proposed) override;
};

// The proposed PDF name for a document title: up to its last "." (or the
// whole title) followed by ".pdf".
QString DefaultPdfName(const QString& documentTitle);

} // namespace tavelin
