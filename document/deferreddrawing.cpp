// Deferred drawing of a rebuild. While lines execute, every object draws itself once when it is made,
// and the whole picture is cleared and redrawn when the window widens, when objects are deleted or
// their labels removed, and when the construction turns. So the picture after any line is: the last
// whole redraw (objects made until then, the axes on top), then each object made since, or, without
// such a redraw, the picture from before the rebuild with each new object drawn over it.
#include "document/deferreddrawing.h"

#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "parser/tparser.h"

namespace {

DeviceRect ClipOf(const Canvas* canvas) {
    return canvas != nullptr ? canvas->ClipRect() : DeviceRect{0, 0, 640, 480};
}

}  // namespace

void DeferredDrawing::ProbeCanvas::FillRect(const DeviceRect& rect) {
    if (rect == ClipRect()) owner_.clearedAt_ = owner_.parser_.Objects.Count();
}

DeferredDrawing::DeferredDrawing(TParser& parser)
    : parser_(parser),
      real_(Drawing().DrawCanvas),
      probe_(ClipOf(real_), *this),
      drawn_(parser.Objects.Count()) {
    // A headless run draws on nothing anyway.
    if (dynamic_cast<NullCanvas*>(real_) != nullptr) real_ = nullptr;
    if (real_ != nullptr) Drawing().DrawCanvas = &probe_;
}

DeferredDrawing::~DeferredDrawing() {
    if (real_ == nullptr) return;
    if (!discarded_) Flush();
    Drawing().DrawCanvas = real_;
}

void DeferredDrawing::Flush() {
    if (real_ == nullptr) return;
    DrawState& state = Drawing();
    state.DrawCanvas = real_;
    const TObjList& objects = parser_.Objects;
    if (clearedAt_ >= 0) {
        // As Redraw drew it then: cleared, the objects of that moment, the axes over them.
        ClearCanvas();
        for (int i = 0; i < clearedAt_ && !state.PrinterBusy; ++i)
            objects.Item(i)->Draw();
        if (parser_.Axes.Visible) parser_.Axes.Draw();
        drawn_ = clearedAt_;
        clearedAt_ = -1;
    }
    for (; drawn_ < objects.Count(); ++drawn_)
        objects.Item(drawn_)->Draw();
    state.DrawCanvas = &probe_;
}
