// Writes a picture of the print dialog over a sample route, taken
// offscreen: PrintDialogScreenshot OUT.png
// The settings go to a file of their own beside the picture.

#include "mapview/DrawScene.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "platform/Settings.h"
#include "print/CInsatuDlg.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QSpinBox>
#include <cstdio>

using namespace tavelin;

namespace
{

QByteArray SampleMapJpeg(int w, int h)
{
    QImage map(w, h, QImage::Format_RGB32);
    map.fill(QColor(226, 236, 214));
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 170, 220), 18));
    QPainterPath river(QPointF(0, h * 0.55));
    river.cubicTo(w * 0.3, h * 0.35, w * 0.5, h * 0.8, w, h * 0.45);
    p.drawPath(river);
    p.setPen(QPen(QColor(250, 250, 250), 8));
    p.drawLine(QPointF(w * 0.1, 0), QPointF(w * 0.5, h));
    p.drawLine(QPointF(0, h * 0.25), QPointF(w, h * 0.35));
    p.setPen(QPen(QColor(200, 190, 170), 2));
    for (int k = 1; k < 12; ++k)
        p.drawEllipse(QPointF(w * 0.75, h * 0.7), k * 18.0, k * 12.0);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    map.save(&buffer, "JPEG", 90);
    return bytes;
}

void PutSampleRoute(RouteModel& model)
{
    const QByteArray jpeg = SampleMapJpeg(1500, 1700);
    DocHeader& h = model.header;
    model.mapPicture = std::make_shared<Picture>(jpeg);
    h.hasMap = 1;
    h.zoom = 1.0f;
    h.mapImageSize = static_cast<std::int32_t>(jpeg.size());
    h.mapWidth = 1500;
    h.mapHeight = 1700;
    const QPoint route[] = {{90, 900},   {250, 760},   {420, 800},   {560, 640},
                            {720, 600},  {900, 420},   {1050, 380},  {1200, 520},
                            {1350, 700}, {1420, 1100}, {1200, 1350}, {900, 1500}};
    for (QPoint point : route)
        model.AppendNode(point, 1.0f);
    model.AddSlip({330, 560}, 1.0f,
                  cp932::Encode(QStringLiteral("川沿いの道\r\n休憩 10 分")).value_or("note"), {});
    model.ClearSelectionMarks();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString ini = out + QStringLiteral(".settings.ini");
    QFile::remove(ini);
    qputenv("TAVELIN_SETTINGS", ini.toLocal8Bit());
    qputenv("TAVELIN_MESSAGES", "stderr");

    QApplication qapp(argc, argv);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    RouteModel model;
    if (!model.Allocate() || !model.ResetForNewDocument())
        return 1;
    PutSampleRoute(model);
    QImage background;
    BuildBackground(model, background);
    settings::WriteInt(QStringLiteral("Insatu"), QStringLiteral("DspYohaku"), 1);
    settings::WriteInt(QStringLiteral("Insatu"), QStringLiteral("SX"), 900);
    settings::WriteInt(QStringLiteral("Insatu"), QStringLiteral("SY"), 600);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PrintSource source;
    source.model = &model;
    source.state.background = &background;
    source.documentTitle = QStringLiteral("route.tvn");
    int rc = 0;
    {
        CInsatuDlg dialog(printer, source);
        if (!dialog.ready())
            return 1;
        dialog.show();
        dialog.findChild<QSpinBox*>(QStringLiteral("previewPage"))->setValue(2);
        QApplication::processEvents();
        if (!dialog.grab().save(out)) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            rc = 1;
        }
        dialog.reject();
    }
    QFile::remove(ini);
    return rc;
}
