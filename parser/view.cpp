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
        // Starting from 0 keeps the origin inside the fitted window.
        double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
        for (int i = 0; i < Objects.Count(); ++i) {
            double exmin, eymin, exmax, eymax;
            Objects.Item(i)->GetExtent(exmin, eymin, exmax, eymax);
            if (exmin < xmin) xmin = exmin;
            if (eymin < ymin) ymin = eymin;
            if (exmax > xmax) xmax = exmax;
            if (eymax > ymax) ymax = eymax;
        }
        SetWorldWindow(xmin - 1, ymin - 1, xmax + 1, ymax + 1);
    }
    Redraw();
}

void TParser::ExtendToFit() {
    if (Objects.Count() == 0 || !AutoScaling) return;
    const DrawState& state = Drawing();
    double xmin = state.XMin, ymin = state.YMin, xmax = state.XMax, ymax = state.YMax;
    bool changed = false;
    // The first object is not examined; touching an edge counts as leaving the window.
    for (int i = 1; i < Objects.Count(); ++i) {
        double exmin, eymin, exmax, eymax;
        Objects.Item(i)->GetExtent(exmin, eymin, exmax, eymax);
        if (exmin <= xmin) {
            xmin = exmin;
            changed = true;
        }
        if (eymin <= ymin) {
            ymin = eymin;
            changed = true;
        }
        if (exmax >= xmax) {
            xmax = exmax;
            changed = true;
        }
        if (eymax >= ymax) {
            ymax = eymax;
            changed = true;
        }
    }
    if (changed) {
        SetWorldWindow(xmin - 1, ymin - 1, xmax + 1, ymax + 1);
        ClearCanvas();
        Redraw();
    }
}

void TParser::ResetColor() {
    CurrentColor = kInitialColor;
}

void TParser::ClearAndShowAxes() {
    ClearCanvas();
    if (Axes.Visible) ShowAxes();
}
