// The world window, its aspect widening, the world-to-device transform and its refusal of bad input.
#include <cmath>
#include <limits>

#include "drawing/primitives.h"
#include "tests/drawing/drawingfixture.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void ExpectTransform(const DrawState& expected) {
    const DrawState& state = Drawing();
    EXPECT_EQ(state.XMin, expected.XMin);
    EXPECT_EQ(state.YMin, expected.YMin);
    EXPECT_EQ(state.XMax, expected.XMax);
    EXPECT_EQ(state.YMax, expected.YMax);
    EXPECT_EQ(state.XScale, expected.XScale);
    EXPECT_EQ(state.YScale, expected.YScale);
    EXPECT_EQ(state.DeviceHeight, expected.DeviceHeight);
}

}  // namespace

using ViewTransform = DrawingTest;

TEST_F(ViewTransform, NarrowWindowOnLandscapeAreaWidensX) {
    const DrawState& s = Drawing();
    EXPECT_NEAR(s.XMin, -20.0 / 3, 1e-12);
    EXPECT_NEAR(s.XMax, 20.0 / 3, 1e-12);
    EXPECT_EQ(s.YMin, -5);
    EXPECT_EQ(s.YMax, 5);
    EXPECT_NEAR(s.XScale, 30, 1e-12);
    EXPECT_NEAR(s.YScale, 30, 1e-12);
    EXPECT_EQ(s.DeviceHeight, 300);
}

TEST_F(ViewTransform, WideAndTallAreasWidenTheRightAxis) {
    SetViewTransform({0, 0, 600, 300}, -6, -5, 6, 5);
    EXPECT_NEAR(Drawing().XMin, -10, 1e-12);
    EXPECT_NEAR(Drawing().XMax, 10, 1e-12);
    EXPECT_EQ(Drawing().YMin, -5);
    EXPECT_NEAR(Drawing().XScale, 30, 1e-12);
    EXPECT_NEAR(Drawing().YScale, 30, 1e-12);

    SetViewTransform({0, 0, 300, 600}, -6, -5, 6, 5);
    EXPECT_EQ(Drawing().XMin, -6);
    EXPECT_NEAR(Drawing().YMin, -12, 1e-12);
    EXPECT_NEAR(Drawing().YMax, 12, 1e-12);
    EXPECT_NEAR(Drawing().XScale, 25, 1e-12);
    EXPECT_NEAR(Drawing().YScale, 25, 1e-12);
    EXPECT_EQ(Drawing().DeviceHeight, 600);
}

TEST_F(ViewTransform, OnlyTheRectangleSizeMatters) {
    SetViewTransform({100, 50, 500, 350}, -6, -5, 6, 5);
    EXPECT_EQ(ToScreenX(0), 200);
    EXPECT_EQ(ToScreenY(0), 150);
}

TEST_F(ViewTransform, WindowEdgesMapToAreaEdges) {
    EXPECT_EQ(ToScreenX(Drawing().XMin), 0);
    EXPECT_EQ(ToScreenX(Drawing().XMax), 400);
    EXPECT_EQ(ToScreenY(Drawing().YMin), 300);
    EXPECT_EQ(ToScreenY(Drawing().YMax), 0);
    EXPECT_EQ(ToScreenX(0), 200);
    EXPECT_EQ(ToScreenY(0), 150);
    EXPECT_EQ(ToScreenX(1), 230);
    EXPECT_EQ(ToScreenY(1), 120);
}

TEST_F(ViewTransform, RoundsHalvesToEven) {
    // One device unit per world unit and an odd height, so that a y offset of 2.5 shows whether the
    // offset is rounded (101 - 2 = 99) or the difference (Round(98.5) = 98).
    SetViewTransform({0, 0, 101, 101}, 0, 0, 101, 101);
    EXPECT_EQ(ToScreenX(2.5), 2);
    EXPECT_EQ(ToScreenX(3.5), 4);
    EXPECT_EQ(ToScreenX(-2.5), -2);
    EXPECT_EQ(ToScreenX(2.6), 3);
    EXPECT_EQ(ToScreenY(2.5), 99);
    EXPECT_EQ(ToScreenY(3.5), 97);
}

