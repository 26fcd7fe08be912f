// Intersection points of lines, segments, rays and circles, restricted to the extent of segments and rays.
#include "intersect/intersect.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "geometry/tkreis.h"
#include "geometry/tpunkt.h"
#include "geometry/tstrecke.h"

namespace {

// Square root of a value that is zero in exact arithmetic for touching figures but may come out slightly
// negative; a NaN still passes through so that the finiteness checks see it.
double RootOfNonNegative(double value) {
    return std::sqrt(std::max(value, 0.0));
}

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Order matters: a pair whose first figure ranks higher is handled with the figures exchanged.
enum class Kind { None, Line, Segment, Ray, Circle };

Kind KindOf(const TPunkt& figure) {
    const std::string_view kind = figure.KindName();
    if (kind == "Gerade" || kind == "Senkrechte" || kind == "Parallele") return Kind::Line;
    if (kind == "Strecke") return Kind::Segment;
    if (kind == "Strahl") return Kind::Ray;
    if (kind == "Kreis") return Kind::Circle;
    return Kind::None;
}

// The two defining points of a straight figure (start and direction point for a ray).
struct Straight {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Circle {
    double cx = 0, cy = 0, r = 0;
};

// False when the object does not offer what its kind word promises (no crash on a broken figure).
bool ReadStraight(const TPunkt& figure, Straight& out) {
    const auto* straight = dynamic_cast<const TStrecke*>(&figure);
    if (straight == nullptr) return false;
    const TPunkt* start = straight->StartPoint();
    const TPunkt* end = straight->EndPoint();
    if (start == nullptr || end == nullptr) return false;
    out = {start->GetX(), start->GetY(), end->GetX(), end->GetY()};
    return true;
}

bool ReadCircle(const TPunkt& figure, Circle& out) {
    const auto* circle = dynamic_cast<const TKreis*>(&figure);
    if (circle == nullptr || circle->Center() == nullptr) return false;
    out = {circle->Center()->GetX(), circle->Center()->GetY(), circle->Radius()};
    return true;
}

// Extent tests look at x only and include the bounds; a vertical figure is therefore never restricted.
bool WithinXRange(double x, const Straight& s) {
    return std::min(s.x1, s.x2) <= x && x <= std::max(s.x1, s.x2);
}

bool PassesRayTest(double x, const Straight& ray) {
    if (ray.x1 < ray.x2) return x >= ray.x1;
    if (ray.x1 > ray.x2) return x <= ray.x1;
    return true;  // vertical ray
}

int LinesOf(const Straight& a, const Straight& b, double& X, double& Y) {
    return IntersectLines(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1, b.x2, b.y2, X, Y);
}

int LineAndCircle(const Straight& a, const Circle& c, double& X1, double& Y1, double& X2, double& Y2) {
    return IntersectLineCircle(a.x1, a.y1, a.x2, a.y2, c.cx, c.cy, c.r, X1, Y1, X2, Y2);
}

// Both rays start at a1 and b1; the crossing must lie ahead of both starts.
bool RaysMeet(const Straight& a, const Straight& b, double X) {
    const bool aRight = a.x2 >= a.x1;
    const bool aLeft = a.x2 <= a.x1;
    const bool bRight = b.x2 >= b.x1;
    const bool bLeft = b.x2 <= b.x1;
    // Rays pointing the same way exclude their starts (a common start is no crossing); opposite rays do not.
    return (aRight && bRight && X > std::max(a.x1, b.x1)) || (aLeft && bLeft && X < std::min(a.x1, b.x1)) ||
           (aRight && bLeft && a.x1 <= X && X <= b.x1) || (aLeft && bRight && b.x1 <= X && X <= a.x1);
}

int RestrictToSegment(int k, const Straight& seg, double& X1, double& Y1, double& X2, double& Y2) {
    if (k == 2 && !WithinXRange(X2, seg)) {
        k = 1;
        X2 = 0;
        Y2 = 0;
    }
    if (k >= 1 && !WithinXRange(X1, seg)) {
        if (k == 1) {
            k = 0;
            X1 = 0;
            Y1 = 0;
        } else {
            X1 = X2;
            Y1 = Y2;
            k = 1;
        }
    }
    return k;
}

int RestrictToRay(int k, const Straight& ray, double& X1, double& Y1, double& X2, double& Y2) {
    if (k <= 0) return 0;
    const bool rightward = ray.x2 >= ray.x1;
    if (k == 1) return (rightward ? X1 >= ray.x1 : X1 <= ray.x1) ? 1 : 0;

    if (NearlyEqual(X1, X2)) {
        // Both points on one vertical: decide by y, with the upper point first.
        if (Y1 < Y2) std::swap(Y1, Y2);
        if (ray.y2 > ray.y1) {
            if (Y2 >= ray.y1) return 2;
            return Y1 >= ray.y1 ? 1 : 0;
        }
        if (Y1 <= ray.y1) return 2;
        if (Y2 <= ray.y1) {
            std::swap(Y1, Y2);  // the lower point is the one on the ray
            return 1;
        }
        return 0;
    }

    // Slot 1 holds the larger x.
    if (rightward) {
        if (X1 >= ray.x1) return X2 >= ray.x1 - kIntersectTolerance ? 2 : 1;
        X1 = X2;
        Y1 = Y2;
        return X1 >= ray.x1 ? 1 : 0;
    }
    if (X1 <= ray.x1) return X2 <= ray.x1 ? 2 : 1;
    X1 = X2;
    Y1 = Y2;
    return X1 <= ray.x1 ? 1 : 0;
}

// Half the chord of the circle of radius r about cx at x; 0 outside the circle's x range.
double HalfChordAt(double x, double cx, double r) {
    return r >= std::fabs(x - cx) ? RootOfNonNegative(r * r - (x - cx) * (x - cx)) : 0.0;
}

// How far y misses the second circle vertically at x.
double VerticalMissOfSecond(double x, double y, double cx2, double cy2, double r2) {
    const double w2 = HalfChordAt(x, cx2, r2);
    return std::min(std::fabs(y - (cy2 + w2)), std::fabs(y - (cy2 - w2)));
}

}  // namespace

bool NearlyEqual(double a, double b) {
    return std::fabs(b - a) < kIntersectTolerance;
}

int IntersectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                   double& X, double& Y) {
    double x = 0;
    double y = 0;
    // Exact comparisons: only a difference that is exactly zero would make the slope a division by zero.
    if (x2 != x1 && x4 != x3) {
        const double m1 = (y2 - y1) / (x2 - x1);
        const double m2 = (y4 - y3) / (x4 - x3);
        const double b1 = y1 - m1 * x1;
        const double b2 = y3 - m2 * x3;
        if (NearlyEqual(m1, m2)) return NearlyEqual(b1, b2) ? kNotUnique : kNoIntersection;
        x = (b2 - b1) / (m1 - m2);
        y = m1 * x + b1;
    } else if (NearlyEqual(x1, x2) && NearlyEqual(x3, x4)) {
        return kNoIntersection;  // two verticals, even the same one: -1 comes only from sloped lines
    } else if (NearlyEqual(x1, x2)) {
        const double m2 = (y4 - y3) / (x4 - x3);
        const double b2 = y3 - m2 * x3;
        x = x1;
        y = m2 * x + b2;
    } else {
        const double m1 = (y2 - y1) / (x2 - x1);
        const double b1 = y1 - m1 * x1;
        x = x3;
        y = m1 * x + b1;
    }
    // A nearly vertical line through huge coordinates can overflow the slope; that is no point.
    if (!AllFinite({x, y})) return kNoIntersection;
    X = x;
    Y = y;
    return 1;
}

