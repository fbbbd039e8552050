// List area budgets on a maximal document: RefreshNodeList of a layer of
// 10000 nodes (rows, texts, model reset, column widths) within 16 ms; a tab
// click among 1000 layers, list rebuild included, within 16 ms; building
// the 1000 tabs of an opened document within 50 ms. The real widgets, shown
// offscreen.
#include "../geo/BenchModel.h"

#include "listarea/CLayerBar.h"
#include "listarea/CLeftView.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tavelin;

namespace
{

struct Shown {
    explicit Shown(int layers)
    {
        bench::FillModel(model, layers);
        for (int i = 0; i < layers; ++i) {
            model.layers[i].tabIndex = i;
            model.layers[i].visible = 1;
            const QByteArray name =
                cp932::Encode(QStringLiteral("ルート %1 の区間").arg(i + 1)).value();
            cp932::CopyToField(model.layers[i].name, LayerNameBytes, name);
        }
        model.header.currentLayer = 0;
        view.resize(420, 900);
        view.show();
        view.InitialUpdate(true);
        QApplication::processEvents();
    }
    RouteModel model;
    CLeftView view{model};
};

void PressOn(QWidget* widget, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), widget->mapToGlobal(QPointF(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

} // namespace

static void BM_RefreshNodeList10000(benchmark::State& state)
{
    static Shown shown(1);
    for (auto _ : state)
        shown.view.RefreshNodeList();
    state.counters["rows"] = shown.view.listModel().rowCount();
}
BENCHMARK(BM_RefreshNodeList10000)->Unit(benchmark::kMillisecond);

static void BM_TabClickAmong1000(benchmark::State& state)
{
    static Shown shown(1000);
    CLayerBar* bar = shown.view.layerBar();
    const QPoint first = bar->TabRect(0).center();
    const QPoint second = bar->TabRect(1).center();
    bool toSecond = true;
    for (auto _ : state) {
        PressOn(bar, toSecond ? second : first);
        toSecond = !toSecond;
    }
    state.counters["rows"] = shown.view.listModel().rowCount();
}
BENCHMARK(BM_TabClickAmong1000)->Unit(benchmark::kMillisecond);

static void BM_Build1000Tabs(benchmark::State& state)
{
    static Shown shown(1000);
    CLayerBar* bar = shown.view.layerBar();
    for (auto _ : state) {
        shown.view.layerOperations().BuildTabs();
        benchmark::DoNotOptimize(bar->TabRect(0)); // the geometry of every tab
        bar->repaint();
    }
    state.counters["tabs"] = shown.view.layerTabs().count();
}
BENCHMARK(BM_Build1000Tabs)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    qputenv("TAVELIN_SETTINGS", dir.filePath("bench.ini").toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
