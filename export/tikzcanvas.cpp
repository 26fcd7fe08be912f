// TikzCanvas: figures in world coordinates written as \draw and \node commands of a tikzpicture.
#include "export/tikzcanvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/circleclip.h"
#include "drawing/clipping.h"
#include "drawing/drawstate.h"
#include "drawing/pens.h"
#include "text/cp1252.h"
#include "text/symbolfont.h"

namespace {

// A device unit at 96 dpi, in TeX points.
constexpr double kPointsPerUnit = 72.0 / 96.0;
// TeX cannot hold lengths beyond 16383 pt (5.75 m): pictures and coordinates stay below this.
constexpr double kMaxPictureCm = 500;
// Labels, marks and arcs whose anchor lies this far outside the window (as a share of its size) are
// left out: the clip would hide them.
constexpr double kNearWindowShare = 0.25;
constexpr int kMaxPenWidth = 256;
// A circle too large for TeX's arithmetic becomes a polyline of at most this many chords, each within
// this share of the window's width of the circle.
constexpr int kMaxCircleChords = 2000;
constexpr double kCircleChordShare = 1e-4;
// Below this many centimetres per unit the unit is no longer written with enough digits.
constexpr double kSmallestUnitCm = 0.01;

// The largest double written in fixed notation with 12 decimals has 309 + 1 + 12 characters and a sign.
void AppendFixed(std::string& out, double value, int decimals) {
    char buffer[340];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (text.find('.') != std::string_view::npos) {
        while (text.back() == '0')
            text.remove_suffix(1);
        if (text.back() == '.') text.remove_suffix(1);
    }
    if (text == "-0") text = "0";
    out += text;
}

// A length in TeX points, from device units.
void AppendPoints(std::string& out, double units) {
    AppendFixed(out, units * kPointsPerUnit, 2);
    out += "pt";
}

std::string Points(double units) {
    std::string out;
    AppendPoints(out, units);
    return out;
}

// The TikZ colour of a pen, font or brush colour.
std::string ColorName(TColor c) {
    if (c == kBlack) return "black";
    if (c == kWhite) return "white";
    if (c == kRed) return "red";
    if (c == kGreen) return "green!50!black";
    if (c == kBlue) return "blue";
    if (c == kYellow) return "yellow";
    return "{rgb,255:red," + std::to_string(c.r) + ";green," + std::to_string(c.g) + ";blue," +
           std::to_string(c.b) + "}";
}

// The option that sets a colour, as the first word of a draw command's options ("red", "color=...").
std::string ColorOption(TColor c) {
    const std::string name = ColorName(c);
    return name.front() == '{' ? "color=" + name : name;
}

// The style names of the picture's dash patterns (defined in its options).
const char* DashName(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return "dashed";
        case PenStyle::Dot:
            return "dotted";
        case PenStyle::DashDot:
            return "dash dot";
        case PenStyle::Solid:
            break;
    }
    return nullptr;
}

int PenWidth(const Pen& pen) {
    return std::clamp(pen.width, 1, kMaxPenWidth);
}

// The options of a \draw with pen, in brackets; empty for the picture's default pen.
std::string PenOptions(const Pen& pen) {
    std::string options;
    const auto add = [&](const std::string& option) {
        options += options.empty() ? "[" : ",";
        options += option;
    };
    if (!(pen.color == kBlack)) add(ColorOption(pen.color));
    if (const char* dash = DashName(pen.style)) add(dash);
    // Wide pens are round at their ends, as on the platform.
    if (PenWidth(pen) > 1) add("line width=" + Points(PenWidth(pen)) + ",line cap=round");
    if (!options.empty()) options += "]";
    return options;
}

