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
    switch (code) {
        case kStyleRed:
            pen.style = PenStyle::Dash;
            break;
        case kStyleGreen:
            pen.style = PenStyle::DashDot;
            break;
        case kStyleBlue:
            pen.style = PenStyle::Solid;
            pen.width = 2;
            break;
        case kStyleYellow:
            pen.style = PenStyle::Dot;
            break;
        case kStyleBlack:
            pen.style = PenStyle::Solid;
            break;
        case kStylePointMark:
            pen.style = PenStyle::Solid;
            pen.width = 1;
            break;
        default:
            return;  // no change
    }
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
    switch (code) {
        case kStyleRed:
            pen.style = PenStyle::Dash;
            break;
        case kStyleGreen:
            pen.style = PenStyle::DashDot;
            break;
        case kStyleBlue:
        case kStyleBlack:
            pen.style = PenStyle::Solid;
            break;
        case kStyleYellow:
            pen.style = PenStyle::Dot;
            break;
        default:
            break;  // no change
    }
}

void ResetPen() {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    canvas->pen.style = PenStyle::Solid;
    canvas->pen.width = 1;
    canvas->pen.color = kBlack;
}
