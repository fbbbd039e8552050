// Budget: ComputeRouteRows plus the 13 texts of every row for one layer of
// 10000 nodes within 20 ms.
#include "BenchModel.h"
#include "geo/RouteRows.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tavelin;

static void BM_RouteRowsAndTexts(benchmark::State& state)
{
    static RouteModel model;
    if (!model.isAllocated())
        bench::FillModel(model, 1);
    for (auto _ : state) {
        auto texts = ComputeRouteTexts(model, 0);
        benchmark::DoNotOptimize(texts.data());
    }
    state.counters["rows"] = MaxNodes;
}
BENCHMARK(BM_RouteRowsAndTexts)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Settings from a scratch file with the defaults, never the user's.
    QTemporaryDir dir;
    qputenv("TAVELIN_SETTINGS", dir.filePath("bench.ini").toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