int IntersectLineCircle(double x1, double y1, double x2, double y2, double cx, double cy, double r,
                        double& X1, double& Y1, double& X2, double& Y2) {
    r = std::fabs(r);
    if (NearlyEqual(x1, x2)) {
        // The line x = x1: upper point first.
        const double offset = std::fabs(x1 - cx);
        if (offset < r) {
            const double w = RootOfNonNegative(r * r - offset * offset);
            if (!AllFinite({x1, cy + w, cy - w})) return kNoIntersection;  // r * r overflowed
            X1 = x1;
            Y1 = cy + w;
            X2 = x1;
            Y2 = cy - w;
            return 2;
        }
        if (NearlyEqual(r, offset)) {
            X1 = x1;
            Y1 = cy;
            return 1;
        }
        return kNoIntersection;
    }

    // y = m x + b put into the circle's equation: A x^2 + B x + C = 0, roots -B/(2A) +- sqrt(h - k).
    const double m = (y2 - y1) / (x2 - x1);
    const double b = y1 - m * x1;
    const double A = m * m + 1;
    const double B = 2 * m * b - 2 * cx - 2 * m * cy;
    const double C = b * b - 2 * b * cy + cy * cy + cx * cx - r * r;
    const double h = B * B / (4 * A * A);
    const double k = C / A;
    if (k - h > kIntersectTolerance) {
        X1 = Y1 = X2 = Y2 = 0;
        return kNoIntersection;
    }
    const double middle = -B / (2 * A);
    // Tangent band: |k - h| < tolerance, closed at k - h = tolerance, which the test above leaves over
    // and whose root would be that of a negative number.
    if (h - k < kIntersectTolerance) {
        const double y = m * middle + y1 - m * x1;
        if (!AllFinite({middle, y})) return kNoIntersection;
        X1 = middle;
        Y1 = y;
        X2 = Y2 = 0;
        return 1;
    }
    const double s = RootOfNonNegative(h - k);
    const double xa = middle + s;
    const double xb = middle - s;
    const double ya = m * xa + y1 - m * x1;
    const double yb = m * xb + y1 - m * x1;
    // Huge coordinates can overflow the squares above; report no point rather than infinities.
    if (!AllFinite({xa, ya, xb, yb})) return kNoIntersection;
    X1 = xa;
    Y1 = ya;
    X2 = xb;
    Y2 = yb;
    return 2;
}

