// The interpreter's view operations: redrawing, fitting the world window, showing and hiding the axes.
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "parser/tparser.h"

void TParser::ShowAxes() {
    Axes.Draw();
}

void TParser::HideAxes() {
    Axes.Erase();
    ClearCanvas();
    Redraw();
}

void TParser::Redraw() {
    ClearCanvas();
    // A changed size of the drawing area takes effect; fitting the chosen window, not the one shown,
    // keeps repeated resizes from widening the view again and again.
    FitWorldWindow();
    Objects.DrawAll();
    if (Axes.Visible) Axes.DrawObject();
}

void TParser::FitAndRedraw() {
    AutoScale();
}

void TParser::AutoScale() {
    if (AutoScaling && Objects.Count() > 0) {
        // The bounds of every object: those of all but the first, kept by the list, and the first one's.
        ExtentBounds all;
        all.Include(Objects.ExtentOfAllButFirst());
        all.Include(ExtentOf(*Objects.Item(0)));
        const ExtentBox& e = all.Bounds();
        // Starting from 0 keeps the origin inside the fitted window; NaN bounds (none) compare false.
        const double xmin = e.xmin < 0 ? e.xmin : 0;
        const double ymin = e.ymin < 0 ? e.ymin : 0;
        const double xmax = e.xmax > 0 ? e.xmax : 0;
        const double ymax = e.ymax > 0 ? e.ymax : 0;
        SetWorldWindow(xmin - 1, ymin - 1, xmax + 1, ymax + 1);
    }
    Redraw();
}

void TParser::ExtendToFit() {
    if (Objects.Count() == 0 || !AutoScaling) return;
    const DrawState& state = Drawing();
    // The first object is not examined; touching an edge counts as leaving the window. The bounds of the
    // others are those a loop over them would reach, so comparing them once gives the loop's decision.
    const ExtentBox& e = Objects.ExtentOfAllButFirst();
    const bool left = e.xmin <= state.XMin;
    const bool bottom = e.ymin <= state.YMin;
    const bool right = e.xmax >= state.XMax;
    const bool top = e.ymax >= state.YMax;
    if (!(left || bottom || right || top)) return;
    SetWorldWindow((left ? e.xmin : state.XMin) - 1, (bottom ? e.ymin : state.YMin) - 1,
                   (right ? e.xmax : state.XMax) + 1, (top ? e.ymax : state.YMax) + 1);
    ClearCanvas();
    Redraw();
}

void TParser::ResetColor() {
    CurrentColor = kInitialColor;
}

void TParser::ClearAndShowAxes() {
    ClearCanvas();
    if (Axes.Visible) ShowAxes();
}
