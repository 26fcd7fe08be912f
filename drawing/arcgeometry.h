// The ellipse of a Canvas::Arc call and its angles, worked out once for every canvas that draws arcs.
#pragma once

#include <optional>

struct ArcGeometry {
    // The normalised box, coordinates clamped to the device range.
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    // Parametric angles on the ellipse in degrees, counter-clockwise as seen on the device: where the arc
    // starts, and how far it runs (0 < span <= 360).
    double start = 0;
    double span = 360;
    bool full = true;  // both directions are the same: the whole ellipse
};

// The arc of Canvas::Arc(x1, y1, x2, y2, x3, y3, x4, y4); nullopt when the box has no width or height.
std::optional<ArcGeometry> CanvasArcGeometry(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
