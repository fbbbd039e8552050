// Writes pictures of the list area taken offscreen:
// ListAreaScreenshot LIST.png [MENU.png]
// A document of four routes (one hidden) with times and notes; the second
// row selected; MENU.png adds the layer menu opened on a tab.

#include "listarea/CLayerBar.h"
#include "listarea/CLeftView.h"
#include "listarea/NodeTableView.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cstdio>

using namespace tavelin;

namespace
{

void PutRoutes(RouteModel& model)
{
    model.Allocate();
    model.ResetForNewDocument();
    DocHeader& h = model.header;
    h.hasMap = 1;
    h.mapWidth = 1200;
    h.mapHeight = 800;
    h.northLat = 35.70f;
    h.southLat = 35.64f;
    h.westLon = 139.70f;
    h.eastLon = 139.80f;
    h.mapWidthMetres = 9040;
    h.mapHeightMetres = 6660;
    const char* names[] = {"朝の散歩", "川沿いルート", "駅から公園へ", "帰り道"};
    const char* bases[] = {"20250405070000", "20250405093000", "20250405130000", "20250405170000"};
    for (int i = 0; i < 4; ++i) {
        if (i == 0)
            cp932::CopyToField(model.layers[0].name, LayerNameBytes,
                               cp932::Encode(QString::fromUtf8(names[0])).value());
        else
            model.AddLayer(i, QString::fromLatin1(bases[i]), QString::fromUtf8(names[i]));
    }
    model.layers[3].visible = 0;
    model.header.currentLayer = 1;
    struct Stop {
        int x, y, arrival, departure;
    };
    const Stop stops[] = {{70, 470, 0, 0},        {200, 390, 900, 1200},  {330, 420, 0, 0},
                          {450, 320, 2700, 3000}, {600, 280, 4200, 4800}, {760, 150, 6600, 6600},
                          {880, 120, 0, 0},       {1010, 90, 8400, 9000}};
    const int notes[] = {-1, 0, -1, 1, -1, -1, -1, -1};
    model.AddSlip({210, 330}, 1.0f, cp932::Encode(QStringLiteral("橋のたもと\r\n写真")).value(),
                  {});
    model.AddSlip({460, 260}, 1.0f, cp932::Encode(QStringLiteral("昼食 30 分")).value(), {});
    for (int i = 0; i < 8; ++i) {
        const int n = model.AppendNode({stops[i].x, stops[i].y}, 1.0f);
        model.nodes[n].arrival = stops[i].arrival;
        model.nodes[n].departure = stops[i].departure;
        model.nodes[n].noteSlip = notes[i];
    }
    model.header.currentLayer = 0;
    for (int i = 0; i < 3; ++i)
        model.AppendNode({100 + 40 * i, 600 - 30 * i}, 1.0f);
    model.header.currentLayer = 1;
    model.ClearSelectionMarks();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LIST.png [MENU.png]\n", argv[0]);
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
        RouteModel model;
        PutRoutes(model);
        CLeftView view(model);
        int primary = 4;
        ListAreaHooks hooks;
        hooks.primaryNode = [&] { return primary; };
        view.SetHooks(hooks);
        view.resize(760, 300);
        view.show();
        view.InitialUpdate(true);
        QApplication::processEvents();
        if (!view.grab().save(out))
            rc = 1;
        if (argc >= 3) {
            CLayerBar* bar = view.layerBar();
            const QPoint at = bar->TabRect(1).center();
            bar->menuRunner = [&](QMenu& menu, const QPoint& pos) -> QAction* {
                menu.popup(pos);
                QApplication::processEvents();
                // The menu above the pointer, as it opens near the screen's
                // foot; the picture grows upwards when the list is lower.
                const QPoint local = view.mapFromGlobal(pos);
                const int above = std::max(0, menu.height() - local.y());
                QPixmap picture(std::max(view.width(), local.x() + menu.width()),
                                view.height() + above);
                picture.fill(Qt::white);
                QPainter p(&picture);
                p.drawPixmap(0, above, view.grab());
                p.drawPixmap(local.x(), local.y() + above - menu.height(), menu.grab());
                p.end();
                if (!picture.save(QString::fromLocal8Bit(argv[2])))
                    rc = 1;
                menu.hide();
                return nullptr;
            };
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), bar->mapToGlobal(QPointF(at)),
                              Qt::RightButton, Qt::RightButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &press);
        }
    }
    QFile::remove(ini);
    return rc;
}
