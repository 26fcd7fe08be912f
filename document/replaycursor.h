// ReplayCursor: the position and guard of the single-step replay, which rebuilds the construction one
// line at a time. The replay window drives it; the cursor executes through the document.
#pragma once

#include <functional>

class ConstructionDocument;

class ReplayCursor {
public:
    explicit ReplayCursor(ConstructionDocument& document) : document_(document) {}  // document outlives this

    // Clears the canvas and empties the construction (the world window stays): the next step is the
    // first line.
    void Start();
    // One step: executes the line at StepIndex. Before it executes, showing(index) lets the view show it.
    // False when the replay has to end: no line was left, the line was rejected, or it was the last one.
    // A step that begins while another runs (a timer tick during its error box) does nothing and is true.
    bool Step(const std::function<void(int index)>& showing = {});
    // Executes every line not yet stepped, each whatever became of the ones before it, then redraws the
    // construction (with the axes, which the steps did not draw).
    void Finish();

    int StepIndex() const { return stepIndex_; }  // index of the next line to execute
    bool StepBusy() const { return stepBusy_; }

private:
    ConstructionDocument& document_;
    int stepIndex_ = 0;
    bool stepBusy_ = false;
};
