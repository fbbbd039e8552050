// Writes pictures of the layer properties, the node properties and the
// layer list over a small sample route, taken offscreen:
// property_screenshots OUTFOLDER
// The settings go to a file of their own in the folder's parent's temporary
// space, so a user's settings never colour them.

#include "PropertyFixtures.h"
#include "editors/CProLayer.h"
#include "editors/CProNode.h"
#include "editors/ImageFileChooser.h"
#include "image/LayerIcon.h"
#include "listarea/CLayerDlg.h"
#include "platform/Cp932.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

struct NoChooser : ImageFileChooser {
    QString chooseImageFile(QWidget*, const QString&, const QString&) override { return {}; }
};

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool Save(QWidget& widget, const QString& path)
{
    widget.show();
    Settle();
    const bool ok = widget.grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void SampleRoute(RouteModel& model)
{
    SetUpModel(model);
    model.header.mapWidthMetres = 25000;
    model.header.mapHeightMetres = 25000;
    AddTestLayer(model, "東海道本線 上り 普通列車", 2014, 12, 31, 5, 12, 0);
    AddTestLayer(model, "山陽本線 快速", 2015, 1, 1, 7, 0, 0);
    AddTestLayer(model, "京都 散策", 2015, 1, 2, 9, 30, 0);
    AddTestLayer(model, "予備", 2015, 1, 3, 0, 0, 0);
    model.layers[1].arcColour = 0x0000C0;
    model.layers[3].visible = 0;
    const int times[][2] = {{0, 300}, {1500, 1560}, {3300, 3420}, {0, 0}, {6000, 6060}, {8400, 8400}};
    for (int i = 0; i < 6; ++i)
        AddTestNode(model, 0, 60 + 140 * i, 200 + 40 * (i % 3), times[i][0], times[i][1]);
    for (int i = 0; i < 4; ++i)
        AddTestNode(model, 1, 100 + 200 * i, 600 - 90 * i, i ? 2400 * i : 0, i ? 2400 * i + 120 : 0);
    for (int i = 0; i < 3; ++i)
        AddTestNode(model, 2, 500 + 30 * i, 500 + 25 * i, i ? 1800 * i : 0, i ? 1800 * i + 900 : 0);
    model.slipCount = 1;
    std::memset(&model.slips[0], 0, sizeof(SlipRec));
    model.nodes[2].noteSlip = 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("TAVELIN_SETTINGS", QFile::encodeName(settingsDir.filePath(QStringLiteral("shots.ini"))));
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: property_screenshots OUTFOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    RouteModel model;
    SampleRoute(model);

    bool ok = true;
    NoChooser chooser;
    {
        LayerPropertiesValues values = LayerPropertiesValues::FromModel(model, 0);
        CProLayer dialog(values, chooser, settingsDir.filePath(QStringLiteral("DefIcon.bmp")));
        dialog.show();
        if (auto* flag = dialog.findChild<QAbstractButton*>(QStringLiteral("icon1016")))
            flag->click();
        if (auto* upperRight = dialog.findChild<QAbstractButton*>(QStringLiteral("position1")))
            upperRight->click();
        ok &= Save(dialog, out.filePath(QStringLiteral("layer-properties.png")));
    }
    {
        CProNode dialog(NodeTimesValues::FromModel(model, 2));
        ok &= Save(dialog, out.filePath(QStringLiteral("node-properties.png")));
    }
    {
        CLayerDlg dialog(model, PropertyHooks{});
        dialog.resize(dialog.list()->horizontalHeader()->length() + 30, 150);
        ok &= Save(dialog, out.filePath(QStringLiteral("layer-list.png")));
    }
    return ok ? 0 : 1;
}
