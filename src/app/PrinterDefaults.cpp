#include "app/PrinterDefaults.h"

#include "platform/Settings.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tavelin
{

QPageSize PaperSizeForCode(int code)
{
    struct Paper {
        int code;
        QPageSize::PageSizeId id;
    };
    static constexpr Paper Papers[] = {
        {1, QPageSize::Letter},    {2, QPageSize::Letter}, {3, QPageSize::Tabloid},
        {4, QPageSize::Ledger},    {5, QPageSize::Legal},  {7, QPageSize::Executive},
        {8, QPageSize::A3},        {9, QPageSize::A4},     {10, QPageSize::A4},
        {11, QPageSize::A5},       {12, QPageSize::JisB4}, {13, QPageSize::JisB5},
        {20, QPageSize::Comm10E},  {27, QPageSize::DLE},   {28, QPageSize::C5E},
        {43, QPageSize::Postcard}, {66, QPageSize::A2},    {70, QPageSize::A6},
        {88, QPageSize::JisB6},
    };
    for (const Paper& p : Papers)
        if (p.code == code)
            return QPageSize(p.id);
    return QPageSize(QPageSize::A4);
}

QPageLayout::Orientation OrientationForCode(int code)
{
    return code == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool SetUpDefaultPrinter(QPrinter& printer)
{
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (system.isNull())
        printer.setOutputFormat(QPrinter::PdfFormat);
    else
        printer.setPrinterName(system.printerName());
    if (!printer.isValid())
        return false;
    printer.setPageSize(
        PaperSizeForCode(settings::GetInt(QStringLiteral("Insatu"), QStringLiteral("PaperSize"))));
    printer.setPageOrientation(OrientationForCode(
        settings::GetInt(QStringLiteral("Insatu"), QStringLiteral("Orientation"))));
    return true;
}

} // namespace tavelin
