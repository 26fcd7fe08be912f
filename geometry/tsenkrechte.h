// TSenkrechte: the perpendicular to a straight figure through a point, fixed at creation.
#pragma once

#include "geometry/tconstructedline.h"

class TSenkrechte : public TConstructedLine {
public:
    TSenkrechte() = default;
    TSenkrechte(const TStrecke& line, const TPunkt& p, std::string_view name) { Init(line, p, name); }

    // Computes the two construction points from line and p as they are now.
    void Init(const TStrecke& line, const TPunkt& p, std::string_view name);

    std::string_view KindName() const override;
};

// The first construction point of the perpendicular through (px, py) on the line through a and b.
void PerpendicularConstructionPoint(double ax, double ay, double bx, double by, double px, double py,
                                    double& qx, double& qy);