TEST_F(ViewTransform, ScreenToWorldInvertsTheTransform) {
    EXPECT_EQ(ToWorldX(0), Drawing().XMin);
    EXPECT_NEAR(ToWorldX(200), 0, 1e-12);
    EXPECT_NEAR(ToWorldX(230), 1, 1e-12);
    EXPECT_EQ(ToWorldY(300), Drawing().YMin);
    EXPECT_NEAR(ToWorldY(150), 0, 1e-12);
    EXPECT_NEAR(ToWorldY(120), 1, 1e-12);
}

TEST_F(ViewTransform, SetWorldWindowUsesTheScreenRectangle) {
    Drawing().ScreenRect = {0, 0, 600, 300};
    SetWorldWindow(-6, -5, 6, 5);
    EXPECT_NEAR(Drawing().XMin, -10, 1e-12);
    EXPECT_EQ(Drawing().DeviceHeight, 300);
}

// Setting the window that SetViewTransform produced changes nothing, on every size and for windows
// flatter, narrower and of the very shape of the area: ratios one rounding step apart count as equal.
TEST_F(ViewTransform, ApplyingItsOwnResultChangesNothing) {
    const WorldWindow windows[] = {
        {-6, -5, 6, 5}, {-1, -3, 17, 2.5}, {0.1, 0.2, 0.3, 0.7}, {-120, -9, 35, 80}};
    for (int width = 20; width <= 1200; width += 37) {
        for (int height = 20; height <= 1000; height += 41) {
            const DeviceRect area{0, 0, width, height};
            for (const WorldWindow& w : windows) {
                SetViewTransform(area, w.xmin, w.ymin, w.xmax, w.ymax);
                const DrawState first = Drawing();
                SetViewTransform(area, first.XMin, first.YMin, first.XMax, first.YMax);
                ExpectTransform(first);
                if (HasFailure()) FAIL() << width << "x" << height << " from " << w.xmin << "," << w.ymin;
            }
        }
    }
}

// The window chosen through SetWorldWindow stays apart from the window as shown, which is fitted from
// it; a window without size is not chosen.
TEST_F(ViewTransform, FittingKeepsTheChosenWindowApartFromTheShownOne) {
    Drawing().ScreenRect = {0, 0, 472, 366};
    SetWorldWindow(-6, -5, 6, 5);
    const DrawState before = Drawing();
    Drawing().ScreenRect = {0, 0, 472, 700};
    FitWorldWindow();
    EXPECT_NEAR(Drawing().YMax, 6 * 700.0 / 472, 1e-12);
    Drawing().ScreenRect = {0, 0, 472, 366};
    FitWorldWindow();
    ExpectTransform(before);

    SetWorldWindow(3, 3, 3, 4);
    SetWorldWindow(kNaN, 0, 1, 1);
    EXPECT_EQ(Drawing().ChosenWindow, (WorldWindow{-6, -5, 6, 5}));
    ExpectTransform(before);
}

TEST_F(ViewTransform, DegenerateRectangleKeepsTheTransform) {
    const DrawState before = Drawing();
    SetViewTransform({0, 0, 0, 300}, -1, -1, 1, 1);
    SetViewTransform({0, 0, 400, 0}, -1, -1, 1, 1);
    SetViewTransform({50, 50, 10, 300}, -1, -1, 1, 1);
    SetViewTransform({0, 300, 400, 0}, -1, -1, 1, 1);
    Drawing().ScreenRect = {};
    SetWorldWindow(-1, -1, 1, 1);
    ExpectTransform(before);
}

