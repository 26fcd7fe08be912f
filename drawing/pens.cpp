// Pen selection by style code: colours in colour mode, line styles in monochrome mode.
#include "drawing/pens.h"

#include "drawing/drawstate.h"

namespace {

// The colour of a code in colour mode; false for codes that select none (0, 5 and unknown codes).
bool CodeColor(std::uint16_t code, TColor& color) {
    switch (code) {
        case kStyleRed:
            color = kRed;
            return true;
        case kStyleGreen:
            color = kGreen;
            return true;
        case kStyleBlue:
            color = kBlue;
            return true;
        case kStyleYellow:
            color = kYellow;
            return true;
        case kStyleBlack:
        case kStylePointMark:
            color = kBlack;
            return true;
        default:
            return false;
    }
}

// The monochrome line style of a colour code; false for codes without one (0, 5, the point mark and
// unknown codes).
bool CodeStyle(std::uint16_t code, PenStyle& style) {
    switch (code) {
        case kStyleRed:
            style = PenStyle::Dash;
            return true;
        case kStyleGreen:
            style = PenStyle::DashDot;
            return true;
        case kStyleBlue:
        case kStyleBlack:
            style = PenStyle::Solid;
            return true;
        case kStyleYellow:
            style = PenStyle::Dot;
            return true;
        default:
            return false;
    }
}

}  // namespace

void SelectLinePen(std::uint16_t code) {
    const DrawState& state = Drawing();
    Canvas* canvas = state.DrawCanvas;
    if (canvas == nullptr) return;
    Pen& pen = canvas->pen;
    if (state.ColorMode) {
        // The width applies to every code, also to those that select no colour.
        pen.width = state.LineWidth + 1;
        TColor color;
        if (CodeColor(code, color)) {
            pen.color = color;
            pen.style = PenStyle::Solid;
        }
        return;
    }
    if (code == kStylePointMark) {
        pen.style = PenStyle::Solid;
        pen.width = 1;
    } else if (!CodeStyle(code, pen.style)) {
        return;  // no change
    }
    // Blue is told apart from black by its width.
    if (code == kStyleBlue) pen.width = 2;
    pen.color = kBlack;
}

void SelectCirclePen(std::uint16_t code) {
    const DrawState& state = Drawing();
    Canvas* canvas = state.DrawCanvas;
    if (canvas == nullptr) return;
    Pen& pen = canvas->pen;
    if (state.ColorMode) {
        // Point-mark code 7 is not a circle colour; the width is left as it is.
        TColor color;
        if (code != kStylePointMark && CodeColor(code, color)) pen.color = color;
        return;
    }
    CodeStyle(code, pen.style);  // codes without a style leave the pen as it is
}

void ResetPen() {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    canvas->pen.style = PenStyle::Solid;
    canvas->pen.width = 1;
    canvas->pen.color = kBlack;
}

std::span<const double> DashPattern(PenStyle style) {
    static constexpr double kDash[] = {18, 6};
    static constexpr double kDot[] = {3, 3};
    static constexpr double kDashDot[] = {9, 6, 3, 6};
    switch (style) {
        case PenStyle::Dash:
            return kDash;
        case PenStyle::Dot:
            return kDot;
        case PenStyle::DashDot:
            return kDashDot;
        case PenStyle::Solid:
            break;
    }
    return {};
}
