// Executing the workload as lineato-batch does (no pictures), and the heap it holds per object.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <limits>

#include "bench/workloadrun.h"
#include "parser/tparser.h"

namespace {

// Each run builds and frees a whole construction. glibc would hand the freed memory back to the system and
// fault it in again on the next run, which at some sizes and not at others doubled the time per line. A
// real run pays that once (the whole-process figures of lineato-batch include it); keeping the heap
// measures the interpreter itself, alike at every size.
void KeepHeapBetweenRuns() {
    static const bool kept = [] {
        mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // glibc's largest
        return true;
    }();
    (void)kept;
}

void BM_ExecuteLines(benchmark::State& state) {
    KeepHeapBetweenRuns();
    const int lines = static_cast<int>(state.range(0));
    Workload(lines);  // made before the clock runs
    for (auto _ : state)
        benchmark::DoNotOptimize(RunWorkload(lines));
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["per_line"] =
        benchmark::Counter(static_cast<double>(state.iterations() * lines),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Heap in use (small blocks and mapped large ones), in bytes.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap in use at the end of the run (document, interpreter, objects) over what was in use before, per
// object of the construction. Every line of the workload makes one object.
void BM_HeapPerObject(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Workload(lines);
    double perObject = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        RunWorkload(lines, [&](TParser& parser) {
            const std::size_t after = HeapInUse();
            perObject = static_cast<double>(after - before) / parser.Objects.Count();
        });
    }
    state.counters["bytes_per_object"] = perObject;
}

}  // namespace

BENCHMARK(BM_ExecuteLines)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapPerObject)->Arg(10'000)->Arg(100'000)->Iterations(1)->Unit(benchmark::kMillisecond);