TEST_F(ViewTransform, WindowWithoutFinitePositiveSizeKeepsTheTransform) {
    const DrawState before = Drawing();
    SetViewTransform(kArea, 2, -5, 2, 5);               // no width
    SetViewTransform(kArea, -6, 5, 6, 5);               // no height
    SetViewTransform(kArea, 6, -5, -6, 5);              // mirrored
    SetViewTransform(kArea, -6, 5, 6, -5);              // mirrored
    SetViewTransform(kArea, kNaN, -5, 6, 5);            // NaN
    SetViewTransform(kArea, -6, -5, 6, kNaN);           // NaN
    SetViewTransform(kArea, -kInf, -5, 6, 5);           // infinite
    SetViewTransform(kArea, -1e308, -5, 1e308, 5);      // width overflows
    SetViewTransform(kArea, 0, 0, 1e-320, 1e-320);      // scales overflow
    SetViewTransform(kArea, 1e308, 0, 1.7e308, 1e308);  // the widened window's centre overflows
    ExpectTransform(before);
}

TEST_F(ViewTransform, FarPointsAreClampedAndNaNMapsToZero) {
    EXPECT_EQ(ToScreenX(1e300), kDeviceLimit);
    EXPECT_EQ(ToScreenX(-1e300), -kDeviceLimit);
    EXPECT_EQ(ToScreenY(1e300), -kDeviceLimit);
    EXPECT_EQ(ToScreenY(-kInf), kDeviceLimit);
    EXPECT_EQ(ToScreenX(kNaN), 0);
    EXPECT_EQ(ToScreenY(kNaN), 0);
    EXPECT_TRUE(std::isfinite(ToScreenXf(kInf)));
    EXPECT_TRUE(std::isfinite(ToScreenYf(-kInf)));
    EXPECT_EQ(ToScreenXf(kNaN), 0);
    EXPECT_EQ(ToScreenXf(1), 230);
    EXPECT_EQ(ToScreenYf(0.5), 135);
}

TEST(InitialDrawState, IsAValidTransform) {
    DrawStateGuard guard;
    Drawing() = DrawState{};
    const DrawState& s = Drawing();
    EXPECT_EQ(ToScreenX(s.XMax) - ToScreenX(s.XMin), 12);
    EXPECT_EQ(ToScreenY(s.YMax), 0);
    EXPECT_EQ(ToScreenY(s.YMin), s.DeviceHeight);
    EXPECT_EQ(ToWorldX(ToScreenX(3)), 3);
    EXPECT_EQ(ToWorldY(ToScreenY(-2)), -2);
}

TEST(InitialDrawState, ScreenToWorldSurvivesOverwrittenScales) {
    DrawStateGuard guard;
    Drawing().XScale = 0;
    Drawing().YScale = kNaN;
    EXPECT_TRUE(std::isfinite(ToWorldX(100)));
    EXPECT_TRUE(std::isfinite(ToWorldY(100)));
}

TEST_F(ViewTransform, ClearCanvasFillsTheClipRectangleWhite) {
    canvas.brush.style = BrushStyle::Clear;
    ClearCanvas();
    ASSERT_EQ(canvas.ops.size(), 1u);
    const RecordedOp& fill = canvas.ops[0];
    EXPECT_EQ(fill.kind, RecordedOp::FillRect);
    EXPECT_EQ(fill.x2, 400);
    EXPECT_EQ(fill.y2, 300);
    EXPECT_EQ(fill.brush, (Brush{kWhite, BrushStyle::Solid}));
}

TEST(NoCanvas, EveryPrimitiveDoesNothing) {
    DrawStateGuard guard;
    Drawing().DrawCanvas = nullptr;
    ClearCanvas();
    DrawStyledLine(0, 0, 10, 10, 6);
    DrawPointMark(7, 1, 1);
    DrawPointLabel("P", 1, 1);
    DrawAxes();
    DrawFigureLabel("g", 1, 1);
    DrawAngleLabel("alpha", 1, 1, 30);
    DrawSegment(1, 0, 0, 1, 1);
    DrawStraightLine(1, 0, 0, 1, 1);
    DrawRay(1, 0, 0, 1, 1);
    DrawCircle(1, 0, 0, 1e9);
    DrawAngleArc(0, 90, 6, 0, 0);
    SUCCEED();
}
