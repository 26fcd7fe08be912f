// The abstract drawing surface: exactly the operations the drawing layer needs from a platform canvas.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class FigureSink;

struct TColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const TColor&, const TColor&) = default;
};

inline constexpr TColor kBlack{0, 0, 0};
inline constexpr TColor kWhite{255, 255, 255};
inline constexpr TColor kRed{255, 0, 0};
inline constexpr TColor kGreen{0, 128, 0};
inline constexpr TColor kBlue{0, 0, 255};
inline constexpr TColor kYellow{255, 255, 0};

enum class PenStyle { Solid, Dash, Dot, DashDot };
enum class BrushStyle { Solid, Clear };

struct Pen {
    TColor color = kBlack;
    PenStyle style = PenStyle::Solid;
    int width = 1;  // device units
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    TColor color = kWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    std::string name = "Arial";  // "Arial" or "Symbol" (Latin letters shown as Greek)
    int size = 8;                // points
    TColor color = kBlack;
    friend bool operator==(const Font&, const Font&) = default;
};

// Integer device rectangle; right and bottom are exclusive, as on the platform.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// A platform canvas keeps its current pen, brush and font between calls; every drawing call uses them.
// Text is Windows-1252. Device coordinates: y grows downwards, (0, 0) top left.
class Canvas {
public:
    virtual ~Canvas() = default;

    Pen pen;
    Brush brush;
    Font font;

    // Setting a brush colour makes a clear brush solid again, as platform canvases do.
    void SetBrushColor(TColor color) {
        brush.color = color;
        brush.style = BrushStyle::Solid;
    }

    virtual void MoveTo(int x, int y) = 0;
    // Line from the pen position to (x, y), end point excluded; the pen position becomes (x, y).
    virtual void LineTo(int x, int y) = 0;
    // Elliptic arc in the box (x1, y1)-(x2, y2), counter-clockwise on the device from the direction of
    // (x3, y3) to the direction of (x4, y4), both seen from the box centre; equal directions draw the
    // whole ellipse.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // Fills the rectangle with the brush, without outline.
    virtual void FillRect(const DeviceRect& rect) = 0;
    // Outline with the pen, inside filled with the brush (unless clear).
    virtual void Rectangle(const DeviceRect& rect) = 0;
    virtual DeviceRect ClipRect() const = 0;
    virtual void SetClipRect(const DeviceRect& rect) = 0;
    // Text with its top-left corner at (x, y); a solid brush paints the text's background.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    // Boundaries of one object of the construction (name empty when it has none); objects drawn again
    // inside another one nest. Structured outputs group by them; the default ignores them.
    virtual void BeginObject(std::string_view /*name*/) {}
    virtual void EndObject() {}
    // Where the primitives also report their figures in world coordinates; nullptr (the default) when
    // the canvas keeps device drawing only.
    virtual FigureSink* Figures() { return nullptr; }
};
