// Drawing primitives: styled lines, point marks, labels, segments, lines, rays, circles and angle arcs.
#include "drawing/primitives.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <span>
#include <string_view>
#include <vector>

#include "drawing/circleclip.h"
#include "drawing/clipping.h"
#include "drawing/drawstate.h"
#include "drawing/figuresink.h"
#include "drawing/pens.h"
#include "drawing/transform.h"

namespace {

constexpr double kLimit = kDeviceLimit;

// Two x coordinates of a straight line closer than this (world units) make it vertical.
constexpr double kVerticalLineTolerance = 1e-7;
// The same for rays, which test more strictly.
constexpr double kVerticalRayTolerance = 1e-10;

// Labels are set in this size (points).
constexpr int kLabelFontSize = 9;

// Largest distance (device units) between a huge circle and the chords of its polyline; below half a
// unit, so the polyline rasterises like the circle.
constexpr double kCircleChordError = 0.25;
// Device units by which the clip rectangle is grown before a huge circle is cut to it, on top of the pen
// width, so that no stroke end shows at the edge.
constexpr double kCircleClipMargin = 4;

// The start and end of an angle arc are handed to the canvas as points this far from the vertex (device
// units): rounded to whole units there, directions a degree apart stay apart, which at the arc's own
// radius of 30 they would not.
constexpr int kArcDirectionDistance = 1 << 16;

// Rounds a device coordinate half to even and keeps it in range; NaN becomes 0.
int ClampToDevice(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(std::nearbyint(value), -kLimit, kLimit));
}

// One end of a device segment: the unrounded position, and the integers of the plain transform, which are
// used unchanged when the end needs no clipping.
struct DeviceEnd {
    double x = 0;
    double y = 0;
    int ix = 0;
    int iy = 0;
};

DeviceEnd WorldEnd(double x, double y) {
    return {ToScreenXf(x), ToScreenYf(y), ToScreenX(x), ToScreenY(y)};
}

DeviceEnd IntegerEnd(int x, int y) {
    return {static_cast<double>(x), static_cast<double>(y), x, y};
}

DeviceEnd ClippedEnd(double x, double y) {
    return {x, y, ClampToDevice(x), ClampToDevice(y)};
}

bool InDeviceSquare(const DeviceEnd& end) {
    return std::abs(end.x) <= kLimit && std::abs(end.y) <= kLimit;
}

// Liang-Barsky clipping of a to b against the square +-kDeviceLimit; false when nothing remains.
bool ClipToDeviceSquare(DeviceEnd& a, DeviceEnd& b) {
    if (InDeviceSquare(a) && InDeviceSquare(b)) return true;
    double ax = a.x;
    double ay = a.y;
    double bx = b.x;
    double by = b.y;
    if (!ClipSegmentEnds(ax, ay, bx, by, -kLimit, -kLimit, kLimit, kLimit)) return false;
    // An end that was not cut keeps its own integer coordinates.
    if (ax != a.x || ay != a.y) a = ClippedEnd(ax, ay);
    if (bx != b.x || by != b.y) b = ClippedEnd(bx, by);
    return true;
}

// The common path of every straight stroke: pen of code, the figure reported in world coordinates, clipped
// line, pen reset.
void StrokeLine(DeviceEnd a, DeviceEnd b, std::uint16_t code, std::span<const FigurePoint> figure) {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    SelectLinePen(code);
    if (FigureSink* sink = canvas->Figures(); sink != nullptr && !figure.empty())
        sink->Strokes(figure, canvas->pen);
    if (ClipToDeviceSquare(a, b)) {
        canvas->MoveTo(a.ix, a.iy);
        canvas->LineTo(b.ix, b.iy);
    }
    ResetPen();
}

// A stroke between world points, reported as its own figure.
void StrokeWorld(double x1, double y1, double x2, double y2, std::uint16_t code) {
    const FigurePoint ends[] = {{x1, y1}, {x2, y2}};
    StrokeLine(WorldEnd(x1, y1), WorldEnd(x2, y2), code, ends);
}

