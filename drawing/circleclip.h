// The parts of a circle or ellipse that lie in a rectangle, as parameter intervals, for drawing huge
// circles as polylines of their visible parts.
#pragma once

#include <vector>

// The curve is x = cx + rx cos t, y = cy - ry sin t (device orientation; world coordinates with y up
// give the same point set).
struct CurveInterval {
    double from = 0;    // parameter t in radians
    double length = 0;  // positive
};

// The intervals of t whose points lie in [left, right] x [top, bottom]; empty when the curve misses the
// rectangle, one whole turn when it lies inside. Needs finite input with rx, ry > 0.
std::vector<CurveInterval> EllipseIntervalsInBox(double cx, double cy, double rx, double ry, double left,
                                                 double top, double right, double bottom);

// The parameter step for chords that stay within chordError of a curve of radius r, made coarser where
// the intervals would take more than maxSegments chords.
double CurveStep(const std::vector<CurveInterval>& intervals, double r, double chordError, int maxSegments);