int IntersectCircles(double cx1, double cy1, double r1, double cx2, double cy2, double r2, double& X1,
                     double& Y1, double& X2, double& Y2) {
    r1 = std::fabs(r1);
    r2 = std::fabs(r2);
    X1 = Y1 = X2 = Y2 = 0;
    if (!AllFinite({cx1, cy1, r1, cx2, cy2, r2})) return kNoIntersection;

    // Exact comparisons, so that touching circles go on.
    const double d = std::hypot(cx2 - cx1, cy2 - cy1);
    if (r1 + r2 < d) return kNoIntersection;             // apart
    if (std::fabs(r2 - r1) > d) return kNoIntersection;  // one inside the other
    // What is left with (nearly) one centre is (nearly) the same circle; the formulas below would divide
    // by the vanishing difference of the centres.
    if (NearlyEqual(cx1, cx2) && NearlyEqual(cy1, cy2)) return kNotUnique;

    double xa = 0, ya = 0, xb = 0, yb = 0;
    if (NearlyEqual(cx1, cx2)) {
        // Centres on one vertical: the common chord is the horizontal at y.
        const double y = (r1 * r1 - r2 * r2 - cy1 * cy1 + cy2 * cy2) / (2 * cy2 - 2 * cy1);
        const double w = RootOfNonNegative(r1 * r1 - (y - cy1) * (y - cy1));
        xa = cx1 + w;
        ya = y;
        xb = cx1 - w;
        yb = y;
    } else if (NearlyEqual(cy1, cy2)) {
        // Centres on one horizontal: the common chord is the vertical at x.
        const double x = (r1 * r1 - r2 * r2 - cx1 * cx1 + cx2 * cx2) / (2 * cx2 - 2 * cx1);
        const double w = RootOfNonNegative(r1 * r1 - (x - cx1) * (x - cx1));
        xa = x;
        ya = cy1 + w;
        xb = x;
        yb = cy1 - w;
    } else {
        // Relative to the first centre the chord is 2 u dx + 2 v dy = -G; putting v into u^2 + v^2 = r1^2
        // gives a u^2 + b u + c = 0 (a < 0, so the + root is the larger x).
        const double dx = cx2 - cx1;
        const double dy = cy2 - cy1;
        const double G = -(dx * dx + dy * dy + r1 * r1 - r2 * r2);
        const double a = -4 * dx * dx - 4 * dy * dy;
        const double b = -4 * G * dx;
        const double c = 4 * dy * dy * r1 * r1 - G * G;
        const double s = RootOfNonNegative(b * b / (4 * a * a) - c / a);
        xa = cx1 + (-b / (2 * a) + s);
        xb = cx1 + (-b / (2 * a) - s);

        // Each x has two candidates on the first circle, cy1 +- w1; the one on the second circle is wanted.
        // Taking the one that misses the second circle less keeps the mirror image out even where a
        // tolerance test would let it pass.
        const auto onFirstNearerSecond = [&](double x) {
            const double w1 = HalfChordAt(x, cx1, r1);
            const double upper = cy1 + w1;
            const double lower = cy1 - w1;
            return VerticalMissOfSecond(x, upper, cx2, cy2, r2) <=
                           VerticalMissOfSecond(x, lower, cx2, cy2, r2)
                       ? upper
                       : lower;
        };
        if (NearlyEqual(xa, xb)) {
            // Touching (or a chord too short to tell its ends apart by x).
            const double w1 = HalfChordAt(xa, cx1, r1);
            const bool bothOnSecond =
                VerticalMissOfSecond(xa, cy1 + w1, cx2, cy2, r2) < kIntersectTolerance &&
                VerticalMissOfSecond(xa, cy1 - w1, cx2, cy2, r2) < kIntersectTolerance;
            if (bothOnSecond) {
                ya = cy1 + w1;
                yb = cy1 - w1;
            } else {
                // The other candidate is only the mirror image: report the touching point twice.
                ya = onFirstNearerSecond(xa);
                xb = xa;
                yb = ya;
            }
        } else {
            ya = onFirstNearerSecond(xa);
            yb = onFirstNearerSecond(xb);
        }
    }
    // Squares of huge but finite values can overflow; no point is better than an infinite one.
    if (!AllFinite({xa, ya, xb, yb})) return kNoIntersection;
    X1 = xa;
    Y1 = ya;
    X2 = xb;
    Y2 = yb;
    return 2;
}

