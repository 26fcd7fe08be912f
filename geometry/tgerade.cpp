// TGerade: the infinite line through two points; base of the perpendicular and the parallel.
#include "geometry/tgerade.h"

#include "drawing/primitives.h"

std::string_view TGerade::KindName() const {
    return "Gerade";
}

void TGerade::Draw() {
    double x1, y1, x2, y2;
    if (!Visible || !GetEnds(x1, y1, x2, y2)) return;
    DrawStraightLine(Color, x1, y1, x2, y2);
    // At the middle of the two defining points, wherever the window is.
    DrawLabelAtMiddle();
}

// Perpendiculars and parallels describe themselves with this text too.
std::string TGerade::Describe() const {
    return DescribeDirected("Gerade ");
}
