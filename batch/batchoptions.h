// Command-line options of lineato-batch.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kMaxBatchSize = 10000;  // largest drawing-area width or height
// Largest TikZ picture width in centimetres: TeX cannot hold lengths much beyond 5 metres.
inline constexpr double kMaxTikzWidth = 500;

struct BatchOptions {
    int width = 640;  // drawing area in device units
    int height = 480;
    bool dump = false;
    bool describe = false;  // print the construction description
    bool axes = false;
    bool mono = false;
    bool keepGoing = false;
    bool help = false;
    bool version = false;
    std::string png;  // empty: no such output
    std::string svg;
    std::string pdf;
    std::string tikz;
    double tikzWidth = 0;  // centimetres; 0: one centimetre per unit
    std::string file;      // "-" is standard input
};

// The options of args (without the program name); nullopt with a one-line reason in error on a usage
// error. "--" ends the options, so a file name may start with "-".
std::optional<BatchOptions> ParseBatchArguments(const std::vector<std::string>& args, std::string& error);

// An argument as a usage error names it: control characters and backslashes as \xNN, so that the error
// stays one line and tells the argument apart from what was printed around it.
std::string ShownArgument(std::string_view arg);

// The one-line synopsis, printed after a usage error and first by --help.
extern const char* const kBatchSynopsis;
// The options, one per line, printed by --help.
extern const char* const kBatchOptionList;
