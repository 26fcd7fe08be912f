// One run of lineato-batch: execute a construction, then dump and export as the options say.
#pragma once

#include <ostream>
#include <string_view>

#include "app/batchoptions.h"

// Exit status of the tool.
inline constexpr int kExitAccepted = 0;  // every executed line was accepted
inline constexpr int kExitRejected = 1;  // a line was rejected
inline constexpr int kExitUsage = 2;     // usage error, unreadable input, unwritable output

// Executes the construction-file bytes with the start state of the main window and writes messages,
// dump and image files. Needs a QGuiApplication when an image is requested. Returns the exit status.
int RunBatch(const BatchOptions& options, std::string_view fileBytes, std::ostream& out, std::ostream& err);