// World x of the line through (x1, y1) with slope m at height y; for slopes so steep that the line's
// ends at the window's left and right edge overflow.
double XOnSteepLine(double x1, double y1, double m, double y) {
    const double x = x1 + (y - y1) / m;
    return std::isfinite(x) ? x : x1;
}

void ReportText(Canvas& canvas, const std::string& text, const FigurePoint& at, TextAnchor anchor) {
    if (FigureSink* sink = canvas.Figures()) sink->Text(text, at, anchor, canvas.font, canvas.brush);
}

void SetLabelFont(Canvas& canvas, std::string_view name) {
    // Most labels keep the font of the one before; the name is copied only when it changes.
    if (canvas.font.name != name) canvas.font.name = name;
    canvas.font.size = kLabelFontSize;
}

// A huge circle or ellipse, centre (cx, cy) and radii rx, ry in device units, as a polyline over the
// parts that lie in the clip rectangle. Parametrised as x = cx + rx cos t, y = cy - ry sin t.
void DrawCirclePolyline(Canvas& canvas, double cx, double cy, double rx, double ry) {
    if (!(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(rx) && std::isfinite(ry))) return;
    if (!(rx > 0 && ry > 0)) return;
    const DeviceRect clip = canvas.ClipRect();
    const double margin = kCircleClipMargin + std::max(canvas.pen.width, 1);
    const double left = std::max(clip.left - margin, -kLimit);
    const double right = std::min(clip.right + margin, kLimit);
    const double top = std::max(clip.top - margin, -kLimit);
    const double bottom = std::min(clip.bottom + margin, kLimit);
    if (!(left < right && top < bottom)) return;

    const std::vector<CurveInterval> intervals =
        EllipseIntervalsInBox(cx, cy, rx, ry, left, top, right, bottom);
    if (intervals.empty()) return;

    const double step = CurveStep(intervals, std::max(rx, ry), kCircleChordError, kMaxCircleSegments);

    for (const CurveInterval& interval : intervals) {
        const int segments = std::max(1, static_cast<int>(std::ceil(interval.length / step)));
        for (int k = 0; k <= segments; ++k) {
            const double t = interval.from + interval.length * k / segments;
            const int x = ClampToDevice(cx + rx * std::cos(t));
            const int y = ClampToDevice(cy - ry * std::sin(t));
            if (k == 0)
                canvas.MoveTo(x, y);
            else
                canvas.LineTo(x, y);
        }
    }
}

}  // namespace

void DrawStyledLine(int x1, int y1, int x2, int y2, std::uint16_t code, std::span<const FigurePoint> figure) {
    StrokeLine(IntegerEnd(x1, y1), IntegerEnd(x2, y2), code, figure);
}

void DrawPointMark(std::uint16_t /*code*/, double x, double y) {
    const DrawState& state = Drawing();
    if (state.DrawCanvas == nullptr) return;
    const int sx = ToScreenX(x);
    const int sy = ToScreenY(y);
    // One hundredth of the window width; 0 on areas narrower than 100 units.
    const int d = (ToScreenX(state.XMax) - ToScreenX(state.XMin)) / 100;
    // Both strokes are one figure, reported with the first. World offsets point up, device ones down.
    const double o = d;
    const FigurePoint mark[] = {{x, y, +o, -o}, {x, y, -o, +o}, {x, y, +o, +o}, {x, y, -o, -o}};
    DrawStyledLine(sx + d, sy + d, sx - d, sy - d, kStylePointMark, mark);
    DrawStyledLine(sx + d, sy - d, sx - d, sy + d, kStylePointMark);
}

void DrawPointLabel(const std::string& text, double x, double y) {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    SetLabelFont(*canvas, "Arial");
    canvas->font.color = kBlack;
    canvas->brush.style = BrushStyle::Clear;
    const double w = canvas->TextWidth(text);
    ReportText(*canvas, text, {x, y, -3, -3}, TextAnchor::TopRight);
    canvas->TextOut(ClampToDevice(ToScreenX(x) - w - 3), ClampToDevice(ToScreenY(y) + 3.0), text);
}

