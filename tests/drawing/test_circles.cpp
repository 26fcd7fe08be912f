// Circles: the platform ellipse in range, and bounded polylines of the visible part of huge circles.
#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/primitives.h"
#include "tests/drawing/drawingfixture.h"

namespace {

std::array<int, 8> ArcArgs(const RecordedOp& op) {
    return {op.x1, op.y1, op.x2, op.y2, op.x3, op.y3, op.x4, op.y4};
}

// Distance of device point (x, y) from the circle about (cx, cy) with radius r.
double OffCircle(double x, double y, double cx, double cy, double r) {
    return std::hypot(x - cx, y - cy) - r;
}

}  // namespace

class Circles : public DrawingTest {
protected:
    // Checks that every polyline vertex and chord midpoint lies near the device circle, and returns the
    // recorded chords.
    std::vector<RecordedOp> ExpectPolylineOnCircle(double cx, double cy, double r) {
        const auto lines = canvas.Lines();
        EXPECT_TRUE(canvas.Arcs().empty());
        EXPECT_LE(lines.size(), static_cast<std::size_t>(kMaxCircleSegments) + 8u);
        for (const RecordedOp& line : lines) {
            EXPECT_TRUE(InDeviceRange(line.x2));
            EXPECT_TRUE(InDeviceRange(line.y2));
            EXPECT_NEAR(OffCircle(line.x1, line.y1, cx, cy, r), 0, 1.0);
            EXPECT_NEAR(OffCircle(line.x2, line.y2, cx, cy, r), 0, 1.0);
            EXPECT_NEAR(OffCircle((line.x1 + line.x2) / 2.0, (line.y1 + line.y2) / 2.0, cx, cy, r), 0, 1.5);
        }
        return lines;
    }
};

TEST_F(Circles, CircleInRangeIsAFullPlatformEllipse) {
    DrawCircle(1, 0, 0, 2);
    const auto arcs = canvas.Arcs();
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(ArcArgs(arcs[0]), (std::array{140, 210, 260, 90, 140, 210, 140, 210}));
    EXPECT_EQ(arcs[0].pen.color, kRed);
    EXPECT_TRUE(canvas.Lines().empty());
}

TEST_F(Circles, NegativeRadiusSwapsTheBoxCorners) {
    DrawCircle(6, 0, 0, -2);
    const auto arcs = canvas.Arcs();
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(ArcArgs(arcs[0]), (std::array{260, 90, 140, 210, 260, 90, 260, 90}));
}

TEST_F(Circles, HugeCircleThroughTheWindowIsABoundedPolyline) {
    // Radius 1e9 units (3e10 device units) touching the origin from below: nearly the line y = 150.
    canvas.pen.width = 2;
    DrawCircle(1, 0, -1e9, 1e9);
    const auto lines = ExpectPolylineOnCircle(200, 150 + 3e10, 3e10);
    ASSERT_FALSE(lines.empty());
    int left = kDeviceLimit;
    int right = -kDeviceLimit;
    for (const RecordedOp& line : lines) {
        left = std::min({left, line.x1, line.x2});
        right = std::max({right, line.x1, line.x2});
        EXPECT_EQ(line.pen, (Pen{kRed, PenStyle::Solid, 2}));
    }
    EXPECT_LE(left, 0);
    EXPECT_GE(right, 400);
    // Out of reach of any real canvas, and in a few chords.
    EXPECT_GE(left, -100);
    EXPECT_LE(right, 500);
    EXPECT_LE(lines.size(), 10u);
}

TEST_F(Circles, HugeCircleCuttingACornerIsNearTheCircle) {
    // Centre (-1e6, -1e6), through the origin: crosses the window diagonally.
    const double r = 1e6 * std::sqrt(2.0);
    DrawCircle(6, -1e6, -1e6, r);
    const auto lines = ExpectPolylineOnCircle(ToScreenXf(-1e6), ToScreenYf(-1e6), r * 30);
    ASSERT_FALSE(lines.empty());
    const bool passesOrigin = std::any_of(lines.begin(), lines.end(), [](const RecordedOp& line) {
        return std::min(line.x1, line.x2) <= 200 && std::max(line.x1, line.x2) >= 200;
    });
    EXPECT_TRUE(passesOrigin);
}

TEST_F(Circles, HugeCircleMissingOrEnclosingTheWindowDrawsNothing) {
    DrawCircle(6, 0, 0, 1e9);    // encloses the window
    DrawCircle(6, 1e9, 0, 1e3);  // far away
    DrawCircle(6, 0, 0, 1e300);  // radius overflows in device units
    DrawCircle(6, 1e300, 0, 1e300);
    EXPECT_TRUE(canvas.Lines().empty());
    EXPECT_TRUE(canvas.Arcs().empty());
}

TEST_F(Circles, PolylineWorkIsBoundedOnHugeCanvases) {
    // A clip rectangle as large as the device range; radius 4.5e6 device units, just beyond it: more
    // than half the circle lies in the rectangle, which at full precision would take some 5000 chords.
    RecordingCanvas huge({-kDeviceLimit, -kDeviceLimit, kDeviceLimit, kDeviceLimit});
    Drawing().DrawCanvas = &huge;
    DrawCircle(6, 0, 0, 1.5e5);
    const auto lines = huge.Lines();
    EXPECT_GT(lines.size(), 3000u);
    EXPECT_LE(lines.size(), static_cast<std::size_t>(kMaxCircleSegments) + 8u);
    for (const RecordedOp& line : lines) {
        EXPECT_TRUE(InDeviceRange(line.x2));
        EXPECT_TRUE(InDeviceRange(line.y2));
    }
}
