// A canvas that records every call with the tools in effect, for tests of everything that draws.
#pragma once

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "drawing/canvas.h"

struct RecordedOp {
    enum Kind { Line, Arc, FillRect, Rectangle, Text, Clip } kind = Line;
    // Line: x1,y1 -> x2,y2. Arc: box x1,y1,x2,y2, start x3,y3, end x4,y4. Rects: x1,y1,x2,y2. Text: x1,y1.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
};

// Direction in degrees, 0 up to 360 counter-clockwise as on the screen, of the device point (x, y) seen
// from the centre of the recorded arc's box.
inline double ArcPointDirection(const RecordedOp& arc, int x, int y) {
    const double cx = (arc.x1 + arc.x2) / 2.0;
    const double cy = (arc.y1 + arc.y2) / 2.0;
    const double degrees = std::atan2(cy - y, x - cx) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(DeviceRect clip = {0, 0, 640, 480}) : clip_(clip) {}

    // Fixed metrics: every character 6 units wide, every text 12 high.
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 12;

    void MoveTo(int x, int y) override {
        penX_ = x;
        penY_ = y;
    }
    void LineTo(int x, int y) override {
        RecordedOp op = Make(RecordedOp::Line);
        op.x1 = penX_;
        op.y1 = penY_;
        op.x2 = x;
        op.y2 = y;
        ops.push_back(op);
        penX_ = x;
        penY_ = y;
    }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
        RecordedOp op = Make(RecordedOp::Arc);
        op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.x3 = x3, op.y3 = y3, op.x4 = x4, op.y4 = y4;
        ops.push_back(op);
    }
    void FillRect(const DeviceRect& r) override { ops.push_back(MakeRect(RecordedOp::FillRect, r)); }
    void Rectangle(const DeviceRect& r) override { ops.push_back(MakeRect(RecordedOp::Rectangle, r)); }
    DeviceRect ClipRect() const override { return clip_; }
    void SetClipRect(const DeviceRect& r) override {
        clip_ = r;
        ops.push_back(MakeRect(RecordedOp::Clip, r));
    }
    void TextOut(int x, int y, const std::string& text) override {
        RecordedOp op = Make(RecordedOp::Text);
        op.x1 = x;
        op.y1 = y;
        op.text = text;
        ops.push_back(op);
    }
    int TextWidth(const std::string& text) override { return kCharWidth * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return kTextHeight; }

    std::vector<RecordedOp> OfKind(RecordedOp::Kind kind) const {
        std::vector<RecordedOp> out;
        for (const RecordedOp& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    std::vector<RecordedOp> Lines() const { return OfKind(RecordedOp::Line); }
    std::vector<RecordedOp> Texts() const { return OfKind(RecordedOp::Text); }
    std::vector<RecordedOp> Arcs() const { return OfKind(RecordedOp::Arc); }
    void Clear() { ops.clear(); }

    std::vector<RecordedOp> ops;

private:
    RecordedOp Make(RecordedOp::Kind kind) const {
        RecordedOp op;
        op.kind = kind;
        op.pen = pen;
        op.brush = brush;
        op.font = font;
        return op;
    }
    RecordedOp MakeRect(RecordedOp::Kind kind, const DeviceRect& r) const {
        RecordedOp op = Make(kind);
        op.x1 = r.left, op.y1 = r.top, op.x2 = r.right, op.y2 = r.bottom;
        return op;
    }

    DeviceRect clip_;
    int penX_ = 0;
    int penY_ = 0;
};
