// Tests of the point, its number format and the axes object.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/tachsen.h"
#include "geometry/tpunkt.h"
#include "tests/geometry/canvasfixture.h"

TEST(Point, DescriptionPadsCoordinatesAndCutsNumbers) {
    EXPECT_EQ(TPunkt("A", 1, -2.5).Describe(), "Punkt A hat die Koordinaten ( 1.00/-2.50)");
    EXPECT_EQ(TPunkt("P", 12.3, 0).Describe(), "Punkt P hat die Koordinaten (12.30/ 0.00)");
    EXPECT_EQ(TPunkt("Q", 12345678.9, 1e300).Describe(),
              "Punkt Q hat die Koordinaten (12345678.9/1000000000)");
    EXPECT_EQ(TPunkt("abcdefghijklmnopqrstuvwxy", 0, 0).GetName(), "abcdefghijklmnopqrst");
}

TEST(Point, RotationFollowsPolarRule) {
    TPunkt p("P", 3, 4), origin("O", 0, 0), nearAxis("N", 0.000001, 5), onAxis("Q", 0, 2);
    p.Rotate(90);
    EXPECT_NEAR(p.X, -4, 1e-12);
    EXPECT_NEAR(p.Y, 3, 1e-12);
    origin.Rotate(123);
    EXPECT_EQ(origin.X, 0);
    EXPECT_EQ(origin.Y, 0);
    nearAxis.Rotate(180);  // the tiny x is dropped
    EXPECT_NEAR(nearAxis.X, 0, 1e-12);
    EXPECT_NEAR(nearAxis.Y, -5, 1e-12);
    onAxis.Rotate(90);  // not rounded to zero
    EXPECT_NE(onAxis.Y, 0);
    EXPECT_LT(std::fabs(onAxis.Y), 1e-15);
}

TEST(Point, RotationNeverYieldsNonFiniteCoordinates) {
    TPunkt distant("F", 1e308, 1e308), p("P", 1, 0);
    distant.Rotate(45);
    p.Rotate(1e308);
    p.Rotate(NAN);
    EXPECT_TRUE(distant.IsFinite());
    EXPECT_TRUE(p.IsFinite());
    EXPECT_FALSE(TPunkt("P", INFINITY, 2).IsFinite());
}

TEST(Point, HitIsStrictWithinTwoTenthsAndIgnoresErasing) {
    TPunkt p("P", 0, 0), q("Q", 3, 4);
    EXPECT_EQ(p.HitTest(0.19, -0.19), &p);
    EXPECT_EQ(p.HitTest(0.2, 0), nullptr);
    EXPECT_EQ(p.HitTest(0, -0.2), nullptr);
    EXPECT_EQ(Extent(q), (Box{3, 4, 3, 4}));
    q.Erase();
    EXPECT_EQ(Extent(q), (Box{0, 0, 0, 0}));
    EXPECT_EQ(q.HitTest(3, 4), &q);
}

using PointDrawing = CanvasTest;

TEST_F(PointDrawing, DrawsBlackMarkThenLabelLeftBelow) {
    TPunkt p("A", 0, 0);
    p.SetColor(1);
    p.Draw();
    ASSERT_EQ(canvas.ops.size(), 3u);
    EXPECT_EQ(canvas.ops[1].pen.color, kBlack);
    EXPECT_EQ(canvas.ops[2].x1, 200 - 6 - 3);
    EXPECT_EQ(canvas.ops[2].y1, 200 + 3);
    canvas.Clear();
    p.Erase();
    p.Draw();
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(PointDrawing, AxesAreAPointKindAndDrawingShowsThem) {
    TAchsen axes;
    EXPECT_EQ(axes.KindName(), "Punkt");
    EXPECT_FALSE(axes.Visible);
    axes.Draw();
    EXPECT_TRUE(axes.Visible);
    EXPECT_FALSE(canvas.Lines().empty());
}
