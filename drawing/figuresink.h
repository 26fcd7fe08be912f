// FigureSink: the figures the primitives draw, in world coordinates, for outputs that keep them (TikZ).
#pragma once

#include <span>
#include <string>

#include "drawing/canvas.h"

// A world position moved by a distance in device units (x to the right, y upwards): the parts of a figure
// that have a fixed size on the device (point marks, arrow heads, ticks, label offsets).
struct FigurePoint {
    double x = 0;
    double y = 0;
    double dx = 0;
    double dy = 0;
};

// Which point of its text box a label puts at its anchor.
enum class TextAnchor { TopRight, BottomLeft, Centre };

// Each call is one figure, reported just before the canvas draws it, with the pen, brush and font the
// canvas then holds.
class FigureSink {
public:
    virtual ~FigureSink() = default;
    // Straight strokes from ends[0] to ends[1], ends[2] to ends[3], ...; a zero-length stroke is a dot of
    // the pen's width when the pen is wider than one device unit, and nothing otherwise.
    virtual void Strokes(std::span<const FigurePoint> ends, const Pen& pen) = 0;
    virtual void Circle(double cx, double cy, double r, const Pen& pen) = 0;
    // Arc of radius device units about (cx, cy), counter-clockwise from `from` to `to` degrees; equal
    // directions make the whole circle.
    virtual void Arc(double cx, double cy, double radius, double from, double to, const Pen& pen) = 0;
    // Text in Windows-1252 with the anchor point of its box at `at`; a solid brush paints its background.
    virtual void Text(const std::string& text, const FigurePoint& at, TextAnchor anchor, const Font& font,
                      const Brush& brush) = 0;
};
