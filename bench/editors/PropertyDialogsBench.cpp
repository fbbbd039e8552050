// Budgets of the layer and node properties and the layer list on the
// maximal document (1000 layers, 10000 nodes, 1000 noted nodes): filling
// the layer list (its texts alone, and the dialog's table with fitted
// columns), and each dialog from its entry function to its first paint.

#include "editors/EditLayerProperties.h"
#include "editors/EditNodeProperties.h"
#include "geo/OleDate.h"
#include "image/LayerIcon.h"
#include "listarea/CLayerDlg.h"
#include "listarea/LayerListRows.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>

using namespace tavelin;

namespace
{

RouteModel& MaximalModel()
{
    static RouteModel model;
    if (model.isAllocated())
        return model;
    model.Allocate();
    model.Clear();
    DocHeader& h = model.header;
    h.mapWidth = 8000;
    h.mapHeight = 6000;
    h.mapWidthMetres = 72877;
    h.mapHeightMetres = 66719;
    QImage icon(64, 64, QImage::Format_RGB32);
    icon.fill(Qt::white);
    {
        QPainter p(&icon);
        p.setBrush(Qt::red);
        p.drawEllipse(8, 8, 48, 48);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "BMP");
    const PicturePtr picture = std::make_shared<Picture>(bytes);
    std::int32_t status = 0;
    for (int i = 0; i < MaxLayers; ++i) {
        LayerRec& l = model.layers[i];
        std::memset(&l, 0, sizeof l);
        l.tabIndex = i;
        l.visible = i % 7 != 0;
        l.baseTime = OleDateFromParts(2014, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 0, &status);
        cp932::CopyToField(l.name, LayerNameBytes,
                           *cp932::Encode(QStringLiteral("東海道本線 第%1列車").arg(i + 1)));
        l.arcWidth = 2;
        l.anchorWidth = 1;
        l.iconSize = 20;
        l.iconTransparentColour = 0xFFFFFF;
        l.hasIcon = 1;
        l.iconImageSize = std::uint32_t(bytes.size());
        (*model.iconPictures)[std::size_t(i)] = picture;
        (*model.iconBitmaps)[std::size_t(i)] = BuildLayerIcon(*picture, l);
    }
    model.layerCount = MaxLayers;
    model.slipCount = 1;
    std::memset(&model.slips[0], 0, sizeof(SlipRec));
    // Interleaved: node i belongs to layer i % 1000, so every layer's nodes
    // are spread over the whole array.
    for (int i = 0; i < MaxNodes; ++i) {
        NodeRec& n = model.nodes[i];
        std::memset(&n, 0, sizeof n);
        n.layer = std::uint16_t(i % MaxLayers);
        n.noteSlip = i % 10 == 0 ? 0 : -1;
        n.x = (i * 37) % h.mapWidth;
        n.y = (i * 53) % h.mapHeight;
        const int step = i / MaxLayers;
        if (step > 0 && step % 2 == 1) {
            n.arrival = step * 1800;
            n.departure = n.arrival + 300;
        }
    }
    model.nodeCount = MaxNodes;
    return model;
}

void BM_LayerListTexts(benchmark::State& state)
{
    RouteModel& model = MaximalModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeLayerList(model, 1, 1, 1));
}

void BM_LayerListFill(benchmark::State& state)
{
    RouteModel& model = MaximalModel();
    CLayerDlg dialog(model, PropertyHooks{});
    for (auto _ : state)
        dialog.fill();
}

// Runs `open` (an entry function that shows a modal dialog) and measures
// until the dialog's first paint, where the dialog is closed again.
template <class Open> void OpenToFirstPaint(benchmark::State& state, const char* dialogClass, Open open)
{
    struct FirstPaint : QObject {
        const char* className;
        std::chrono::steady_clock::time_point at;
        bool seen = false;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (!seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
                QWidget* window = static_cast<QWidget*>(watched)->window();
                if (window->inherits(className)) {
                    seen = true;
                    at = std::chrono::steady_clock::now();
                    QTimer::singleShot(0, window, [window] { static_cast<QDialog*>(window)->reject(); });
                }
            }
            return false;
        }
    } filter;
    filter.className = dialogClass;
    qApp->installEventFilter(&filter);
    for (auto _ : state) {
        filter.seen = false;
        const auto start = std::chrono::steady_clock::now();
        open();
        if (!filter.seen) {
            state.SkipWithError("the dialog was never painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(filter.at - start).count());
    }
    qApp->removeEventFilter(&filter);
}

void BM_OpenLayerProperties(benchmark::State& state)
{
    RouteModel& model = MaximalModel();
    OpenToFirstPaint(state, "tavelin::CProLayer",
                     [&model] { EditLayerProperties(model, 500, nullptr, PropertyHooks{}); });
}

void BM_OpenNodeProperties(benchmark::State& state)
{
    RouteModel& model = MaximalModel();
    // The last node of the array: the longest scan for P.
    OpenToFirstPaint(state, "tavelin::CProNode",
                     [&model] { EditNodeProperties(model, MaxNodes - 1, nullptr, PropertyHooks{}); });
}

void BM_OpenLayerList(benchmark::State& state)
{
    RouteModel& model = MaximalModel();
    OpenToFirstPaint(state, "tavelin::CLayerDlg",
                     [&model] { ShowLayerList(model, nullptr, PropertyHooks{}); });
}

} // namespace

BENCHMARK(BM_LayerListTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayerListFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLayerProperties)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_OpenNodeProperties)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_OpenLayerList)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("TAVELIN_SETTINGS", QFile::encodeName(settingsDir.filePath(QStringLiteral("bench.ini"))));
    QApplication app(argc, argv);
    ScriptedMessages quiet; // nothing may wait for a button
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
