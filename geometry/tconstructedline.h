// TConstructedLine: a line through two construction points of its own, fixed at creation. The common
// part of the perpendicular and the parallel.
#pragma once

#include <string_view>

#include "geometry/tgerade.h"

class TConstructedLine : public TGerade {
public:
    void Rotate(double angle) override;

protected:
    // Puts its own points at (q1x, q1y) and (q2x, q2y) and runs through them.
    void SetConstructionPoints(double q1x, double q1y, double q2x, double q2y, std::string_view name);
    // For a base figure without defining points (a circle): no points at all; IsFinite reports it.
    void ClearConstructionPoints(std::string_view name);

private:
    // The construction points, part of the line itself: P1 and P2 point to them unless cleared.
    TPunkt Q1;
    TPunkt Q2;
};
