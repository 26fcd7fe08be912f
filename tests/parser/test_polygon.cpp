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

// Side names, order, the corner limit and the other messages are in the end-to-end file polygon_cases.
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
        {"POLYGON  ", tooFew},
        {"POLYGON 1 B C", "Kein erlaubter Name! Buchstabe erwartet!"},
        {"POLYGON s A B", "Es mu\xDF ein Punkt angegeben werden!"},
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

}  // namespace
