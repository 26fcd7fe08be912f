// Feeds arbitrary command lines to the interpreter in the window's start state and checks, after every
// line, that the construction and the world window stay finite and consistent.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "fuzz/invariants.h"
#include "parser/tparser.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view line) {
    std::fprintf(stderr, "invariant broken: %s in line \"%.*s\"\n", what, static_cast<int>(line.size()),
                 line.data());
    std::abort();
}

class CountingMessages : public MessageSink {
public:
    void ShowErrorBox(const std::string& text) override {
        if (text.empty()) Fail("empty error box", "");
        ++errors;
    }
    void ShowInformationBox(const std::string& text) override {
        if (text.empty()) Fail("empty information box", "");
    }
    void ShowStatusText(const std::string&) override {}
    bool ValueInStatusLine() const override { return valueInStatusLine; }

    int errors = 0;
    bool valueInStatusLine = false;
};

// Enough lines to build sizeable constructions, few enough that one input stays fast.
constexpr int kMaxLines = 200;

// A line of this single byte toggles the axes, as the tool bar button does between commands.
constexpr char kToggleAxes = '\x01';
// A line of this single byte switches the colour mode and refits the view.
constexpr char kToggleColorAndFit = '\x02';

void CheckAll(const TParser& parser, std::string_view line) {
    const std::string finite = invariants::NonFiniteReport(parser);
    if (!finite.empty()) Fail(finite.c_str(), line);
    const std::string lookup = invariants::LookupReport(parser);
    if (!lookup.empty()) Fail(lookup.c_str(), line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DrawStateGuard restore;
    Drawing() = DrawState{};
    const DeviceRect area{0, 0, 640, 480};
    NullCanvas canvas(area);
    Drawing().DrawCanvas = &canvas;
    Drawing().ScreenRect = area;

    CountingMessages messages;
    messages.valueInStatusLine = size > 0 && (data[0] & 1);
    TParser parser(messages);
    parser.Reset();
    SetColorMode(true);
    SetWorldWindow(-6, -5, 6, 5);
    parser.AutoScaling = true;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (int n = 0; n < kMaxLines && start <= text.size(); ++n) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;

        if (line.size() == 1 && line[0] == kToggleAxes) {
            parser.Axes.Visible ? parser.HideAxes() : parser.ShowAxes();
        } else if (line.size() == 1 && line[0] == kToggleColorAndFit) {
            SetColorMode(!Drawing().ColorMode);
            parser.AutoScale();
        } else {
            const int errorsBefore = messages.errors;
            const bool accepted = parser.Execute(line);
            // A rejected line always tells the user why; an accepted one never shows an error box.
            if (accepted != (messages.errors == errorsBefore))
                Fail(accepted ? "accepted line showed an error" : "silent rejection", line);
        }
        CheckAll(parser, line);
        parser.AutoScale();
        parser.Redraw();
        CheckAll(parser, line);
    }
    return 0;
}
