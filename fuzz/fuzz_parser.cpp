// Feeds arbitrary command lines to the interpreter in the window's start state and checks, after every
// line, that the construction and the world window stay finite and consistent. The checks after a line
// look at what the line can have changed, so an input costs time in proportion to its lines.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "fuzz/invariants.h"
#include "parser/commandwords.h"
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

// Drawing areas the window can have: normal, a single pixel, minimised to nothing, a thin strip.
constexpr DeviceRect kAreas[] = {{0, 0, 640, 480}, {0, 0, 1, 1}, {0, 0, 0, 0}, {0, 0, 3000, 20}};

// The command of a line as the interpreter read it: its recorded command word, looked up in the
// interpreter's own table. Read back after the line ran, since only the interpreter knows where its
// command word ends (a NUL ends it, for one).
std::optional<CommandId> CommandRead(const TParser& parser, std::string_view line) {
    const std::vector<LineToken>& tokens = parser.Tokens();
    if (tokens.empty() || tokens.front().kind != LineToken::Kind::Command) return std::nullopt;
    const LineToken& word = tokens.front();
    if (word.end > line.size()) return std::nullopt;
    return FindCommand(line.substr(word.begin, word.end - word.begin));
}

// The command a line will run, guessed before it runs: its first word up to a blank, '@' or a control
// character.
std::optional<CommandId> CommandAhead(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '@' &&
           static_cast<unsigned char>(line[end]) >= 0x20)
        ++end;
    return FindCommand(line.substr(0, end));
}

// A turn about the origin keeps every point's distance from it and from its neighbour in the list.
void CheckTurnKeepsShape(const TParser& parser, const std::vector<std::pair<double, double>>& before,
                         std::string_view line) {
    // Points within 1e-5 of the y axis are turned as if on it, which moves them by up to about 2e-5; and
    // no turn can keep more than the coordinates' own precision.
    auto near = [](double a, double b, double scale) { return std::fabs(a - b) <= 1e-4 + 1e-9 * scale; };
    for (std::size_t i = 0; i < before.size(); ++i) {
        const TPunkt* p = parser.Objects.Item(static_cast<int>(i));
        const auto [x, y] = before[i];
        if (std::fabs(x) > 1e100 || std::fabs(y) > 1e100) return;  // beyond that the rounding is coarse
        const double radius = std::hypot(x, y);
        if (!near(std::hypot(p->GetX(), p->GetY()), radius, radius))
            Fail(("turn changed the radius of object " + std::to_string(i)).c_str(), line);
        if (i == 0) continue;
        const TPunkt* q = parser.Objects.Item(static_cast<int>(i - 1));
        const auto [qx, qy] = before[i - 1];
        const double scale = std::max(radius, std::hypot(qx, qy));
        if (!near(std::hypot(p->GetX() - q->GetX(), p->GetY() - q->GetY()), std::hypot(x - qx, y - qy),
                  scale))
            Fail(("turn changed the distance of objects " + std::to_string(i - 1) + " and " +
                  std::to_string(i))
                     .c_str(),
                 line);
    }
}

void CheckAll(const TParser& parser, std::string_view line) {
    const std::string finite = invariants::NonFiniteReport(parser);
    if (!finite.empty()) Fail(finite.c_str(), line);
    const std::string lookup = invariants::LookupReport(parser);
    if (!lookup.empty()) Fail(lookup.c_str(), line);
}

// The checks after a line, in time that does not grow with the construction: the window, the objects
// the line made, and their names against a map of the first object of each name. Lines that change
// objects made before (LOESCHE, DREHE, the axes and refit toggles) get every check over everything.
class LineChecks {
public:
    explicit LineChecks(const TParser& parser) : parser_(parser) {}

    void AfterLine(std::string_view line, int countBefore, bool changesEarlier) {
        const std::string window = invariants::WindowReport();
        if (!window.empty()) Fail(window.c_str(), line);
        if (changesEarlier) {
            CheckAll(parser_, line);
            Rebuild();
            return;
        }
        const std::string finite = invariants::ObjectsReport(parser_, countBefore);
        if (!finite.empty()) Fail(finite.c_str(), line);
        for (int i = countBefore; i < parser_.Objects.Count(); ++i)
            Note(i);
        for (int i = countBefore; i < parser_.Objects.Count(); ++i) {
            const std::string& name = parser_.Objects.Item(i)->GetName();
            if (name.size() > kMaxNameLength) Fail("name longer than 20 characters", line);
            if (!name.empty() && parser_.Objects.FindByName(name) != parser_.Objects.Item(first_.at(name)))
                Fail("FindByName misses the first object of a name", line);
        }
        if (parser_.Objects.Contains("") != nameless_) Fail("Contains(\"\") is wrong", line);
    }

private:
    void Note(int i) {
        const std::string& name = parser_.Objects.Item(i)->GetName();
        if (name.empty())
            nameless_ = true;
        else
            first_.emplace(name, i);  // an earlier object of the name stays first
    }
    void Rebuild() {
        first_.clear();
        nameless_ = false;
        for (int i = 0; i < parser_.Objects.Count(); ++i)
            Note(i);
    }

    const TParser& parser_;
    std::unordered_map<std::string, int> first_;
    bool nameless_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DrawStateGuard restore;
    Drawing() = DrawState{};
    const DeviceRect area = kAreas[size > 0 ? (data[0] >> 1) % std::size(kAreas) : 0];
    NullCanvas canvas(area);
    Drawing().DrawCanvas = &canvas;
    Drawing().ScreenRect = area;

    CountingMessages messages;
    messages.valueInStatusLine = size > 0 && (data[0] & 1);
    // The window's start state, as the document sets it up.
    ConstructionDocument document(messages);
    TParser& parser = document.Parser();

    LineChecks checks(parser);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (int n = 0; n < kMaxLines && start <= text.size(); ++n) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;

        const int countBefore = parser.Objects.Count();
        bool changesEarlier = true;
        if (line.size() == 1 && line[0] == kToggleAxes) {
            parser.Axes.Visible ? parser.HideAxes() : parser.ShowAxes();
        } else if (line.size() == 1 && line[0] == kToggleColorAndFit) {
            // As the window does on a resize or the colour button: refit, which redraws.
            SetColorMode(!Drawing().ColorMode);
            parser.AutoScale();
        } else {
            const bool turn = CommandAhead(line) == CommandId::Drehe;
            const int errorsBefore = messages.errors;
            std::vector<std::pair<double, double>> positions;
            if (turn)
                for (int i = 0; i < parser.Objects.Count(); ++i)
                    positions.emplace_back(parser.Objects.Item(i)->GetX(), parser.Objects.Item(i)->GetY());
            const bool accepted = document.AppendTyped(line);
            const std::optional<CommandId> command = CommandRead(parser, line);
            changesEarlier = command == CommandId::Drehe || command == CommandId::Loesche;
            if (turn && accepted && command == CommandId::Drehe) CheckTurnKeepsShape(parser, positions, line);
            // A rejected line always tells the user why; an accepted one never shows an error box.
            if (accepted != (messages.errors == errorsBefore))
                Fail(accepted ? "accepted line showed an error" : "silent rejection", line);
        }
        checks.AfterLine(line, countBefore, changesEarlier);
    }
    // The finished construction, refitted as the window shows it, gets every check once more.
    parser.AutoScale();
    CheckAll(parser, "(after the last line, refitted)");
    return 0;
}