// The TeX name of a Greek letter the Symbol font shows; capitals that look Latin stay upright Latin.
std::string GreekMath(char32_t c) {
    struct Letter {
        char32_t code;
        const char* tex;
    };
    static constexpr Letter kLetters[] = {
        {0x03B1, "\\alpha"},      {0x03B2, "\\beta"},      {0x03C7, "\\chi"},       {0x03B4, "\\delta"},
        {0x03B5, "\\varepsilon"}, {0x03C6, "\\varphi"},    {0x03B3, "\\gamma"},     {0x03B7, "\\eta"},
        {0x03B9, "\\iota"},       {0x03D5, "\\phi"},       {0x03BA, "\\kappa"},     {0x03BB, "\\lambda"},
        {0x03BC, "\\mu"},         {0x03BD, "\\nu"},        {0x03BF, "o"},           {0x03C0, "\\pi"},
        {0x03B8, "\\theta"},      {0x03C1, "\\rho"},       {0x03C3, "\\sigma"},     {0x03C4, "\\tau"},
        {0x03C5, "\\upsilon"},    {0x03D6, "\\varpi"},     {0x03C9, "\\omega"},     {0x03BE, "\\xi"},
        {0x03C8, "\\psi"},        {0x03B6, "\\zeta"},      {0x0391, "\\mathrm{A}"}, {0x0392, "\\mathrm{B}"},
        {0x03A7, "\\mathrm{X}"},  {0x0394, "\\Delta"},     {0x0395, "\\mathrm{E}"}, {0x03A6, "\\Phi"},
        {0x0393, "\\Gamma"},      {0x0397, "\\mathrm{H}"}, {0x0399, "\\mathrm{I}"}, {0x03D1, "\\vartheta"},
        {0x039A, "\\mathrm{K}"},  {0x039B, "\\Lambda"},    {0x039C, "\\mathrm{M}"}, {0x039D, "\\mathrm{N}"},
        {0x039F, "\\mathrm{O}"},  {0x03A0, "\\Pi"},        {0x0398, "\\Theta"},     {0x03A1, "\\mathrm{P}"},
        {0x03A3, "\\Sigma"},      {0x03A4, "\\mathrm{T}"}, {0x03A5, "\\Upsilon"},   {0x03C2, "\\varsigma"},
        {0x03A9, "\\Omega"},      {0x039E, "\\Xi"},        {0x03A8, "\\Psi"},       {0x0396, "\\mathrm{Z}"},
    };
    for (const Letter& letter : kLetters)
        if (letter.code == c) return letter.tex;
    return "";
}

// One character of a label outside math mode.
void AppendTextCharacter(std::string& out, unsigned char c) {
    switch (c) {
        case '\\':
            out += "$\\backslash$";
            return;
        case '{':
        case '}':
        case '$':
        case '&':
        case '#':
        case '%':
        case '_':
            out += '\\';
            out += static_cast<char>(c);
            return;
        case '^':
            out += "\\^{}";
            return;
        case '~':
            out += "\\~{}";
            return;
        case '<':
        case '>':
        case '|':
            out += '$';
            out += static_cast<char>(c);
            out += '$';
            return;
        default:
            break;
    }
    const char32_t code = Cp1252ToUnicode(c);
    // Control characters, and the five bytes the code page leaves undefined, have nothing to show.
    if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
        out += '?';
        return;
    }
    AppendUtf8(out, code);
}

// The window grown by the margin within which labels, marks and arcs are still written.
WorldWindow NearWindowBounds(const WorldWindow& w) {
    const double mx = (w.xmax - w.xmin) * kNearWindowShare;
    const double my = (w.ymax - w.ymin) * kNearWindowShare;
    return {w.xmin - mx, w.ymin - my, w.xmax + mx, w.ymax + my};
}

// A point computed to lie in the window, put back into it: far out, rounding can miss it by more than the
// window's size (a unit in the last place of coordinates much larger than it), and TeX may then get a
// length it cannot hold.
void KeepInWindow(double& x, double& y, const WorldWindow& w) {
    x = std::clamp(x, w.xmin, w.xmax);
    y = std::clamp(y, w.ymin, w.ymax);
}

// The part of the segment a-b inside the window; false when nothing is left.
bool ClipToWindow(double& ax, double& ay, double& bx, double& by, const WorldWindow& w) {
    if (!ClipSegmentEnds(ax, ay, bx, by, w.xmin, w.ymin, w.xmax, w.ymax)) return false;
    // Ends far beyond the window lose, in the cut's arithmetic, the digits that put it on the window's edge.
    KeepInWindow(ax, ay, w);
    KeepInWindow(bx, by, w);
    return true;
}

