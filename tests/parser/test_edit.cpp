// LOESCHE, FARBE, WERT and DREHE through the interpreter.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "drawing/drawstate.h"
#include "geometry/tparallele.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "tests/support/parserfixture.h"

namespace {

constexpr double kTolerance = 1e-9;
const std::string kOverflow =
    "Gleitkomma\xFC"
    "berlauf";

class LoescheTest : public ParserTest {
protected:
    void SetUp() override { ASSERT_TRUE(Run({"PUNKT A 1 1", "PUNKT B 2 2", "PUNKT C 3 3"})); }
};

// The other LOESCHE forms and messages are in the end-to-end file edit_loesche.
TEST_F(LoescheTest, UnreadableFirstLabelNameChangesNothing) {
    EXPECT_FALSE(parser.Execute("LOESCHE BEZ 1"));
    EXPECT_EQ(OnlyError(), "Kein erlaubter Name! Buchstabe erwartet!");
    for (const char* name : {"A", "B", "C"})
        ASSERT_NE(Obj(name), nullptr) << name;
}

TEST_F(LoescheTest, WindowIsRefittedToTheRemainingObjects) {
    ASSERT_TRUE(Run({"PUNKT Far 20 20"}));
    ASSERT_GT(Drawing().XMax, 20);
    EXPECT_TRUE(Run({"LOESCHE Far B C"}));
    // Fitted to the origin and A (1, 1) with a margin of 1, widened in x to the 4:3 drawing area.
    EXPECT_NEAR(Drawing().XMin, -1.5, kTolerance);
    EXPECT_NEAR(Drawing().XMax, 2.5, kTolerance);
    EXPECT_NEAR(Drawing().YMin, -1, kTolerance);
    EXPECT_NEAR(Drawing().YMax, 2, kTolerance);
}

class EditTest : public ParserTest {};

// Colour words and WERT texts are in the end-to-end file edit_farbe; these are the cases it lacks.
TEST_F(EditTest, FarbeNeedsTheUmlautAndIgnoresTrailingWords) {
    EXPECT_TRUE(parser.Execute("FARBE  rot  xyz"));
    EXPECT_EQ(parser.CurrentColor, 1);
    EXPECT_FALSE(parser.Execute("FARBE GRUN"));
    EXPECT_EQ(OnlyError(), "Farbe fehlt! (gruen, rot , blau, gelb oder schwarz)");
    EXPECT_EQ(parser.CurrentColor, 1);
}

TEST_F(EditTest, WertShowsTheDescriptionWhereTheSettingSays) {
    ASSERT_TRUE(Run({"PUNKT A 1 -2,5"}));
    EXPECT_TRUE(Run({"WERT A"}));
    ASSERT_EQ(messages.information.size(), 1u);
    EXPECT_EQ(messages.information[0], "Punkt A hat die Koordinaten ( 1.00/-2.50)");
    EXPECT_TRUE(messages.status.empty());

    messages.valueInStatusLine = true;
    EXPECT_TRUE(Run({"WERT A"}));
    ASSERT_EQ(messages.status.size(), 1u);
    EXPECT_EQ(messages.status[0], "Punkt A hat die Koordinaten ( 1.00/-2.50)");
    EXPECT_EQ(messages.information.size(), 1u);

    messages.Clear();
    EXPECT_FALSE(parser.Execute("WERT a"));  // names are case sensitive
    EXPECT_EQ(OnlyError(), "Name mu\xDF bereits vorhanden sein!");
    EXPECT_TRUE(messages.status.empty());
}

class DreheTest : public ParserTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Run({"PUNKT A 3 4", "PUNKT B 1 0", "PUNKT C 1 1", "STRECKE s B C", "SENKRECHTE n s A",
                         "BEZ WINKEL C B A w", "PUNKT E 2 0", "LOESCHE E"}));
    }
    static void ExpectAt(const TPunkt* p, double x, double y) {
        ASSERT_NE(p, nullptr);
        EXPECT_NEAR(p->GetX(), x, kTolerance);
        EXPECT_NEAR(p->GetY(), y, kTolerance);
    }
};

TEST_F(DreheTest, EveryObjectTurnsAboutTheOrigin) {
    const TPunkt* erased = parser.Objects.Item(Count() - 1);
    const auto* perpendicular = dynamic_cast<const TStrecke*>(Obj("n"));
    ASSERT_NE(perpendicular, nullptr);
    ExpectAt(perpendicular->StartPoint(), 2, 4);

    EXPECT_TRUE(Run({"DREHE 90"}));
    ExpectAt(Obj("A"), -4, 3);
    ExpectAt(Obj("B"), 0, 1);
    ExpectAt(perpendicular->StartPoint(), -4, 2);
    ExpectAt(perpendicular->EndPoint(), -4, 3);
    ExpectAt(Obj("w"), 0, 1);  // the angle's copy of its vertex
    ExpectAt(erased, 0, 2);
    EXPECT_EQ(Count(), 7);
}

TEST_F(DreheTest, HugeAngleStaysFinite) {
    // 1 followed by 240 zeros: far beyond one turn, still a plain number on a line.
    EXPECT_TRUE(parser.Execute("DREHE 1" + std::string(240, '0')));
    for (int i = 0; i < Count(); ++i)
        EXPECT_TRUE(parser.Objects.Item(i)->IsFinite()) << i;
    EXPECT_NEAR(std::hypot(Obj("A")->GetX(), Obj("A")->GetY()), 5, kTolerance);
}

TEST_F(DreheTest, RotationBeyondTheDoubleRangeMovesNothing) {
    // Points this far out cannot be typed on a line; they stand for results of other commands.
    parser.Objects.Add(std::make_unique<TPunkt>("Edge", 1.7e308, 0));
    ExpectAt(Obj("Edge"), 1.7e308, 0);
    EXPECT_TRUE(Run({"DREHE 45"}));
    EXPECT_TRUE(Obj("Edge")->IsFinite());
    EXPECT_TRUE(Run({"DREHE -45"}));

    parser.Objects.Add(std::make_unique<TPunkt>("Far", 1.7e308, 1.7e308));
    const double ax = Obj("A")->GetX();
    const double ay = Obj("A")->GetY();
    EXPECT_FALSE(Run({"DREHE 45"}));
    EXPECT_EQ(OnlyError(), kOverflow);
    EXPECT_EQ(Obj("A")->GetX(), ax);  // untouched, not merely close
    EXPECT_EQ(Obj("A")->GetY(), ay);
    EXPECT_EQ(Obj("Far")->GetX(), 1.7e308);
}

TEST_F(DreheTest, ConstructionPointsBeyondTheRangeRejectTheTurn) {
    // A parallel keeps its own two points, which are not in the list.
    TPunkt a("", 0, 0), b("", 7e307, 7e307), p("", 1e308, 1e308);
    const TStrecke base(&a, &b, "");
    parser.Objects.Add(std::make_unique<TParallele>(base, p, "q"));
    const double ax = Obj("A")->GetX();
    EXPECT_FALSE(Run({"DREHE 45"}));
    EXPECT_EQ(OnlyError(), kOverflow);
    EXPECT_EQ(Obj("A")->GetX(), ax);
}

TEST_F(DreheTest, MalformedAngleIsRejected) {
    EXPECT_FALSE(parser.Execute("DREHE 9,0,0"));
    EXPECT_EQ(OnlyError(), "Keine korrekte Zahleingabe!");
    ExpectAt(Obj("A"), 3, 4);
}

}  // namespace
