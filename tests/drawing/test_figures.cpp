// Segments, infinite lines and rays across the window, clipping of far-out ends, and angle arcs.
#include <array>
#include <cmath>
#include <limits>

#include "drawing/clipping.h"
#include "drawing/primitives.h"
#include "tests/drawing/drawingfixture.h"

namespace {

TEST(SegmentClipping, EndsWhoseDifferenceOverflowsAreCutAndOthersAsBefore) {
    // Ends near the largest doubles on opposite sides: b - a is infinite, yet what is left is finite, in
    // the box and on the segment.
    double ax = -1e308, ay = 1.5e308, bx = 1e308, by = -1.5e308;
    ASSERT_TRUE(ClipSegmentEnds(ax, ay, bx, by, -10, -10, 10, 10));
    for (const double v : {ax, ay, bx, by}) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_LE(std::abs(v), 10 + 1e-12);
    }
    EXPECT_NEAR(ay, -1.5 * ax, 1e-12);
    EXPECT_NEAR(by, -1.5 * bx, 1e-12);

    // An ordinary segment comes out exactly as the plain Liang-Barsky arithmetic gives it.
    const double sx = -3.3, sy = 0.7, ex = 11.9, ey = -4.1;
    double t0 = 0, t1 = 1;
    ASSERT_TRUE(ClipSegmentToBox(sx, sy, ex - sx, ey - sy, -2, -3, 5, 3, t0, t1));
    double cx = sx, cy = sy, dx = ex, dy = ey;
    ASSERT_TRUE(ClipSegmentEnds(cx, cy, dx, dy, -2, -3, 5, 3));
    EXPECT_EQ(cx, sx + t0 * (ex - sx));
    EXPECT_EQ(cy, sy + t0 * (ey - sy));
    EXPECT_EQ(dx, sx + t1 * (ex - sx));
    EXPECT_EQ(dy, sy + t1 * (ey - sy));

    // Nothing left.
    double nx = 20, ny = 20, mx = 30, my = 25;
    EXPECT_FALSE(ClipSegmentEnds(nx, ny, mx, my, -10, -10, 10, 10));
}

std::array<int, 4> Ends(const RecordedOp& op) {
    return {op.x1, op.y1, op.x2, op.y2};
}

// The y of the recorded line's carrier at device x.
double YAt(const RecordedOp& op, double x) {
    return op.y1 + (x - op.x1) * static_cast<double>(op.y2 - op.y1) / (op.x2 - op.x1);
}

// The x of the recorded line's carrier at device y.
double XAt(const RecordedOp& op, double y) {
    return op.x1 + (y - op.y1) * static_cast<double>(op.x2 - op.x1) / (op.y2 - op.y1);
}

bool WithinDeviceLimit(const RecordedOp& op) {
    return InDeviceRange(op.x1) && InDeviceRange(op.y1) && InDeviceRange(op.x2) && InDeviceRange(op.y2);
}

}  // namespace

using StraightFigures = DrawingTest;

TEST_F(StraightFigures, SegmentJoinsTheTransformedPoints) {
    DrawSegment(2, 0, 0, 1, 1);
    ASSERT_EQ(canvas.Lines().size(), 1u);
    EXPECT_EQ(Ends(canvas.Lines()[0]), (std::array{200, 150, 230, 120}));
    EXPECT_EQ(canvas.Lines()[0].pen.color, kGreen);
}

TEST_F(StraightFigures, LineSpansTheWindowFromLeftToRight) {
    DrawStraightLine(6, 0, 0, 1, 1);
    ASSERT_EQ(canvas.Lines().size(), 1u);
    const int left = ToScreenY(Drawing().XMin);
    const int right = ToScreenY(Drawing().XMax);
    EXPECT_EQ(Ends(canvas.Lines()[0]), (std::array{0, left, 400, right}));
    EXPECT_EQ(left, 350);
}