bool Finite(const FigurePoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.dx) && std::isfinite(p.dy);
}

bool HasOffset(const FigurePoint& p) {
    return p.dx != 0 || p.dy != 0;
}

}  // namespace

std::string TikzText(std::string_view text, bool symbolFont) {
    std::string out;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (symbolFont) {
            const std::string greek = GreekMath(SymbolFontCharacter(c));
            if (!greek.empty()) {
                out += "$" + greek + "$";
                continue;
            }
        }
        AppendTextCharacter(out, c);
    }
    return out;
}

TikzCanvas::TikzCanvas(DeviceRect area, TextMetrics& metrics, double widthCm)
    : NullCanvas(area), metrics_(metrics), widthCm_(widthCm) {}

const TikzCanvas::Frame& TikzCanvas::CurrentFrame() {
    if (!frame_) {
        const DrawState& state = Drawing();
        FixFrame({state.XMin, state.YMin, state.XMax, state.YMax});
    }
    return *frame_;
}

bool TikzCanvas::NearWindow(double x, double y) const {
    const WorldWindow near = NearWindowBounds(frame_->window);
    return x >= near.xmin && x <= near.xmax && y >= near.ymin && y <= near.ymax;
}

void TikzCanvas::AppendPoint(std::string& out, double x, double y) const {
    out += '(';
    AppendFixed(out, (x - frame_->originX) * frame_->scale, frame_->decimals);
    out += ',';
    AppendFixed(out, (y - frame_->originY) * frame_->scale, frame_->decimals);
    out += ')';
}

void TikzCanvas::BeginObject(std::string_view name) {
    if (depth_++ == 0) pendingName_ = name;
}

void TikzCanvas::EndObject() {
    if (depth_ > 0) --depth_;
    if (depth_ == 0) pendingName_.clear();
}

void TikzCanvas::StartFigure() {
    // The object's name as a comment before its first figure.
    if (pendingName_.empty()) return;
    body_ += "% ";
    for (const char c : pendingName_)
        AppendUtf8(body_, static_cast<unsigned char>(c) < 0x20
                              ? U'?'
                              : Cp1252ToUnicode(static_cast<unsigned char>(c)));
    body_ += '\n';
    pendingName_.clear();
}

void TikzCanvas::Strokes(std::span<const FigurePoint> ends, const Pen& pen) {
    if (!Written()) return;
    const Frame& frame = CurrentFrame();
    std::string path;
    std::string dots;
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        FigurePoint a = ends[i];
        FigurePoint b = ends[i + 1];
        if (!Finite(a) || !Finite(b)) continue;
        if (a.x == b.x && a.y == b.y && a.dx == b.dx && a.dy == b.dy) {
            // A dot of the pen's width; a thin pen leaves none.
            if (PenWidth(pen) == 1 || !NearWindow(a.x, a.y)) continue;
            dots += ' ';
            AppendPoint(dots, a.x, a.y);
            dots += " circle[radius=" + Points(PenWidth(pen) / 2.0) + "]";
            continue;
        }
        if (!HasOffset(a) && !HasOffset(b)) {
            if (!ClipToWindow(a.x, a.y, b.x, b.y, frame.window)) continue;
            if (!path.empty()) path += ' ';
            AppendPoint(path, a.x, a.y);
            path += " -- ";
            AppendPoint(path, b.x, b.y);
            continue;
        }
        // Fixed-size parts about a world point: "+(...)" is relative to the last plain point.
        if (!NearWindow(a.x, a.y) || !NearWindow(b.x, b.y)) continue;
        const auto relative = [&](const FigurePoint& p) {
            return "+(" + Points(p.dx) + "," + Points(p.dy) + ")";
        };
        if (!path.empty()) path += ' ';
        AppendPoint(path, a.x, a.y);
        if (HasOffset(a)) path += " " + relative(a);
        path += " -- ";
        if (b.x == a.x && b.y == a.y) {
            path += relative(b);
        } else {
            std::string shifted;
            AppendPoint(shifted, b.x, b.y);
            path += "([xshift=" + Points(b.dx) + ",yshift=" + Points(b.dy) + "]" + shifted.substr(1);
        }
    }
    if (path.empty() && dots.empty()) return;
    StartFigure();
    if (!path.empty()) body_ += "\\draw" + PenOptions(pen) + " " + path + ";\n";
    if (!dots.empty()) {
        body_ += "\\fill";
        if (!(pen.color == kBlack)) body_ += "[" + ColorOption(pen.color) + "]";
        body_ += dots + ";\n";
    }
}

