// Tests of Intersect on figure objects: kinds, restriction to segments and rays, and the slots it fills.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "geometry/tgerade.h"
#include "geometry/tkreis.h"
#include "geometry/tparallele.h"
#include "geometry/tpunkt.h"
#include "geometry/tsenkrechte.h"
#include "geometry/tstrahl.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "intersect/intersect.h"
#include "tests/intersect/random_figures.h"

namespace {

constexpr double kUnset = 12345.0;  // a slot value the call must leave alone
constexpr double kAny = -98765.0;   // an expected slot value that is not checked
constexpr double kExact = 1e-12;
constexpr double kGeneric = 1e-9;

const double kRoot3 = std::sqrt(3.0);
const double kRoot175 = std::sqrt(1.75);

struct Slots {
    double x1 = kUnset, y1 = kUnset, x2 = kUnset, y2 = kUnset;
};

void ExpectSlots(const Slots& s, double x1, double y1, double x2, double y2, double tolerance = kExact) {
    for (const auto& [got, want] : {std::pair{s.x1, x1}, {s.y1, y1}, {s.x2, x2}, {s.y2, y2}}) {
        if (want != kAny) {
            EXPECT_NEAR(got, want, tolerance);
        }
    }
}

// Owns the points and figures of one test; figures refer to points without owning them.
class Scene {
public:
    TPunkt& Point(double x, double y) { return Keep(std::make_unique<TPunkt>("", x, y)); }
    template <class Figure>
    TPunkt& Straight(Vec2 a, Vec2 b) {
        return Keep(std::make_unique<Figure>(&Point(a.x, a.y), &Point(b.x, b.y), ""));
    }
    TPunkt& Circle(double cx, double cy, double r) {
        return Keep(std::make_unique<TKreis>(&Point(cx, cy), "", r));
    }
    template <class Object>
    Object& Keep(std::unique_ptr<Object> object) {
        Object& kept = *object;
        objects_.push_back(std::move(object));
        return kept;
    }

private:
    std::vector<std::unique_ptr<TPunkt>> objects_;
};

// A figure of a table row: 'L' line, 'S' segment, 'R' ray (a, b to c, d), 'C' circle (about a, b with
// radius c), 'P' point (a, b).
struct Fig {
    char kind;
    double a, b, c = 0, d = 0;
};

TPunkt& Build(Scene& scene, const Fig& f) {
    switch (f.kind) {
        case 'L':
            return scene.Straight<TGerade>({f.a, f.b}, {f.c, f.d});
        case 'S':
            return scene.Straight<TStrecke>({f.a, f.b}, {f.c, f.d});
        case 'R':
            return scene.Straight<TStrahl>({f.a, f.b}, {f.c, f.d});
        case 'C':
            return scene.Circle(f.a, f.b, f.c);
        default:
            return scene.Point(f.a, f.b);
    }
}

struct Case {
    const char* what;
    Fig A, B;
    int result;
    double X1, Y1, X2, Y2;
};

// Unit circle about the origin, the figure of most rows below.
const Fig kUnit{'C', 0, 0, 1};

const Case kCases[] = {
    {"crossing lines", {'L', 0, 0, 1, 1}, {'L', 0, 1, 1, 0}, 1, 0.5, 0.5, 0, 0},
    {"one line twice", {'L', 0, 0, 1, 1}, {'L', 2, 2, 3, 3}, -1, kUnset, kUnset, 0, 0},
    {"one vertical twice", {'L', 1, 0, 1, 1}, {'L', 1, 2, 1, 3}, 0, kUnset, kUnset, 0, 0},
    {"segment ending short of the line", {'S', 0, 0, 1, 1}, {'L', 0, 3, 3, 0}, 0, kAny, kAny, 0, 0},
    {"segment ending on the line", {'L', 0, 2, 2, 0}, {'S', 0, 0, 1, 1}, 1, 1, 1, 0, 0},
    {"segment lying on the line", {'L', 2, 2, 3, 3}, {'S', 0, 0, 1, 1}, 0, kUnset, kUnset, 0, 0},
    {"vertical segment is not restricted", {'L', -1, 5, 1, 5}, {'S', 0, 0, 0, 1}, 1, 0, 5, 0, 0},
    {"vertical ray is not restricted", {'L', -1, -5, 1, -5}, {'R', 0, 0, 0, 1}, 1, 0, -5, 0, 0},
    {"ray ahead of its start", {'L', 0, 2, 2, 0}, {'R', 0, 0, 1, 1}, 1, 1, 1, 0, 0},
    {"ray behind its start", {'L', 0, 2, 2, 0}, {'R', 0, 0, -1, -1}, 0, kAny, kAny, 0, 0},
    {"segments crossing", {'S', 0, 0, 2, 2}, {'S', 0, 2, 2, 0}, 1, 1, 1, 0, 0},
    {"second segment too short", {'S', 0, 0, 2, 2}, {'S', 0, 2, 0.5, 1.5}, 0, kAny, kAny, 0, 0},
    {"first segment too short", {'S', 0, 0, 0.5, 0.5}, {'S', 0, 2, 2, 0}, 0, kAny, kAny, 0, 0},
    {"segment and ray ahead", {'S', 0, 0, 2, 2}, {'R', 0, 2, 0.5, 1.5}, 1, 1, 1, 0, 0},
    {"segment and ray behind", {'S', 0, 0, 2, 2}, {'R', 0.5, 1.5, 0, 2}, 0, kAny, kAny, 0, 0},
    {"vertical segment and ray", {'S', 0, -1, 0, -9}, {'R', -1, -5, 1, -5}, 1, 0, -5, 0, 0},
    {"rightward rays from one start", {'R', 0, 0, 1, 0}, {'R', 0, 0, 1, 1}, 0, kAny, kAny, 0, 0},
    {"leftward rays from one start", {'R', 0, 0, -1, 0}, {'R', 0, 0, -1, 1}, 0, kAny, kAny, 0, 0},
    {"opposite rays from one start", {'R', 0, 0, 1, 0}, {'R', 0, 0, -1, 1}, 1, 0, 0, 0, 0},
    {"rays meeting ahead of both", {'R', 0, 0, 1, 1}, {'R', 2, 0, 1, 1}, 1, 1, 1, 0, 0},
    {"leftward rays meeting", {'R', 2, 2, 1, 1}, {'R', 2, 0, 1, 1}, 1, 1, 1, 0, 0},
    {"rays crossing behind one start", {'R', 0, 0, 1, 1}, {'R', 2, 0, 3, -1}, 0, kAny, kAny, 0, 0},
    {"vertical ray and ray", {'R', 0, 0, 0, 1}, {'R', -1, -5, 1, -5}, 1, 0, -5, 0, 0},
    {"parallel rays", {'R', 0, 0, 1, 1}, {'R', 0, 1, 1, 2}, 0, kUnset, kUnset, 0, 0},
    {"rays on one line", {'R', 0, 0, 1, 1}, {'R', 2, 2, 3, 3}, 0, kUnset, kUnset, 0, 0},
    {"secant line", {'L', -1, 1, 1, 1}, {'C', 0, 0, 2}, 2, kRoot3, 1, -kRoot3, 1},
    {"tangent line", {'L', -1, 2, 1, 2}, {'C', 0, 0, 2}, 1, 0, 2, 0, 0},
    {"vertical secant line", {'L', 1, 0, 1, 1}, {'C', 0, 0, 2}, 2, 1, kRoot3, 1, -kRoot3},
    {"negative radius", {'L', -1, 1, 1, 1}, {'C', 0, 0, -2}, 2, kRoot3, 1, -kRoot3, 1},
    {"segment ending on the circle", {'S', 0, 0, 1, 0}, kUnit, 1, 1, 0, 0, 0},
    {"segment reaching the left point", {'S', -2, 0, 0, 0}, kUnit, 1, -1, 0, -1, 0},
    {"segment inside the circle", {'S', -0.5, 0, 0.5, 0}, kUnit, 0, 0, 0, 0, 0},
    {"segment through the circle", {'S', 2, 0, -2, 0}, kUnit, 2, 1, 0, -1, 0},
    {"rightward ray from the centre", {'R', 0, 0, 1, 0}, kUnit, 1, 1, 0, kAny, kAny},
    {"leftward ray from the centre", {'R', 0, 0, -1, 0}, kUnit, 1, -1, 0, -1, 0},
    {"rightward ray through the circle", {'R', -5, 0, -4, 0}, kUnit, 2, 1, 0, -1, 0},
    {"leftward ray through the circle", {'R', 5, 0, 4, 0}, kUnit, 2, 1, 0, -1, 0},
    {"rightward ray past the circle", {'R', 5, 0, 6, 0}, kUnit, 0, kAny, kAny, kAny, kAny},
    // A rightward ray keeps the second point up to 1e-6 behind its start, but not further.
    {"rightward ray starting just past the second point", {'R', -1 + 5e-7, 0, 0, 0}, kUnit, 2, 1, 0, -1, 0},
    {"rightward ray starting past the tolerance", {'R', -1 + 2e-6, 0, 0, 0}, kUnit, 1, 1, 0, kAny, kAny},
    {"leftward ray past the circle", {'R', -5, 0, -6, 0}, kUnit, 0, kAny, kAny, kAny, kAny},
    {"ray tangent ahead", {'R', -5, 1, -4, 1}, kUnit, 1, 0, 1, 0, 0},
    {"ray tangent behind", {'R', 5, 1, 6, 1}, kUnit, 0, kAny, kAny, kAny, kAny},
    {"upward ray from below", {'R', 0, -5, 0, -4}, kUnit, 2, 0, 1, 0, -1},
    {"upward ray from the centre", {'R', 0, 0, 0, 1}, kUnit, 1, 0, 1, kAny, kAny},
    {"downward ray from the centre", {'R', 0, 0, 0, -1}, kUnit, 1, 0, -1, 0, 1},
    {"downward ray from above", {'R', 0, 5, 0, 4}, kUnit, 2, 0, 1, 0, -1},
    {"upward ray above the circle", {'R', 0, 5, 0, 6}, kUnit, 0, kAny, kAny, kAny, kAny},
    {"vertical ray touching behind its start", {'R', 1, 5, 1, 6}, kUnit, 1, 1, 0, kUnset, kUnset},
    {"two circles", {'C', 0, 0, 2}, {'C', 3, 0, 2}, 2, 1.5, kRoot175, 1.5, -kRoot175},
    {"one circle twice", {'C', 0, 0, 2}, {'C', 0, 0, 2}, -1, 0, 0, 0, 0},
    {"point and line", {'P', 0, 0}, {'L', -1, -1, 1, 1}, 0, kUnset, kUnset, kUnset, kUnset},
    {"point and circle", {'P', 1, 0}, kUnit, 0, kUnset, kUnset, kUnset, kUnset},
    {"two points", {'P', 1, 0}, {'P', 1, 0}, 0, kUnset, kUnset, kUnset, kUnset},
};

}  // namespace

