// The box, start angle and span of a canvas arc, from its box and its two direction points.
#include "drawing/arcgeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "drawing/transform.h"

namespace {

std::int64_t Clamped(int v) {
    return std::clamp(v, -kDeviceLimit, kDeviceLimit);
}

// Parametric angle in degrees of the ellipse point on the ray from the centre in device direction
// (dx, dy); half-axes a, b.
double EllipseAngle(double dx, double dy, double a, double b) {
    return std::atan2(-dy * a, dx * b) * 180.0 / std::numbers::pi;
}

}  // namespace

std::optional<ArcGeometry> CanvasArcGeometry(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    // 64-bit sums: twice the centre, so directions are exact integers.
    const std::int64_t left = Clamped(std::min(x1, x2));
    const std::int64_t right = Clamped(std::max(x1, x2));
    const std::int64_t top = Clamped(std::min(y1, y2));
    const std::int64_t bottom = Clamped(std::max(y1, y2));
    if (right - left < 1 || bottom - top < 1) return std::nullopt;

    const std::int64_t sdx = 2 * Clamped(x3) - (left + right);
    const std::int64_t sdy = 2 * Clamped(y3) - (top + bottom);
    const std::int64_t edx = 2 * Clamped(x4) - (left + right);
    const std::int64_t edy = 2 * Clamped(y4) - (top + bottom);

    ArcGeometry arc;
    arc.left = static_cast<double>(left);
    arc.right = static_cast<double>(right);
    arc.top = static_cast<double>(top);
    arc.bottom = static_cast<double>(bottom);
    const double a = (arc.right - arc.left) / 2;
    const double b = (arc.bottom - arc.top) / 2;
    arc.start = EllipseAngle(static_cast<double>(sdx), static_cast<double>(sdy), a, b);
    const double end = EllipseAngle(static_cast<double>(edx), static_cast<double>(edy), a, b);
    // Same direction (exactly: parallel and not opposite) means the whole ellipse.
    arc.full = sdx * edy - sdy * edx == 0 && sdx * edx + sdy * edy >= 0;
    arc.span = std::fmod(end - arc.start, 360.0);
    if (arc.span <= 0) arc.span += 360.0;
    if (arc.full) arc.span = 360.0;
    return arc;
}