void TikzCanvas::Circle(double cx, double cy, double r, const Pen& pen) {
    if (!Written() || !(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(r)) || r <= 0) return;
    const Frame& frame = CurrentFrame();
    const WorldWindow& w = frame.window;
    // Left out when it misses the window or encloses it.
    const double nearX = std::clamp(cx, w.xmin, w.xmax) - cx;
    const double nearY = std::clamp(cy, w.ymin, w.ymax) - cy;
    const double farX = std::max(std::abs(w.xmin - cx), std::abs(w.xmax - cx));
    const double farY = std::max(std::abs(w.ymin - cy), std::abs(w.ymax - cy));
    if (std::hypot(nearX, nearY) > r || std::hypot(farX, farY) < r) return;
    StartFigure();
    const double reach =
        (std::max(std::abs(cx - frame.originX), std::abs(cy - frame.originY)) + r) * frame.cmPerUnit;
    if (reach > kMaxPictureCm) {
        AppendHugeCircle(cx, cy, r, PenOptions(pen));
        return;
    }
    body_ += "\\draw" + PenOptions(pen) + " ";
    AppendPoint(body_, cx, cy);
    body_ += " circle[radius=";
    AppendFixed(body_, r * frame.scale, frame.decimals);
    body_ += "];\n";
}

void TikzCanvas::AppendHugeCircle(double cx, double cy, double r, const std::string& options) {
    const WorldWindow& w = frame_->window;
    // The same point set in world coordinates as on the device: y = cy - r sin t.
    const std::vector<CurveInterval> intervals =
        EllipseIntervalsInBox(cx, cy, r, r, w.xmin, w.ymin, w.xmax, w.ymax);
    const double step = CurveStep(intervals, r, (w.xmax - w.xmin) * kCircleChordShare, kMaxCircleChords);
    for (const CurveInterval& interval : intervals) {
        const int chords = std::max(1, static_cast<int>(std::ceil(interval.length / step)));
        body_ += "\\draw" + options;
        for (int k = 0; k <= chords; ++k) {
            const double t = interval.from + interval.length * k / chords;
            body_ += k == 0 ? " " : " -- ";
            double x = cx + r * std::cos(t);
            double y = cy - r * std::sin(t);
            KeepInWindow(x, y, w);  // a radius far larger than the window
            AppendPoint(body_, x, y);
        }
        body_ += ";\n";
    }
}

void TikzCanvas::Arc(double cx, double cy, double radius, double from, double to, const Pen& pen) {
    if (!Written() || !(std::isfinite(cx) && std::isfinite(cy)) || radius <= 0) return;
    CurrentFrame();
    if (!NearWindow(cx, cy)) return;
    double span = std::fmod(to - from, 360.0);
    if (span <= 0) span += 360;
    StartFigure();
    std::string start;
    AppendFixed(start, from, 2);
    std::string delta;
    AppendFixed(delta, span, 2);
    body_ += "\\draw" + PenOptions(pen) + " ";
    AppendPoint(body_, cx, cy);
    body_ += " +(" + start + ":" + Points(radius) + ") arc[start angle=" + start + ",delta angle=" + delta +
             ",radius=" + Points(radius) + "];\n";
}

