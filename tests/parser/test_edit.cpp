// LOESCHE, FARBE, WERT and DREHE through the interpreter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

struct ErrorCase {
    const char* line;
    std::string error;
};

class LoescheTest : public ParserTest {
protected:
    void SetUp() override { ASSERT_TRUE(Run({"PUNKT A 1 1", "PUNKT B 2 2", "PUNKT C 3 3"})); }
};

TEST_F(LoescheTest, ErasedObjectsStayListedButLoseTheirNames) {
    TPunkt* a = Obj("A");
    TPunkt* b = Obj("B");
    EXPECT_TRUE(Run({"LOESCHE A B"}));
    EXPECT_EQ(Count(), 3);
    EXPECT_FALSE(a->Visible);
    EXPECT_TRUE(a->GetName().empty());
    EXPECT_FALSE(b->Visible);
    EXPECT_TRUE(Obj("C")->Visible);
    // The name is free again; "Lösche" reads as LOESCHE.
    EXPECT_TRUE(Run({"PUNKT A 5 5", "L\xF6sche A"}));
    EXPECT_EQ(Count(), 4);
    EXPECT_EQ(Obj("A"), nullptr);
}

TEST_F(LoescheTest, UnknownLaterNameEndsTheListAndTheLineIsAccepted) {
    EXPECT_TRUE(Run({"LOESCHE A X B"}));
    EXPECT_EQ(Obj("A"), nullptr);
    ASSERT_NE(Obj("B"), nullptr);
    EXPECT_TRUE(Obj("B")->Visible);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(LoescheTest, UnreadableLaterNameRejectsTheLineButKeepsEarlierDeletions) {
    TPunkt* a = Obj("A");
    EXPECT_FALSE(Run({"LOESCHE A 1B C"}));
    EXPECT_EQ(OnlyError(), "Kein erlaubter Name! Buchstabe erwartet!");
    EXPECT_FALSE(a->Visible);
    EXPECT_TRUE(Obj("C")->Visible);
}

TEST_F(LoescheTest, LabelFormKeepsObjectsDrawnWithoutName) {
    TPunkt* a = Obj("A");
    TPunkt* b = Obj("B");
    EXPECT_TRUE(Run({"LOESCHE BEZ A", "loesche Bezeichnung B X C"}));
    EXPECT_TRUE(a->Visible);
    EXPECT_TRUE(a->GetName().empty());
    EXPECT_TRUE(b->Visible);
    EXPECT_TRUE(b->GetName().empty());
    EXPECT_NE(Obj("C"), nullptr);
    EXPECT_FALSE(Run({"WERT A"}));
    EXPECT_EQ(OnlyError(), "Name mu\xDF bereits vorhanden sein!");
    messages.Clear();
    EXPECT_TRUE(Run({"LOESCHE BEZEICHNER C"}));
    EXPECT_EQ(Obj("C"), nullptr);
}

TEST_F(LoescheTest, ErrorsBeforeTheFirstDeletionChangeNothing) {
    ASSERT_TRUE(Run({"PUNKT BEZ 4 4"}));
    const ErrorCase cases[] = {
        {"LOESCHE",
         "Welches Objekt soll gel\xF6"
         "scht werden?"},
        {"LOESCHE   ",
         "Welches Objekt soll gel\xF6"
         "scht werden?"},
        {"LOESCHE X", "Keine g\xFCltiger Name!"},
        {"LOESCHE BEZ X", "Kein g\xFCltiger Name!"},
        {"LOESCHE 1", "Kein erlaubter Name! Buchstabe erwartet!"},
        {"LOESCHE BEZ 1", "Kein erlaubter Name! Buchstabe erwartet!"},
        // The first word decides the form: an object named BEZ cannot be erased.
        {"LOESCHE BEZ", "Unerwartetes  Zeilenende!"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        for (const char* name : {"A", "B", "C", "BEZ"})
            ASSERT_NE(Obj(name), nullptr) << c.line;
    }
}

TEST_F(LoescheTest, LongNameFindsTheObjectItNamed) {
    ASSERT_TRUE(Run({"PUNKT Eckpunktnummer12345678 1 2"}));
    EXPECT_TRUE(Run({"LOESCHE Eckpunktnummer12345678"}));
    EXPECT_EQ(Obj("Eckpunktnummer123456"), nullptr);
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

TEST_F(EditTest, FarbeSetsTheColourOfLaterObjectsOnly) {
    ASSERT_TRUE(Run({"PUNKT A"}));
    const struct {
        const char* line;
        std::uint16_t code;
    } cases[] = {
        {"FARBE ROT", 1},     {"farbe gruen", 2},   {"FARBE Gr\xFCn", 2},
        {"FARBE GR\xFCN", 2}, {"FARBE GR\xDCN", 2}, {"Farbe blau", 3},
        {"FARBE Gelb", 4},    {"FARBE schwarz", 6}, {"FARBE  rot  xyz", 1},
    };
    for (const auto& c : cases) {
        parser.CurrentColor = 0;
        EXPECT_TRUE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(parser.CurrentColor, c.code) << c.line;
    }
    ASSERT_TRUE(Run({"FARBE BLAU", "PUNKT B"}));
    EXPECT_EQ(Obj("B")->Color, 3);
    EXPECT_EQ(Obj("A")->Color, 6);

    const std::string missing = "Farbe fehlt! (gruen, rot , blau, gelb oder schwarz)";
    const ErrorCase errors[] = {
        {"FARBE", missing},
        {"FARBE LILA", missing},
        {"FARBE GRUN", missing},
        {"FARBE 1", "Kein erlaubter Name! Buchstabe erwartet!"},
    };
    for (const auto& c : errors) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        EXPECT_EQ(parser.CurrentColor, 3) << c.line;
    }
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
    EXPECT_EQ(Count(), 1);

    const ErrorCase cases[] = {
        {"WERT", "Unerwartetes  Zeilenende!"},
        {"WERT X", "Name mu\xDF bereits vorhanden sein!"},
        {"WERT a", "Name mu\xDF bereits vorhanden sein!"},
        {"WERT 1", "Kein erlaubter Name! Buchstabe erwartet!"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        EXPECT_TRUE(messages.status.empty()) << c.line;
    }
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

TEST_F(DreheTest, MissingOrBadAngleIsRejected) {
    const ErrorCase cases[] = {
        {"DREHE", "Zahl erwartet!"},
        {"DREHE x", "Zahl erwartet!"},
        {"DREHE 9,0,0", "Keine korrekte Zahleingabe!"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        ExpectAt(Obj("A"), 3, 4);
    }
}

}  // namespace
