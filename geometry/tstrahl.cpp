// TStrahl: the ray from its start point through a second point.
#include "geometry/tstrahl.h"

#include "drawing/primitives.h"

std::string_view TStrahl::KindName() const {
    return "Strahl";
}

void TStrahl::Draw() {
    double x1, y1, x2, y2;
    if (!Visible || !GetEnds(x1, y1, x2, y2)) return;
    DrawRay(Color, x1, y1, x2, y2);  // the ray leaves its points undrawn
    DrawLabelAtMiddle();
}

std::string TStrahl::Describe() const {
    return DescribeDirected("Strahl ");
}

TPunkt* TStrahl::HitTest(double, double) {
    return nullptr;
}
