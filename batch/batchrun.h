// One run of lineato-batch: execute a construction, then dump and write the image files the options ask for.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batchoptions.h"

class TParser;

// Exit status of the tool.
inline constexpr int kExitAccepted = 0;  // every executed line was accepted
inline constexpr int kExitRejected = 1;  // a line was rejected
inline constexpr int kExitUsage = 2;     // usage error, unreadable input, unwritable output

// Draws the construction on a drawing area of width x height device units and returns the file's bytes;
// nullopt when the picture cannot be made.
using ImageRenderer = std::function<std::optional<std::string>(TParser& parser, int width, int height)>;

// One image file to write after the run.
struct ImageOutput {
    std::string format;  // for messages: "PNG", "SVG", ...
    std::string path;
    ImageRenderer render;
};

// Flushes out; false, with a message on err, when something written to it was lost (a full disk, a closed
// descriptor), so that a lost dump is not reported as success.
bool FlushOutput(std::ostream& out, std::ostream& err);

// Executes the construction-file bytes with the start state of the main window, writes messages and the
// dump, then each image file. Returns the exit status.
int RunBatch(const BatchOptions& options, std::string_view fileBytes, std::ostream& out, std::ostream& err,
             const std::vector<ImageOutput>& images = {});
