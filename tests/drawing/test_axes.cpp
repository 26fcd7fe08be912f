// The coordinate cross: axes, arrows, ticks and grid dots, and its bounded work on huge windows.
#include <algorithm>
#include <array>
#include <cstddef>

#include "drawing/primitives.h"
#include "tests/drawing/drawingfixture.h"

namespace {

bool IsDot(const RecordedOp& op) {
    return op.x1 == op.x2 && op.y1 == op.y2;
}

std::size_t CountDots(const std::vector<RecordedOp>& lines) {
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), IsDot));
}

}  // namespace

using Axes = DrawingTest;

TEST_F(Axes, StartWindowHasThirteenByElevenGridDots) {
    DrawAxes();
    const auto lines = canvas.Lines();
    // 2 axes, 4 arrow strokes, 13 + 11 ticks, 13 * 11 dots.
    ASSERT_EQ(lines.size(), 2u + 4u + 13u + 11u + 143u);
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::array{0, 150, 400, 150}));
    EXPECT_EQ((std::array{lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
              (std::array{200, 300, 200, 0}));
    // e = 400 div 400 = 1.
    EXPECT_EQ((std::array{lines[2].x2, lines[2].y2}), (std::array{395, 154}));
    EXPECT_EQ((std::array{lines[3].x2, lines[3].y2}), (std::array{395, 146}));
    EXPECT_EQ((std::array{lines[4].x2, lines[4].y2}), (std::array{204, 5}));
    EXPECT_EQ((std::array{lines[5].x2, lines[5].y2}), (std::array{196, 5}));
    // First x tick at -6, first y tick at -5.
    EXPECT_EQ((std::array{lines[6].x1, lines[6].y1, lines[6].x2, lines[6].y2}),
              (std::array{20, 152, 20, 148}));
    EXPECT_EQ((std::array{lines[19].x1, lines[19].y1, lines[19].x2, lines[19].y2}),
              (std::array{198, 300, 202, 300}));
    for (std::size_t k = 0; k < 30; ++k)
        EXPECT_EQ(lines[k].pen, (Pen{kBlack, PenStyle::Solid, 1}));
    // Grid: i outer, j inner, style 3 (blue).
    EXPECT_EQ((std::array{lines[30].x1, lines[30].y1}), (std::array{20, 300}));
    EXPECT_EQ((std::array{lines[31].x1, lines[31].y1}), (std::array{20, 270}));
    EXPECT_EQ(CountDots(lines), 143u);
    EXPECT_EQ(lines.back().pen, (Pen{kBlue, PenStyle::Solid, 1}));
    EXPECT_EQ(canvas.pen, (Pen{kBlack, PenStyle::Solid, 1}));
}

TEST_F(Axes, IntegerRangesTruncateTowardZero) {
    SetViewTransform({0, 0, 100, 100}, -3.7, 0.5, 6.3, 10.5);
    DrawAxes();
    const auto lines = canvas.Lines();
    // i from -3 to 6, j from 0 to 10.
    EXPECT_EQ(lines.size(), 6u + 10u + 11u + 110u);
    EXPECT_EQ(lines[6].x1, ToScreenX(-3));
    EXPECT_EQ(lines[16].y1, ToScreenY(0));
}

TEST_F(Axes, MonochromeGridDotsAreTwoUnitsWide) {
    SetColorMode(false);
    DrawAxes();
    EXPECT_EQ(canvas.Lines().back().pen, (Pen{kBlack, PenStyle::Solid, 2}));
}

TEST_F(Axes, TooManyTicksAreLeftOut) {
    SetViewTransform({0, 0, 400, 400}, -999.5, -999.5, 999.5, 999.5);  // 1999 ticks each
    DrawAxes();
    EXPECT_EQ(canvas.Lines().size(), 6u + 2u * 1999u);

    canvas.Clear();
    SetViewTransform({0, 0, 400, 400}, -1000.5, -1000.5, 1000.5, 1000.5);  // 2001 ticks each
    DrawAxes();
    EXPECT_EQ(canvas.Lines().size(), 6u);
}

TEST_F(Axes, TooManyGridDotsAreLeftOut) {
    SetViewTransform({0, 0, 400, 400}, -99.5, -99.5, 99.5, 99.5);  // 199 * 199 = 39601 dots
    DrawAxes();
    EXPECT_EQ(CountDots(canvas.Lines()), 39601u);

    canvas.Clear();
    SetViewTransform({0, 0, 400, 400}, -100.5, -100.5, 100.5, 100.5);  // 201 * 201 = 40401 dots
    DrawAxes();
    EXPECT_EQ(canvas.Lines().size(), 6u + 2u * 201u);
}

TEST_F(Axes, HugeWindowsDrawOnlyTheAxesAndArrows) {
    for (const double half : {1e9, 1e12, 1e300}) {
        canvas.Clear();
        SetViewTransform(kArea, -half, -half, half, half);
        DrawAxes();
        const auto lines = canvas.Lines();
        ASSERT_EQ(lines.size(), 6u) << half;
        EXPECT_EQ((std::array{lines[0].x1, lines[0].x2}), (std::array{0, 400})) << half;
    }
}

TEST_F(Axes, WindowsFarFromTheOriginStayBounded) {
    // Far out, consecutive integers share one double: the loops must still end.
    SetViewTransform(kArea, 1e17, 1e17, 1e17 + 64, 1e17 + 48);
    DrawAxes();
    EXPECT_LE(canvas.Lines().size(), 6u + 2u * 65u + 65u * 65u);
    for (const RecordedOp& line : canvas.Lines()) {
        EXPECT_TRUE(InDeviceRange(line.x1));
        EXPECT_TRUE(InDeviceRange(line.y1));
    }
}