void TikzCanvas::Text(const std::string& text, const FigurePoint& at, TextAnchor anchor, const Font& textFont,
                      const Brush& textBrush) {
    if (!Written() || text.empty() || !Finite(at)) return;
    CurrentFrame();
    if (!NearWindow(at.x, at.y)) return;
    std::string options;
    const auto add = [&](const std::string& option) {
        options += options.empty() ? "[" : ",";
        options += option;
    };
    if (anchor == TextAnchor::TopRight) add("anchor=north east");
    if (anchor == TextAnchor::BottomLeft) add("anchor=south west");
    if (at.dx != 0) add("xshift=" + Points(at.dx));
    if (at.dy != 0) add("yshift=" + Points(at.dy));
    if (textBrush.style == BrushStyle::Solid) add("fill=" + ColorName(textBrush.color));
    if (!(textFont.color == kBlack)) add("text=" + ColorName(textFont.color));
    if (!options.empty()) options += "]";
    StartFigure();
    body_ += "\\node" + options + " at ";
    AppendPoint(body_, at.x, at.y);
    body_ += " {" + TikzText(text, textFont.name == "Symbol") + "};\n";
}

void TikzCanvas::FixFrame(const WorldWindow& window) {
    Frame frame;
    frame.window = window;
    const double width = window.xmax - window.xmin;
    const double height = window.ymax - window.ymin;
    frame.cmPerUnit = widthCm_ > 0 && width > 0 ? widthCm_ / width : 1;
    // Pictures beyond what TeX can hold are made smaller.
    const double largest = std::max(width, height) * frame.cmPerUnit;
    if (largest > kMaxPictureCm) frame.cmPerUnit *= kMaxPictureCm / largest;
    // Labels and marks just outside the window are written too: they must stay in TeX's reach as well.
    const WorldWindow near = NearWindowBounds(window);
    const double reach =
        std::max({std::abs(near.xmin), std::abs(near.xmax), std::abs(near.ymin), std::abs(near.ymax)});
    if (reach * frame.cmPerUnit > kMaxPictureCm) {
        frame.originX = std::nearbyint((window.xmin + window.xmax) / 2);
        frame.originY = std::nearbyint((window.ymin + window.ymax) / 2);
    }
    if (frame.cmPerUnit < kSmallestUnitCm) frame.scale = frame.cmPerUnit;
    // About five significant digits of the window's size as written.
    const double span = std::max(width, height) * frame.scale;
    frame.decimals = span > 0 ? std::clamp(static_cast<int>(std::ceil(-std::log10(span * 1e-5))), 0, 12) : 4;
    frame_ = frame;
}

std::string TikzCanvas::Document(const WorldWindow& window) {
    if (!frame_) FixFrame(window);
    const Frame& frame = *frame_;
    Font labelFont;
    labelFont.name = "Arial";
    labelFont.size = 9;
    const int ascent = metrics_.Ascent(labelFont);
    const int descent = std::max(0, metrics_.Height(labelFont) - ascent);

    std::string out = "% Lineato: TikZ picture";
    if (frame.originX != 0 || frame.originY != 0) {
        out += ", coordinates relative to (";
        AppendFixed(out, frame.originX, 0);
        out += ',';
        AppendFixed(out, frame.originY, 0);
        out += ')';
    }
    out += ". \\input it where a LaTeX document (UTF-8) that loads tikz wants it.\n";
    out += "\\begin{tikzpicture}[x=";
    AppendFixed(out, frame.cmPerUnit / frame.scale, 6);
    out += "cm,y=";
    AppendFixed(out, frame.cmPerUnit / frame.scale, 6);
    out += "cm,line width=" + Points(1);
    for (const PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot}) {
        out += ",\n  " + std::string(DashName(style)) + "/.style={dash pattern=";
        const std::span<const double> pattern = DashPattern(style);
        for (std::size_t i = 0; i < pattern.size(); ++i)
            out += std::string(i % 2 == 0 ? (i == 0 ? "on " : " on ") : " off ") + Points(pattern[i]);
        out += "}";
    }
    out += ",\n  every node/.style={inner sep=0pt,text height=" + Points(ascent) +
           ",text depth=" + Points(descent) + ",font=\\sffamily\\fontsize{9}{11}\\selectfont}]\n";
    out += "\\clip ";
    AppendPoint(out, window.xmin, window.ymin);
    out += " rectangle ";
    AppendPoint(out, window.xmax, window.ymax);
    out += ";\n" + body_ + "\\end{tikzpicture}\n";
    return out;
}
