// World window and the world-to-device transform.
#pragma once

#include "drawing/canvas.h"

void SetColorMode(bool on);
// Fills the canvas's clip rectangle with white (and makes the brush solid white).
void ClearCanvas();
// Chooses the window (Drawing().ChosenWindow) and fits it to the screen drawing area's rectangle with
// SetViewTransform. A window without finite positive width and height is refused and changes nothing.
void SetWorldWindow(double xmin, double ymin, double xmax, double ymax);
// Fits the chosen window to the screen drawing area as it is now: what every redraw does.
void FitWorldWindow();
// Stores the window, widens it to the aspect ratio of rect and sets the scales. A rectangle without
// area, or a window without finite positive width and height, keeps the previous transform.
void SetViewTransform(const DeviceRect& rect, double xmin, double ymin, double xmax, double ymax);

// World to device, rounded half to even; results are clamped to +-kDeviceLimit.
int ToScreenX(double x);
int ToScreenY(double y);
// The same without rounding, for primitives that clip before rounding.
double ToScreenXf(double x);
double ToScreenYf(double y);
double ToWorldX(int px);
double ToWorldY(int py);

// Device coordinates handed to a canvas never exceed this in size: far enough out that anything
// clipped there is invisible, near enough that platform rasterisers stay fast.
inline constexpr int kDeviceLimit = 1 << 22;
