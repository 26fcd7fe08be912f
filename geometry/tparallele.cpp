// TParallele: the parallel to a straight figure through a point, fixed at creation.
#include "geometry/tparallele.h"

void TParallele::Init(const TStrecke& line, const TPunkt& p, std::string_view name) {
    const TPunkt* a = line.StartPoint();
    const TPunkt* b = line.EndPoint();
    if (a == nullptr || b == nullptr) {
        // A figure without defining points (a circle) has no parallel; IsFinite reports it.
        Q1.reset();
        Q2.reset();
        TStrecke::Init(nullptr, nullptr, name);
        return;
    }
    const double px = p.GetX();
    const double py = p.GetY();
    // p moved by B - A: the parallel runs from Q1 towards p, that is from B towards A.
    Q1 = std::make_unique<TPunkt>("", px - a->GetX() + b->GetX(), py - a->GetY() + b->GetY());
    Q2 = std::make_unique<TPunkt>("", px, py);
    TStrecke::Init(Q1.get(), Q2.get(), name);
}

std::string_view TParallele::KindName() const {
    return "Parallele";
}

void TParallele::Rotate(double angle) {
    if (Q1) Q1->Rotate(angle);
    if (Q2) Q2->Rotate(angle);
}
