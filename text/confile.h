// The construction file's line format: splitting file bytes into command lines and joining them back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A line ends at CR LF, at CR alone or at LF alone; a last line without line end counts, empty lines
// are kept, and a NUL byte ends the text. An empty text gives no lines.
std::vector<std::string> SplitConstructionLines(std::string_view bytes);

// text as one line of a construction file: CR, LF and NUL, which a line of the file cannot hold, become
// blanks. Lines from the command line and the editor go through it, so that a saved file reads back as
// the lines that were executed.
std::string AsOneLine(std::string_view text);

// Every line followed by CR LF, the last one too; no lines give an empty text.
std::string JoinConstructionLines(const std::vector<std::string>& lines);
