// Where two figures of a construction meet: lines, segments, rays (by their supporting line) and circles.
#pragma once

class TPunkt;

// Every NearlyEqual test, the tangency band and the lower bound of a rightward ray.
inline constexpr double kIntersectTolerance = 1e-6;
// Only for choosing the y of the second point of two circles.
inline constexpr double kSecondCirclePointTolerance = 0.01;

// Result codes of Intersect.
inline constexpr int kNoIntersection = 0;
inline constexpr int kNotUnique = -1;

bool NearlyEqual(double a, double b);

// Line through (x1, y1), (x2, y2) and line through (x3, y3), (x4, y4): -1 same line, 0 none, 1 point in
// (X, Y). X and Y are written only for 1.
int IntersectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                   double& X, double& Y);

// Line through (x1, y1), (x2, y2) and the circle about (cx, cy) with radius |r|: 0, 1 or 2 points; with
// two points slot 1 holds the larger x (for a vertical line: the upper point).
int IntersectLineCircle(double x1, double y1, double x2, double y2, double cx, double cy, double r,
                        double& X1, double& Y1, double& X2, double& Y2);

// Two circles: 0 or 2 (touching circles report the touching point twice or with its mirror image);
// the same circle twice gives -1.
int IntersectCircles(double cx1, double cy1, double r1, double cx2, double cy2, double r2, double& X1,
                     double& Y1, double& X2, double& Y2);

// A and B in the order the command names them. Returns 2, 1, 0 or -1 and fills slot 1 (X1, Y1) and
// slot 2 (X2, Y2) as far as the result says.
int Intersect(const TPunkt& A, const TPunkt& B, double& X1, double& Y1, double& X2, double& Y2);
