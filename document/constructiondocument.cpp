// ConstructionDocument: the lines, their execution, the file state and the edit history.
#include "document/constructiondocument.h"

#include <utility>

#include "drawing/transform.h"
#include "text/confile.h"
#include "text/fileio.h"

void SetStartWindow() {
    SetWorldWindow(kStartWindow.xmin, kStartWindow.ymin, kStartWindow.xmax, kStartWindow.ymax);
}

ConstructionDocument::ConstructionDocument(MessageSink& messages) : messages_(messages), parser_(messages_) {
    messages_.SetBeforeBox([this] {
        if (deferred_ != nullptr) deferred_->Flush();
    });
    parser_.Reset();
    parser_.Axes.Visible = false;
    SetColorMode(true);
    SetStartWindow();
}

std::vector<std::string> ConstructionDocument::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(lines_.size());
    for (const DocumentLine& line : lines_)
        lines.push_back(line.text);
    return lines;
}

std::string ConstructionDocument::SaveBytes() const {
    return JoinConstructionLines(Lines());
}

int ConstructionDocument::LineOfObject(const TPunkt* object) const {
    if (object == nullptr) return -1;
    const TObjList& objects = parser_.Objects;
    int index = -1;
    for (int i = 0; i < objects.Count(); ++i) {
        if (objects.Item(i) == object) {
            index = i;
            break;
        }
    }
    if (index < 0) return -1;
    for (int i = 0; i < LineCount(); ++i) {
        const LineState& state = lines_[static_cast<std::size_t>(i)].state;
        if (state.executed && index >= state.firstObject && index < state.firstObject + state.objectCount)
            return i;
    }
    return -1;
}

void ConstructionDocument::StartAfresh() {
    SetStartWindow();
    parser_.Objects.FreeAll();
    parser_.Reset();
    SetLines({});
    modified_ = false;
    untitled_ = true;
    ForgetHistory();
    ClearCanvas();
    parser_.Redraw();
    Changed();
}

bool ConstructionDocument::Open(const std::string& path) {
    parser_.Reset();
    fileName_ = path;
    const FileReadResult file = ReadFileBytes(path);
    if (!file.bytes) {
        Changed();
        return false;
    }
    Load(*file.bytes);
    return true;
}

bool ConstructionDocument::Load(std::string_view fileBytes, RebuildMode mode) {
    SetLines(SplitConstructionLines(fileBytes));
    ForgetHistory();
    BeginRebuild();
    const bool all = ExecuteFrom(0, mode, false);
    // A later plain save asks for a name unless every line was accepted.
    untitled_ = !all;
    Changed();
    return all;
}

bool ConstructionDocument::WriteFile() {
    saveError_ = ReplaceFile(fileName_, SaveBytes()).error;
    if (saveError_ != 0) return false;
    modified_ = false;
    return true;
}

bool ConstructionDocument::Save() {
    if (!WriteFile()) return false;
    Changed();
    return true;
}

bool ConstructionDocument::SaveAs(const std::string& path) {
    fileName_ = path;
    // Also when it failed: the name is kept for the next try.
    const bool written = WriteFile();
    if (written) untitled_ = false;
    Changed();
    return written;
}

void ConstructionDocument::Restore(std::vector<std::string> lines, std::string fileName, bool untitled) {
    SetLines(std::move(lines));
    ForgetHistory();
    fileName_ = std::move(fileName);
    untitled_ = untitled;
    modified_ = true;
    RebuildAndRedraw();
    Changed();
}

bool ConstructionDocument::AppendTyped(std::string_view line) {
    executing_ = -1;
    messages_.Forget();
    const int first = parser_.Objects.Count();
    if (!parser_.Execute(line)) return false;
    DocumentLine added{std::string(line), {}};
    added.state = {true, true, first, parser_.Objects.Count() - first, TokenList(parser_.Tokens()), {}};
    lines_.push_back(std::move(added));
    modified_ = true;
    ForgetHistory();
    Notify(DocumentChange::Kind::LineAppended, LineCount() - 1);
    Changed();
    return true;
}

void ConstructionDocument::Undo() {
    if (lastEdit_) {
        lines_[static_cast<std::size_t>(lastEdit_->line)].text = lastEdit_->before;
        Notify(DocumentChange::Kind::LineChanged, lastEdit_->line);
        redo_.emplace_back(std::move(*lastEdit_));
        lastEdit_.reset();
        numberRun_.reset();
    } else if (!lines_.empty()) {
        redo_.emplace_back(std::move(lines_.back().text));
        lines_.pop_back();
        Notify(DocumentChange::Kind::LineRemoved, LineCount());
    }
    modified_ = true;
    RebuildAndRedraw();
    Changed();
}

