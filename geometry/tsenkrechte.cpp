// TSenkrechte: the perpendicular to a straight figure through a point, fixed at creation.
#include "geometry/tsenkrechte.h"

#include <cmath>

namespace {
// Base lines whose end points differ by less than this in x (in y) count as vertical (horizontal).
constexpr double kAxisParallelTolerance = 1e-5;
// A point closer than this (measured along y) to a sloped base line counts as lying on it.
constexpr double kOnLineTolerance = 1e-5;
// How far the sloped base line is moved up when p lies on it, so that the foot differs from p.
constexpr double kBaseLineShift = 2;
// Distance of the first construction point from the foot on axis-parallel base lines.
constexpr double kFootOffset = 1;
constexpr double kFootOffsetWhenOnPoint = 2;
}  // namespace

void PerpendicularConstructionPoint(double ax, double ay, double bx, double by, double px, double py,
                                    double& qx, double& qy) {
    if (std::fabs(bx - ax) < kAxisParallelTolerance) {
        // Vertical base: the perpendicular is the horizontal through p.
        qx = ax + kFootOffset;
        qy = py;
        // Exact comparison: only an exactly coinciding point would make the two construction points equal.
        if (qx == px) qx = ax + kFootOffsetWhenOnPoint;
        return;
    }
    if (std::fabs(by - ay) < kAxisParallelTolerance) {
        // Horizontal base: the perpendicular is the vertical through p.
        qx = px;
        qy = ay + kFootOffset;
        // Exact comparison, as above.
        if (qy == py) qy = ay + kFootOffsetWhenOnPoint;
        return;
    }
    // Base y = m x + c; the perpendicular through p is y = k x + d with k = -1/m; Q1 is where they meet.
    const double m = (by - ay) / (bx - ax);
    double c = ay - m * ax;
    if (std::fabs(m * px + c - py) < kOnLineTolerance) c += kBaseLineShift;
    const double k = -1 / m;
    const double d = py - k * px;
    const double x = (d - c) / (m - k);
    qx = x;
    qy = m * x + c;
}

void TSenkrechte::Init(const TStrecke& line, const TPunkt& p, std::string_view name) {
    const TPunkt* a = line.StartPoint();
    const TPunkt* b = line.EndPoint();
    if (a == nullptr || b == nullptr) {
        // A figure without defining points (a circle) has no perpendicular; IsFinite reports it.
        ClearConstructionPoints(name);
        return;
    }
    double qx, qy;
    PerpendicularConstructionPoint(a->GetX(), a->GetY(), b->GetX(), b->GetY(), p.GetX(), p.GetY(), qx, qy);
    SetConstructionPoints(qx, qy, p.GetX(), p.GetY(), name);
}

std::string_view TSenkrechte::KindName() const {
    return "Senkrechte";
}
