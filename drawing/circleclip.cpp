// Cutting a circle or ellipse to a rectangle: where it crosses the four edges, and which arcs between the
// crossings lie inside.
#include "drawing/circleclip.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

std::vector<CurveInterval> EllipseIntervalsInBox(double cx, double cy, double rx, double ry, double left,
                                                 double top, double right, double bottom) {
    const auto inside = [&](double t) {
        const double x = cx + rx * std::cos(t);
        const double y = cy - ry * std::sin(t);
        return x >= left && x <= right && y >= top && y <= bottom;
    };

    // Parameters where the curve crosses the four edge lines. The square roots use (r - u)(r + u)
    // rather than r^2 - u^2, so crossings near the curve's extreme points stay accurate on huge radii.
    std::vector<double> cuts;
    const auto crossVertical = [&](double edgeX) {
        const double u = edgeX - cx;
        if (std::abs(u) > rx) return;
        const double s = std::sqrt(std::max(0.0, (rx - u) / rx * ((rx + u) / rx)));
        cuts.push_back(std::atan2(s, u / rx));
        cuts.push_back(std::atan2(-s, u / rx));
    };
    const auto crossHorizontal = [&](double edgeY) {
        const double v = cy - edgeY;
        if (std::abs(v) > ry) return;
        const double c = std::sqrt(std::max(0.0, (ry - v) / ry * ((ry + v) / ry)));
        cuts.push_back(std::atan2(v / ry, c));
        cuts.push_back(std::atan2(v / ry, -c));
    };
    crossVertical(left);
    crossVertical(right);
    crossHorizontal(top);
    crossHorizontal(bottom);

    constexpr double kTurn = 2 * std::numbers::pi;
    std::vector<CurveInterval> intervals;
    if (cuts.empty()) {
        // Wholly inside, or wholly outside (missing the rectangle or enclosing it).
        if (inside(0)) intervals.push_back({0, kTurn});
        return intervals;
    }
    for (double& t : cuts)
        if (t < 0) t += kTurn;
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t k = 0; k < cuts.size(); ++k) {
        const double from = cuts[k];
        const double to = k + 1 < cuts.size() ? cuts[k + 1] : cuts.front() + kTurn;
        if (to > from && inside((from + to) / 2)) intervals.push_back({from, to - from});
    }
    return intervals;
}

double CurveStep(const std::vector<CurveInterval>& intervals, double r, double chordError, int maxSegments) {
    // Sagitta of a chord over the step dt: r (1 - cos(dt/2)) ~ r dt^2 / 8.
    double step = std::sqrt(8 * chordError / r);
    double total = 0;
    for (const CurveInterval& interval : intervals)
        total += interval.length;
    if (total / step > maxSegments) step = total / maxSegments;
    return step;
}
