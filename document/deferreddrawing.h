// DeferredDrawing: a rebuild draws nothing line by line; the picture is made once, as it would have
// come out had every line drawn at once.
#pragma once

#include "drawing/nullcanvas.h"

class Canvas;
class TParser;

class DeferredDrawing {
public:
    // Points the drawing state at a canvas that only notes when the picture was cleared, for as long as
    // this object lives. parser must outlive it.
    explicit DeferredDrawing(TParser& parser);
    // Draws what is left (unless discarded) and gives the drawing state its canvas back.
    ~DeferredDrawing();
    DeferredDrawing(const DeferredDrawing&) = delete;
    DeferredDrawing& operator=(const DeferredDrawing&) = delete;

    // Brings the real canvas up to date: the picture the lines would have drawn so far. Called before a
    // box is shown during the rebuild, and at its end.
    void Flush();
    // The caller redraws the whole construction afterwards: nothing needs to be drawn at the end.
    void Discard() { discarded_ = true; }

private:
    // Notes every clearing of the whole area; a Redraw follows each one during execution.
    class ProbeCanvas : public NullCanvas {
    public:
        ProbeCanvas(DeviceRect clip, DeferredDrawing& owner) : NullCanvas(clip), owner_(owner) {}
        void FillRect(const DeviceRect& rect) override;

    private:
        DeferredDrawing& owner_;
    };

    TParser& parser_;
    Canvas* real_;  // not owned; null when nothing is to be drawn
    ProbeCanvas probe_;
    int clearedAt_ = -1;  // objects there were when the picture was last cleared and redrawn; -1: not since
    int drawn_ = 0;       // objects the real canvas shows
    bool discarded_ = false;
};
