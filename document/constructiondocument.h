// ConstructionDocument: the construction as its text. Owns the command lines, the interpreter that
// executes them, the file state and the edit history; the window, lineato-batch, the fuzzers and the tests
// all drive it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/deferreddrawing.h"
#include "document/documentmessages.h"
#include "document/linestate.h"
#include "drawing/drawstate.h"
#include "parser/tparser.h"

// The world window of a new construction: x from -6 to 6, y from -5 to 5.
inline constexpr WorldWindow kStartWindow{-6, -5, 6, 5};
// SetWorldWindow with kStartWindow on the screen drawing area.
void SetStartWindow();

// What a rebuild does after a rejected line.
enum class RebuildMode {
    StopAtRejected,  // open, undo, redo, the editor: the lines after it are not executed
    KeepGoing,       // the end of a replay, dragging: each line executes where it can
};

// What changed, for views of the document's lines.
struct DocumentChange {
    enum class Kind {
        LinesReset,    // any number of lines replaced
        LineAppended,  // line `line` is new, at the end
        LineRemoved,   // the last line, which had index `line`, is gone
        LineChanged,   // the text of line `line` changed
        StatesChanged  // lines executed: accepted flags and messages may differ (line -1: any line)
    };
    Kind kind;
    int line = -1;
};

class ConstructionDocument {
public:
    // The start state of the window: interpreter reset, axes hidden, colour mode on, the start window on
    // the screen drawing area (set Drawing().ScreenRect first). messages must outlive the document.
    explicit ConstructionDocument(MessageSink& messages);
    ConstructionDocument(const ConstructionDocument&) = delete;
    ConstructionDocument& operator=(const ConstructionDocument&) = delete;

    TParser& Parser() { return parser_; }
    const TParser& Parser() const { return parser_; }

    // ---- The lines
    int LineCount() const { return static_cast<int>(lines_.size()); }
    const std::string& Line(int i) const { return lines_.at(static_cast<std::size_t>(i)).text; }
    const LineState& State(int i) const { return lines_.at(static_cast<std::size_t>(i)).state; }
    std::vector<std::string> Lines() const;
    // The bytes of the construction file.
    std::string SaveBytes() const;
    // The index of the line being executed from the list, or -1 (a typed line, or none).
    int ExecutingLine() const { return executing_; }
    // The line that created object, or -1 (none: an erased auxiliary point still belongs to its line).
    int LineOfObject(const TPunkt* object) const;

    // ---- File state
    const std::string& FileName() const { return fileName_; }  // path of the file last opened or saved
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool Untitled() const { return untitled_; }

    // ---- Operations of the window's handlers
    // New: the start window, no objects, no lines, not modified, untitled; nothing to redo.
    void StartAfresh();
    // Open after the dialog: reset, remember path, read it, execute its lines up to the first rejected
    // one. False when the file cannot be read (no lines then, still untitled). Untitled afterwards unless
    // every line was accepted. Modified stays false.
    bool Open(const std::string& path);
    // The same for bytes already read (lineato-batch, tests); true when every executed line was accepted.
    bool Load(std::string_view fileBytes, RebuildMode mode = RebuildMode::StopAtRejected);
    // Save to the file name (untitled documents need SaveAs); false, still modified, when it cannot be
    // written, and the old file stays whole.
    bool Save();
    // Remember path, then save there; afterwards no longer untitled.
    bool SaveAs(const std::string& path);
    // The errno of the last Save or SaveAs that failed (see ReplaceFile), for the message.
    int SaveError() const { return saveError_; }
    // A construction brought back after a crash: these lines, file name and untitled flag, executed up
    // to the first rejected line; modified, nothing to redo.
    void Restore(std::vector<std::string> lines, std::string fileName, bool untitled);

    // A typed line: executed; when accepted, appended and modified, and nothing is left to redo.
    bool AppendTyped(std::string_view line);
    // Rückgängig: right after a replaced token, the line's old text comes back; otherwise the last line
    // goes (an empty list stays empty). Then modified, the construction rebuilt up to the first rejected
    // line, the canvas cleared and redrawn.
    void Undo();
    // Puts back, newest first, what consecutive undos took; rebuilt and redrawn as Undo.
    void Redo();
    bool CanUndo() const { return true; }  // also on an empty list, where it still sets Modified
    bool CanRedo() const { return !redo_.empty(); }
    // The editor: all lines replaced, canvas cleared, rebuilt up to the first rejected line, modified.
    void ReplaceAll(std::vector<std::string> lines);
    // Replaces token `token` of line `line` (a word or number the interpreter read there) by text and
    // executes the construction again; one undo step. False when there is no such token.
    bool ReplaceToken(int line, int token, std::string_view text,
                      RebuildMode mode = RebuildMode::StopAtRejected);

