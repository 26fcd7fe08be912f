// SENKRECHTE, PARALLELE and KREIS through the interpreter: base figures, auxiliary point, radii, messages.
#include <string>
#include <vector>

#include "geometry/tkreis.h"
#include "tests/support/parserfixture.h"

namespace {

const std::vector<const char*> kBase = {"PUNKT A 0 0",   "PUNKT B 5 0",  "PUNKT P 3 4",
                                        "STRECKE s A B", "GERADE g A P", "KREIS k A 1"};

}  // namespace

using ConstructTest = ParserTest;

// Positions, radii, name cuts and most messages are in the end-to-end file construct_figures; these are
// what its dump cannot show or it does not hold.
TEST_F(ConstructTest, PerpendicularOnRaysAndPerpendicularsAndCircleKeepsItsCentre) {
    for (const char* line : kBase)
        ASSERT_TRUE(parser.Execute(line));
    ASSERT_TRUE(
        Run({"SENKRECHTE n s P", "STRAHL r A P", "SENKRECHTE b n A", "SENKRECHTE c r B", "KREIS d A P"}));
    EXPECT_EQ(dynamic_cast<TKreis*>(Obj("d"))->Center(), Obj("A"));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ConstructTest, RejectedLinesShowOneMessageAndAddNothing) {
    ExpectRejected({
        {kBase, "SENKRECHTE n P A", "Strecke, Strahl oder Gerade erwartet !"},
        {kBase, "PARALLELE p g k", "Punktname erwartet !"},
        {kBase, "KREIS c A -", "Keine korrekte Zahleingabe!"},
    });
}

TEST_F(ConstructTest, OverflowingRadiusIsRejected) {
    const std::string far = "PUNKT F 1" + std::string(200, '0') + " 0";
    ExpectRejected({{{"PUNKT A 0 0", far.c_str()},
                     "KREIS c A F",
                     "Gleitkomma\xFC"
                     "berlauf"}});
}
