// WINKEL through the interpreter: laying off angles, bisectors, creation order, names and messages.
#include <string>
#include <vector>

#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "tests/support/parserfixture.h"

namespace {

struct RejectedLine {
    std::vector<const char*> setup;
    const char* line;
    const char* message;  // Windows-1252
};

const std::vector<const char*> kLeg = {"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "GERADE g A B",
                                       "WINKEL alpha s A t 60"};

constexpr double kNear = 1e-4;

}  // namespace

class AngleTest : public ParserTest {
protected:
    // Each line must be rejected with exactly its message and leave the construction as it was.
    void ExpectRejected(const std::vector<RejectedLine>& cases) {
        for (const RejectedLine& c : cases) {
            SCOPED_TRACE(c.line);
            parser.Objects.FreeAll();
            for (const char* line : c.setup)
                ASSERT_TRUE(parser.Execute(line)) << line;
            messages.Clear();
            const int before = Count();
            EXPECT_FALSE(parser.Execute(c.line));
            EXPECT_EQ(OnlyError(), c.message);
            EXPECT_EQ(Count(), before);
        }
    }
    // The erased point the ray named rayName runs through.
    const TPunkt& Aim(const char* rayName) { return *dynamic_cast<TStrecke*>(Obj(rayName))->EndPoint(); }
};

TEST_F(AngleTest, AngleCreatesAuxiliaryPointRayAndAngleInOrder) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "WINKEL alpha s A t 60"}));
    ASSERT_EQ(Count(), 6);
    const TPunkt* aux = parser.Objects.Item(3);
    EXPECT_FALSE(aux->Visible);
    EXPECT_EQ(aux->Name, "");
    EXPECT_NEAR(aux->X, 2, 1e-12);
    EXPECT_NEAR(aux->Y, 3.4641, kNear);
    EXPECT_EQ(parser.Objects.Item(4), Obj("t"));
    EXPECT_EQ(dynamic_cast<TStrecke*>(Obj("t"))->StartPoint(), Obj("A"));
    EXPECT_EQ(dynamic_cast<TStrecke*>(Obj("t"))->EndPoint(), aux);
    const auto* alpha = dynamic_cast<TWinkel*>(parser.Objects.Item(5));
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->Name, "alpha");
    EXPECT_EQ(alpha->GetValue(), 60);
    EXPECT_EQ(alpha->GetLeg(), Obj("s"));
    EXPECT_EQ(alpha->GetVertex(), Obj("A"));
}

TEST_F(AngleTest, NewLegTurnsFromTheLegsFarEnd) {
    // Reversed segment, same vertex: the far end is still B.
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s B A", "WINKEL a s A t 60"}));
    EXPECT_NEAR(Aim("t").X, 2, kNear);
    EXPECT_NEAR(Aim("t").Y, 3.4641, kNear);
    ASSERT_TRUE(Run({"WINKEL b s B u 90", "WINKEL c s A v -90"}));
    EXPECT_NEAR(Aim("u").X, 4, kNear);
    EXPECT_NEAR(Aim("u").Y, -4, kNear);
    EXPECT_NEAR(Aim("v").Y, -4, kNear);
    // Vertical leg pointing down: 90 degrees on from 270.
    ASSERT_TRUE(Run({"PUNKT C 0 -2", "STRAHL r A C", "WINKEL d r A w 90"}));
    EXPECT_NEAR(Aim("w").X, 2, kNear);
    EXPECT_NEAR(Aim("w").Y, 0, kNear);
    // A vertex off the leg measures from the leg's start.
    ASSERT_TRUE(Run({"PUNKT D 1 1", "WINKEL e s D x 0"}));
    EXPECT_NEAR(Aim("x").X, 4, kNear);
    EXPECT_NEAR(Aim("x").Y, 0, kNear);
}

TEST_F(AngleTest, BisectorHalvesTheAngleWithoutNewAngle) {
    ASSERT_TRUE(
        Run({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "WINKEL alpha s A t 60", "WINKEL HALB w alpha"}));
    EXPECT_EQ(Count(), 8);
    EXPECT_FALSE(parser.Objects.Item(6)->Visible);
    EXPECT_EQ(dynamic_cast<TStrecke*>(Obj("w"))->StartPoint(), Obj("A"));
    EXPECT_NEAR(Aim("w").X, 3.4641, kNear);
    EXPECT_NEAR(Aim("w").Y, 2, kNear);
    ASSERT_TRUE(Run({"WINKEL halbierende x alpha", "WINKEL hAlB y alpha"}));
    EXPECT_EQ(Obj("y")->KindName(), "Strahl");
}

TEST_F(AngleTest, NamesAreCutToTenButKeywordIsComparedWhole) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B",
                     "WINKEL alphabetagamma s A strahlnummer1 30", "WINKEL HALBIERENDEX s A u 30"}));
    EXPECT_EQ(Obj("alphabetag")->KindName(), "Winkel");
    EXPECT_EQ(Obj("strahlnumm")->KindName(), "Strahl");
    EXPECT_EQ(Obj("HALBIEREND")->KindName(), "Winkel");
}

TEST_F(AngleTest, RejectedLinesShowOneMessageAndAddNothing) {
    ExpectRejected({
        {kLeg, "WINKEL alpha s A u 30", "Name ist bereits vergeben!"},
        {kLeg, "WINKEL beta X A u 30", "Stecke oder Strahl nicht vorhanden!"},
        {kLeg, "WINKEL beta g A u 30", "Strecke oder Strahl als ersten Schenkel eingeben!"},
        {kLeg, "WINKEL beta s X u 30", "Scheitelpunkt exisitiert nicht !"},
        {kLeg, "WINKEL beta s s u 30", "Punkt eingeben !"},
        {kLeg, "WINKEL beta s A B 30", "Name ist bereits vergeben!"},
        {kLeg, "WINKEL beta s A beta 30", "Name ist bereits vergeben!"},
        {kLeg, "WINKEL beta s A u", "Zahl erwartet!"},
        {kLeg, "WINKEL 1beta s A u 30", "Kein erlaubter Name! Buchstabe erwartet!"},
        {{"PUNKT A 0 0"}, "WINKEL", "Unerwartetes  Zeilenende!"},
        {kLeg, "WINKEL HALB t alpha", "Name ist bereits vergeben!"},
        {kLeg, "WINKEL HALB w beta", "Winkel nicht vorhanden"},
        {kLeg, "WINKEL HALB w s", "Winkelbezeichnung erwartet!"},
        {kLeg, "WINKEL HALB w", "Unerwartetes  Zeilenende!"},
        // An erased auxiliary point has the empty name that a bare WINKEL asks for.
        {{"PUNKT A 0 0", "PUNKT B 1 1", "GERADE g A B", "PARALLELE p g 1"},
         "WINKEL",
         "Name ist bereits vergeben!"},
    });
}

TEST_F(AngleTest, OverflowingLegLengthIsRejected) {
    const std::string far = "PUNKT F 1" + std::string(200, '0') + " 0";
    ExpectRejected({{{"PUNKT A 0 0", far.c_str(), "STRECKE s A F"},
                     "WINKEL a s A t 30",
                     "Gleitkomma\xFC"
                     "berlauf"}});
}
