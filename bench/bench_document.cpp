// A rebuild of the document: every object freed, the interpreter reset, every line executed again, as
// open, undo, redo and the editor do; on a canvas that draws nothing.
#include <benchmark/benchmark.h>

#include "bench/workloadrun.h"
#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "parser/messages.h"

namespace {

void BM_DocumentRebuild(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    DrawStateGuard restore;
    NullCanvas canvas({0, 0, 640, 480});
    Drawing().DrawCanvas = &canvas;
    Drawing().ScreenRect = {0, 0, 640, 480};
    SilentMessages messages;
    ConstructionDocument document(messages);
    if (!document.Load(Workload(lines))) state.SkipWithError("the workload was not accepted");
    for (auto _ : state)
        benchmark::DoNotOptimize(document.Rebuild(RebuildMode::StopAtRejected));
    state.SetItemsProcessed(state.iterations() * lines);
}

}  // namespace

BENCHMARK(BM_DocumentRebuild)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
