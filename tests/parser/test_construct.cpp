// SENKRECHTE, PARALLELE and KREIS through the interpreter: base figures, auxiliary point, radii, messages.
#include <cmath>
#include <string>
#include <vector>

#include "geometry/tkreis.h"
#include "geometry/tstrecke.h"
#include "tests/support/parserfixture.h"

namespace {

struct RejectedLine {
    std::vector<const char*> setup;
    const char* line;
    const char* message;  // Windows-1252
};

const std::vector<const char*> kBase = {"PUNKT A 0 0",   "PUNKT B 5 0",  "PUNKT P 3 4",
                                        "STRECKE s A B", "GERADE g A P", "KREIS k A 1"};

TStrecke* Straight(TPunkt* object) {
    return dynamic_cast<TStrecke*>(object);
}

}  // namespace

class ConstructTest : public ParserTest {
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
    double StartX(const char* name) { return Straight(Obj(name))->StartPoint()->X; }
    double StartY(const char* name) { return Straight(Obj(name))->StartPoint()->Y; }
};

TEST_F(ConstructTest, PerpendicularThroughPointOnAnyStraightFigure) {
    for (const char* line : kBase)
        ASSERT_TRUE(parser.Execute(line));
    ASSERT_TRUE(Run({"SENKRECHTE n s P"}));
    EXPECT_EQ(Obj("n")->KindName(), "Senkrechte");
    EXPECT_EQ(StartX("n"), 3);
    EXPECT_EQ(StartY("n"), 1);
    EXPECT_EQ(Straight(Obj("n"))->EndPoint()->Y, 4);
    EXPECT_EQ(Count(), 7);  // the construction points stay out of the list

    ASSERT_TRUE(Run({"PARALLELE p s P", "STRAHL r A P", "SENKRECHTE a p A", "SENKRECHTE b n A",
                     "SENKRECHTE c r B", "SENKRECHTE d g B"}));
}

TEST_F(ConstructTest, ParallelThroughPointRunsFromMovedPoint) {
    ASSERT_TRUE(Run({"PUNKT A 1 1", "PUNKT B 4 2", "PUNKT P 0 3", "STRECKE s A B", "PARALLELE p s P"}));
    EXPECT_EQ(Obj("p")->KindName(), "Parallele");
    EXPECT_EQ(StartX("p"), 3);
    EXPECT_EQ(StartY("p"), 4);
    EXPECT_EQ(Count(), 5);
}

TEST_F(ConstructTest, ParallelAtDistanceAppendsErasedPointFirst) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 1 1", "GERADE g A B", "PARALLELE p g 2"}));
    ASSERT_EQ(Count(), 5);
    const TPunkt* aux = parser.Objects.Item(3);
    EXPECT_EQ(aux->KindName(), "Punkt");
    EXPECT_FALSE(aux->Visible);
    EXPECT_EQ(aux->Name, "");
    EXPECT_EQ(aux->X, 0);
    EXPECT_NEAR(aux->Y, 2 * std::sqrt(2.0), 1e-12);
    EXPECT_EQ(parser.Objects.Item(4), Obj("p"));
    EXPECT_EQ(Straight(Obj("p"))->EndPoint()->Y, aux->Y);

    // Right of a vertical base for a negative distance.
    ASSERT_TRUE(Run({"PUNKT C 3 0", "PUNKT D 3 5", "GERADE v C D", "PARALLELE q v -1"}));
    EXPECT_EQ(parser.Objects.Item(Count() - 2)->X, 4);
    EXPECT_EQ(parser.Objects.Item(Count() - 2)->Y, 0);
}

TEST_F(ConstructTest, CircleRadiusFromNumberPointOrSegment) {
    ASSERT_TRUE(Run({"PUNKT M 1 1", "PUNKT P 4 5", "PUNKT Q 0 0", "PUNKT R 0 3", "STRECKE s Q R"}));
    ASSERT_TRUE(Run({"KREIS a M 2,5", "KREIS b M P", "KREIS c M s", "KREIS d M -2", "KREIS e M 0"}));
    auto radius = [&](const char* name) { return dynamic_cast<TKreis*>(Obj(name))->Radius(); };
    EXPECT_EQ(radius("a"), 2.5);
    EXPECT_EQ(radius("b"), 5);
    EXPECT_EQ(radius("c"), 3);
    EXPECT_EQ(radius("d"), -2);
    EXPECT_EQ(radius("e"), 0);
    EXPECT_EQ(dynamic_cast<TKreis*>(Obj("b"))->Center(), Obj("M"));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ConstructTest, PerpendicularAndParallelUseTenCharactersCircleTwenty) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 5 0", "PUNKT Punktnummer12 3 4", "STRECKE Streckenname1 A B",
                     "STRECKE t A B"}));
    EXPECT_FALSE(Run({"SENKRECHTE n Streckenname1 A"}));
    EXPECT_EQ(messages.errors.back(), "Name mu\xDF bereits vorhanden sein!");
    EXPECT_FALSE(Run({"PARALLELE p t Punktnummer12"}));
    EXPECT_EQ(messages.errors.back(), "Punkt mu\xDF bereits vorhanden sein !");
    ASSERT_TRUE(Run({"KREIS Kreisnummer12 Punktnummer12 Streckenname1", "SENKRECHTE senkrechte12 t A"}));
    EXPECT_EQ(dynamic_cast<TKreis*>(Obj("Kreisnummer12"))->Radius(), 5);
    EXPECT_NE(Obj("senkrechte"), nullptr);
}

TEST_F(ConstructTest, RejectedLinesShowOneMessageAndAddNothing) {
    ExpectRejected({
        {kBase, "SENKRECHTE s g P", "Name ist bereits vergeben!"},
        {kBase, "SENKRECHTE n X P", "Name mu\xDF bereits vorhanden sein!"},
        {kBase, "SENKRECHTE n k A", "Strecke, Strahl oder Gerade erwartet !"},
        {kBase, "SENKRECHTE n P A", "Strecke, Strahl oder Gerade erwartet !"},
        {kBase, "SENKRECHTE n g X", "Punkt mu\xDF bereits vorhanden sein !"},
        {kBase, "SENKRECHTE n g s", "Punktname erwartet !"},
        {kBase, "PARALLELE s g P", "Name ist bereits vergeben!"},
        {kBase, "PARALLELE p X P", "Name mu\xDF bereits vorhanden sein!"},
        {kBase, "PARALLELE p k 2", "Strecke, Strahl oder Gerade erwartet !"},
        {kBase, "PARALLELE p g X", "Punkt mu\xDF bereits vorhanden sein !"},
        {kBase, "PARALLELE p g k", "Punktname erwartet !"},
        {kBase, "PARALLELE p g", "Unerwartetes  Zeilenende!"},
        {kBase, "PARALLELE p g 1,2,3", "Keine korrekte Zahleingabe!"},
        {kBase, "KREIS s A 1", "Name ist bereits vergeben!"},
        {kBase, "KREIS c X 1", "Mittelpunkt exisitiert nicht !"},
        {kBase, "KREIS c s 3", "Es ist der Kreismittelpunkt anzugeben!"},
        {kBase, "KREIS c A X", "Peripheriepunkt exisitiert nicht !"},
        {kBase, "KREIS c A g", "Radius, Strecke oder Periepheriepunkt erwartet!"},
        {kBase, "KREIS c A", "Unerwartetes  Zeilenende!"},
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
