// lineato-batch --png --size 640x480 on the workload as a whole process: wall time and the peak memory
// beyond what the same process needs for an empty construction.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/workload.h"

extern char** environ;

namespace {

const std::filesystem::path& ScratchDirectory() {
    static const std::filesystem::path dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "lineato-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return dir;
}

// The construction file of `lines` lines, written once.
std::string WorkloadFile(int lines) {
    const std::filesystem::path path = ScratchDirectory() / ("workload" + std::to_string(lines) + ".con");
    if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::binary) << GenerateWorkload(lines);
    return path.string();
}

struct ProcessRun {
    double seconds = 0;
    long maxRssKb = 0;
    int status = -1;
};

ProcessRun RunBatchProcess(const std::string& file) {
    const std::string png = (ScratchDirectory() / "out.png").string();
    std::vector<std::string> args = {LINEATO_BATCH_PATH, "--size", "640x480", "--png", png, file};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.maxRssKb = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void BM_BatchPng(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const ProcessRun empty = RunBatchProcess(WorkloadFile(0));
    const std::string file = WorkloadFile(lines);
    long maxRssKb = 0;
    for (auto _ : state) {
        const ProcessRun run = RunBatchProcess(file);
        if (run.status != 0) {
            state.SkipWithError("lineato-batch did not accept the workload");
            return;
        }
        state.SetIterationTime(run.seconds);
        maxRssKb = run.maxRssKb;
    }
    state.counters["max_rss_kb"] = static_cast<double>(maxRssKb);
    // Every line of the workload makes one object.
    state.counters["bytes_per_object"] = static_cast<double>(maxRssKb - empty.maxRssKb) * 1024 / lines;
}

}  // namespace

BENCHMARK(BM_BatchPng)->Arg(1'000)->Arg(10'000)->Arg(100'000)->UseManualTime()->Unit(benchmark::kMillisecond);
