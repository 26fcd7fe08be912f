// The two construction points a perpendicular or a parallel owns.
#include "geometry/tconstructedline.h"

void TConstructedLine::SetConstructionPoints(double q1x, double q1y, double q2x, double q2y,
                                             std::string_view name) {
    Q1.Init("", q1x, q1y);
    Q2.Init("", q2x, q2y);
    TStrecke::Init(&Q1, &Q2, name);
}

void TConstructedLine::ClearConstructionPoints(std::string_view name) {
    TStrecke::Init(nullptr, nullptr, name);
}

void TConstructedLine::Rotate(double angle) {
    // Cleared points are not used; turning them as well does no harm.
    Q1.Rotate(angle);
    Q2.Rotate(angle);
    MovedInList();
}
