// Drives a construction document as the window does, by a sequence of operations decoded from the input,
// and checks after each one that the document is what executing its text afresh gives.
//
// The input is split at LF into records. A record that starts with a byte of 0x10..0x19 is an operation
// (below); any other record is a typed line. Texts inside a record use TAB where a line break stands.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "fuzz/harness.h"
#include "fuzz/invariants.h"
#include "text/confile.h"

namespace {

[[noreturn]] void Fail(const std::string& what, int record) {
    std::fprintf(stderr, "invariant broken after record %d: %s\n", record, what.c_str());
    std::abort();
}

enum Operation : unsigned char {
    kUndo = 0x10,
    kRedo,
    kEditLine,      // line index byte, new text (empty: the line is removed) through the editor
    kEditAll,       // the editor's whole text, lines separated by TAB
    kReplaceToken,  // line, token, mode bytes, the token's new text
    kStepNumber,    // line, token, signed steps
    kLiveEdit,      // line byte (bit 7: cancel at the end), texts separated by TAB, one live change each
    kOpen,          // mode byte (bit 0: keep going), file bytes with TAB for LF
    kSaveAndOpen,   // the saved bytes opened again
    kNew,
    kFirstOperation = kUndo,
    kLastOperation = kNew,
};

constexpr int kMaxRecords = 48;
constexpr std::size_t kMaxEditorLines = 64;

class ErrorRecorder : public MessageSink {
public:
    void ShowErrorBox(const std::string& text) override {
        if (text.empty()) Fail("empty error box", -1);
        last = text;
    }
    void ShowInformationBox(const std::string&) override {}
    void ShowStatusText(const std::string&) override {}
    bool ValueInStatusLine() const override { return false; }

    std::string last;  // the last error box's text
};

// Text from a single-line field of the window: it can hold neither line breaks nor NUL.
std::string FieldText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\0' || c == '\t') c = ' ';
    return out;
}

