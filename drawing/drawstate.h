// The one module-level drawing state shared by everything that draws: canvas, world window, scales, pens.
#pragma once

#include "drawing/canvas.h"

// A rectangle of the world: x from xmin to xmax, y from ymin to ymax.
struct WorldWindow {
    double xmin = 0;
    double ymin = 0;
    double xmax = 0;
    double ymax = 0;
};

struct DrawState {
    Canvas* DrawCanvas = nullptr;  // not owned: the screen area's canvas, or the printer page while printing

    // The world window after the aspect adjustment, and the world-to-device scales. The initial values
    // form a valid transform (the window on a 12 x 10 device area), so nothing divides by zero before
    // the first SetWorldWindow.
    double XMin = -6;
    double YMin = -5;
    double XMax = 6;
    double YMax = 5;
    double XScale = 1;  // device units per world unit
    double YScale = 1;
    int DeviceHeight = 10;

    bool ColorMode = true;  // true: figures differ by colour; false: by line style
    int LineWidth = 0;      // extra pen width in colour mode (printing with double width sets 1)

    DeviceRect ScreenRect;     // device rectangle of the screen drawing area, used by SetWorldWindow
    bool PrinterBusy = false;  // a print job is running: DrawAll leaves the canvas alone
};

// The module state itself.
DrawState& Drawing();

// Restores the whole drawing state when it leaves scope (tests, printing, image export).
class DrawStateGuard {
public:
    DrawStateGuard() : saved_(Drawing()) {}
    ~DrawStateGuard() { Drawing() = saved_; }
    DrawStateGuard(const DrawStateGuard&) = delete;
    DrawStateGuard& operator=(const DrawStateGuard&) = delete;

private:
    DrawState saved_;
};
