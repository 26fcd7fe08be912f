// STRECKE, GERADE, STRAHL and MITTELPUNKT through the interpreter: forms, creation order, names, messages.
#include <string>
#include <vector>

#include "geometry/tstrecke.h"
#include "tests/support/parserfixture.h"

namespace {

const std::vector<const char*> kPoints = {"PUNKT A 0 0", "PUNKT B 3 4", "STRECKE s A B", "STRAHL r A B",
                                          "KREIS k A 1"};

TStrecke* Straight(TPunkt* object) {
    return dynamic_cast<TStrecke*>(object);
}

}  // namespace

using StraightTest = ParserTest;

// Forms, creation order, the 10-character cut and most messages are in the end-to-end file
// straight_figures; these are what its dump cannot show or it does not hold.
TEST_F(StraightTest, FiguresReferToTheirPointsRatherThanCopies) {
    ASSERT_TRUE(Run({"STRECKE s A B", "GERADE g A B", "STRAHL r B A"}));
    EXPECT_EQ(Straight(Obj("s"))->StartPoint(), Obj("A"));
    EXPECT_EQ(Straight(Obj("s"))->EndPoint(), Obj("B"));
    EXPECT_EQ(Straight(Obj("g"))->EndPoint(), Obj("B"));
    EXPECT_EQ(Straight(Obj("r"))->StartPoint(), Obj("B"));
    ASSERT_TRUE(Run({"PUNKT C 1 1", "PUNKT D 4 5", "STRAHL q C D", "STRECKE t q P 4"}));
    EXPECT_EQ(Straight(Obj("t"))->StartPoint(), Obj("C"));
    EXPECT_EQ(Straight(Obj("t"))->EndPoint(), Obj("P"));
}

TEST_F(StraightTest, SegmentOnRayTowardsNegativeX) {
    ASSERT_TRUE(Run({"PUNKT E 1 1", "PUNKT F -2 5", "STRAHL l E F", "STRECKE y l T 10"}));
    EXPECT_NEAR(Obj("T")->X, -5, 1e-12);
    EXPECT_NEAR(Obj("T")->Y, 9, 1e-12);
}

TEST_F(StraightTest, ZeroLengthOnRayGivesItsStart) {
    // Here rounding makes the discriminant slightly negative.
    ASSERT_TRUE(Run({"PUNKT A -7,3 -8,5", "PUNKT B 6 -1,2", "STRAHL r A B", "STRECKE s r P 0"}));
    EXPECT_NEAR(Obj("P")->X, -7.3, 1e-12);
    EXPECT_NEAR(Obj("P")->Y, -8.5, 1e-12);
}

TEST_F(StraightTest, RejectedLinesShowOneMessageAndAddNothing) {
    ExpectRejected({
        {kPoints, "STRECKE t X Y 1,5,5", "Keine korrekte Zahleingabe!"},
        {kPoints, "STRECKE t X", "Unerwartetes  Zeilenende!"},
        // One line never gives two new objects the same name.
        {{}, "STRECKE s s B", "Name ist bereits vergeben!"},
        {{}, "STRECKE s A A", "Name ist bereits vergeben!"},
        {{}, "STRECKE s A s", "Name ist bereits vergeben!"},
        {kPoints, "STRECKE t r t 4", "Name bereits vergeben !"},
    });
}

TEST_F(StraightTest, OverflowingRayComputationIsRejected) {
    // A ray so steep that the square of its slope overflows.
    const std::string pointB = "PUNKT B 0," + std::string(199, '0') + "1 1";
    ExpectRejected({{{"PUNKT A 0 0", pointB.c_str(), "STRAHL r A B"},
                     "STRECKE s r P 1",
                     "Gleitkomma\xFC"
                     "berlauf"}});
}
