// SvgCanvas: device drawing calls written as SVG elements, grouped by object, styled by classes.
#include "export/svgcanvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>

#include "drawing/arcgeometry.h"
#include "drawing/pens.h"
#include "drawing/transform.h"
#include "text/cp1252.h"
#include "text/symbolfont.h"

namespace {

constexpr int kMaxPenWidth = 256;
// Device units are CSS pixels at 96 dpi; font sizes are given in points.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr int kLabelPoints = 9;
constexpr const char* kFontFamily = "Arial,Helvetica,'Nimbus Sans','Liberation Sans',sans-serif";

int Clamped(int v) {
    return std::clamp(v, -kDeviceLimit, kDeviceLimit);
}

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// At most two decimals, without trailing zeros.
void AppendNumber(std::string& out, double value) {
    const double rounded = std::nearbyint(value * 100) / 100;
    if (rounded == std::nearbyint(rounded)) {
        AppendInt(out, static_cast<long long>(rounded));
        return;
    }
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 2);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    while (text.back() == '0')
        text.remove_suffix(1);
    out += text;
}

std::string Hex(TColor c) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out = "#";
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        out += kDigits[v >> 4];
        out += kDigits[v & 15];
    }
    return out;
}

// The classes of the five colours of the style codes (black is the default) and of the dash styles.
struct ColorClassName {
    TColor color;
    const char* name;
};
constexpr ColorClassName kColorClasses[] = {{kRed, "r"}, {kGreen, "g"}, {kBlue, "b"}, {kYellow, "y"}};
struct DashClassName {
    PenStyle style;
    const char* name;
};
constexpr DashClassName kDashClasses[] = {
    {PenStyle::Dash, "d"}, {PenStyle::Dot, "o"}, {PenStyle::DashDot, "dd"}};

const char* ColorClass(TColor c) {
    for (const ColorClassName& entry : kColorClasses)
        if (entry.color == c) return entry.name;
    return nullptr;
}

const char* DashClass(PenStyle style) {
    for (const DashClassName& entry : kDashClasses)
        if (entry.style == style) return entry.name;
    return nullptr;
}

std::string DashArray(PenStyle style) {
    std::string out;
    for (const double length : DashPattern(style)) {
        if (!out.empty()) out += ' ';
        AppendNumber(out, length);
    }
    return out;
}

bool IdByteStays(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

}  // namespace

std::string SvgIdOfName(std::string_view name) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string id;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool leadingDigit = i == 0 && c >= '0' && c <= '9';
        if (IdByteStays(c) && !leadingDigit) {
            AppendUtf8(id, Cp1252ToUnicode(c));
        } else {
            id += '_';
            id += kDigits[c >> 4];
            id += kDigits[c & 15];
        }
    }
    return id;
}

std::string SvgText(std::string_view text, bool symbolFont) {
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";  // also safe inside attributes
        } else if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, symbolFont ? SymbolFontCharacter(c) : Cp1252ToUnicode(c));
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(DeviceRect area, TextMetrics& metrics) : area_(area), clip_(area), metrics_(metrics) {
    levels_.emplace_back();
    OpenClip(area);
}

void SvgCanvas::OpenClip(const DeviceRect& rect) {
    // The content is shifted by half a unit, so that one-unit strokes on integer coordinates cover
    // whole pixels as on the platform; the clip rectangle is given in the shifted coordinates.
    // No object id starts with "_c": escapes are "_" and two hex digits, and "l" is none.
    const std::string id = std::string("_clip") + std::to_string(clipCount_++);
    std::string& out = Out();
    out += "<clipPath id=\"" + id + "\"><rect x=\"";
    AppendNumber(out, std::min(rect.left, rect.right) - 0.5);
    out += "\" y=\"";
    AppendNumber(out, std::min(rect.top, rect.bottom) - 0.5);
    out += "\" width=\"";
    AppendInt(out, std::abs(rect.Width()));
    out += "\" height=\"";
    AppendInt(out, std::abs(rect.Height()));
    out += "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\" transform=\"translate(.5 .5)\">\n";
}

void SvgCanvas::MoveTo(int x, int y) {
    penX_ = Clamped(x);
    penY_ = Clamped(y);
}

void SvgCanvas::LineTo(int x, int y) {
    x = Clamped(x);
    y = Clamped(y);
    const int fromX = penX_;
    const int fromY = penY_;
    penX_ = x;
    penY_ = y;
    const bool dot = fromX == x && fromY == y;
    // A zero-length line leaves no mark with a thin pen and a round dot of the pen's width otherwise.
    if (dot && std::clamp(pen.width, 1, kMaxPenWidth) == 1) return;
    if (!path_.empty() && !(pathPen_ == pen)) FlushPath();
    pathPen_ = pen;
    if (!dot && !path_.empty() && pathEndX_ == fromX && pathEndY_ == fromY) {
        path_ += ' ';  // the polyline goes on
    } else {
        path_ += 'M';
        AppendInt(path_, fromX);
        path_ += ' ';
        AppendInt(path_, fromY);
        path_ += dot ? "h0" : " ";
    }
    if (!dot) {
        AppendInt(path_, x);
        path_ += ' ';
        AppendInt(path_, y);
    }
    pathEndX_ = x;
    pathEndY_ = y;
}

