// The view fitting after lines: which objects ExtendToFit examines and when it widens the window, and
// the names that lookups find after LOESCHE and LOESCHE BEZ; checked against a loop over every object.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "tests/support/parserfixture.h"

namespace {

class ViewTest : public ParserTest {
protected:
    void ExpectWindow(double xmin, double ymin, double xmax, double ymax) const {
        const DrawState& s = Drawing();
        EXPECT_DOUBLE_EQ(s.XMin, xmin);
        EXPECT_DOUBLE_EQ(s.YMin, ymin);
        EXPECT_DOUBLE_EQ(s.XMax, xmax);
        EXPECT_DOUBLE_EQ(s.YMax, ymax);
    }
};

// The start window on 640 x 480: x widened to -6.67 .. 6.67.
constexpr double kStartX = 20.0 / 3;

TEST_F(ViewTest, FirstObjectIsNotExaminedButAutoScaleFitsIt) {
    ASSERT_TRUE(Run({"PUNKT A 100 100", "PUNKT B 1 1"}));
    ExpectWindow(-kStartX, -5, kStartX, 5);
    parser.AutoScale();
    EXPECT_DOUBLE_EQ(Drawing().XMax, 101 + 102.0 / 6);  // (-1 .. 101) widened to 4:3 about its centre
    EXPECT_DOUBLE_EQ(Drawing().YMax, 101);
}

TEST_F(ViewTest, TouchingAnEdgeWidensTheWindowByOneOnEverySide) {
    ASSERT_TRUE(Run({"PUNKT O 0 0", "PUNKT I -6 4,99"}));
    ExpectWindow(-kStartX, -5, kStartX, 5);  // inside
    // Exactly on the left edge of the window as stored: that counts as leaving it.
    ASSERT_TRUE(parser.Execute("PUNKT L -6.6666666666666667 0"));
    ASSERT_EQ(Obj("L")->GetX(), -kStartX);
    // The new bounds (-7.67, -6, 7.67, 6), widened in x to 4:3.
    ExpectWindow(-8, -6, 8, 6);
}

TEST_F(ViewTest, AnErasedObjectNoLongerHoldsTheWindowOpen) {
    ASSERT_TRUE(Run({"PUNKT O 0 0", "PUNKT Far 30 0", "PUNKT B 1 1", "LOESCHE Far"}));
    // Fitted to the origin, B and the erased point's extent (all zero), widened in x to 4:3.
    ExpectWindow(-1.5, -1, 2.5, 2);
    ASSERT_TRUE(parser.Execute("PUNKT C 0,5 0,5"));
    ExpectWindow(-1.5, -1, 2.5, 2);
}

TEST_F(ViewTest, DreheRefitsToWhereTheObjectsTurned) {
    ASSERT_TRUE(Run({"PUNKT O 0 0", "PUNKT A 6 0"}));
    ExpectWindow(-kStartX, -5, kStartX, 5);
    ASSERT_TRUE(parser.Execute("DREHE 90"));
    EXPECT_NEAR(Obj("A")->GetY(), 6, 1e-12);
    EXPECT_NEAR(Drawing().YMax, 7, 1e-12);  // A now lies above the old top edge
}

TEST_F(ViewTest, NamesFreedByLoescheAndLoescheBezFindTheNewObjects) {
    ASSERT_TRUE(Run({"PUNKT A 1 1", "PUNKT B 2 2", "LOESCHE A", "PUNKT A 3 3"}));
    EXPECT_EQ(Obj("A"), parser.Objects.Item(2));
    EXPECT_TRUE(parser.Objects.Contains(""));
    ASSERT_TRUE(Run({"LOESCHE BEZ A B"}));
    EXPECT_EQ(Obj("A"), nullptr);
    EXPECT_EQ(Obj("B"), nullptr);
    EXPECT_TRUE(parser.Objects.Item(2)->Visible);        // still drawn, without its label
    ASSERT_TRUE(Run({"PUNKT B 4 4", "STRECKE A B B"}));  // STRECKE makes a new point A at the origin
    EXPECT_EQ(Obj("B"), parser.Objects.Item(3));
    EXPECT_EQ(Obj("A"), parser.Objects.Item(4));
}

// The fitting as a loop over every object, written out as specified: the oracle for the kept bounds.
class LoopFittingParser : public TParser {
public:
    using TParser::TParser;

