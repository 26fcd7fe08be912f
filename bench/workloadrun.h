// The benchmark workload run as lineato-batch runs a file: with the batch start state, through RunBatch.
#pragma once

#include <functional>
#include <string>

class TParser;

// The workload of `lines` lines, made once per size and kept.
const std::string& Workload(int lines);

// Executes the workload of `lines` lines as lineato-batch does, then calls finished with the interpreter
// holding the whole construction (nullptr: nothing to do after). Returns the batch exit status.
int RunWorkload(int lines, const std::function<void(TParser&)>& finished = nullptr);
