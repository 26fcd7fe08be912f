// Tests of the coordinate-level intersection routines: lines, a line and a circle, two circles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "intersect/intersect.h"
#include "tests/intersect/random_figures.h"

namespace {

constexpr double kUnset = 12345.0;  // a slot value the call must leave alone
constexpr double kExact = 1e-12;    // hand-computed results
constexpr double kGeneric = 1e-9;   // random, well-conditioned configurations
constexpr double kTouching =
    1e-6;  // touching figures: a root of a value that is zero only in exact arithmetic

const double kRoot3 = std::sqrt(3.0);
const double kRoot175 = std::sqrt(1.75);

struct Slots {
    double x1 = kUnset, y1 = kUnset, x2 = kUnset, y2 = kUnset;
};

void ExpectSlots(const Slots& s, double x1, double y1, double x2, double y2, double tolerance = kExact) {
    EXPECT_NEAR(s.x1, x1, tolerance);
    EXPECT_NEAR(s.y1, y1, tolerance);
    EXPECT_NEAR(s.x2, x2, tolerance);
    EXPECT_NEAR(s.y2, y2, tolerance);
}

// Points of the line through p with direction d at two parameters well apart and away from p.
std::pair<Vec2, Vec2> TwoPointsOn(FigureSampler& sample, Vec2 p, Vec2 d) {
    const double t1 = sample.ParameterAvoiding({0});
    return {p + t1 * d, p + sample.ParameterAvoiding({0, t1}) * d};
}

}  // namespace

TEST(NearlyEqual, HoldsStrictlyBelowTheTolerance) {
    EXPECT_TRUE(NearlyEqual(1, 1 + 0.9e-6));
    EXPECT_TRUE(NearlyEqual(1 + 0.9e-6, 1));
    EXPECT_FALSE(NearlyEqual(0, 1e-6));
    EXPECT_FALSE(NearlyEqual(-1e-6, 0));
}

