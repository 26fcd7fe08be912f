// Tests of segments, rays, lines, perpendiculars and parallels.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/tgerade.h"
#include "geometry/tkreis.h"
#include "geometry/tparallele.h"
#include "geometry/tsenkrechte.h"
#include "geometry/tstrecke.h"
#include "tests/geometry/canvasfixture.h"

TEST(Straight, ExtentIsBoxOfDefiningPoints) {
    TPunkt a("A", 3, -1), b("B", -2, 5);
    TGerade g(&a, &b, "g");
    EXPECT_EQ(Extent(g), (Box{-2, -1, 3, 5}));
    g.Erase();
    EXPECT_EQ(Extent(g), (Box{0, 0, 0, 0}));
}

TEST(Straight, IsFiniteChecksDefiningPoints) {
    TPunkt a("A", 0, 0), bad("B", INFINITY, 0), c("C", 1, 0), steep("S", 2e-5, 1e308);
    EXPECT_TRUE(TStrecke(&a, &c, "").IsFinite());
    EXPECT_FALSE(TStrecke(&a, &bad, "").IsFinite());
    EXPECT_FALSE(TSenkrechte(TStrecke(&a, &steep, ""), c, "").IsFinite());  // the slope overflows
    EXPECT_FALSE(TParallele(TKreis(&a, "k", 1), c, "").IsFinite());         // no defining points
}

TEST(Perpendicular, FirstConstructionPointLiesOnPerpendicularAwayFromP) {
    struct Case {
        double ax, ay, bx, by, px, py, qx, qy;
    };
    const Case cases[] = {
        {0, 0, 5, 0, 3, 4, 3, 1},  // horizontal base: one unit above the foot
        {0, 0, 0, 5, 3, 4, 1, 4},  // vertical base: one unit beside the foot
        {0, 0, 2, 2, 1, 1, 0, 2},  // p on the base: the base is shifted up by 2
        {0, 0, 2, 2, 1, 3, 2, 2},  // the foot
        {0, 0, 0, 5, 1, 3, 2, 3},  // vertical base, p where Q1 would be: two units beside the foot
        {0, 0, 5, 0, 3, 1, 3, 2},  // horizontal base, likewise
    };
    for (const Case& c : cases) {
        double qx, qy;
        PerpendicularConstructionPoint(c.ax, c.ay, c.bx, c.by, c.px, c.py, qx, qy);
        EXPECT_NEAR(qx, c.qx, 1e-12) << c.px << "," << c.py;
        EXPECT_NEAR(qy, c.qy, 1e-12) << c.px << "," << c.py;
    }
}

TEST(Perpendicular, FixedAtCreationAndTurnsWithRotation) {
    TPunkt a("A", 0, 0), b("B", 5, 0), p("P", 3, 4);
    TSenkrechte perp(TStrecke(&a, &b, ""), p, "s");
    p.X = 7;
    EXPECT_EQ(perp.StartPoint()->GetY(), 1);
    EXPECT_EQ(perp.EndPoint()->GetX(), 3);
    perp.Rotate(90);
    EXPECT_NEAR(perp.StartPoint()->GetX(), -1, 1e-12);
    EXPECT_NEAR(perp.EndPoint()->GetX(), -4, 1e-12);
}

TEST(Parallel, RunsFromPointMovedByBaseTowardsP) {
    TPunkt a("A", 1, 1), b("B", 4, 2), p("P", 0, 3);
    TParallele par(TStrecke(&a, &b, ""), p, "h");
    EXPECT_EQ(par.EndPoint()->GetX(), 0);
    par.Rotate(180);
    EXPECT_NEAR(par.StartPoint()->GetY(), -4, 1e-12);
}

using StraightDrawing = CanvasTest;

TEST_F(StraightDrawing, SegmentDrawsPointsThenStrokeThenLabelAtMiddle) {
    TPunkt a("A", 0, 0), b("B", 2, 0);
    TStrecke s(&a, &b, "s");
    s.SetColor(1);
    s.Draw();
    ASSERT_EQ(canvas.ops.size(), 8u);
    EXPECT_EQ(canvas.ops[2].text, "A");
    EXPECT_EQ(canvas.ops[5].text, "B");
    EXPECT_EQ(canvas.ops[6].x2, 240);
    EXPECT_EQ(canvas.ops[6].pen.color, kRed);
    EXPECT_EQ(canvas.ops[7].text, "s");
    EXPECT_EQ(canvas.ops[7].x1, 220);
    EXPECT_EQ(canvas.ops[7].y1, 200 - 12 - 1);
}
