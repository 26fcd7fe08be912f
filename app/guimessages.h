// GuiMessages: the interpreter's messages in the window: modal boxes through GuiServices, texts into the
// status line.
#pragma once

#include <functional>

#include "parser/messages.h"

class GuiServices;
class QLabel;
class QWidget;
struct Settings;

class GuiMessages : public MessageSink {
public:
    // All references must outlive the sink; parent is the owner of the boxes.
    GuiMessages(GuiServices& services, QWidget* parent, QLabel* statusPanel, const Settings& options)
        : services_(services), parent_(parent), statusPanel_(statusPanel), options_(options) {}

    // Runs before every error box, so that the window can show what the box is about.
    void SetBeforeErrorBox(std::function<void()> action) { beforeErrorBox_ = std::move(action); }

    void ShowErrorBox(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    void ShowStatusText(const std::string& text) override;
    bool ValueInStatusLine() const override;

private:
    GuiServices& services_;
    QWidget* parent_;
    QLabel* statusPanel_;
    const Settings& options_;
    std::function<void()> beforeErrorBox_;
};
