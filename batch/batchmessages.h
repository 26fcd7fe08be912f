// BatchMessageSink: the interpreter's message boxes as lines of text for lineato-batch.
#pragma once

#include <ostream>
#include <string>

#include "parser/messages.h"

class BatchMessageSink : public MessageSink {
public:
    // Error boxes go to errors as "FILE:N: TEXT", information boxes to output as plain lines, both in
    // UTF-8. Both streams must outlive the sink.
    BatchMessageSink(std::ostream& output, std::ostream& errors, std::string fileLabel);

    // The 1-based number of the line being executed, for the error prefix.
    void SetLineNumber(int line) { line_ = line; }

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
    int line_ = 0;
};
