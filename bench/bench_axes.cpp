// DrawAxes on a null canvas for windows from the start window's size up to 1e12 units.
#include <benchmark/benchmark.h>

#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/primitives.h"
#include "drawing/transform.h"

namespace {

// The argument is the window's width in world units, centred on the origin of a 640 x 480 area.
void BM_DrawAxes(benchmark::State& state) {
    const double width = static_cast<double>(state.range(0));
    DrawStateGuard guard;
    NullCanvas canvas;
    Drawing().DrawCanvas = &canvas;
    SetViewTransform({0, 0, 640, 480}, -width / 2, -width * 0.375, width / 2, width * 0.375);
    for (auto _ : state) {
        DrawAxes();
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_DrawAxes)->Arg(12)->Arg(100)->Arg(1'000'000)->Arg(1'000'000'000)->Arg(1'000'000'000'000);
