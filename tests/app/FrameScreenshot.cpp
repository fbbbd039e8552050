// Writes a picture of the main window as the program starts, taken
// offscreen: FrameScreenshot OUT.png [menu OUT2.png]
// The settings go to a file of their own beside the picture, so a user's
// settings never colour it.

#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "app/RibbonAppMenu.h"
#include "app/RibbonBar.h"
#include "app/Wiring.h"
#include "mapview/CN20417View.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <cstdio>

using namespace tavelin;

namespace {

// A small made-up terrain, so the picture shows the map area at work.
QByteArray SampleMapJpeg(int w, int h)
{
    QImage map(w, h, QImage::Format_RGB32);
    map.fill(QColor(226, 236, 214));
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 170, 220), 14));
    QPainterPath river(QPointF(0, h * 0.55));
    river.cubicTo(w * 0.3, h * 0.35, w * 0.5, h * 0.8, w, h * 0.45);
    p.drawPath(river);
    p.setPen(QPen(QColor(250, 250, 250), 6));
    p.drawLine(QPointF(w * 0.1, 0), QPointF(w * 0.5, h));
    p.drawLine(QPointF(0, h * 0.25), QPointF(w, h * 0.35));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    map.save(&buffer, "JPEG", 90);
    return bytes;
}

void PutSampleRoute(RouteModel& model)
{
    const QByteArray jpeg = SampleMapJpeg(1200, 800);
    DocHeader& h = model.header;
    model.mapPicture = std::make_shared<Picture>(jpeg);
    h.hasMap = 1;
    h.mapImageSize = static_cast<std::int32_t>(jpeg.size());
    h.mapWidth = 1200;
    h.mapHeight = 800;
    h.northLat = 35.70f;
    h.southLat = 35.64f;
    h.westLon = 139.70f;
    h.eastLon = 139.80f;
    h.mapWidthMetres = 9040;
    h.mapHeightMetres = 6660;
    const QPoint route[] = {{70, 470}, {200, 390}, {330, 420}, {450, 320}, {600, 280}, {760, 150}};
    for (QPoint point : route)
        model.AppendNode(point, 1.0f);
    model.AddSlip({640, 420}, 1.0f, cp932::Encode(QStringLiteral("川沿いの道\r\n休憩 10 分")).value_or("note"), {});
    model.ClearSelectionMarks();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [MENU.png]\n", argv[0]);
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

    int rc = 0;
    {
        CN20417App app(QStringLiteral("tavelin-screenshot"));
        WireApplication(app);
        if (!app.InitInstance({}))
            return 1;
        CMainFrame* frame = app.mainFrame();
        frame->resize(1280, 720);
        QApplication::processEvents();
        if (auto* view = CN20417View::instance()) {
            PutSampleRoute(app.model());
            view->InitialUpdate(true);
            frame->listArea()->RefreshNodeList();
        }
        frame->UpdateCommands();
        QApplication::processEvents();
        if (!frame->grab().save(out)) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            rc = 1;
        }
        if (argc >= 3) {
            // The application menu opened over the window.
            RibbonAppMenu* menu = frame->ribbon()->applicationMenu();
            frame->ribbon()->ShowApplicationMenu();
            QApplication::processEvents();
            QPixmap picture = frame->grab();
            QPainter p(&picture);
            p.drawPixmap(frame->mapFromGlobal(menu->pos()), menu->grab());
            p.end();
            menu->hide();
            if (!picture.save(QString::fromLocal8Bit(argv[2])))
                rc = 1;
        }
        frame->close();
    }
    QFile::remove(ini);
    return rc;
}
