// The message seam: how the interpreter shows error boxes, information boxes and status-line texts.
#pragma once

#include <string>

// All texts are Windows-1252.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal error box with one OK button.
    virtual void ShowErrorBox(const std::string& text) = 0;
    // A modal information box with one OK button.
    virtual void ShowInformationBox(const std::string& text) = 0;
    // The left panel of the status line.
    virtual void ShowStatusText(const std::string& text) = 0;
    // Where WERT reports: the status line (true) or an information box (false).
    virtual bool ValueInStatusLine() const = 0;
};

// Shows nothing: for runs that check results rather than messages (benchmarks, fuzzers).
class SilentMessages : public MessageSink {
public:
    void ShowErrorBox(const std::string&) override {}
    void ShowInformationBox(const std::string&) override {}
    void ShowStatusText(const std::string&) override {}
    bool ValueInStatusLine() const override { return false; }
};