    void AutoScale() override {
        if (AutoScaling && Objects.Count() > 0) {
            double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
            for (int i = 0; i < Objects.Count(); ++i) {
                double a, b, c, d;
                Objects.Item(i)->GetExtent(a, b, c, d);
                if (a < xmin) xmin = a;
                if (b < ymin) ymin = b;
                if (c > xmax) xmax = c;
                if (d > ymax) ymax = d;
            }
            SetWorldWindow(xmin - 1, ymin - 1, xmax + 1, ymax + 1);
        }
        Redraw();
    }

    void ExtendToFit() override {
        if (Objects.Count() == 0 || !AutoScaling) return;
        const DrawState& s = Drawing();
        double xmin = s.XMin, ymin = s.YMin, xmax = s.XMax, ymax = s.YMax;
        bool changed = false;
        for (int i = 1; i < Objects.Count(); ++i) {
            double a, b, c, d;
            Objects.Item(i)->GetExtent(a, b, c, d);
            if (a <= xmin) xmin = a, changed = true;
            if (b <= ymin) ymin = b, changed = true;
            if (c >= xmax) xmax = c, changed = true;
            if (d >= ymax) ymax = d, changed = true;
        }
        if (changed) {
            SetWorldWindow(xmin - 1, ymin - 1, xmax + 1, ymax + 1);
            ClearCanvas();
            Redraw();
        }
    }
};

// Random lines over a few names, so that objects are made, refused, erased, unlabelled and turned.
std::string RandomLine(std::mt19937& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto name = [&](const char* prefix) { return prefix + std::to_string(pick(12)); };
    // Whole and half units, so that objects often lie exactly on an edge of the window.
    auto number = [&] { return std::to_string(pick(33) - 16) + (pick(2) == 0 ? "" : ",5"); };
    switch (pick(12)) {
        case 0:
        case 1:
        case 2:
            return "PUNKT " + name("P") + " " + number() + " " + number();
        case 3:
            return "STRECKE " + name("s") + " " + name("P") + " " + name("P");
        case 4:
            return "KREIS " + name("k") + " " + name("P") + " " + (pick(2) == 0 ? number() : name("P"));
        case 5:
            return "SENKRECHTE " + name("h") + " " + name("s") + " " + name("P");
        case 6:
            return "PARALLELE " + name("p") + " " + name("s") + " " + number();
        case 7:
            return "WINKEL " + name("w") + " " + name("s") + " " + name("P") + " " + name("r") + " " +
                   number();
        case 8:
            return "BEZ SP " + name("h") + " " + name("k") + " " + name("S") + " " + name("S");
        case 9:
            return "LOESCHE " + name("P") + " " + name("s") + " " + name("k");
        case 10:
            return "LOESCHE BEZ " + name("P") + " " + name("h");
        default:
            return "DREHE " + number();
    }
}

TEST(ViewFitting, KeptBoundsDecideExactlyAsALoopOverEveryObject) {
    DrawStateGuard guard;
    NullCanvas canvas({0, 0, 640, 480});
    RecordingMessages quiet;
    TParser kept(quiet);
    LoopFittingParser loop(quiet);
    // Each interpreter keeps its own window in its own copy of the module drawing state.
    DrawState keptState, loopState;
    for (auto [parser, state] : {std::pair{static_cast<TParser*>(&kept), &keptState}, {&loop, &loopState}}) {
        Drawing() = DrawState{};
        Drawing().DrawCanvas = &canvas;
        Drawing().ScreenRect = {0, 0, 640, 480};
        parser->Reset();
        SetStartWindow();
        *state = Drawing();
    }
    auto run = [](TParser& parser, DrawState& state, const std::string& line, bool refit) {
        Drawing() = state;
        const bool accepted = parser.Execute(line);
        if (refit) parser.AutoScale();
        state = Drawing();
        return accepted;
    };
    std::mt19937 random(3);
    for (int n = 0; n < 4000; ++n) {
        const std::string line = RandomLine(random);
        const bool refit = random() % 20 == 0;  // as a resize or the colour button does
        const bool keptAccepted = run(kept, keptState, line, refit);
        ASSERT_EQ(keptAccepted, run(loop, loopState, line, refit)) << n << ": " << line;
        ASSERT_EQ(kept.Objects.Count(), loop.Objects.Count()) << n << ": " << line;
        ASSERT_EQ(keptState.XMin, loopState.XMin) << n << ": " << line;
        ASSERT_EQ(keptState.YMin, loopState.YMin) << n << ": " << line;
        ASSERT_EQ(keptState.XMax, loopState.XMax) << n << ": " << line;
        ASSERT_EQ(keptState.YMax, loopState.YMax) << n << ": " << line;
    }
    EXPECT_GT(kept.Objects.Count(), 300);
}

}  // namespace
