// STRECKE, GERADE, STRAHL and MITTELPUNKT through the interpreter: forms, creation order, names, messages.
#include <string>
#include <vector>

#include "geometry/tstrecke.h"
#include "tests/support/parserfixture.h"

namespace {

struct RejectedLine {
    std::vector<const char*> setup;
    const char* line;
    const char* message;  // Windows-1252
};

const std::vector<const char*> kPoints = {"PUNKT A 0 0", "PUNKT B 3 4", "STRECKE s A B", "STRAHL r A B",
                                          "KREIS k A 1"};

TStrecke* Straight(TPunkt* object) {
    return dynamic_cast<TStrecke*>(object);
}

}  // namespace

class StraightTest : public ParserTest {
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
};

TEST_F(StraightTest, SegmentOfTwoNewPointsCreatesSecondPointFirst) {
    ASSERT_TRUE(Run({"STRECKE s A B"}));
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(parser.Objects.Item(0)->Name, "B");
    EXPECT_EQ(parser.Objects.Item(0)->X, 5);
    EXPECT_EQ(parser.Objects.Item(1)->Name, "A");
    EXPECT_EQ(Straight(Obj("s"))->StartPoint(), Obj("A"));
    EXPECT_EQ(Straight(Obj("s"))->EndPoint(), Obj("B"));

    ASSERT_TRUE(Run({"STRECKE t C D 3,5", "STRECKE u E F xyz"}));
    EXPECT_EQ(Obj("D")->X, 3.5);
    EXPECT_EQ(Obj("F")->X, 5);
}

TEST_F(StraightTest, SegmentToExistingPointIgnoresLength) {
    ASSERT_TRUE(Run({"PUNKT B 1 1", "STRECKE s A B 3"}));
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(parser.Objects.Item(1), Obj("A"));
    EXPECT_EQ(Straight(Obj("s"))->EndPoint(), Obj("B"));
    EXPECT_EQ(Obj("B")->X, 1);
}

TEST_F(StraightTest, SegmentOnRayEndsAtLengthFromStart) {
    ASSERT_TRUE(Run({"PUNKT A 1 1", "PUNKT B 4 5", "STRAHL r A B", "STRECKE s r P 4", "STRECKE n r Q -4"}));
    EXPECT_NEAR(Obj("P")->X, 3.4, 1e-12);
    EXPECT_NEAR(Obj("P")->Y, 4.2, 1e-12);
    EXPECT_EQ(parser.Objects.Item(3), Obj("P"));
    EXPECT_EQ(Straight(Obj("s"))->StartPoint(), Obj("A"));
    EXPECT_EQ(Straight(Obj("s"))->EndPoint(), Obj("P"));
    EXPECT_NEAR(Obj("Q")->X, 3.4, 1e-12);  // the sign does not matter on a sloped ray

    ASSERT_TRUE(Run({"PUNKT C 0 0", "PUNKT D 0 -2", "STRAHL v C D", "STRECKE w v R 4", "STRECKE x v S -1"}));
    EXPECT_EQ(Obj("R")->Y, -4);
    EXPECT_EQ(Obj("S")->Y, 1);  // behind the start of a vertical ray

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

TEST_F(StraightTest, LinesAndRaysReferToTheirPoints) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 3 4", "GERADE g A B", "STRAHL r B A", "GERADE h A A"}));
    EXPECT_EQ(Obj("g")->KindName(), "Gerade");
    EXPECT_EQ(Straight(Obj("g"))->EndPoint(), Obj("B"));
    EXPECT_EQ(Obj("r")->KindName(), "Strahl");
    EXPECT_EQ(Straight(Obj("r"))->StartPoint(), Obj("B"));
    EXPECT_EQ(Count(), 5);
}

TEST_F(StraightTest, MidpointOfSegmentOrTwoPoints) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 3 1", "STRECKE s A B", "MP M s", "MITTELPUNKT N B A"}));
    EXPECT_EQ(Obj("M")->X, 1.5);
    EXPECT_EQ(Obj("M")->Y, 0.5);
    EXPECT_EQ(Obj("N")->KindName(), "Punkt");
    EXPECT_EQ(Obj("N")->X, 1.5);
}

TEST_F(StraightTest, LineRayAndMidpointUseTenCharactersOfEveryName) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 1 0", "PUNKT Punktnummer12 1 1", "GERADE abcdefghijkl A B"}));
    EXPECT_NE(Obj("abcdefghij"), nullptr);
    EXPECT_FALSE(Run({"STRAHL abcdefghijXYZ A B"}));
    messages.Clear();
    EXPECT_FALSE(Run({"GERADE g A Punktnummer12", "STRAHL r A Punktnummer12", "MP M A Punktnummer12"}));
    EXPECT_EQ(messages.errors,
              (std::vector<std::string>{"2. Punkt exisitiert nicht !", "2. Punkt exisitiert nicht !",
                                        "2. Punkt nicht vorhanden !"}));
    // STRECKE looks names up with 20 characters.
    EXPECT_TRUE(Run({"STRECKE s A Punktnummer12"}));
}

TEST_F(StraightTest, RejectedLinesShowOneMessageAndAddNothing) {
    ExpectRejected({
        {kPoints, "STRECKE s A B", "Name ist bereits vergeben!"},
        {kPoints, "STRECKE t A X", "2. Punkt nicht vorhanden !"},
        {kPoints, "STRECKE t A s", "Punktname erwartet !"},
        {kPoints, "STRECKE t X s 3", "Punktname erwartet !"},
        {kPoints, "STRECKE t X Y 1,5,5", "Keine korrekte Zahleingabe!"},
        {kPoints, "STRECKE t r P", "Zahl erwartet!"},
        {kPoints, "STRECKE t r B 4", "Name bereits vergeben !"},
        {kPoints, "STRECKE t k A B", "Punkt- oder Strahlname erwartet!"},
        {kPoints, "STRECKE t X", "Unerwartetes  Zeilenende!"},
        // One line never gives two new objects the same name.
        {{}, "STRECKE s s B", "Name ist bereits vergeben!"},
        {{}, "STRECKE s A A", "Name ist bereits vergeben!"},
        {{}, "STRECKE s A s", "Name ist bereits vergeben!"},
        {kPoints, "STRECKE t r t 4", "Name bereits vergeben !"},
        {kPoints, "GERADE s A B", "Name ist bereits vergeben!"},
        {kPoints, "GERADE g X B", "1. Punkt exisitiert nicht !"},
        {kPoints, "GERADE g s B", "Punktname eingeben !"},
        {kPoints, "GERADE g A X", "2. Punkt exisitiert nicht !"},
        {kPoints, "GERADE g A r", "Punktname eingeben !"},
        {kPoints, "GERADE g A", "Unerwartetes  Zeilenende!"},
        {kPoints, "STRAHL t X B", "Anfangspunkt exisitiert nicht !"},
        {kPoints, "STRAHL t s B", "Strahl wird durch zwei Punkte festgelegt!"},
        {kPoints, "STRAHL t A X", "2. Punkt exisitiert nicht !"},
        {kPoints, "STRAHL t A k", "Strahl wird durch zwei Punkte festgelegt!"},
        {kPoints, "MP s A B", "Name ist bereits vergeben!"},
        {kPoints, "MP M X", "Strecke oder Anfangspunkt eingeben! "},
        {kPoints, "MP M r", "Unbekannter Fehler!"},
        {kPoints, "MP M A X", "2. Punkt nicht vorhanden !"},
        {kPoints, "MITTELPUNKT M A s", "Es mu\xDF ein Punkt angegeben werden!"},
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
