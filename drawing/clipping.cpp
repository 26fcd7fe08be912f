// The Liang-Barsky line clipper.
#include "drawing/clipping.h"

#include <algorithm>

bool ClipSegmentToBox(double x, double y, double dx, double dy, double left, double top, double right,
                      double bottom, double& t0, double& t1) {
    // Keeps the parameters t with p * t <= q.
    const auto edge = [&](double p, double q) {
        // Exact zero: the segment runs parallel to this edge, wholly inside or outside it.
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    return edge(-dx, x - left) && edge(dx, right - x) && edge(-dy, y - top) && edge(dy, bottom - y);
}

bool ClipSegmentEnds(double& ax, double& ay, double& bx, double& by, double left, double top, double right,
                     double bottom) {
    const double sx = ax / 2;
    const double sy = ay / 2;
    const double dx = bx / 2 - sx;
    const double dy = by / 2 - sy;
    double t0 = 0;
    double t1 = 1;
    if (!ClipSegmentToBox(sx, sy, dx, dy, left / 2, top / 2, right / 2, bottom / 2, t0, t1)) return false;
    // What is left lies in the box, so doubling it cannot overflow.
    ax = 2 * (sx + t0 * dx);
    ay = 2 * (sy + t0 * dy);
    bx = 2 * (sx + t1 * dx);
    by = 2 * (sy + t1 * dy);
    return true;
}
