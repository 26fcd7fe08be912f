// POLYGON through the interpreter: side names derived from the corners, and every check before a side.
#include <gtest/gtest.h>

#include <string>

#include "geometry/tstrecke.h"
#include "tests/support/parserfixture.h"

namespace {

class PolygonTest : public ParserTest {
protected:
    void SetUp() override { ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 4 0", "PUNKT C 4 3", "PUNKT D 0 3"})); }
    // The side at list index i runs from the point named from to the point named to.
    void ExpectSide(int i, const char* name, const char* from, const char* to) const {
        const auto* side = dynamic_cast<const TStrecke*>(parser.Objects.Item(i));
        ASSERT_NE(side, nullptr) << name;
        EXPECT_EQ(side->KindName(), "Strecke") << name;
        EXPECT_EQ(side->GetName(), name);
        EXPECT_EQ(side->StartPoint(), Obj(from)) << name;
        EXPECT_EQ(side->EndPoint(), Obj(to)) << name;
    }
};

TEST_F(PolygonTest, TriangleSidesAreNamedAfterTheOppositeCorner) {
    EXPECT_TRUE(Run({"POLYGON A B C"}));
    ASSERT_EQ(Count(), 7);
    ExpectSide(4, "c", "A", "B");
    ExpectSide(5, "a", "B", "C");
    ExpectSide(6, "b", "C", "A");
}

TEST_F(PolygonTest, LargerPolygonSidesAreNamedAfterTheirFirstCorner) {
    EXPECT_TRUE(Run({"poly A B C D"}));
    ASSERT_EQ(Count(), 8);
    ExpectSide(4, "a", "A", "B");
    ExpectSide(5, "b", "B", "C");
    ExpectSide(6, "c", "C", "D");
    ExpectSide(7, "d", "D", "A");
}

TEST_F(PolygonTest, OnlyAsciiLettersAreLoweredInSideNames) {
    EXPECT_TRUE(Run({"PUNKT \xC4Pfel1 1 1", "POLYGON \xC4Pfel1 B C D"}));
    ExpectSide(5, "\xC4pfel1", "\xC4Pfel1", "B");
}

TEST_F(PolygonTest, TenCornersAreTheLimit) {
    ASSERT_TRUE(Run({"PUNKT E 1 0", "PUNKT F 2 0", "PUNKT G 3 0", "PUNKT H 3 1", "PUNKT I 2 2", "PUNKT J 1 2",
                     "PUNKT K 1 1"}));
    const int before = Count();
    EXPECT_FALSE(Run({"POLYGON A B C D E F G H I J K"}));
    EXPECT_EQ(OnlyError(), "Mehr als 10 Punkte sind nicht m\xF6glich!");
    EXPECT_EQ(Count(), before);
    EXPECT_TRUE(Run({"POLYGON A B C D E F G H I J"}));
    EXPECT_EQ(Count(), before + 10);
    ExpectSide(before + 9, "j", "J", "A");
}

TEST_F(PolygonTest, PointsAtEqualCoordinatesAreDifferentCorners) {
    EXPECT_TRUE(Run({"PUNKT P 0 0", "POLYGON A P B"}));
    EXPECT_EQ(Count(), 8);
}

TEST_F(PolygonTest, RejectedLinesCreateNothing) {
    ASSERT_TRUE(Run({"STRECKE s A B", "PUNKT x 1 1", "PUNKT Ab 2 2", "PUNKT AB 3 3"}));
    const std::string tooFew = "Ein Polygon besteht mindestes aus drei Strecken!";
    const std::string triangleName =
        "Namen der Dreiecksstrecken werden aus den Punktnamen abgeleitet. Ein entsprechender Streckenname "
        "existiert aber bereits!";
    const struct {
        const char* line;
        std::string error;
    } cases[] = {
        {"POLYGON", tooFew},
        {"POLYGON  ", tooFew},
        {"POLYGON A B", tooFew},
        {"POLYGON X Y Z", tooFew},  // a first name that names nothing ends the list
        {"POLYGON A B X", "Punkt mu\xDF bereits vorhanden sein !"},
        {"POLYGON 1 B C", "Kein erlaubter Name! Buchstabe erwartet!"},
        {"POLYGON A B 1", "Kein erlaubter Name! Buchstabe erwartet!"},
        {"POLYGON A s C", "Es mu\xDF ein Punkt angegeben werden!"},
        {"POLYGON s A B", "Es mu\xDF ein Punkt angegeben werden!"},
        {"POLYGON A B C A", "Punkte m\xFCssen verschieden sein!"},
        {"POLYGON A B C B D", "Punkte m\xFCssen verschieden sein!"},
        {"POLYGON A x C", triangleName},  // side C-A would take the name of the point x
        // Ab and AB would name two sides "ab": neither could be told apart later.
        {"POLYGON Ab AB C", triangleName},
        {"POLYGON A B C X", "Punkt mu\xDF bereits vorhanden sein !"},
        {"POLYGON A B C x",
         "Namen der Polygonstrecken werden aus den Punktnamen abgeleitet. Ein entsprechender Streckenname "
         "existiert aber bereits!"},
    };
    for (const auto& c : cases) {
        const int before = Count();
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
        EXPECT_EQ(Count(), before) << c.line;
    }
}

TEST_F(PolygonTest, ExistingSideNamesRejectTheWholePolygon) {
    ASSERT_TRUE(Run({"PUNKT a 0 0", "PUNKT b 1 0", "PUNKT c 0 1"}));
    EXPECT_FALSE(Run({"POLYGON a b c"}));
    EXPECT_EQ(Count(), 7);
    messages.Clear();
    ASSERT_TRUE(Run({"LOESCHE a b c", "POLYGON A B C"}));
    EXPECT_FALSE(Run({"POLYGON A B C"}));
    EXPECT_EQ(OnlyError(),
              "Namen der Dreiecksstrecken werden aus den Punktnamen abgeleitet. Ein entsprechender "
              "Streckenname existiert aber bereits!");
    EXPECT_EQ(Count(), 10);
}

}  // namespace
