// The batch tool's message seam: error and information boxes become lines on the standard streams.
#include "batch/batchmessages.h"

#include <utility>

#include "text/cp1252.h"

BatchMessageSink::BatchMessageSink(std::ostream& output, std::ostream& errors, std::string fileLabel)
    : output_(output), errors_(errors), fileLabel_(std::move(fileLabel)) {}

void BatchMessageSink::ShowErrorBox(const std::string& text) {
    errors_ << fileLabel_ << ':' << (lineNumber_ ? lineNumber_() : 0) << ": " << Cp1252ToUtf8(text) << '\n';
}

void BatchMessageSink::ShowInformationBox(const std::string& text) {
    output_ << Cp1252ToUtf8(text) << '\n';
}

void BatchMessageSink::ShowStatusText(const std::string&) {}