TEST(Intersect, EdgeCases) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Scene scene;
        Slots s;
        EXPECT_EQ(Intersect(Build(scene, c.A), Build(scene, c.B), s.x1, s.y1, s.x2, s.y2), c.result);
        ExpectSlots(s, c.X1, c.Y1, c.X2, c.Y2);
    }
}

TEST(Intersect, ReversedPairsGiveTheSameAnswer) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Scene scene;
        TPunkt& a = Build(scene, c.A);
        TPunkt& b = Build(scene, c.B);
        Slots forward, reversed;
        EXPECT_EQ(Intersect(b, a, reversed.x1, reversed.y1, reversed.x2, reversed.y2),
                  Intersect(a, b, forward.x1, forward.y1, forward.x2, forward.y2));
        if (c.A.kind != c.B.kind) ExpectSlots(reversed, forward.x1, forward.y1, forward.x2, forward.y2, 0);
    }
}

TEST(Intersect, PerpendicularAndParallelAreLines) {
    Scene scene;
    const TStrecke& base = scene.Keep(std::make_unique<TStrecke>(&scene.Point(0, 0), &scene.Point(5, 0), ""));
    TPunkt& perpendicular = scene.Keep(std::make_unique<TSenkrechte>(base, scene.Point(3, 4), ""));  // x = 3
    TPunkt& parallel = scene.Keep(std::make_unique<TParallele>(base, scene.Point(0, 1), ""));        // y = 1
    Slots s;
    EXPECT_EQ(Intersect(scene.Circle(0, 0, 5), perpendicular, s.x1, s.y1, s.x2, s.y2), 2);
    ExpectSlots(s, 3, 4, 3, -4);
    EXPECT_EQ(Intersect(perpendicular, parallel, s.x1, s.y1, s.x2, s.y2), 1);
    ExpectSlots(s, 3, 1, 0, 0);
    EXPECT_EQ(Intersect(parallel, scene.Straight<TGerade>({7, 1}, {9, 1}), s.x1, s.y1, s.x2, s.y2), -1);
}