TEST(IntersectLines, EdgeCases) {
    struct Case {
        const char* what;
        double x1, y1, x2, y2, x3, y3, x4, y4;
        int result;
        double X, Y;
    };
    const Case cases[] = {
        {"rising and falling diagonal", 0, 0, 1, 1, 0, 1, 1, 0, 1, 0.5, 0.5},
        {"distinct parallels", 0, 0, 1, 1, 0, 1, 1, 2, 0, kUnset, kUnset},
        {"one line by other points", 0, 1, 1, 3, 2, 5, -1, -1, -1, kUnset, kUnset},
        {"slopes closer than the tolerance", 0, 0, 1, 1, 0, 1, 1, 2 + 5e-7, 0, kUnset, kUnset},
        {"distinct verticals", 1, 0, 1, 1, 2, 0, 2, 5, 0, kUnset, kUnset},
        {"one vertical twice", 1, 0, 1, 1, 1, 2, 1, 5, 0, kUnset, kUnset},
        {"nearly vertical and vertical", 1, 0, 1 + 1e-7, 1, 2, 0, 2, 1, 0, kUnset, kUnset},
        {"vertical first", 0.3, 0, 0.3, 1, 0, 0, 1, 2, 1, 0.3, 0.6},
        {"vertical second", 0, 0, 1, 2, 0.3, 0, 0.3, 1, 1, 0.3, 0.6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Slots s;
        EXPECT_EQ(IntersectLines(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, s.x1, s.y1), c.result);
        EXPECT_NEAR(s.x1, c.X, kExact);
        EXPECT_NEAR(s.y1, c.Y, kExact);
    }
}

TEST(IntersectLines, VerticalLineKeepsItsXExactly) {
    double X = kUnset, Y = kUnset;
    ASSERT_EQ(IntersectLines(0.1, -3, 0.1, 7, -2, 1, 5, 2.5, X, Y), 1);
    EXPECT_EQ(X, 0.1);
}

TEST(IntersectLines, RandomCrossingsMatchTheConstructedPoint) {
    FigureSampler sample(11);
    for (int i = 0; i < 2000; ++i) {
        SCOPED_TRACE(i);
        const Vec2 at = sample.Point(10);
        const Vec2 d1 = sample.Direction(true);
        const Vec2 d2 = sample.Direction(true);
        if (std::fabs(d1.x * d2.y - d1.y * d2.x) < 0.25) continue;  // nearly parallel: ill-conditioned
        const auto [p1, p2] = TwoPointsOn(sample, at, d1);
        const auto [p3, p4] = TwoPointsOn(sample, at, d2);
        Slots s;
        ASSERT_EQ(IntersectLines(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y, s.x1, s.y1), 1);
        ASSERT_NEAR(s.x1, at.x, kGeneric);
        ASSERT_NEAR(s.y1, at.y, kGeneric);
    }
}

TEST(IntersectLineCircle, EdgeCases) {
    struct Case {
        const char* what;
        double x1, y1, x2, y2, cx, cy, r;
        int result;
        double X1, Y1, X2, Y2;
    };
    const double band = 0.0012206555615733702;  // band * band - 0.0007 * 0.0007 is exactly the tolerance
    const Case cases[] = {
        {"secant, larger x first", -1, 1, 1, 1, 0, 0, 2, 2, kRoot3, 1, -kRoot3, 1},
        {"negative radius", -1, 1, 1, 1, 0, 0, -2, 2, kRoot3, 1, -kRoot3, 1},
        {"falling secant, larger x first", 0, 1, 1, 0, 0, 0, 1, 2, 1, 0, 0, 1},
        {"tangent clears slot 2", -1, 2, 1, 2, 0, 0, 2, 1, 0, 2, 0, 0},
        {"miss clears every slot", -1, 3, 1, 3, 0, 0, 2, 0, 0, 0, 0, 0},
        {"vertical secant, upper first", 1, -1, 1, 1, 0, 0, 2, 2, 1, kRoot3, 1, -kRoot3},
        {"vertical tangent leaves slot 2", 2, -1, 2, 1, 0, 0, 2, 1, 2, 0, kUnset, kUnset},
        {"vertical miss writes nothing", 3, 0, 3, 1, 0, 0, 2, 0, kUnset, kUnset, kUnset, kUnset},
        // k - h equal to the tolerance passes the miss test but fails NearlyEqual; it is still tangent.
        {"upper end of the tangent band, radius 0", -1, 0.001, 1, 0.001, 0, 0, 0, 1, 0, 0.001, 0, 0},
        {"upper end of the tangent band", -1, band, 1, band, 0, 0, 0.0007, 1, 0, band, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Slots s;
        EXPECT_EQ(IntersectLineCircle(c.x1, c.y1, c.x2, c.y2, c.cx, c.cy, c.r, s.x1, s.y1, s.x2, s.y2),
                  c.result);
        ExpectSlots(s, c.X1, c.Y1, c.X2, c.Y2);
    }
}

TEST(IntersectLineCircle, RandomLinesMatchTheConstructedPoints) {
    FigureSampler sample(12);
    for (int i = 0; i < 2000; ++i) {
        SCOPED_TRACE(i);
        const Vec2 c = sample.Point(5);
        const double r = sample.Uniform(0.5, 5);
        const Vec2 d = sample.Direction(true);
        const bool secant = sample.Coin();
        const double offset =
            (sample.Coin() ? r : -r) * (secant ? sample.Uniform(0, 0.9) : sample.Uniform(1.1, 3));
        const Vec2 foot = c + offset * Vec2{-d.y, d.x};
        const auto [p1, p2] = TwoPointsOn(sample, foot, d);
        Slots s;
        const int k = IntersectLineCircle(p1.x, p1.y, p2.x, p2.y, c.x, c.y, sample.Coin() ? r : -r, s.x1,
                                          s.y1, s.x2, s.y2);
        if (!secant) {
            ASSERT_EQ(k, 0);
            continue;
        }
        const double half = std::sqrt(r * r - offset * offset);
        Vec2 a = foot + half * d;
        Vec2 b = foot + (-half) * d;
        if (d.x == 0 ? a.y < b.y : a.x < b.x) std::swap(a, b);  // larger x first; upper first on a vertical
        ASSERT_EQ(k, 2);
        ExpectSlots(s, a.x, a.y, b.x, b.y, kGeneric);
        if (HasFailure()) return;
    }
}

TEST(IntersectCircles, EdgeCases) {
    struct Case {
        const char* what;
        double cx1, cy1, r1, cx2, cy2, r2;
        int result;
        double X1, Y1, X2, Y2;
    };
    const Case cases[] = {
        {"centres on a horizontal, upper first", 0, 0, 2, 3, 0, 2, 2, 1.5, kRoot175, 1.5, -kRoot175},
        {"centres on a vertical, larger x first", 0, 0, 2, 0, 3, 2, 2, kRoot175, 1.5, -kRoot175, 1.5},
        {"negative radii", 0, 0, -2, 3, 0, -2, 2, 1.5, kRoot175, 1.5, -kRoot175},
        {"touching from outside", 0, 0, 5, 8, 0, 3, 2, 5, 0, 5, 0},
        {"touching from inside", 0, 0, 5, 2, 0, 3, 2, 5, 0, 5, 0},
        {"touching on a vertical", 0, 0, 1, 0, -3, 2, 2, 0, -1, 0, -1},
        {"apart", 0, 0, 1, 3, 0, 1, 0, 0, 0, 0, 0},
        {"one inside the other", 0, 0, 5, 1, 0, 1, 0, 0, 0, 0, 0},
        {"concentric", 1, 1, 2, 1, 1, 3, 0, 0, 0, 0, 0},
        {"same circle", 1, 1, 2, 1, 1, 2, -1, 0, 0, 0, 0},
        {"same circle, one radius negative", 1, 1, 2, 1, 1, -2, -1, 0, 0, 0, 0},
        {"centres nearly equal in x", 0, 0, 1, 0.0000005, 0, 1, -1, 0, 0, 0, 0},
        {"centres nearly equal in x and y", 0, 0, 1, 5e-7, -5e-7, 1, -1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Slots s;
        EXPECT_EQ(IntersectCircles(c.cx1, c.cy1, c.r1, c.cx2, c.cy2, c.r2, s.x1, s.y1, s.x2, s.y2), c.result);
        ExpectSlots(s, c.X1, c.Y1, c.X2, c.Y2);
    }
}

// With a tolerance of 0.01 the second point's test would accept (3, +4) here, which is not on the second
// circle.
TEST(IntersectCircles, SecondPointIsNotTheMirrorImage) {
    Slots s;
    ASSERT_EQ(IntersectCircles(0, 0, 5, 6, -0.004, 5, s.x1, s.y1, s.x2, s.y2), 2);
    // The common chord is the perpendicular bisector of the centres.
    const double dy = -0.004, d = std::hypot(6, dy), half = std::sqrt(25 - d * d / 4);
    const Vec2 mid{3, dy / 2};
    ExpectSlots(s, mid.x - half * dy / d, mid.y + half * 6 / d, mid.x + half * dy / d, mid.y - half * 6 / d,
                kGeneric);
}

TEST(IntersectCircles, TouchingAtAnAngleGivesThePointTwice) {
    struct Case {
        const char* what;
        double cx1, cy1, r1, cx2, cy2, r2;
        Vec2 touch;
    };
    const Case cases[] = {
        {"from outside, upper", 0, 0, 5, 6, 8, 5, {3, 4}},
        {"from outside, lower", 0, 0, 5, 6, -8, 5, {3, -4}},
        {"from inside", 0, 0, 10, 3, 4, 5, {6, 8}},
        {"irrational", 0, 0, 1, 3, 3, std::hypot(3, 3) - 1, {std::sqrt(0.5), std::sqrt(0.5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Slots s;
        ASSERT_EQ(IntersectCircles(c.cx1, c.cy1, c.r1, c.cx2, c.cy2, c.r2, s.x1, s.y1, s.x2, s.y2), 2);
        ExpectSlots(s, c.touch.x, c.touch.y, c.touch.x, c.touch.y, kTouching);
        EXPECT_EQ(s.x1, s.x2);
        EXPECT_EQ(s.y1, s.y2);
    }
}

// Touching right beside the horizontal through the first centre: both candidates lie on the second circle
// within the tolerance, and both are reported.
TEST(IntersectCircles, TouchingNextToTheFirstCentresHorizontalKeepsBothCandidates) {
    Slots s;
    ASSERT_EQ(IntersectCircles(0, 0, 0.1, 1, 2e-6, std::hypot(1, 2e-6) - 0.1, s.x1, s.y1, s.x2, s.y2), 2);
    ExpectSlots(s, 0.1, 2e-7, 0.1, 2e-7, kTouching);
    EXPECT_GT(s.y1, 0);
    EXPECT_EQ(s.y2, -s.y1);
}

TEST(IntersectCircles, RandomPairsMatchTheConstructedPoints) {
    enum Layout { Crossing, Apart, Nested };
    FigureSampler sample(13);
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        SCOPED_TRACE(i);
        const Vec2 c1 = sample.Point(5);
        const double r1 = sample.Uniform(0.5, 5);
        const double r2 = sample.Uniform(0.5, 5);
        const auto layout = static_cast<Layout>(std::floor(sample.Uniform(0, 3)));
        double d = 0;
        if (layout == Crossing) {
            const double margin = 0.1 * std::min(r1, r2);
            d = sample.Uniform(std::fabs(r1 - r2) + margin, r1 + r2 - margin);
        } else if (layout == Apart) {
            d = r1 + r2 + sample.Uniform(0.1, 3);
        } else {
            if (std::fabs(r1 - r2) < 0.2) continue;
            d = sample.Uniform(0.05, std::fabs(r1 - r2) - 0.1);
        }
        // Half of the pairs have their centres exactly on one horizontal or one vertical.
        const double pick = sample.Uniform(0, 1);
        const double angle = sample.Uniform(0, 2 * std::numbers::pi);
        const double sign = sample.Coin() ? 1.0 : -1.0;
        const Vec2 dir = pick < 0.25  ? Vec2{sign, 0}
                         : pick < 0.5 ? Vec2{0, sign}
                                      : Vec2{std::cos(angle), std::sin(angle)};
        const Vec2 c2 = c1 + d * dir;
        Slots s;
        const int k = IntersectCircles(c1.x, c1.y, r1, c2.x, c2.y, r2, s.x1, s.y1, s.x2, s.y2);
        if (layout != Crossing) {
            ASSERT_EQ(k, 0);
            continue;
        }
        // The chord's middle lies `along` from c1 towards c2.
        const double along = (d * d + r1 * r1 - r2 * r2) / (2 * d);
        const double half = std::sqrt(r1 * r1 - along * along);
        Vec2 a = c1 + along * dir + half * Vec2{-dir.y, dir.x};
        Vec2 b = c1 + along * dir + (-half) * Vec2{-dir.y, dir.x};
        if (dir.y == 0 ? a.y < b.y : a.x < b.x) std::swap(a, b);  // larger x first; upper first on a vertical
        const auto steep = [&](Vec2 p) {  // near a circle's leftmost or rightmost point y follows x badly
            return std::fabs(p.y - c1.y) < 0.15 * r1 || std::fabs(p.y - c2.y) < 0.15 * r2;
        };
        if (dir.x != 0 && dir.y != 0 && (steep(a) || steep(b) || a.x - b.x < 0.05)) continue;
        ASSERT_EQ(k, 2);
        ExpectSlots(s, a.x, a.y, b.x, b.y, kGeneric);
        if (HasFailure()) return;
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

// Where the 1e-6 and 0.01 tests pick the candidate that is on the second circle, the choice by the smaller
// miss must give the very same value.
TEST(IntersectCircles, CandidateChoiceAgreesWithToleranceTestsWhereTheyAreRight) {
    const auto halfChord = [](double x, double cx, double r) {
        return r >= std::fabs(x - cx) ? std::sqrt(r * r - (x - cx) * (x - cx)) : 0.0;
    };
    FigureSampler sample(14);
    int agreed = 0;
    int bothInBand = 0;
    for (int i = 0; i < 20000; ++i) {
        const Vec2 c1 = sample.Point(5);
        const double r1 = sample.Uniform(0.5, 5);
        const double r2 = sample.Uniform(0.5, 5);
        const double angle = sample.Uniform(0, 2 * std::numbers::pi);
        const Vec2 c2 = c1 + sample.Uniform(std::fabs(r1 - r2) + 0.01, r1 + r2 - 0.01) *
                                 Vec2{std::cos(angle), std::sin(angle)};
        Slots s;
        if (NearlyEqual(c1.x, c2.x) || NearlyEqual(c1.y, c2.y)) continue;
        ASSERT_EQ(IntersectCircles(c1.x, c1.y, r1, c2.x, c2.y, r2, s.x1, s.y1, s.x2, s.y2), 2);
        if (NearlyEqual(s.x1, s.x2)) continue;
        const std::pair<Vec2, double> points[] = {{{s.x1, s.y1}, kIntersectTolerance},
                                                  {{s.x2, s.y2}, kSecondCirclePointTolerance}};
        for (const auto& [p, tolerance] : points) {
            const double w1 = halfChord(p.x, c1.x, r1);
            const double w2 = halfChord(p.x, c2.x, r2);
            const auto inBand = [&](double y) {
                return std::fabs(y - (c2.y + w2)) < tolerance || std::fabs(y - (c2.y - w2)) < tolerance;
            };
            const double picked = inBand(c1.y + w1) ? c1.y + w1 : c1.y - w1;
            if (std::fabs(std::hypot(p.x - c2.x, picked - c2.y) - r2) > kGeneric) continue;  // the mirror
            EXPECT_EQ(p.y, picked) << "circles " << i;
            ++agreed;
            if (inBand(c1.y + w1) && inBand(c1.y - w1)) ++bothInBand;
        }
    }
    EXPECT_GT(agreed, 30000);
    EXPECT_GT(bothInBand, 0);
}

TEST(IntersectRoutines, HugeButFiniteInputsGiveNoPointRatherThanInfinity) {
    Slots s;
    EXPECT_EQ(IntersectLines(0, 0, 1e-300, 1e300, 0, 1, 1, 1, s.x1, s.y1), 0);
    EXPECT_EQ(IntersectLineCircle(0, 0, 1, 1, 0, 0, 1e200, s.x1, s.y1, s.x2, s.y2), 0);
    ExpectSlots(s, kUnset, kUnset, kUnset, kUnset);
    EXPECT_EQ(IntersectCircles(0, 0, 1e200, 1, 1, 1e200, s.x1, s.y1, s.x2, s.y2), 0);
}

TEST(IntersectRoutines, NoSlotEverReceivesANonFiniteValue) {
    FigureSampler sample(15);
    const auto wild = [&] {
        const double size = sample.Uniform(0, 1) < 0.2 ? 0.0 : std::pow(10.0, sample.Uniform(-320, 308));
        return sample.Coin() ? size : -size;
    };
    for (int i = 0; i < 20000; ++i) {
        double v[8];
        for (double& x : v)
            x = sample.Uniform(0, 1) < 0.5 ? wild() : std::round(sample.Uniform(-3, 3));
        Slots a, b, c;
        const int lines = IntersectLines(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], a.x1, a.y1);
        const int lineCircle =
            IntersectLineCircle(v[0], v[1], v[2], v[3], v[4], v[5], v[6], b.x1, b.y1, b.x2, b.y2);
        const int circles = IntersectCircles(v[0], v[1], v[2], v[3], v[4], v[5], c.x1, c.y1, c.x2, c.y2);
        for (const Slots& s : {a, b, c}) {
            ASSERT_TRUE(std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) &&
                        std::isfinite(s.y2))
                << "values " << i;
        }
        ASSERT_TRUE(lines >= -1 && lines <= 1 && lineCircle >= 0 && lineCircle <= 2 && circles >= -1 &&
                    circles <= 2);
    }
}