TEST_F(StraightFigures, NearlyVerticalLineRunsFromBottomToTop) {
    DrawStraightLine(6, 2, 0, 2, 5);
    DrawStraightLine(6, 2, 0, 2.00000005, 5);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Ends(lines[0]), (std::array{260, 300, 260, 0}));
    EXPECT_EQ(Ends(lines[1]), (std::array{260, 300, 260, 0}));
}

TEST_F(StraightFigures, RaysRunFromTheirStartToTheWindowEdge) {
    DrawRay(6, 2, 0, 2, -1);  // down: from the bottom edge up to the start
    DrawRay(6, 2, 0, 2, 1);   // up
    DrawRay(6, 2, 0, 1, 1);   // to the left edge: y = 2 - x, 8.67 at the left edge
    DrawRay(6, 0, 0, 1, 0);   // to the right edge
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Ends(lines[0]), (std::array{260, 300, 260, 150}));
    EXPECT_EQ(Ends(lines[1]), (std::array{260, 150, 260, 0}));
    EXPECT_EQ(Ends(lines[2]), (std::array{0, -110, 260, 150}));
    EXPECT_EQ(Ends(lines[3]), (std::array{200, 150, 400, 150}));
}

TEST_F(StraightFigures, RayVerticalToleranceIsStricterThanTheLines) {
    DrawRay(6, 2, 0, 2.00000005, 5);  // not vertical for a ray: ends at the right edge far above
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1}), (std::array{260, 150}));
    EXPECT_EQ(lines[0].y2, -kDeviceLimit);
    EXPECT_NEAR(XAt(lines[0], 0), 260, 0.5);
}

TEST_F(StraightFigures, SegmentToAFarPointKeepsItsVisiblePart) {
    // The same direction (3, 1) towards a point in range and towards one 1e12 device units away.
    DrawSegment(6, 0, 0, 3e3, 1e3);
    DrawSegment(6, 0, 0, 3e10, 1e10);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Ends(lines[0]), (std::array{200, 150, 90200, -29850}));
    EXPECT_EQ((std::array{lines[1].x1, lines[1].y1}), (std::array{200, 150}));
    EXPECT_EQ(lines[1].x2, kDeviceLimit);
    const double exact = 150 - 200.0 / 3;
    EXPECT_NEAR(YAt(lines[0], 400), exact, 0.01);
    EXPECT_NEAR(YAt(lines[1], 400), exact, 0.01);
}

TEST_F(StraightFigures, SteepLineIsClippedWithoutMovingIt) {
    // Slope 1e6: both window-edge ends lie some 2e8 device units above and below.
    DrawStraightLine(1, 0, 0, 1e-6, 1);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(WithinDeviceLimit(lines[0]));
    EXPECT_EQ(lines[0].y1, kDeviceLimit);
    EXPECT_EQ(lines[0].y2, -kDeviceLimit);
    EXPECT_NEAR(XAt(lines[0], 0), 200, 0.5);
    EXPECT_NEAR(XAt(lines[0], 300), 200, 0.5);
    EXPECT_EQ(lines[0].pen.color, kRed);
}

TEST_F(StraightFigures, FigureWhollyOutOfRangeDrawsNothingAndResetsThePen) {
    canvas.pen = Pen{kGreen, PenStyle::Dot, 4};
    DrawSegment(1, 1e9, 1e9, 2e9, 1e9);
    DrawStraightLine(1, 1e9, 0, 1e9, 1);
    EXPECT_TRUE(canvas.Lines().empty());
    EXPECT_EQ(canvas.pen, (Pen{kBlack, PenStyle::Solid, 1}));
}

TEST_F(StraightFigures, StyledLineClipsIntegerEndsBeyondTheLimit) {
    const int far = std::numeric_limits<int>::max();
    DrawStyledLine(-far, 150, far, 150, 6);
    DrawStyledLine(10, 20, 30, 40, 6);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Ends(lines[0]), (std::array{-kDeviceLimit, 150, kDeviceLimit, 150}));
    EXPECT_EQ(Ends(lines[1]), (std::array{10, 20, 30, 40}));
}