// A tangent at the top of a circle about the origin lies at -B/(2A) = -0; shown as "-0.00" it would read
// as a negative coordinate. Lines crossing on the y axis give -0 by the same algebra.
TEST(Intersect, PointsOnAnAxisHaveNoNegativeZero) {
    Scene scene;
    Slots s;
    ASSERT_EQ(
        Intersect(scene.Straight<TGerade>({0, 2}, {2, 2}), scene.Circle(0, 0, 2), s.x1, s.y1, s.x2, s.y2), 1);
    EXPECT_EQ(s.x1, 0);
    EXPECT_FALSE(std::signbit(s.x1));
    ASSERT_EQ(Intersect(scene.Straight<TGerade>({0, 0}, {-1, 1}), scene.Straight<TGerade>({0, 0}, {1, 1}),
                        s.x1, s.y1, s.x2, s.y2),
              1);
    EXPECT_FALSE(std::signbit(s.x1));
    EXPECT_FALSE(std::signbit(s.y1));
}

TEST(Intersect, AngleOrBrokenFigureGivesNothingAndWritesNothing) {
    Scene scene;
    TPunkt& line = scene.Straight<TGerade>({0, 0}, {1, 1});
    TStrecke& leg = scene.Keep(std::make_unique<TStrecke>(&scene.Point(0, 0), &scene.Point(1, 0), ""));
    TPunkt& angle = scene.Keep(std::make_unique<TWinkel>(&leg, &scene.Point(0, 0), 30, "alpha"));
    TPunkt& pointless = scene.Keep(std::make_unique<TStrecke>());
    TPunkt& centreless = scene.Keep(std::make_unique<TKreis>());
    const std::pair<TPunkt*, TPunkt*> pairs[] = {
        {&angle, &line}, {&line, &angle}, {&pointless, &line}, {&line, &pointless}, {&centreless, &line}};
    for (const auto& [a, b] : pairs) {
        Slots s;
        EXPECT_EQ(Intersect(*a, *b, s.x1, s.y1, s.x2, s.y2), 0);
        ExpectSlots(s, kUnset, kUnset, kUnset, kUnset);
    }
}

