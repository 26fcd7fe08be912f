// The replay's steps over the document's lines.
#include "document/replaycursor.h"

#include "document/constructiondocument.h"
#include "drawing/transform.h"

void ReplayCursor::Start() {
    ClearCanvas();
    document_.BeginRebuild();
    stepIndex_ = 0;
    stepBusy_ = false;
}

bool ReplayCursor::Step(const std::function<void(int index)>& showing) {
    if (stepBusy_) return true;
    stepBusy_ = true;
    const int count = document_.LineCount();
    if (stepIndex_ >= count) {
        stepBusy_ = false;
        return false;
    }
    if (showing) showing(stepIndex_);
    const bool accepted = document_.ExecuteLine(stepIndex_);
    ++stepIndex_;
    const bool goOn = accepted && stepIndex_ < count;
    stepBusy_ = false;
    return goOn;
}

void ReplayCursor::Finish() {
    document_.ExecuteFrom(stepIndex_, RebuildMode::KeepGoing, true);
    stepIndex_ = document_.LineCount();
    // The steps drew objects only; the axes come back with the whole picture.
    ClearCanvas();
    document_.Parser().Redraw();
}
