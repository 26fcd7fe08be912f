// TParallele: the parallel to a straight figure through a point, fixed at creation.
#include "geometry/tparallele.h"

void TParallele::Init(const TStrecke& line, const TPunkt& p, std::string_view name) {
    const TPunkt* a = line.StartPoint();
    const TPunkt* b = line.EndPoint();
    if (a == nullptr || b == nullptr) {
        // A figure without defining points (a circle) has no parallel; IsFinite reports it.
        ClearConstructionPoints(name);
        return;
    }
    const double px = p.GetX();
    const double py = p.GetY();
    // p moved by B - A: the parallel runs from Q1 towards p, that is from B towards A.
    SetConstructionPoints(px - a->GetX() + b->GetX(), py - a->GetY() + b->GetY(), px, py, name);
}

std::string_view TParallele::KindName() const {
    return "Parallele";
}
