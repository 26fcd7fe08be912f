// TikzCanvas: a canvas that writes the figures it is told about as a TikZ picture in world coordinates.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "drawing/canvas.h"
#include "drawing/figuresink.h"
#include "drawing/nullcanvas.h"
#include "drawing/textmetrics.h"
#include "export/render.h"

// Device drawing is ignored; the figures the primitives report become one \draw (or \node) each, in
// world coordinates, clipped to the world window, with one unit as one centimetre or scaled to a given
// width. What has a fixed size on the screen (marks, arcs of angles, label offsets, dash patterns, line
// widths) keeps it at 96 dpi: a device unit is 0.75 pt. Objects drawn again inside another one (the end
// points of a segment) are not written twice.
class TikzCanvas : public NullCanvas, public FigureSink {
public:
    // metrics (not owned) measure text as the PNG rendering does; widthCm > 0 scales the picture to
    // that width.
    TikzCanvas(DeviceRect area, TextMetrics& metrics, double widthCm);

    using NullCanvas::Arc;
    int TextWidth(const std::string& text) override { return metrics_.Width(font, text); }
    int TextHeight(const std::string&) override { return metrics_.Height(font); }
    void BeginObject(std::string_view name) override;
    void EndObject() override;
    FigureSink* Figures() override { return this; }

    void Strokes(std::span<const FigurePoint> ends, const Pen& pen) override;
    void Circle(double cx, double cy, double r, const Pen& pen) override;
    void Arc(double cx, double cy, double radius, double from, double to, const Pen& pen) override;
    void Text(const std::string& text, const FigurePoint& at, TextAnchor anchor, const Font& font,
              const Brush& brush) override;

    // The whole picture of the figures drawn in window.
    std::string Document(const WorldWindow& window);

private:
    // How world coordinates are written, fixed by the window of the first figure.
    struct Frame {
        WorldWindow window;
        double cmPerUnit = 1;
        double originX = 0;  // subtracted from every coordinate (0 unless the window lies far out)
        double originY = 0;
        // Written coordinates are (world - origin) * scale: 1, or cmPerUnit where the unit itself would
        // be too small to write (TeX has no exponents), so that coordinates are centimetres then.
        double scale = 1;
        int decimals = 4;
    };
    void FixFrame(const WorldWindow& window);
    // The frame, fixed from the drawing state's window on the first figure.
    const Frame& CurrentFrame();
    bool Written() const { return depth_ <= 1; }
    bool NearWindow(double x, double y) const;
    void StartFigure();
    void AppendPoint(std::string& out, double x, double y) const;
    void AppendHugeCircle(double cx, double cy, double r, const std::string& options);

    TextMetrics& metrics_;
    double widthCm_;
    std::optional<Frame> frame_;
    std::string body_;
    int depth_ = 0;
    std::string pendingName_;  // the object whose first figure is still to come
};

// Windows-1252 text for a TikZ node: LaTeX's special characters escaped, other characters in UTF-8,
// characters LaTeX cannot set as "?"; symbolFont: Latin letters become the Greek ones of the "Symbol"
// font, in math mode ($\alpha$, ...).
std::string TikzText(std::string_view text, bool symbolFont);
