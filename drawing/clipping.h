// Cutting a straight stroke to a box: the one line clipper of the drawing code and the canvases.
#pragma once

// Liang-Barsky: narrows [t0, t1] of the segment (x + t dx, y + t dy) to the part inside the box
// [left, right] x [top, bottom]; false when nothing is left (t0 > t1; a single touching point is kept).
bool ClipSegmentToBox(double x, double y, double dx, double dy, double left, double top, double right,
                      double bottom, double& t0, double& t1);
