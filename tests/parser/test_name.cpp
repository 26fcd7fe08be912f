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

TEST_F(BezeichneTest, OnePointIsCreatedAndASecondNameIgnored) {
    BuildFigures();
    const int before = Count();
    EXPECT_TRUE(Run({"BEZ SP g h S T"}));
    ASSERT_NE(Obj("S"), nullptr);
    EXPECT_NEAR(Obj("S")->GetX(), 1, kTolerance);
    EXPECT_NEAR(Obj("S")->GetY(), 2, kTolerance);
    EXPECT_EQ(Obj("T"), nullptr);
    EXPECT_EQ(Count(), before + 1);
    // Keywords in any case, command word long or short.
    EXPECT_TRUE(Run({"bezeichne Schnittpunkt g h U", "Bez sp h g V"}));
    EXPECT_NE(Obj("U"), nullptr);
    EXPECT_NE(Obj("V"), nullptr);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(BezeichneTest, TwoPointsAreCreatedInSlotOrder) {
    BuildFigures();
    const int before = Count();
    EXPECT_TRUE(Run({"BEZ SP e k P Q"}));
    ASSERT_EQ(Count(), before + 2);
    EXPECT_EQ(parser.Objects.Item(before), Obj("P"));
    EXPECT_EQ(parser.Objects.Item(before + 1), Obj("Q"));
    EXPECT_NEAR(Obj("P")->GetX(), std::sqrt(3.0), kTolerance);  // the larger x first
    EXPECT_NEAR(Obj("P")->GetY(), 1, kTolerance);
    EXPECT_NEAR(Obj("Q")->GetX(), -std::sqrt(3.0), kTolerance);
    EXPECT_EQ(Obj("P")->Color, parser.CurrentColor);
}

TEST_F(BezeichneTest, UsedSecondNameKeepsTheFirstPoint) {
    BuildFigures();
    const int before = Count();
    EXPECT_FALSE(Run({"BEZ SP e k P P"}));
    EXPECT_EQ(OnlyError(), "Name ist bereits vergeben!");
    EXPECT_EQ(Count(), before + 1);
    EXPECT_NEAR(Obj("P")->GetX(), std::sqrt(3.0), kTolerance);

    messages.Clear();
    EXPECT_FALSE(Run({"BEZ SP e k R M"}));
    EXPECT_EQ(OnlyError(), "Name ist bereits vergeben!");
    EXPECT_NE(Obj("R"), nullptr);
    EXPECT_EQ(Count(), before + 2);
}

TEST_F(BezeichneTest, RejectedLinesCreateNothing) {
    BuildFigures();
    ASSERT_TRUE(Run({"PUNKT G 0 5", "PUNKT H 1 7", "GERADE p G H", "PARALLELE q g B", "PUNKT V1 3 0",
                     "PUNKT V2 3 1", "GERADE v V1 V2", "GERADE w V2 V1", "STRECKE s E F"}));
    const struct {
        const char* line;
        std::string error;
    } cases[] = {
        {"BEZ", "Name fehlt!"},
        {"BEZEICHNE   ", "Name fehlt!"},
        {"BEZ PUNKT A", "Unbekannte Anweisung! Schnittpunkt oder Winkel eingeben."},
        {"BEZ 1 g h S", "Kein erlaubter Name! Buchstabe erwartet!"},
        {"BEZ SP g x S", "Bezeichner nicht vorhanden!."},
        {"BEZ SP x g S", "Bezeichner nicht vorhanden!."},
        {"BEZ SP g", "Unerwartetes  Zeilenende!"},
        {"BEZ SP g h", "Unerwartetes  Zeilenende!"},
        {"BEZ SP g h A", "Name ist bereits vergeben!"},
        {"BEZ SP e k P", "Unerwartetes  Zeilenende!"},  // two points, second name missing
        {"BEZ SP g p S", "Es exitstiert kein Schnittpunkt!"},
        {"BEZ SP g g S", "Schnittpunkt ist nicht eindeutig!"},
        {"BEZ SP g q S", "Schnittpunkt ist nicht eindeutig!"},  // parallel through a point of g
        {"BEZ SP v w S", "Es exitstiert kein Schnittpunkt!"},   // the same vertical line twice
        {"BEZ SP A g S", "Es exitstiert kein Schnittpunkt!"},   // a point is no figure
        {"BEZ SP s e S", "Es exitstiert kein Schnittpunkt!"},   // a segment on the line
        {"BEZ SP k k S", "Schnittpunkt ist nicht eindeutig!"},
    };
    for (const auto& c : cases) {
        const int before = Count();
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        EXPECT_EQ(Count(), before) << c.line;
    }
}

TEST_F(BezeichneTest, PointNamesKeepTwentyCharacters) {
    BuildFigures();
    EXPECT_TRUE(Run({"BEZ SP g h Schnittpunktnummer12345"}));
    EXPECT_NE(Obj("Schnittpunktnummer12"), nullptr);
}

TEST_F(BezeichneTest, AngleBetweenPointLegsIsMeasuredCounterClockwise) {
    ASSERT_TRUE(Run({"PUNKT A 1 0", "PUNKT S 0 0", "PUNKT B 0 1"}));
    EXPECT_TRUE(Run({"BEZ WINKEL A S B alpha", "bezeichne winkel B S A beta"}));
    ASSERT_NE(Angle("alpha"), nullptr);
    EXPECT_NEAR(Angle("alpha")->GetValue(), 90, kTolerance);
    EXPECT_NEAR(Angle("beta")->GetValue(), 270, kTolerance);
    EXPECT_EQ(Count(), 5);  // the own legs are not in the list

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
        {"BEZ WINKEL Down S Right w1", "w1", 90},  // 0 - 270, wrapped
        {"BEZ WINKEL UpLeft S DownLeft w2", "w2", 90},
        {"BEZ WINKEL Right S DownLeft w3", "w3", 225},
        {"BEZ WINKEL Right S S w4", "w4", 90},  // a leg ending on the vertex points up
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
    EXPECT_NEAR(Angle("gamma")->GetValue(), 90, kTolerance);
    EXPECT_EQ(Angle("gamma")->GetLeg(), Obj("s"));
    EXPECT_NEAR(Angle("delta")->GetValue(), 90, kTolerance);  // vertex at the segment's end
    EXPECT_EQ(Angle("delta")->GetLeg(), Obj("t"));
    EXPECT_EQ(Count(), 8);
}

TEST_F(BezeichneTest, AngleArgumentErrorsCreateNothing) {
    ASSERT_TRUE(
        Run({"PUNKT A 1 0", "PUNKT S 0 0", "PUNKT B 0 1", "STRECKE s S A", "STRAHL r S B", "STRAHL q B S",
             "GERADE g S A", "PUNKT T 0 0", "STRECKE u T A", "PUNKT M 5 5", "KREIS k M 1"}));
    const struct {
        const char* line;
        std::string error;
    } cases[] = {
        {"BEZ WINKEL X S B w", "Punkt-,Strecken- oder Strahlname erwartet!"},
        {"BEZ WINKEL g S A w", "Strecke, Strahl oder Gerade erwartet !"},
        {"BEZ WINKEL k S A w", "Strecke, Strahl oder Gerade erwartet !"},
        {"BEZ WINKEL A X B w", "Punkt-,Strecken- oder Strahlname erwartet!"},
        {"BEZ WINKEL A s B w", "Punktname erwartet !"},
        {"BEZ WINKEL A S X w", "Punkt-,Strecken- oder Strahlname erwartet!"},
        {"BEZ WINKEL A S g w", "Strecke, Strahl oder Gerade erwartet !"},
        {"BEZ WINKEL s B r w", "Scheitelpunkt liegt nicht auf der Strecke!"},
        // Same coordinates as the vertex, but a different object.
        {"BEZ WINKEL u S B w", "Scheitelpunkt liegt nicht auf der Strecke!"},
        {"BEZ WINKEL q S A w",
         "Scheitelpunkt mu\xDF mit dem Strahlanfang \xFC"
         "bereinstimmen!"},
        {"BEZ WINKEL A S q w",
         "Scheitelpunkt mu\xDF mit dem Strahlanfang \xFC"
         "bereinstimmen!"},
        {"BEZ WINKEL A S B", "Unerwartetes  Zeilenende!"},
        {"BEZ WINKEL A S B M", "Name ist bereits vergeben!"},
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
