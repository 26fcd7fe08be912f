// Tests of circles and angles.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "geometry/tkreis.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "tests/geometry/canvasfixture.h"

namespace {
// Direction in whole degrees (0 .. 359) of device point (x, y) seen from (cx, cy); y grows downwards.
int DeviceDirection(int cx, int cy, int x, int y) {
    const double degrees = std::atan2(cy - y, x - cx) * 180 / std::numbers::pi;
    return (static_cast<int>(std::lround(degrees)) + 360) % 360;
}
}  // namespace

TEST(Circle, ExtentAndNoDefiningPoints) {
    TPunkt m("M", 1, 1);
    TKreis k(&m, "k", 2), negative(&m, "n", -2);
    EXPECT_EQ(Extent(k), (Box{-1, -1, 3, 3}));
    EXPECT_EQ(Extent(negative), (Box{-1, -1, 3, 3}));  // the box of the circle that is drawn
    EXPECT_EQ(k.StartPoint(), nullptr);
    EXPECT_FALSE(TKreis(&m, "", INFINITY).IsFinite());
}

TEST(AngleArc, DirectionsFollowLegAndSign) {
    struct Case {
        double fx, fy, value;
        int from, to;
        double label;
    };
    const Case cases[] = {
        {4, 0, 60, 0, 60, 30},         {4, 0, -60, 300, 360, 330}, {0, -2, 90, 270, 360, 315},
        {-1, -1, 45, 225, 270, 247.5}, {0, 0, 30, 90, 120, 105},   {4, -4, 10, 315, 325, 320},
        {4, 0, 0.5, 0, 0, 0.25},  // 0.5 rounds to the even 0: a full circle like value 0
    };
    for (const Case& c : cases) {
        const AngleArc arc = ComputeAngleArc(0, 0, c.fx, c.fy, c.value);
        EXPECT_EQ(arc.from, c.from) << c.fx << "," << c.fy << " " << c.value;
        EXPECT_EQ(arc.to, c.to) << c.fx << "," << c.fy << " " << c.value;
        EXPECT_NEAR(arc.labelDirection, c.label, 1e-9) << c.fx << "," << c.fy << " " << c.value;
    }
}

TEST(AngleArc, HugeValuesKeepTheirDirectionModulo360) {
    const int rest = static_cast<int>(std::fmod(1e300, 360.0));
    EXPECT_EQ(ComputeAngleArc(0, 0, 4, 0, 1e300).to, rest);
    EXPECT_EQ(ComputeAngleArc(0, 0, 4, 0, -1e300).from, -rest);
}

TEST(Angle, DescriptionHitAndOwnershipOfItsLeg) {
    struct CountedLeg : TStrecke {
        CountedLeg(TPunkt* a, TPunkt* b, int& destroyed) : TStrecke(a, b, ""), destroyed_(destroyed) {}
        ~CountedLeg() override { ++destroyed_; }
        int& destroyed_;
    };
    TPunkt v("V", 2, 3), f("F", 6, 3);
    int destroyed = 0;
    CountedLeg shared(&v, &f, destroyed);
    {
        TWinkel w(&shared, &v, -45.5, "alpha");
        EXPECT_EQ(w.Describe(), "Winkel alpha: -45.5 grad");
        EXPECT_EQ(w.HitTest(2.1, 3.1), &w);
        EXPECT_FALSE(TWinkel(&shared, &v, NAN, "").IsFinite());
        TWinkel owner(std::make_unique<CountedLeg>(&v, &f, destroyed), &v, 30, "");
        EXPECT_NE(owner.GetLeg(), &shared);
    }
    EXPECT_EQ(destroyed, 1);  // only the leg made for the angle
}

using CurvedDrawing = CanvasTest;

