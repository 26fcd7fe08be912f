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
