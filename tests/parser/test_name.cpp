// BEZEICHNE through the interpreter: intersection points of two figures and named angles.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "tests/support/parserfixture.h"

namespace {

constexpr double kTolerance = 1e-9;

class BezeichneTest : public ParserTest {
protected:
    // g: y = 2x through A and B; h: y = 2 through C and D; k: radius 2 about M; e: y = 1.
    void BuildFigures() {
        ASSERT_TRUE(
            Run({"PUNKT A 0 0", "PUNKT B 2 4", "PUNKT C 0 2", "PUNKT D 2 2", "GERADE g A B", "GERADE h C D",
                 "PUNKT M 0 0", "KREIS k M 2", "PUNKT E 0 1", "PUNKT F 1 1", "GERADE e E F"}));
    }
    TWinkel* Angle(const char* name) const { return dynamic_cast<TWinkel*>(Obj(name)); }
};

// Intersection cases beyond the end-to-end files: a line with itself, and a name cut to twenty characters.
TEST_F(BezeichneTest, SameOrParallelLinesAndLongNames) {
    BuildFigures();
    for (const char* line : {"BEZ SP g g S"}) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(line)) << line;
        EXPECT_EQ(OnlyError(), "Schnittpunkt ist nicht eindeutig!") << line;
        EXPECT_EQ(Obj("S"), nullptr) << line;
    }
    EXPECT_TRUE(Run({"BEZ SP g h Schnittpunktnummer12345"}));
    EXPECT_NE(Obj("Schnittpunktnummer12"), nullptr);
}

TEST_F(BezeichneTest, APointLegIsANamelessSegmentOwnedByTheAngle) {
    ASSERT_TRUE(Run({"PUNKT A 1 0", "PUNKT S 0 0", "PUNKT B 0 1"}));
    EXPECT_TRUE(Run({"BEZ WINKEL A S B alpha"}));
    ASSERT_NE(Angle("alpha"), nullptr);

    // A point leg becomes a nameless segment from the vertex, owned by the angle alone.
    const TStrecke* leg = Angle("alpha")->GetLeg();
    ASSERT_NE(leg, nullptr);
    EXPECT_EQ(leg->KindName(), "Strecke");
    EXPECT_TRUE(leg->GetName().empty());
    EXPECT_EQ(leg->StartPoint(), Obj("S"));
    EXPECT_EQ(leg->EndPoint(), Obj("A"));
    EXPECT_EQ(Angle("alpha")->GetVertex(), Obj("S"));
    for (int i = 0; i < Count(); ++i)
        EXPECT_NE(parser.Objects.Item(i), leg);
}

TEST_F(BezeichneTest, AngleValueCoversEveryQuadrant) {
    ASSERT_TRUE(Run({"PUNKT S 0 0", "PUNKT Down 0 -2", "PUNKT Right 1 0", "PUNKT UpLeft -1 1",
                     "PUNKT DownLeft -1 -1", "PUNKT Near1 0,3 0,1", "PUNKT Near2 0,9 0,3"}));
    const struct {
        const char* line;
        const char* name;
        double value;
    } cases[] = {
        {"BEZ WINKEL UpLeft S DownLeft w2", "w2", 90},
        {"BEZ WINKEL Right S DownLeft w3", "w3", 225},
        {"BEZ WINKEL Right S Right w5", "w5", 0},
        // The same direction, with a difference that rounds a hair below 0: 0, never 360.
        {"BEZ WINKEL Near1 S Near2 w6", "w6", 0},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(parser.Execute(c.line)) << c.line;
        ASSERT_NE(Angle(c.name), nullptr) << c.line;
        EXPECT_NEAR(Angle(c.name)->GetValue(), c.value, kTolerance) << c.line;
        EXPECT_GE(Angle(c.name)->GetValue(), 0) << c.line;
        EXPECT_LT(Angle(c.name)->GetValue(), 360) << c.line;
    }
}

TEST_F(BezeichneTest, SegmentAndRayLegsAreMatchedToTheVertexByIdentity) {
    ASSERT_TRUE(
        Run({"PUNKT A 1 0", "PUNKT S 0 0", "PUNKT B 0 1", "STRECKE s S A", "STRAHL r S B", "STRECKE t A S"}));
    EXPECT_TRUE(Run({"BEZ WINKEL s S r gamma", "BEZ WINKEL t S B delta"}));
    EXPECT_EQ(Angle("gamma")->GetLeg(), Obj("s"));
    EXPECT_EQ(Angle("delta")->GetLeg(), Obj("t"));  // vertex at the segment's end
}

// Argument errors the end-to-end file name_angle does not hold.
TEST_F(BezeichneTest, AngleArgumentErrorsCreateNothing) {
    ASSERT_TRUE(
        Run({"PUNKT A 1 0", "PUNKT S 0 0", "PUNKT B 0 1", "STRECKE s S A", "STRAHL r S B", "STRAHL q B S",
             "GERADE g S A", "PUNKT T 0 0", "STRECKE u T A", "PUNKT M 5 5", "KREIS k M 1"}));
    const struct {
        const char* line;
        std::string error;
    } cases[] = {
        {"BEZ WINKEL k S A w", "Strecke, Strahl oder Gerade erwartet !"},
        {"BEZ WINKEL A S X w", "Punkt-,Strecken- oder Strahlname erwartet!"},
        // Same coordinates as the vertex, but a different object.
        {"BEZ WINKEL u S B w", "Scheitelpunkt liegt nicht auf der Strecke!"},
        {"BEZ WINKEL A S", "Unerwartetes  Zeilenende!"},
    };
    for (const auto& c : cases) {
        const int before = Count();
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        EXPECT_EQ(Count(), before) << c.line;
    }
}

}  // namespace
