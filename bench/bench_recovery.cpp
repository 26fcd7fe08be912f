// One recovery write, as after every typed line: the document's lines and file state taken, serialised,
// and the recovery file replaced (not flushed). It has to stay far below a keystroke's time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/workloadrun.h"
#include "document/constructiondocument.h"
#include "document/recovery.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "parser/messages.h"

namespace {

void BM_RecoveryWrite(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("lineato_bench_recovery_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    DrawStateGuard restore;
    NullCanvas canvas({0, 0, 640, 480});
    Drawing().DrawCanvas = &canvas;
    Drawing().ScreenRect = {0, 0, 640, 480};
    SilentMessages messages;
    ConstructionDocument document(messages);
    if (!document.Load(Workload(lines))) state.SkipWithError("the workload was not accepted");
    {
        RecoveryFile file(dir.string());
        for (auto _ : state) {
            if (!file.Write(RecoveryStateOf(document)).Ok()) {
                state.SkipWithError("the recovery file could not be written");
                break;
            }
        }
    }
    fs::remove_all(dir);
    state.SetItemsProcessed(state.iterations() * lines);
}

}  // namespace

BENCHMARK(BM_RecoveryWrite)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMicrosecond);