TEST_F(StraightFigures, OverflowingSlopesDrawNearlyVerticalFigures) {
    DrawStraightLine(6, 0, 0, 2e-7, 1e308);  // the slope overflows to infinity
    DrawRay(6, 0, 0, 1e-9, 1e305);           // up
    DrawRay(6, 0, 0, -1e-9, -1e305);         // down
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Ends(lines[0]), (std::array{200, 300, 200, 0}));
    EXPECT_EQ(Ends(lines[1]), (std::array{200, 150, 200, 0}));
    EXPECT_EQ(Ends(lines[2]), (std::array{200, 300, 200, 150}));
}

using AngleArc = DrawingTest;

TEST_F(AngleArc, HasRadiusThirtyOnSmallAreas) {
    canvas.pen = Pen{kRed, PenStyle::Dash, 3};
    DrawAngleArc(0, 90, 1, 0, 0);
    const auto arcs = canvas.Arcs();
    ASSERT_EQ(arcs.size(), 1u);
    const RecordedOp& arc = arcs[0];
    EXPECT_EQ(Ends(arc), (std::array{170, 120, 230, 180}));
    EXPECT_NEAR(ArcPointDirection(arc, arc.x3, arc.y3), 0, 1e-9);
    EXPECT_NEAR(ArcPointDirection(arc, arc.x4, arc.y4), 90, 1e-9);
    EXPECT_EQ(arc.pen, (Pen{kBlack, PenStyle::Solid, 3}));
}

TEST_F(AngleArc, GrowsWithTheDrawingArea) {
    SetViewTransform({0, 0, 1200, 1000}, -6, -5, 6, 5);  // g = 1200 div 500 = 2
    DrawAngleArc(180, 270, 6, 0, 0);
    const auto arcs = canvas.Arcs();
    ASSERT_EQ(arcs.size(), 1u);
    const int sx = ToScreenX(0);
    const int sy = ToScreenY(0);
    EXPECT_EQ(Ends(arcs[0]), (std::array{sx - 60, sy - 60, sx + 60, sy + 60}));
    EXPECT_NEAR(ArcPointDirection(arcs[0], arcs[0].x3, arcs[0].y3), 180, 1e-9);
    EXPECT_NEAR(ArcPointDirection(arcs[0], arcs[0].x4, arcs[0].y4), 270, 1e-9);
}

TEST_F(AngleArc, VertexBeyondTheDeviceRangeDrawsNothing) {
    DrawAngleArc(0, 90, 6, 1e12, 0);
    EXPECT_TRUE(canvas.Arcs().empty());
}

TEST_F(StraightFigures, ExtremeCoordinatesNeverLeaveTheDeviceRange) {
    const double values[] = {0, 1, -2.5, 1e-9, 1e9, -1e12, 1e300, -1e300, 5e-324, 1.7e308};
    const auto check = [&] {
        for (const RecordedOp& op : canvas.ops) {
            for (const int v : {op.x1, op.y1, op.x2, op.y2, op.x3, op.y3, op.x4, op.y4}) {
                ASSERT_TRUE(InDeviceRange(v));
            }
        }
        canvas.Clear();
    };
    for (const double a : values) {
        for (const double b : values) {
            DrawPointMark(7, a, b);
            DrawPointLabel("P", a, b);
            DrawFigureLabel("g", a, b);
            DrawAngleLabel("alpha", a, b, a);
            DrawAngleArc(0, 300, 6, a, b);
            check();
            for (const double c : values) {
                DrawCircle(1, a, b, c);
                check();
                for (const double d : values) {
                    DrawSegment(1, a, b, c, d);
                    DrawStraightLine(2, a, b, c, d);
                    DrawRay(3, a, b, c, d);
                    check();
                }
            }
        }
    }
}