std::string SvgCanvas::StrokeAttributes() {
    std::string classes;
    std::string style;
    const auto addClass = [&](const std::string& name) {
        if (!classes.empty()) classes += ' ';
        classes += name;
        classes_.insert(name);
    };
    if (const char* color = ColorClass(pen.color))
        addClass(color);
    else if (!(pen.color == kBlack))
        style += "stroke:" + Hex(pen.color);
    if (const char* dash = DashClass(pen.style)) addClass(dash);
    const int width = std::clamp(pen.width, 1, kMaxPenWidth);
    if (width > 1) addClass(std::string("w") + std::to_string(width));
    std::string out;
    if (!classes.empty()) out += " class=\"" + classes + "\"";
    if (!style.empty()) out += " style=\"" + style + "\"";
    return out;
}

void SvgCanvas::FlushPath() {
    if (path_.empty()) return;
    const Pen current = pen;
    pen = pathPen_;
    Out() += "<path d=\"" + path_ + "\"" + StrokeAttributes() + "/>";
    pen = current;
    path_.clear();
}

void SvgCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const std::optional<ArcGeometry> arc = CanvasArcGeometry(x1, y1, x2, y2, x3, y3, x4, y4);
    if (!arc) return;
    FlushPath();
    const double cx = (arc->left + arc->right) / 2;
    const double cy = (arc->top + arc->bottom) / 2;
    const double rx = (arc->right - arc->left) / 2;
    const double ry = (arc->bottom - arc->top) / 2;
    std::string& out = Out();
    if (arc->full) {
        out += rx == ry ? "<circle cx=\"" : "<ellipse cx=\"";
        AppendNumber(out, cx);
        out += "\" cy=\"";
        AppendNumber(out, cy);
        if (rx == ry) {
            out += "\" r=\"";
            AppendNumber(out, rx);
        } else {
            out += "\" rx=\"";
            AppendNumber(out, rx);
            out += "\" ry=\"";
            AppendNumber(out, ry);
        }
        out += '"';
        out += StrokeAttributes();
        out += "/>";
        return;
    }
    // Counter-clockwise on the device (y downwards) is SVG's negative sweep.
    const double start = arc->start * std::numbers::pi / 180;
    const double end = (arc->start + arc->span) * std::numbers::pi / 180;
    out += "<path d=\"M";
    AppendNumber(out, cx + rx * std::cos(start));
    out += ' ';
    AppendNumber(out, cy - ry * std::sin(start));
    out += 'A';
    AppendNumber(out, rx);
    out += ' ';
    AppendNumber(out, ry);
    out += arc->span > 180 ? " 0 1 0 " : " 0 0 0 ";
    AppendNumber(out, cx + rx * std::cos(end));
    out += ' ';
    AppendNumber(out, cy - ry * std::sin(end));
    out += '"';
    out += StrokeAttributes();
    out += "/>";
}

void SvgCanvas::FillRect(const DeviceRect& rect) {
    if (brush.style != BrushStyle::Solid) return;
    FlushPath();
    std::string& out = Out();
    out += "<rect x=\"";
    AppendNumber(out, Clamped(std::min(rect.left, rect.right)) - 0.5);
    out += "\" y=\"";
    AppendNumber(out, Clamped(std::min(rect.top, rect.bottom)) - 0.5);
    out += "\" width=\"";
    AppendInt(out, std::abs(static_cast<long long>(Clamped(rect.right)) - Clamped(rect.left)));
    out += "\" height=\"";
    AppendInt(out, std::abs(static_cast<long long>(Clamped(rect.bottom)) - Clamped(rect.top)));
    out += "\" fill=\"" + Hex(brush.color) + "\"/>";
}

void SvgCanvas::Rectangle(const DeviceRect& rect) {
    const int left = Clamped(std::min(rect.left, rect.right));
    const int top = Clamped(std::min(rect.top, rect.bottom));
    const long long width = std::abs(static_cast<long long>(Clamped(rect.right)) - Clamped(rect.left));
    const long long height = std::abs(static_cast<long long>(Clamped(rect.bottom)) - Clamped(rect.top));
    if (width == 0 || height == 0) return;
    FillRect(rect);
    // The outline runs on the outermost pixels inside the rectangle, right and bottom exclusive.
    std::string& out = Out();
    out += "<path d=\"M";
    AppendInt(out, left);
    out += ' ';
    AppendInt(out, top);
    out += 'h';
    AppendInt(out, width - 1);
    out += 'v';
    AppendInt(out, height - 1);
    out += 'h';
    AppendInt(out, 1 - width);
    out += "z\"" + StrokeAttributes() + "/>";
}

