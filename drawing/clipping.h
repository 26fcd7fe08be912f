// Cutting a straight stroke to a box: the one line clipper of the drawing code and the canvases.
#pragma once

// Liang-Barsky: narrows [t0, t1] of the segment (x + t dx, y + t dy) to the part inside the box
// [left, right] x [top, bottom]; false when nothing is left (t0 > t1; a single touching point is kept).
bool ClipSegmentToBox(double x, double y, double dx, double dy, double left, double top, double right,
                      double bottom, double& t0, double& t1);

// Cuts the segment a-b to the box in place; false when nothing is left. Works on halves of the
// coordinates, so that ends far out on opposite sides, whose difference exceeds the largest double, are
// cut as well (the halving is exact, so other segments come out bit for bit as without it).
bool ClipSegmentEnds(double& ax, double& ay, double& bx, double& by, double left, double top, double right,
                     double bottom);