void DrawFigureLabel(const std::string& text, double x, double y) {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    SetLabelFont(*canvas, "Arial");
    canvas->font.color = kBlack;
    const double h = canvas->TextHeight(text);
    ReportText(*canvas, text, {x, y, 0, 1}, TextAnchor::BottomLeft);
    canvas->TextOut(ToScreenX(x), ClampToDevice(ToScreenY(y) - h - 1), text);
}

std::string GreekLabelText(const std::string& text) {
    struct GreekWord {
        std::string_view word;
        char letter;
    };
    static constexpr GreekWord kWords[] = {
        {"ALPHA", 'a'}, {"BETA", 'b'}, {"GAMMA", 'g'}, {"DELTA", 'd'}, {"EPSILON", 'e'},
    };
    std::string upper = text;
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');

    // Each word's first occurrence is found in the unchanged upper-case copy. The replacements are then
    // made from the right, so that a shorter text left of a position cannot shift it: "AlphaBeta"
    // becomes "ab". An occurrence overlapping one taken before it is left alone.
    struct Replacement {
        std::size_t pos;
        std::size_t length;
        char letter;
    };
    std::vector<Replacement> replacements;
    for (const GreekWord& greek : kWords) {
        const std::size_t pos = upper.find(greek.word);
        if (pos == std::string::npos) continue;
        const std::size_t end = pos + greek.word.size();
        const bool overlaps =
            std::any_of(replacements.begin(), replacements.end(),
                        [&](const Replacement& r) { return pos < r.pos + r.length && r.pos < end; });
        if (!overlaps) replacements.push_back({pos, greek.word.size(), greek.letter});
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return a.pos > b.pos; });
    std::string result = text;
    for (const Replacement& r : replacements)
        result.replace(r.pos, r.length, 1, r.letter);
    return result;
}

void DrawAngleLabel(const std::string& text, double x, double y, double dir) {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    const std::string shown = GreekLabelText(text);
    // The Symbol font shows the Latin letters as Greek; colour and brush stay as they are.
    SetLabelFont(*canvas, "Symbol");
    const int w = canvas->TextWidth(shown);
    const int h = canvas->TextHeight(shown);
    const double t = std::isfinite(dir) ? dir * (std::numbers::pi / 180) : 0;
    // The text's centre lies 1.5 text heights from the vertex on direction dir.
    const double distance = 1.5 * h;
    ReportText(*canvas, shown, {x, y, std::cos(t) * distance, std::sin(t) * distance}, TextAnchor::Centre);
    const double left = ToScreenX(x) + std::nearbyint(std::cos(t) * distance) - (w / 2);
    const double top = ToScreenY(y) - std::nearbyint(std::sin(t) * distance) - (h / 2);
    canvas->TextOut(ClampToDevice(left), ClampToDevice(top), shown);
}

void DrawSegment(std::uint16_t code, double x1, double y1, double x2, double y2) {
    StrokeWorld(x1, y1, x2, y2, code);
}

void DrawStraightLine(std::uint16_t code, double x1, double y1, double x2, double y2) {
    const DrawState& state = Drawing();
    if (state.DrawCanvas == nullptr) return;
    if (std::abs(x1 - x2) <= kVerticalLineTolerance) {
        StrokeWorld(x1, state.YMin, x2, state.YMax, code);
        return;
    }
    const double m = (y2 - y1) / (x2 - x1);
    const double c = y1 - m * x1;
    const double yLeft = m * state.XMin + c;
    const double yRight = m * state.XMax + c;
    if (std::isfinite(yLeft) && std::isfinite(yRight)) {
        StrokeWorld(state.XMin, yLeft, state.XMax, yRight, code);
        return;
    }
    // So steep that its heights at the window edges overflow: draw it from the bottom to the top edge.
    StrokeWorld(XOnSteepLine(x1, y1, m, state.YMin), state.YMin, XOnSteepLine(x1, y1, m, state.YMax),
                state.YMax, code);
}

