// SvgCanvas: a canvas that writes a structured SVG document instead of pixels.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/canvas.h"
#include "drawing/textmetrics.h"

// The view box is the drawing area in device units. Every object becomes a group, its id made from the
// object's name (SvgIdOfName, made unique); every figure becomes one element (a path for the strokes of
// one pen, a circle, an ellipse, an arc path, a text); pens become a few classes. An object drawn again
// inside another one (the end points of a segment) is a <use> of its own group when it looks the same.
class SvgCanvas : public Canvas {
public:
    // metrics (not owned) must measure text as the PNG rendering does, so that labels stand where they
    // stand there.
    SvgCanvas(DeviceRect area, TextMetrics& metrics);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const DeviceRect& rect) override;
    void Rectangle(const DeviceRect& rect) override;
    DeviceRect ClipRect() const override { return clip_; }
    void SetClipRect(const DeviceRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override { return metrics_.Width(font, text); }
    int TextHeight(const std::string&) override { return metrics_.Height(font); }
    void BeginObject(std::string_view name) override;
    void EndObject() override;

    // The whole document; drawing ends with it.
    std::string Document();

private:
    // An object's group being written, or the document's body at the bottom of the stack.
    struct Level {
        std::string name;
        std::string content;
        int clipGroups = 0;  // clip groups opened inside it
    };
    // A named top-level group, for the objects drawn again inside others.
    struct NamedGroup {
        std::string id;
        std::string content;
    };

    std::string& Out() { return levels_.back().content; }
    void FlushPath();
    // The class and style attributes of a stroke with the current pen.
    std::string StrokeAttributes();
    void OpenClip(const DeviceRect& rect);
    std::string UniqueId(std::string_view name);

    DeviceRect area_;
    DeviceRect clip_;
    TextMetrics& metrics_;
    int penX_ = 0;
    int penY_ = 0;

    // The path being collected: consecutive strokes of one pen.
    std::string path_;
    Pen pathPen_;
    int pathEndX_ = 0;
    int pathEndY_ = 0;

    std::vector<Level> levels_;
    std::map<std::string, NamedGroup> namedGroups_;  // by object name, the first group of each
    std::set<std::string> ids_;
    std::set<std::string> classes_;  // pen classes used, for the style sheet
    int clipCount_ = 0;
    bool done_ = false;
};

// The XML id of an object name (Windows-1252): ASCII letters and digits and the Latin-1 letters
// (U+00C0..U+00FF without the signs × and ÷) stay, written as UTF-8; every other byte, "_" too, becomes
// "_" and two upper-case hex digits ("P_27" for P', "a_5Fb" for a_b), and a leading digit too. So the id
// is a valid XML name, readable, and tells its name back. SvgCanvas makes repeated ids unique by
// appending "__2", "__3", ..., which no escaped name contains.
std::string SvgIdOfName(std::string_view name);

// Windows-1252 text as XML character data in UTF-8: &, <, > and " escaped, characters XML cannot hold
// (control characters) replaced by U+FFFD. symbolFont: the Latin letters become the Greek ones the
// "Symbol" font shows.
std::string SvgText(std::string_view text, bool symbolFont);