TEST_F(CurvedDrawing, CircleDrawsCentreThenCircleThenLabel) {
    TPunkt m("M", 1, 1);
    TKreis(&m, "k", 2).Draw();
    ASSERT_EQ(canvas.ops.size(), 5u);
    EXPECT_EQ(canvas.ops[2].text, "M");
    EXPECT_EQ(canvas.ops[3].kind, RecordedOp::Arc);
    EXPECT_EQ(canvas.ops[4].x1, 192);  // anchor (-0.4, -0.4), below left
    EXPECT_EQ(canvas.ops[4].y1, 208 - 13);
    canvas.Clear();
    TKreis(&m, "k", -2).Draw();
    ASSERT_EQ(canvas.ops.size(), 5u);
    EXPECT_EQ(std::abs(canvas.ops[3].x2 - canvas.ops[3].x1), 80);
    EXPECT_EQ(canvas.ops[4].x1, 248);  // anchor (2.4, 2.4), upper right
    EXPECT_EQ(canvas.ops[4].y1, 152 - 13);
}

TEST_F(CurvedDrawing, AngleDrawsArcThenGreekLabelOnBisector) {
    TPunkt v("V", 0, 0), f("F", 4, 0);
    TStrecke leg(&f, &v, "");  // the vertex is the end point: the far end is the start point
    TWinkel(&leg, &v, 60, "alpha").Draw();
    ASSERT_EQ(canvas.ops.size(), 2u);
    ASSERT_EQ(canvas.ops[0].kind, RecordedOp::Arc);
    EXPECT_EQ(DeviceDirection(200, 200, canvas.ops[0].x3, canvas.ops[0].y3), 0);
    EXPECT_EQ(DeviceDirection(200, 200, canvas.ops[0].x4, canvas.ops[0].y4), 60);
    EXPECT_EQ(canvas.ops[1].text, "a");
    EXPECT_EQ(canvas.ops[1].font.name, "Symbol");
    EXPECT_EQ(canvas.ops[1].x1, 200 + 16 - 3);  // 1.5 text heights along 30 degrees, centred
    EXPECT_EQ(canvas.ops[1].y1, 200 - 9 - 6);
}

TEST_F(CurvedDrawing, AngleFollowsItsVertexAndMapsNegativeDirections) {
    TPunkt v("V", 0, 0), f("F", 4, 0);
    TStrecke leg(&v, &f, "");
    TWinkel w(&leg, &v, -400, "");
    v.X = 1;  // drawn at the vertex as it is now
    f.X = 5;
    w.Draw();
    const auto arcs = canvas.Arcs();
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ((arcs[0].x1 + arcs[0].x2) / 2, 220);
    EXPECT_EQ(DeviceDirection(220, 200, arcs[0].x3, arcs[0].y3), 320);  // -40
    EXPECT_EQ(DeviceDirection(220, 200, arcs[0].x4, arcs[0].y4), 0);
    for (const RecordedOp& text : canvas.Texts())
        EXPECT_TRUE(text.text.empty());
}

// Small angles and angles just over a full turn keep their arc for every leg direction: only a value
// whose rounded directions coincide (0 here) gives the full circle.
TEST_F(CurvedDrawing, SmallAnglesDrawAnArcForEveryLegDirection) {
    TPunkt v("V", 1, -2);
    for (int leg = 0; leg < 360; ++leg) {
        const double t = leg * std::numbers::pi / 180;
        TPunkt f("F", 1 + 4 * std::cos(t), -2 + 4 * std::sin(t));
        TStrecke legSegment(&v, &f, "");
        for (const double value : {1.0, 2.0, 361.0, -1.0, 0.0}) {
            canvas.Clear();
            TWinkel(&legSegment, &v, value, "").Draw();
            const auto arcs = canvas.Arcs();
            ASSERT_EQ(arcs.size(), 1u);
            const RecordedOp& arc = arcs[0];
            const double start = ArcPointDirection(arc, arc.x3, arc.y3);
            const double end = ArcPointDirection(arc, arc.x4, arc.y4);
            const double first = value < 0 ? leg + value : leg;
            const double last = value < 0 ? leg : leg + value;
            EXPECT_NEAR(std::remainder(start - first, 360), 0, 1e-3) << leg << " " << value;
            EXPECT_NEAR(std::remainder(end - last, 360), 0, 1e-3) << leg << " " << value;
            const bool fullCircle = arc.x3 == arc.x4 && arc.y3 == arc.y4;
            EXPECT_EQ(fullCircle, value == 0) << leg << " " << value;
        }
    }
}
