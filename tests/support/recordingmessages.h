// A message sink that records what the interpreter would show, for tests without modal boxes.
#pragma once

#include <string>
#include <vector>

#include "parser/messages.h"

class RecordingMessages : public MessageSink {
public:
    void ShowErrorBox(const std::string& text) override { errors.push_back(text); }
    void ShowInformationBox(const std::string& text) override { information.push_back(text); }
    void ShowStatusText(const std::string& text) override { status.push_back(text); }
    bool ValueInStatusLine() const override { return valueInStatusLine; }

    void Clear() {
        errors.clear();
        information.clear();
        status.clear();
    }

    std::vector<std::string> errors;
    std::vector<std::string> information;
    std::vector<std::string> status;
    bool valueInStatusLine = false;
};
