// The two construction points a perpendicular or a parallel owns.
#include "geometry/tconstructedline.h"

void TConstructedLine::SetConstructionPoints(double q1x, double q1y, double q2x, double q2y,
                                             std::string_view name) {
    Q1 = std::make_unique<TPunkt>("", q1x, q1y);
    Q2 = std::make_unique<TPunkt>("", q2x, q2y);
    TStrecke::Init(Q1.get(), Q2.get(), name);
}

void TConstructedLine::ClearConstructionPoints(std::string_view name) {
    Q1.reset();
    Q2.reset();
    TStrecke::Init(nullptr, nullptr, name);
}

void TConstructedLine::Rotate(double angle) {
    if (Q1) Q1->Rotate(angle);
    if (Q2) Q2->Rotate(angle);
}