void ConstructionDocument::Redo() {
    if (redo_.empty()) return;
    RedoEntry entry = std::move(redo_.back());
    redo_.pop_back();
    if (std::string* line = std::get_if<std::string>(&entry)) {
        lines_.push_back({std::move(*line), {}});
        lastEdit_.reset();
        Notify(DocumentChange::Kind::LineAppended, LineCount() - 1);
    } else {
        LineEdit& edit = std::get<LineEdit>(entry);
        lines_[static_cast<std::size_t>(edit.line)].text = edit.after;
        Notify(DocumentChange::Kind::LineChanged, edit.line);
        lastEdit_ = std::move(edit);
    }
    modified_ = true;
    RebuildAndRedraw();
    Changed();
}

void ConstructionDocument::ReplaceAll(std::vector<std::string> lines) {
    SetLines(std::move(lines));
    ForgetHistory();
    ClearCanvas();
    modified_ = true;
    BeginRebuild();
    ExecuteFrom(0, RebuildMode::StopAtRejected, true);
    // The clearing above took the axes away.
    ClearCanvas();
    parser_.Redraw();
    Changed();
}

bool ConstructionDocument::ReplaceToken(int line, int token, std::string_view text, RebuildMode mode) {
    if (line < 0 || line >= LineCount()) return false;
    DocumentLine& target = lines_[static_cast<std::size_t>(line)];
    const TokenList& tokens = target.state.tokens;
    if (token < 0 || token >= static_cast<int>(tokens.size())) return false;
    const LineToken& span = tokens[static_cast<std::size_t>(token)];
    LineEdit edit{line, target.text, target.text};
    edit.after.replace(span.begin, span.end - span.begin, text);
    target.text = edit.after;
    Notify(DocumentChange::Kind::LineChanged, line);
    redo_.clear();
    lastEdit_ = std::move(edit);
    numberRun_.reset();
    modified_ = true;
    BeginRebuild();
    ExecuteFrom(0, mode, true);
    ClearCanvas();
    parser_.Redraw();
    Changed();
    return true;
}

void ConstructionDocument::BeginRebuild() {
    parser_.Objects.FreeAll();
    parser_.Reset();
    for (DocumentLine& line : lines_)
        line.state = {};
}

bool ConstructionDocument::ExecuteLine(int i) {
    DocumentLine& line = lines_.at(static_cast<std::size_t>(i));
    executing_ = i;
    messages_.Forget();
    const int first = parser_.Objects.Count();
    const bool accepted = parser_.Execute(line.text);
    line.state = {true,
                  accepted,
                  first,
                  parser_.Objects.Count() - first,
                  TokenList(parser_.Tokens()),
                  accepted ? SparseText() : SparseText(messages_.LastError())};
    executing_ = -1;
    Notify(DocumentChange::Kind::StatesChanged, i);
    return accepted;
}

bool ConstructionDocument::Rebuild(RebuildMode mode) {
    BeginRebuild();
    return ExecuteFrom(0, mode);
}

bool ConstructionDocument::ExecuteFrom(int first, RebuildMode mode, bool redrawnAfter) {
    DeferredDrawing deferred(parser_);
    if (redrawnAfter) deferred.Discard();
    deferred_ = &deferred;
    // One notice for the whole run, not one per line.
    auto listener = std::exchange(listener_, nullptr);
    bool all = true;
    for (int i = first; i < LineCount(); ++i) {
        if (!ExecuteLine(i)) {
            all = false;
            if (mode == RebuildMode::StopAtRejected) break;
        }
    }
    listener_ = std::move(listener);
    deferred_ = nullptr;
    // The construction executed whole: nothing left to mark.
    if (first == 0 && all) marks_ = false;
    Notify(DocumentChange::Kind::StatesChanged);
    return all;
}

void ConstructionDocument::SetLines(std::vector<std::string> lines) {
    marks_ = false;
    lines_.clear();
    lines_.reserve(lines.size());
    for (std::string& line : lines)
        lines_.push_back({std::move(line), {}});
    Notify(DocumentChange::Kind::LinesReset);
}

void ConstructionDocument::Changed() {
    if (changed_) changed_();
}

void ConstructionDocument::ForgetHistory() {
    redo_.clear();
    lastEdit_.reset();
    numberRun_.reset();
}

void ConstructionDocument::RebuildAndRedraw() {
    BeginRebuild();
    ExecuteFrom(0, RebuildMode::StopAtRejected, true);
    ClearCanvas();
    parser_.Redraw();
}

void ConstructionDocument::Notify(DocumentChange::Kind kind, int line) {
    if (listener_) listener_({kind, line});
}
