// DocumentMessages: the interpreter's message seam inside the document. Passes every message on to the
// view's sink, keeps the last error text for the line's state, and holds boxes back while quiet.
#pragma once

#include <functional>
#include <string>

#include "parser/messages.h"

class DocumentMessages : public MessageSink {
public:
    explicit DocumentMessages(MessageSink& target) : target_(target) {}  // target outlives this

    void ShowErrorBox(const std::string& text) override {
        lastError_ = text;
        if (quiet_) return;
        if (beforeBox_) beforeBox_();
        target_.ShowErrorBox(text);
    }
    void ShowInformationBox(const std::string& text) override {
        if (quiet_) return;
        if (beforeBox_) beforeBox_();
        target_.ShowInformationBox(text);
    }
    void ShowStatusText(const std::string& text) override { target_.ShowStatusText(text); }
    bool ValueInStatusLine() const override { return target_.ValueInStatusLine(); }

    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // Runs before a box is shown: the picture behind the box must be up to date.
    void SetBeforeBox(std::function<void()> action) { beforeBox_ = std::move(action); }
    // The text of the last error box since Forget.
    const std::string& LastError() const { return lastError_; }
    void Forget() { lastError_.clear(); }

private:
    MessageSink& target_;
    bool quiet_ = false;
    std::function<void()> beforeBox_;
    std::string lastError_;
};
