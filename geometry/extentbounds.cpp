// Running bounds of object extents.
#include "geometry/extentbounds.h"

#include <cmath>
#include <limits>

#include "geometry/tpunkt.h"

namespace {

// value replaces bound when it is smaller (less), or larger; NaN values are passed over, as the view
// fitting's comparisons pass them over.
void Lower(double& bound, double value) {
    if (!std::isnan(value) && !(value >= bound)) bound = value;
}

void Raise(double& bound, double value) {
    if (!std::isnan(value) && !(value <= bound)) bound = value;
}

}  // namespace

ExtentBox ExtentOf(const TPunkt& object) {
    ExtentBox e;
    object.GetExtent(e.xmin, e.ymin, e.xmax, e.ymax);
    return e;
}

void ExtentBounds::Clear() {
    const double none = std::numeric_limits<double>::quiet_NaN();
    bounds_ = {none, none, none, none};
}

void ExtentBounds::Include(const ExtentBox& extent) {
    Lower(bounds_.xmin, extent.xmin);
    Lower(bounds_.ymin, extent.ymin);
    Raise(bounds_.xmax, extent.xmax);
    Raise(bounds_.ymax, extent.ymax);
}

bool ExtentBounds::Attains(const ExtentBox& extent) const {
    return extent.xmin == bounds_.xmin || extent.ymin == bounds_.ymin || extent.xmax == bounds_.xmax ||
           extent.ymax == bounds_.ymax;
}
