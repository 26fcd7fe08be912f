// BatchMessageSink: the interpreter's message boxes as lines of text for lineato-batch.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "parser/messages.h"

class BatchMessageSink : public MessageSink {
public:
    // Error boxes go to errors as "FILE:N: TEXT", information boxes to output as plain lines, both in
    // UTF-8. Both streams must outlive the sink.
    BatchMessageSink(std::ostream& output, std::ostream& errors, std::string fileLabel);

    // Where the 1-based number of the line being executed comes from, for the error prefix.
    void SetLineSource(std::function<int()> lineNumber) { lineNumber_ = std::move(lineNumber); }

    void ShowErrorBox(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    // There is no status line: its texts are dropped.
    void ShowStatusText(const std::string& text) override;
    // Always false, so WERT reports through an information box and reaches standard output.
    bool ValueInStatusLine() const override { return false; }

private:
    std::ostream& output_;
    std::ostream& errors_;
    std::string fileLabel_;
    std::function<int()> lineNumber_;
};
