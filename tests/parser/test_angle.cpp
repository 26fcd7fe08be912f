// WINKEL through the interpreter: laying off angles, bisectors, creation order, names and messages.
#include <string>
#include <vector>

#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "tests/support/parserfixture.h"

namespace {

const std::vector<const char*> kLeg = {"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "GERADE g A B",
                                       "WINKEL alpha s A t 60"};

}  // namespace

using AngleTest = ParserTest;

TEST_F(AngleTest, AngleAndItsRayReferToTheirPoints) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "WINKEL alpha s A t 60"}));
    ASSERT_EQ(Count(), 6);
    const TPunkt* aux = parser.Objects.Item(3);
    EXPECT_EQ(dynamic_cast<TStrecke*>(Obj("t"))->StartPoint(), Obj("A"));
    EXPECT_EQ(dynamic_cast<TStrecke*>(Obj("t"))->EndPoint(), aux);
    const auto* alpha = dynamic_cast<TWinkel*>(parser.Objects.Item(5));
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->GetLeg(), Obj("s"));
    EXPECT_EQ(alpha->GetVertex(), Obj("A"));
}

TEST_F(AngleTest, BisectorStartsAtTheVertexAndTheKeywordIsComparedWhole) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "WINKEL alpha s A t 60",
                     "WINKEL HALB w alpha", "WINKEL HALBIERENDEX s A u 30"}));
    EXPECT_EQ(dynamic_cast<TStrecke*>(Obj("w"))->StartPoint(), Obj("A"));
    EXPECT_EQ(Obj("HALBIEREND")->KindName(), "Winkel");
}

// Values, creation order, name cuts and the other messages are in the end-to-end file angle_figures.
TEST_F(AngleTest, BisectorWithoutAngleNameIsRejected) {
    ExpectRejected({{kLeg, "WINKEL HALB w", "Unerwartetes  Zeilenende!"}});
}

TEST_F(AngleTest, OverflowingLegLengthIsRejected) {
    const std::string far = "PUNKT F 1" + std::string(200, '0') + " 0";
    ExpectRejected({{{"PUNKT A 0 0", far.c_str(), "STRECKE s A F"},
                     "WINKEL a s A t 30",
                     "Gleitkomma\xFC"
                     "berlauf"}});
}