namespace {

int IntersectInOrder(const TPunkt& A, const TPunkt& B, double& X1, double& Y1, double& X2, double& Y2) {
    const Kind ka = KindOf(A);
    const Kind kb = KindOf(B);
    if (ka == Kind::None || kb == Kind::None) return kNoIntersection;
    if (ka > kb) return IntersectInOrder(B, A, X1, Y1, X2, Y2);

    // From here A ranks not above B: line, segment, ray, circle.
    if (ka == Kind::Circle) {
        Circle a, b;
        if (!ReadCircle(A, a) || !ReadCircle(B, b)) return kNoIntersection;
        return IntersectCircles(a.cx, a.cy, a.r, b.cx, b.cy, b.r, X1, Y1, X2, Y2);
    }
    Straight a;
    if (!ReadStraight(A, a)) return kNoIntersection;
    if (kb == Kind::Circle) {
        Circle c;
        if (!ReadCircle(B, c)) return kNoIntersection;
        const int k = LineAndCircle(a, c, X1, Y1, X2, Y2);
        if (ka == Kind::Segment) return RestrictToSegment(k, a, X1, Y1, X2, Y2);
        if (ka == Kind::Ray) return RestrictToRay(k, a, X1, Y1, X2, Y2);
        return k;
    }

    Straight b;
    if (!ReadStraight(B, b)) return kNoIntersection;
    const int k = LinesOf(a, b, X1, Y1);
    X2 = 0;
    Y2 = 0;
    if (ka == Kind::Line && kb == Kind::Line) return k;
    if (k != 1) return kNoIntersection;  // a segment or ray lying on the other figure has no single point
    bool meets = false;
    if (ka == Kind::Line) {
        meets = kb == Kind::Segment ? WithinXRange(X1, b) : PassesRayTest(X1, b);
    } else if (ka == Kind::Segment) {
        meets = WithinXRange(X1, a) && (kb == Kind::Segment ? WithinXRange(X1, b) : PassesRayTest(X1, b));
    } else {
        meets = RaysMeet(a, b, X1);
    }
    return meets ? 1 : kNoIntersection;
}

// Negative zero (from -B/(2A) of a tangent at the top, for example) would be shown as "-0.00".
double WithoutNegativeZero(double value) {
    return value + 0.0;
}

}  // namespace

int Intersect(const TPunkt& A, const TPunkt& B, double& X1, double& Y1, double& X2, double& Y2) {
    const int result = IntersectInOrder(A, B, X1, Y1, X2, Y2);
    if (result >= 1) {
        X1 = WithoutNegativeZero(X1);
        Y1 = WithoutNegativeZero(Y1);
    }
    if (result == 2) {
        X2 = WithoutNegativeZero(X2);
        Y2 = WithoutNegativeZero(Y2);
    }
    return result;
}
