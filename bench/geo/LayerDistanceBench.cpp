// Budget: LayerDistance of all 1000 layers of a 10000-node document within
// 50 ms.
#include "BenchModel.h"
#include "geo/Geodesy.h"

#include <benchmark/benchmark.h>

using namespace tavelin;

static void BM_LayerDistanceAllLayers(benchmark::State& state)
{
    static RouteModel model;
    if (!model.isAllocated())
        bench::FillModel(model, MaxLayers);
    for (auto _ : state) {
        std::int64_t total = 0;
        for (int layer = 0; layer < MaxLayers; ++layer)
            total += LayerDistance(model, layer);
        benchmark::DoNotOptimize(total);
    }
    state.counters["layers"] = MaxLayers;
}
BENCHMARK(BM_LayerDistanceAllLayers)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