    // ---- Live changes: dragging a free point, stepping a number. While they run no box appears; each
    // change executes the whole construction again, every line where it can (a rejected line does not
    // stop the rest), and the rejected lines are marked until the construction executes whole again.
    // Starts a live change of line's text; the view stays as it is until the change ends.
    void BeginLiveEdit(int line);
    bool LiveEditing() const { return live_.has_value(); }
    int LiveLine() const { return live_ ? live_->line : -1; }
    // During a live change: the line's text becomes text and the construction is executed again.
    void SetLiveText(std::string text);
    // Ends the live change as one undo step (when the text differs); the view is fitted as after a
    // typed line.
    void EndLiveEdit();
    // Takes the live change back: the old text, executed again.
    void CancelLiveEdit();
    // Changes number token `token` of line by steps units of its last decimal place, keeping its form,
    // and executes the construction again; steps of one number in a row are one undo step. False when
    // that token is no number the line was read with, or the number cannot be stepped.
    bool StepNumber(int line, int token, int steps);
    // Whether rejected lines are to be shown marked: a live change left some, and no rebuild has
    // executed the construction whole since.
    bool MarksRejected() const { return marks_; }
    // The first executed and rejected line, or -1.
    int FirstRejectedLine() const;

    // ---- Execution, for the replay and the operations above
    // Frees all objects and resets the interpreter; every line counts as not executed.
    void BeginRebuild();
    // Executes line i as it stands and records what it did; true when accepted.
    bool ExecuteLine(int i);
    // Executes the lines from first on as mode says; true when all executed were accepted. Nothing is
    // drawn line by line: at the end (and before any box on the way) the canvas shows what drawing line
    // by line would have shown; with redrawnAfter the caller redraws the whole picture instead.
    bool ExecuteFrom(int first, RebuildMode mode, bool redrawnAfter = false);
    // BeginRebuild, then every line from the first as ExecuteFrom does.
    bool Rebuild(RebuildMode mode);

    // While quiet, error and information boxes are not shown (their texts are still recorded in the
    // lines' states): for live changes such as dragging.
    void SetQuiet(bool quiet) { messages_.SetQuiet(quiet); }

    // Called after every change of the lines or their states.
    void SetListener(std::function<void(const DocumentChange&)> listener) { listener_ = std::move(listener); }
    // Called once at the end of every operation that changed the construction's lines or its file state
    // (a typed line, undo, redo, the editor, a replaced token, a stepped number, the end of a live
    // change, new, open, save, restore); not at each move of a live change.
    void SetChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }

private:
    struct DocumentLine {
        std::string text;
        LineState state;
    };
    // A token replacement, undoable right after it and redoable after its undo.
    struct LineEdit {
        int line;
        std::string before;
        std::string after;
    };
    using RedoEntry = std::variant<std::string, LineEdit>;  // a line taken by Undo, or an undone edit
    struct LiveChange {
        int line;
        std::string before;
        bool autoScaling;  // as it was before the change, which holds the view still
    };
    struct NumberRun {
        int line;
        int token;
    };

    // Executes the whole construction again without boxes, going on after rejected lines, and redraws.
    void ExecuteLive();

    // Writes the lines to the file name; not modified afterwards when it worked.
    bool WriteFile();
    void SetLines(std::vector<std::string> lines);
    void ForgetHistory();
    void RebuildAndRedraw();
    void Notify(DocumentChange::Kind kind, int line = -1);
    void Changed();

    DocumentMessages messages_;
    TParser parser_;
    std::vector<DocumentLine> lines_;
    int executing_ = -1;
    DeferredDrawing* deferred_ = nullptr;  // the drawing of the rebuild running now, if any

    std::string fileName_;
    bool modified_ = false;
    bool untitled_ = true;
    int saveError_ = 0;

    std::vector<RedoEntry> redo_;
    std::optional<LineEdit> lastEdit_;    // the token replacement the next Undo takes back, if any
    std::optional<NumberRun> numberRun_;  // the number whose steps lastEdit_ gathers, if any
    std::optional<LiveChange> live_;
    bool marks_ = false;

    std::function<void(const DocumentChange&)> listener_;
    std::function<void()> changed_;
};
