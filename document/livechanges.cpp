// The document's live changes: a dragged point's line rewritten at every move, numbers stepped in place.
#include "document/constructiondocument.h"
#include "document/numbertext.h"
#include "drawing/transform.h"

void ConstructionDocument::BeginLiveEdit(int line) {
    if (live_) EndLiveEdit();
    if (line < 0 || line >= LineCount()) return;
    live_ = LiveChange{line, Line(line), parser_.AutoScaling};
    // The view stays still while the change runs: a dragged point follows the mouse in a fixed view.
    parser_.AutoScaling = false;
}

void ConstructionDocument::SetLiveText(std::string text) {
    if (!live_) return;
    DocumentLine& target = lines_[static_cast<std::size_t>(live_->line)];
    if (target.text == text) return;
    target.text = std::move(text);
    Notify(DocumentChange::Kind::LineChanged, live_->line);
    ExecuteLive();
}

void ConstructionDocument::EndLiveEdit() {
    if (!live_) return;
    const LiveChange change = std::move(*live_);
    live_.reset();
    parser_.AutoScaling = change.autoScaling;
    const std::string& after = Line(change.line);
    if (after != change.before) {
        lastEdit_ = LineEdit{change.line, change.before, after};
        numberRun_.reset();
        redo_.clear();
        modified_ = true;
    }
    // As after a typed line: the view widens where the construction now reaches its edge.
    parser_.ExtendToFit();
    if (after != change.before) Changed();
}

void ConstructionDocument::CancelLiveEdit() {
    if (!live_) return;
    const LiveChange change = std::move(*live_);
    live_.reset();
    parser_.AutoScaling = change.autoScaling;
    if (Line(change.line) == change.before) return;
    lines_[static_cast<std::size_t>(change.line)].text = change.before;
    Notify(DocumentChange::Kind::LineChanged, change.line);
    ExecuteLive();
    Changed();
}

bool ConstructionDocument::StepNumber(int line, int token, int steps) {
    if (live_ || line < 0 || line >= LineCount()) return false;
    DocumentLine& target = lines_[static_cast<std::size_t>(line)];
    const TokenList& tokens = target.state.tokens;
    if (token < 0 || token >= static_cast<int>(tokens.size())) return false;
    const LineToken span = tokens[static_cast<std::size_t>(token)];
    if (span.kind != LineToken::Kind::Number) return false;
    const auto stepped =
        StepNumberText(std::string_view(target.text).substr(span.begin, span.end - span.begin), steps);
    if (!stepped) return false;

    const bool sameRun = numberRun_ && lastEdit_ && numberRun_->line == line && numberRun_->token == token &&
                         lastEdit_->line == line;
    if (!sameRun) {
        lastEdit_ = LineEdit{line, target.text, target.text};
        numberRun_ = NumberRun{line, token};
    }
    target.text.replace(span.begin, span.end - span.begin, *stepped);
    lastEdit_->after = target.text;
    redo_.clear();
    modified_ = true;
    Notify(DocumentChange::Kind::LineChanged, line);
    ExecuteLive();
    Changed();
    return true;
}

int ConstructionDocument::FirstRejectedLine() const {
    for (int i = 0; i < LineCount(); ++i) {
        const LineState& state = lines_[static_cast<std::size_t>(i)].state;
        if (state.executed && !state.accepted) return i;
    }
    return -1;
}

void ConstructionDocument::ExecuteLive() {
    messages_.SetQuiet(true);
    BeginRebuild();
    const bool all = ExecuteFrom(0, RebuildMode::KeepGoing, true);
    messages_.SetQuiet(false);
    marks_ = !all;
    ClearCanvas();
    parser_.Redraw();
    // The marks changed after the notice of the run.
    Notify(DocumentChange::Kind::StatesChanged);
}