void SvgCanvas::SetClipRect(const DeviceRect& rect) {
    FlushPath();
    clip_ = rect;
    if (levels_.size() == 1) {
        Out() += "</g>\n";
    } else {
        ++levels_.back().clipGroups;  // closed with the object's group
    }
    OpenClip(rect);
}

void SvgCanvas::TextOut(int x, int y, const std::string& text) {
    FlushPath();
    x = Clamped(x);
    y = Clamped(y);
    std::string& out = Out();
    if (brush.style == BrushStyle::Solid) {
        out += "<rect x=\"";
        AppendNumber(out, x - 0.5);
        out += "\" y=\"";
        AppendNumber(out, y - 0.5);
        out += "\" width=\"";
        AppendInt(out, metrics_.Width(font, text));
        out += "\" height=\"";
        AppendInt(out, metrics_.Height(font));
        out += "\" fill=\"" + Hex(brush.color) + "\"/>";
    }
    out += "<text x=\"";
    AppendNumber(out, x - 0.5);
    out += "\" y=\"";
    AppendNumber(out, y + metrics_.Ascent(font) - 0.5);
    out += '"';
    // The style sheet sets the labels' font; only what differs is written.
    std::string style;
    if (font.name != "Arial" && font.name != "Symbol")
        style += "font-family:'" + SvgText(font.name, false) + "';";
    if (font.size != kLabelPoints) {
        style += "font-size:";
        AppendNumber(style, std::clamp(font.size, 1, 1000) * kPixelsPerPoint);
        style += "px;";
    }
    if (!(font.color == kBlack)) style += "fill:" + Hex(font.color) + ";";
    if (!style.empty()) {
        style.pop_back();
        out += " style=\"" + style + "\"";
    }
    out += '>' + SvgText(text, font.name == "Symbol") + "</text>";
}

std::string SvgCanvas::UniqueId(std::string_view name) {
    const std::string base = SvgIdOfName(name);
    std::string id = base;
    for (int n = 2; !ids_.insert(id).second; ++n)
        id = base + "__" + std::to_string(n);
    return id;
}

void SvgCanvas::BeginObject(std::string_view name) {
    FlushPath();
    levels_.push_back({std::string(name), {}, 0});
}

void SvgCanvas::EndObject() {
    if (levels_.size() == 1) return;  // no object open
    FlushPath();
    Level level = std::move(levels_.back());
    levels_.pop_back();
    for (; level.clipGroups > 0; --level.clipGroups)
        level.content += "</g>";
    if (level.content.empty()) return;  // invisible: no group at all

    if (levels_.size() > 1) {
        // Drawn again inside another object: a reference to its own group when that looks the same.
        const auto group = namedGroups_.find(level.name);
        if (!level.name.empty() && group != namedGroups_.end() && group->second.content == level.content)
            Out() += "<use xlink:href=\"#" + group->second.id + "\"/>";
        else
            Out() += level.content;
        return;
    }
    std::string& out = Out();
    if (level.name.empty()) {
        out += "<g>" + level.content + "</g>\n";
        return;
    }
    const std::string id = UniqueId(level.name);
    out += "<g id=\"" + id + "\">" + level.content + "</g>\n";
    namedGroups_.try_emplace(level.name, NamedGroup{id, std::move(level.content)});
}

std::string SvgCanvas::Document() {
    if (!done_) {
        FlushPath();
        while (levels_.size() > 1)
            EndObject();
        Out() += "</g>\n";
        done_ = true;
    }
    std::string css = "path,circle,ellipse{fill:none;stroke:#000;stroke-linejoin:round}\n";
    css += "text{font-family:" + std::string(kFontFamily) + ";font-size:";
    AppendNumber(css, kLabelPoints * kPixelsPerPoint);
    css += "px}\n";
    for (const std::string& name : classes_) {
        css += '.' + name + '{';
        for (const ColorClassName& entry : kColorClasses)
            if (name == entry.name) css += "stroke:" + Hex(entry.color);
        for (const DashClassName& entry : kDashClasses)
            if (name == entry.name) css += "stroke-dasharray:" + DashArray(entry.style);
        // Wide pens are round at their ends, as on the platform.
        if (name.front() == 'w') css += "stroke-width:" + name.substr(1) + ";stroke-linecap:round";
        css += "}\n";
    }
    const std::string width = std::to_string(std::abs(area_.Width()));
    const std::string height = std::to_string(std::abs(area_.Height()));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
           width + "\" height=\"" + height + "\" viewBox=\"" + std::to_string(area_.left) + ' ' +
           std::to_string(area_.top) + ' ' + width + ' ' + height + "\">\n<style>\n" + css + "</style>\n" +
           levels_.front().content + "</svg>\n";
}
