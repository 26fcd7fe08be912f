// The drawing state the window sets up before it makes its document: a 640 x 480 area on a test canvas.
#pragma once

#include "drawing/drawstate.h"

// Points the drawing state at canvas as the screen area; returns what it is given, for initialiser lists.
template <typename Passed>
Passed& PrepareDrawingArea(Canvas& canvas, Passed& passed) {
    DrawState& state = Drawing();
    state.DrawCanvas = &canvas;
    state.ScreenRect = {0, 0, 640, 480};
    state.LineWidth = 0;
    state.PrinterBusy = false;
    return passed;
}