std::vector<std::string> SplitAtTabs(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < kMaxEditorLines) {
        const std::size_t end = text.find('\t', start);
        parts.push_back(FieldText(text.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

// A line the document's interpreter executed, with the document line it belongs to (-1: a typed line
// that was rejected, whose objects made before its error stay).
struct Executed {
    std::string text;
    int line;
};

struct ObjectRecord {
    std::string kind;
    std::string name;
    std::string description;
    double x, y, xmin, ymin, xmax, ymax;
    bool visible;
    std::uint16_t color;
    bool operator==(const ObjectRecord&) const = default;
};

std::vector<ObjectRecord> Objects(const TParser& parser) {
    std::vector<ObjectRecord> objects;
    for (int i = 0; i < parser.Objects.Count(); ++i) {
        const TPunkt* p = parser.Objects.Item(i);
        ObjectRecord r{std::string(p->KindName()),
                       p->GetName(),
                       p->Describe(),
                       p->GetX(),
                       p->GetY(),
                       0,
                       0,
                       0,
                       0,
                       p->Visible,
                       p->Color};
        p->GetExtent(r.xmin, r.ymin, r.xmax, r.ymax);
        objects.push_back(std::move(r));
    }
    return objects;
}

struct Window {
    double xmin, ymin, xmax, ymax;
    bool operator==(const Window&) const = default;
};

Window CurrentWindow() {
    const DrawState& s = Drawing();
    return {s.XMin, s.YMin, s.XMax, s.YMax};
}

class Harness {
public:
    explicit Harness(const DeviceRect& area) : area_(area), document_(messages_) {
        document_.SetListener([this](const DocumentChange& change) { CheckChange(change); });
    }

    void Run(std::string_view text) {
        std::size_t start = 0;
        for (record_ = 0; record_ < kMaxRecords && start <= text.size(); ++record_) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            Apply(text.substr(start, end - start));
            start = end + 1;
            Check();
        }
    }

private:
    void Apply(std::string_view record) {
        const auto op = record.empty() ? 0 : static_cast<unsigned char>(record[0]);
        if (op < kFirstOperation || op > kLastOperation) {
            Type(FieldText(record));
            return;
        }
        const std::string_view args = record.substr(1);
        auto byte = [&](std::size_t i) { return i < args.size() ? static_cast<unsigned char>(args[i]) : 0; };
        auto rest = [&](std::size_t from) { return args.substr(std::min(from, args.size())); };
        const int count = document_.LineCount();
        switch (static_cast<Operation>(op)) {
            case kUndo: {
                const std::vector<std::string> before = document_.Lines();
                document_.Undo();
                if (!before.empty()) undone_.push_back(before);
                if (!document_.Modified()) Fail("not modified after an undo", record_);
                Rebuilt(false);
                break;
            }
            case kRedo: {
                const bool could = document_.CanRedo();
                if (could != !undone_.empty()) Fail("CanRedo does not follow the undos", record_);
                document_.Redo();
                if (could) {
                    if (document_.Lines() != undone_.back())
                        Fail("redo does not restore the undone lines", record_);
                    undone_.pop_back();
                }
                Rebuilt(false);
                break;
            }
            case kEditLine: {
                std::vector<std::string> lines = document_.Lines();
                const std::size_t at = byte(0) % (lines.size() + 1);
                const std::string replacement = FieldText(rest(1));
                if (replacement.empty() && at < lines.size())
                    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
                else if (at < lines.size())
                    lines[at] = replacement;
                else
                    lines.push_back(replacement);
                Edit(std::move(lines));
                break;
            }
            case kEditAll:
                Edit(SplitAtTabs(rest(0)));
                break;
            case kReplaceToken: {
                if (count == 0) break;
                const int line = byte(0) % count;
                const int tokens = static_cast<int>(document_.State(line).tokens.size());
                const int token = byte(1) % (tokens + 1);  // one past the end must be refused
                const RebuildMode mode = (byte(2) & 1) ? RebuildMode::KeepGoing : RebuildMode::StopAtRejected;
                const bool replaced = document_.ReplaceToken(line, token, FieldText(rest(3)), mode);
                if (replaced != (token < tokens))
                    Fail("ReplaceToken on a token that does not exist", record_);
                if (replaced) Changed();
                Rebuilt(false);
                break;
            }
            case kStepNumber: {
                if (count == 0) break;
                const int line = byte(0) % count;
                const int tokens = static_cast<int>(document_.State(line).tokens.size());
                const int token = byte(1) % (tokens + 1);
                const int steps = static_cast<signed char>(byte(2));
                const std::string before = document_.Line(line);
                if (document_.StepNumber(line, token, steps)) {
                    Changed();
                } else if (document_.Line(line) != before) {
                    Fail("a refused step changed the line", record_);
                }
                Rebuilt(false);
                break;
            }
            case kLiveEdit: {
                if (count == 0) break;
                const int line = (byte(0) & 0x7F) % count;
                const bool cancel = (byte(0) & 0x80) != 0;
                const std::vector<std::string> before = document_.Lines();
                document_.BeginLiveEdit(line);
                for (std::string& text : SplitAtTabs(rest(1)))
                    document_.SetLiveText(std::move(text));
                if (cancel) {
                    document_.CancelLiveEdit();
                    if (document_.Lines() != before) Fail("a cancelled live change kept its text", record_);
                } else {
                    document_.EndLiveEdit();
                    if (document_.Lines() != before) Changed();
                }
                if (document_.LiveEditing()) Fail("still live after the change ended", record_);
                Rebuilt(false);
                break;
            }
            case kOpen: {
                std::string bytes(rest(1));
                for (char& c : bytes)
                    if (c == '\t') c = '\n';
                Open(bytes, (byte(0) & 1) ? RebuildMode::KeepGoing : RebuildMode::StopAtRejected);
                break;
            }
            case kSaveAndOpen: {
                const std::vector<std::string> before = document_.Lines();
                Open(document_.SaveBytes(), RebuildMode::StopAtRejected);
                if (document_.Lines() != before) Fail("opening the saved bytes gives other lines", record_);
                break;
            }
            case kNew:
                document_.StartAfresh();
                if (document_.Modified() || !document_.Untitled() || document_.LineCount() != 0)
                    Fail("a new construction is not empty, unmodified and untitled", record_);
                Changed();
                reexecuted_ = true;  // nothing is left of what was executed before
                Rebuilt(true);
                break;
        }
    }

    void Type(const std::string& line) {
        const bool accepted = document_.AppendTyped(line);
        if (accepted) {
            if (document_.Line(document_.LineCount() - 1) != line)
                Fail("the typed line was not appended", record_);
            if (!document_.Modified() || document_.CanRedo()) Fail("wrong state after a typed line", record_);
            Changed();
        }
        executed_.push_back({line, accepted ? document_.LineCount() - 1 : -1});
    }

    void Edit(std::vector<std::string> lines) {
        document_.ReplaceAll(lines);
        if (document_.Lines() != lines) Fail("the editor's lines were not taken", record_);
        if (!document_.Modified()) Fail("not modified after the editor", record_);
        Changed();
        Rebuilt(false);
    }

    void Open(const std::string& bytes, RebuildMode mode) {
        // As the window's Open: a new construction first, then the file.
        document_.StartAfresh();
        const bool all = document_.Load(bytes, mode);
        if (document_.Lines() != SplitConstructionLines(bytes))
            Fail("opened lines differ from the file", record_);
        if (document_.Modified() || document_.Untitled() == all)
            Fail("wrong file state after opening", record_);
        Changed();
        Rebuilt(true);
    }

    // History other than the undone lines is gone.
    void Changed() { undone_.clear(); }

    // After a rebuild the executed lines are those the document marks so; startWindow: it began from the
    // start window, so the window is what executing them from there gives.
    void Rebuilt(bool startWindow) {
        // Operations that did nothing (a redo with nothing to redo, a refused token) executed nothing: the
        // objects of rejected typed lines are still there.
        if (!std::exchange(reexecuted_, false)) return;
        executed_.clear();
        for (int i = 0; i < document_.LineCount(); ++i)
            if (document_.State(i).executed) executed_.push_back({document_.Line(i), i});
        windowFromStart_ = startWindow;
    }

    void CheckChange(const DocumentChange& change) {
        const int count = document_.LineCount();
        using Kind = DocumentChange::Kind;
        const bool ok = (change.kind == Kind::LineAppended && change.line == count - 1) ||
                        (change.kind == Kind::LineRemoved && change.line == count) ||
                        (change.kind == Kind::LineChanged && change.line >= 0 && change.line < count) ||
                        (change.kind == Kind::StatesChanged && change.line >= -1 && change.line < count) ||
                        change.kind == Kind::LinesReset;
        if (!ok) Fail("a change notice names a line that is not there", record_);
        // The notice that ends every execution of the lines.
        if (change.kind == Kind::StatesChanged && change.line == -1) reexecuted_ = true;
    }

    void Check() {
        const TParser& parser = document_.Parser();
        if (std::string report = invariants::NonFiniteReport(parser); !report.empty()) Fail(report, record_);
        if (std::string report = invariants::LookupReport(parser); !report.empty()) Fail(report, record_);

        // The lines survive a save and an open.
        if (SplitConstructionLines(document_.SaveBytes()) != document_.Lines())
            Fail("saved lines do not read back", record_);

        // Every executed line of the document, in order, is one of what the harness saw executed.
        int marked = 0;
        for (int i = 0; i < document_.LineCount(); ++i)
            marked += document_.State(i).executed ? 1 : 0;
        int seen = 0;
        for (const Executed& e : executed_)
            seen += e.line >= 0 ? 1 : 0;
        if (marked != seen) Fail("executed lines differ from what was executed", record_);

        // A fresh interpreter executing the same lines gives the same objects, line states and colour.
        const Window window = CurrentWindow();
        std::vector<ObjectRecord> expected;
        Window expectedWindow;
        std::uint16_t expectedColor;
        {
            DrawStateGuard restore;
            NullCanvas canvas(area_);
            Drawing().DrawCanvas = &canvas;
            ErrorRecorder quiet;
            ConstructionDocument fresh(quiet);
            fresh.Parser().Axes.Visible = parser.Axes.Visible;
            for (const Executed& e : executed_) {
                const int first = fresh.Parser().Objects.Count();
                quiet.last.clear();
                const bool accepted = fresh.Parser().Execute(e.text);
                if (e.line < 0) continue;
                const LineState& state = document_.State(e.line);
                if (document_.Line(e.line) != e.text) Fail("an executed line changed since", record_);
                if (!state.executed || state.accepted != accepted || state.firstObject != first ||
                    state.objectCount != fresh.Parser().Objects.Count() - first)
                    Fail("line state differs from a fresh execution of line " + std::to_string(e.line),
                         record_);
                if (state.message != (accepted ? std::string() : quiet.last))
                    Fail("the message of line " + std::to_string(e.line) + " differs", record_);
            }
            expected = Objects(fresh.Parser());
            expectedWindow = CurrentWindow();
            expectedColor = fresh.Parser().CurrentColor;
        }
        const std::vector<ObjectRecord> actual = Objects(parser);
        if (actual.size() != expected.size()) Fail("object count differs from a fresh execution", record_);
        for (std::size_t i = 0; i < actual.size(); ++i)
            if (!(actual[i] == expected[i]))
                Fail("object " + std::to_string(i) + " differs from a fresh execution: " +
                         actual[i].description + " / " + expected[i].description,
                     record_);
        if (parser.CurrentColor != expectedColor) Fail("colour differs from a fresh execution", record_);
        if (windowFromStart_ && !(window == expectedWindow))
            Fail("window differs from a fresh execution", record_);
    }

    DeviceRect area_;
    ErrorRecorder messages_;
    ConstructionDocument document_;
    std::vector<Executed> executed_;
    std::vector<std::vector<std::string>> undone_;  // the lines before each undo that can be redone
    bool windowFromStart_ = true;
    bool reexecuted_ = false;  // the document executed its lines since the last Rebuilt
    int record_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NullDrawingArea drawing;
    Harness harness(drawing.area);
    harness.Run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
