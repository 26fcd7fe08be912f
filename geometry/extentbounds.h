// Running bounds of the extents of objects: what the view fitting needs without visiting every object.
#pragma once

class TPunkt;

// An object's extent as GetExtent reports it.
struct ExtentBox {
    double xmin = 0;
    double ymin = 0;
    double xmax = 0;
    double ymax = 0;
};

ExtentBox ExtentOf(const TPunkt& object);

// The smallest xmin and ymin and the largest xmax and ymax of the extents included so far. A bound that
// no extent gave (nothing included yet, or only NaN there) is NaN, which every comparison rejects, so a
// caller that compares like a loop over the objects gets the loop's answer.
class ExtentBounds {
public:
    ExtentBounds() { Clear(); }
    void Clear();
    void Include(const ExtentBox& extent);
    // True when one of the values of extent is one of the bounds: without it the bounds could differ.
    bool Attains(const ExtentBox& extent) const;
    const ExtentBox& Bounds() const { return bounds_; }

private:
    ExtentBox bounds_;
};
