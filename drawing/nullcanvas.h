// A canvas that draws nothing: for headless rebuilds, benchmarks and fuzzing.
#pragma once

#include "drawing/canvas.h"
#include "drawing/textmetrics.h"

class NullCanvas : public Canvas {
public:
    explicit NullCanvas(DeviceRect clip = {0, 0, 640, 480}) : clip_(clip) {}

    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void FillRect(const DeviceRect&) override {}
    void Rectangle(const DeviceRect&) override {}
    DeviceRect ClipRect() const override { return clip_; }
    void SetClipRect(const DeviceRect& rect) override { clip_ = rect; }
    void TextOut(int, int, const std::string&) override {}
    // Plausible metrics so that label placement stays meaningful.
    int TextWidth(const std::string& text) override { return FixedTextMetrics().Width(font, text); }
    int TextHeight(const std::string&) override { return FixedTextMetrics().Height(font); }

private:
    DeviceRect clip_;
};
