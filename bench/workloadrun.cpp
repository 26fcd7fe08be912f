// The benchmark workload run through the batch tool's run, with its messages thrown away.
#include "bench/workloadrun.h"

#include <map>
#include <optional>
#include <ostream>
#include <streambuf>
#include <vector>

#include "batch/batchrun.h"
#include "bench/workload.h"

namespace {

// Swallows whatever is written to it.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

}  // namespace

const std::string& Workload(int lines) {
    static std::map<int, std::string> made;
    auto found = made.find(lines);
    if (found == made.end()) found = made.emplace(lines, GenerateWorkload(lines)).first;
    return found->second;
}

int RunWorkload(int lines, const std::function<void(TParser&)>& finished) {
    NullBuffer nothing;
    std::ostream out(&nothing);
    BatchOptions options;
    options.file = "workload.con";
    std::vector<ImageOutput> images;
    if (finished) {
        // An image output whose renderer only hands over the finished interpreter; it writes no file.
        images.push_back({"probe", "", [&finished](TParser& parser, int, int) -> std::optional<std::string> {
                              finished(parser);
                              return std::nullopt;
                          }});
    }
    return RunBatch(options, Workload(lines), out, out, images);
}