namespace {

enum class Shape { Line, Segment, Ray };

// A straight figure on the line foot + t d: its defining points at parameters t1 and t2.
struct Placed {
    Shape shape;
    double t1, t2;

    bool Covers(double t) const {
        if (shape == Shape::Segment) return std::min(t1, t2) <= t && t <= std::max(t1, t2);
        if (shape == Shape::Ray) return (t2 - t1) * (t - t1) > 0;
        return true;
    }
};

// Ends and starts keep clear of the crossings, so that covering is never a question of rounding.
Placed Place(FigureSampler& sample, Shape shape, std::vector<double> crossings) {
    const double t1 = sample.ParameterAvoiding(crossings);
    if (shape == Shape::Ray) return {shape, t1, t1 + (sample.Coin() ? 1 : -1) * sample.Uniform(0.5, 3)};
    crossings.push_back(t1);
    return {shape, t1, sample.ParameterAvoiding(crossings)};
}

TPunkt& Build(Scene& scene, const Placed& f, Vec2 foot, Vec2 d) {
    const Vec2 a = foot + f.t1 * d, b = foot + f.t2 * d;
    if (f.shape == Shape::Segment) return scene.Straight<TStrecke>(a, b);
    if (f.shape == Shape::Ray) return scene.Straight<TStrahl>(a, b);
    return scene.Straight<TGerade>(a, b);
}

Shape AnyShape(FigureSampler& sample) {
    return static_cast<Shape>(std::floor(sample.Uniform(0, 3)));
}

}  // namespace

