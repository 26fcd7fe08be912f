// World window, world-to-device transform and canvas clearing on the module drawing state.
#include "drawing/transform.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "drawing/drawstate.h"

namespace {

// Unrounded device coordinates are kept within this size, so that clipping arithmetic on them (differences,
// products with parameters in [0, 1]) can never overflow to infinity.
constexpr double kFarDeviceLimit = 1e300;

// Before rounding, a device y offset is limited to a size where doubles still hold every integer, so that
// DeviceHeight minus the rounded offset is exact; anything that large is clamped afterwards anyway.
constexpr double kExactIntegerLimit = 1e15;

constexpr double kLimit = kDeviceLimit;

// Aspect ratios that agree to this (relative) are equal: a window widened to the device's ratio comes out
// a rounding step off it, and must not be widened again when it is set once more.
constexpr double kRatioTolerance = 1e-12;

int RoundClamped(double device) {
    if (std::isnan(device)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(device, -kLimit, kLimit)));
}

bool UsableScale(double scale) {
    return std::isfinite(scale) && scale > 0;
}

// A finite positive difference also proves both bounds finite; NaN fails every comparison.
bool UsableWindow(double xmin, double ymin, double xmax, double ymax) {
    const double w = xmax - xmin;
    const double h = ymax - ymin;
    return std::isfinite(w) && w > 0 && std::isfinite(h) && h > 0;
}

double KeepFinite(double value, double fallback) {
    if (std::isnan(value)) return fallback;
    const double big = std::numeric_limits<double>::max();
    return std::clamp(value, -big, big);
}

}  // namespace

void SetColorMode(bool on) {
    Drawing().ColorMode = on;
}

void ClearCanvas() {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas == nullptr) return;
    canvas->SetBrushColor(kWhite);
    canvas->FillRect(canvas->ClipRect());
}

void SetWorldWindow(double xmin, double ymin, double xmax, double ymax) {
    if (!UsableWindow(xmin, ymin, xmax, ymax)) return;
    Drawing().ChosenWindow = {xmin, ymin, xmax, ymax};
    FitWorldWindow();
}

void FitWorldWindow() {
    const DrawState& state = Drawing();
    const WorldWindow window = state.ChosenWindow;
    SetViewTransform(state.ScreenRect, window.xmin, window.ymin, window.xmax, window.ymax);
}

void SetViewTransform(const DeviceRect& rect, double xmin, double ymin, double xmax, double ymax) {
    // 64-bit differences: a rectangle spanning the whole int range must not overflow.
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    if (width <= 0 || height <= 0) return;
    const double dw = static_cast<double>(width);
    const double dh = static_cast<double>(height);

    if (!UsableWindow(xmin, ymin, xmax, ymax)) return;
    const double w = xmax - xmin;
    const double h = ymax - ymin;

    double newXMin = xmin;
    double newYMin = ymin;
    double newXMax = xmax;
    double newYMax = ymax;
    const double windowRatio = h / w;
    const double deviceRatio = dh / dw;
    const bool sameRatio = std::abs(windowRatio - deviceRatio) <= kRatioTolerance * deviceRatio;
    if (sameRatio) {
        // Already of the device's shape: kept exactly as given.
    } else if (windowRatio < deviceRatio) {
        // Flatter than the device: widen y about its centre.
        const double cy = (ymax + ymin) / 2;
        const double half = (w * 0.5) * deviceRatio;
        newYMax = cy + half;
        newYMin = cy - half;
    } else {
        // Narrower than the device: widen x about its centre.
        const double cx = (xmax + xmin) / 2;
        const double half = (h * 0.5) * (dw / dh);
        newXMin = cx - half;
        newXMax = cx + half;
    }
    const double xscale = dw / (newXMax - newXMin);
    const double yscale = dh / (newYMax - newYMin);
    // Refuses widened windows that overflowed or collapsed in rounding (the scale turns infinite or NaN).
    if (!(std::isfinite(newXMin) && std::isfinite(newXMax) && std::isfinite(newYMin) &&
          std::isfinite(newYMax)))
        return;
    if (!(UsableScale(xscale) && UsableScale(yscale))) return;

    DrawState& state = Drawing();
    state.XMin = newXMin;
    state.YMin = newYMin;
    state.XMax = newXMax;
    state.YMax = newYMax;
    state.DeviceHeight = static_cast<int>(height);
    state.XScale = xscale;
    state.YScale = yscale;
}

int ToScreenX(double x) {
    const DrawState& state = Drawing();
    return RoundClamped((x - state.XMin) * state.XScale);
}

int ToScreenY(double y) {
    const DrawState& state = Drawing();
    const double offset = (y - state.YMin) * state.YScale;
    if (std::isnan(offset)) return 0;
    // Rounds the offset, not the difference: DeviceHeight - Round(offset) differs from
    // Round(DeviceHeight - offset) at halves.
    const double rounded = std::nearbyint(std::clamp(offset, -kExactIntegerLimit, kExactIntegerLimit));
    return RoundClamped(static_cast<double>(state.DeviceHeight) - rounded);
}

double ToScreenXf(double x) {
    const DrawState& state = Drawing();
    const double device = (x - state.XMin) * state.XScale;
    if (std::isnan(device)) return 0;
    return std::clamp(device, -kFarDeviceLimit, kFarDeviceLimit);
}

double ToScreenYf(double y) {
    const DrawState& state = Drawing();
    const double device = static_cast<double>(state.DeviceHeight) - (y - state.YMin) * state.YScale;
    if (std::isnan(device)) return 0;
    return std::clamp(device, -kFarDeviceLimit, kFarDeviceLimit);
}

double ToWorldX(int px) {
    const DrawState& state = Drawing();
    // The scales may have been overwritten from outside (fixed-scale printing); never divide by zero.
    if (!UsableScale(state.XScale)) return state.XMin;
    return KeepFinite(px / state.XScale + state.XMin, state.XMin);
}

double ToWorldY(int py) {
    const DrawState& state = Drawing();
    if (!UsableScale(state.YScale)) return state.YMin;
    return KeepFinite((state.DeviceHeight - static_cast<double>(py)) / state.YScale + state.YMin, state.YMin);
}