void DrawRay(std::uint16_t code, double x1, double y1, double x2, double y2) {
    const DrawState& state = Drawing();
    if (state.DrawCanvas == nullptr) return;
    if (std::abs(x1 - x2) <= kVerticalRayTolerance) {
        if (y2 > y1)
            StrokeWorld(x1, y1, x1, state.YMax, code);
        else
            StrokeWorld(x1, state.YMin, x1, y1, code);
        return;
    }
    const double m = (y2 - y1) / (x2 - x1);
    const double c = y1 - m * x1;
    if (x1 >= x2) {
        const double yLeft = m * state.XMin + c;
        if (std::isfinite(yLeft)) {
            StrokeWorld(state.XMin, yLeft, x1, y1, code);
            return;
        }
    } else {
        const double yRight = m * state.XMax + c;
        if (std::isfinite(yRight)) {
            StrokeWorld(x1, y1, state.XMax, yRight, code);
            return;
        }
    }
    // So steep that its height at the window edge overflows: run it to the top or bottom edge instead.
    if (y2 > y1)
        StrokeWorld(x1, y1, XOnSteepLine(x1, y1, m, state.YMax), state.YMax, code);
    else
        StrokeWorld(XOnSteepLine(x1, y1, m, state.YMin), state.YMin, x1, y1, code);
}

void DrawCircle(std::uint16_t code, double cx, double cy, double r) {
    const DrawState& state = Drawing();
    Canvas* canvas = state.DrawCanvas;
    if (canvas == nullptr) return;
    SelectCirclePen(code);
    if (!(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(r))) return;
    if (FigureSink* sink = canvas->Figures()) sink->Circle(cx, cy, std::abs(r), canvas->pen);
    const double left = ToScreenXf(cx - r);
    const double top = ToScreenYf(cy - r);
    const double right = ToScreenXf(cx + r);
    const double bottom = ToScreenYf(cy + r);
    if (std::max({std::abs(left), std::abs(top), std::abs(right), std::abs(bottom)}) <= kLimit) {
        // A negative radius swaps the corners, which describes the same box.
        const int x1 = ToScreenX(cx - r);
        const int y1 = ToScreenY(cy - r);
        canvas->Arc(x1, y1, ToScreenX(cx + r), ToScreenY(cy + r), x1, y1, x1, y1);
        return;
    }
    DrawCirclePolyline(*canvas, ToScreenXf(cx), ToScreenYf(cy), std::abs(r) * state.XScale,
                       std::abs(r) * state.YScale);
}

void DrawAngleArc(std::uint16_t from, std::uint16_t to, std::uint16_t /*code*/, double vx, double vy) {
    const DrawState& state = Drawing();
    Canvas* canvas = state.DrawCanvas;
    if (canvas == nullptr) return;
    int g = (ToScreenX(state.XMax) - ToScreenX(state.XMin)) / 500;
    if (g < 1) g = 1;
    const int radius = 30 * g;
    canvas->pen.style = PenStyle::Solid;
    canvas->pen.color = kBlack;
    const int distance = std::max(radius, kArcDirectionDistance);
    // A vertex this far out lies beyond every drawing area; its direction points would leave the device
    // range.
    if (std::abs(ToScreenXf(vx)) > kLimit - distance || std::abs(ToScreenYf(vy)) > kLimit - distance) return;
    if (FigureSink* sink = canvas->Figures()) sink->Arc(vx, vy, radius, from, to, canvas->pen);
    const int sx = ToScreenX(vx);
    const int sy = ToScreenY(vy);
    const auto point = [&](std::uint16_t degrees, int& px, int& py) {
        const double t = degrees * std::numbers::pi / 180;
        px = sx + static_cast<int>(std::nearbyint(distance * std::cos(t)));
        py = sy - static_cast<int>(std::nearbyint(distance * std::sin(t)));
    };
    int x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    point(from, x3, y3);
    point(to, x4, y4);
    canvas->Arc(sx - radius, sy - radius, sx + radius, sy + radius, x3, y3, x4, y4);
}