TEST(Intersect, RandomStraightPairsMeetWhereBothCoverTheCrossing) {
    FigureSampler sample(21);
    int met = 0;
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        const Vec2 at = sample.Point(10);
        const Placed a = Place(sample, AnyShape(sample), {0});
        const Placed b = Place(sample, AnyShape(sample), {0});
        // Vertical segments and rays are not restricted at all; they have their own cases above.
        const Vec2 da = sample.Direction(a.shape == Shape::Line);
        const Vec2 db = sample.Direction(b.shape == Shape::Line);
        if (std::fabs(da.x * db.y - da.y * db.x) < 0.25) continue;  // nearly parallel: ill-conditioned
        Scene scene;
        Slots s;
        const int k = Intersect(Build(scene, a, at, da), Build(scene, b, at, db), s.x1, s.y1, s.x2, s.y2);
        ASSERT_EQ(k, a.Covers(0) && b.Covers(0) ? 1 : 0);
        ExpectSlots(s, k == 1 ? at.x : kAny, k == 1 ? at.y : kAny, 0, 0, kGeneric);
        if (HasFailure()) return;
        met += k;
    }
    EXPECT_GT(met, 300);
}

TEST(Intersect, RandomStraightAndCircleGiveTheCoveredCrossings) {
    FigureSampler sample(22);
    int points = 0;
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        const Vec2 c = sample.Point(5);
        const double r = sample.Uniform(0.5, 5);
        const Shape shape = AnyShape(sample);
        // A vertical ray is restricted by y, a vertical segment not at all.
        const Vec2 d = sample.Direction(shape != Shape::Segment);
        const bool secant = sample.Coin();
        const double offset =
            (sample.Coin() ? r : -r) * (secant ? sample.Uniform(0, 0.9) : sample.Uniform(1.1, 3));
        const Vec2 foot = c + offset * Vec2{-d.y, d.x};
        const double half = secant ? std::sqrt(r * r - offset * offset) : 0;
        const Placed f =
            Place(sample, shape, secant ? std::vector<double>{half, -half} : std::vector<double>{});
        std::vector<Vec2> expected;
        for (const double t : {half, -half}) {
            if (secant && f.Covers(t)) expected.push_back(foot + t * d);
        }
        // Larger x first; upper first on a vertical.
        std::sort(expected.begin(), expected.end(),
                  [](Vec2 p, Vec2 q) { return p.x != q.x ? p.x > q.x : p.y > q.y; });
        Scene scene;
        TPunkt& straight = Build(scene, f, foot, d);
        TPunkt& circle = scene.Circle(c.x, c.y, sample.Coin() ? r : -r);
        for (const bool circleFirst : {false, true}) {
            Slots s;
            const int k = circleFirst ? Intersect(circle, straight, s.x1, s.y1, s.x2, s.y2)
                                      : Intersect(straight, circle, s.x1, s.y1, s.x2, s.y2);
            ASSERT_EQ(k, static_cast<int>(expected.size()));
            if (k >= 1) ExpectSlots(s, expected[0].x, expected[0].y, kAny, kAny, kGeneric);
            if (k == 2) ExpectSlots(s, kAny, kAny, expected[1].x, expected[1].y, kGeneric);
            if (HasFailure()) return;
        }
        points += static_cast<int>(expected.size());
    }
    EXPECT_GT(points, 1000);
}
