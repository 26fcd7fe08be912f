// Redraw of the finished workload construction on a 640 x 480 image, as lineato-batch --png draws it.
#include <benchmark/benchmark.h>

#include "app/imageexport.h"
#include "bench/workloadrun.h"
#include "parser/tparser.h"

namespace {

void BM_RedrawImage(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    RunWorkload(lines, [&state](TParser& parser) {
        for (auto _ : state)
            benchmark::DoNotOptimize(RenderImage(parser, 640, 480));
        state.counters["objects"] = parser.Objects.Count();
    });
}

}  // namespace

BENCHMARK(BM_RedrawImage)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
