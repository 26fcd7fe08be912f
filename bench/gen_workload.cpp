// lineato-gen-workload LINES: writes the benchmark construction of LINES lines to standard output.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/workload.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::atoi(argv[1]) < 0) {
        std::fputs("usage: gen_workload LINES\n", stderr);
        return 2;
    }
    const std::string text = GenerateWorkload(std::atoi(argv[1]));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
