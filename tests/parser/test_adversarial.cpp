// Hostile lines: overlong numbers, values near the range of double, every byte as a name, degenerate
// figures, huge turns and huge windows. Whatever happens, nothing reachable may become NaN or infinite.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "fuzz/invariants.h"
#include "geometry/tkreis.h"
#include "geometry/twinkel.h"
#include "parser/errortexts.h"
#include "tests/support/parserfixture.h"

namespace {

const std::string kNoNumber = "Zahl erwartet!";
const std::string kNoLetter = "Kein erlaubter Name! Buchstabe erwartet!";
const std::string kNoIntersection = "Es exitstiert kein Schnittpunkt!";
const std::string kNotUnique = "Schnittpunkt ist nicht eindeutig!";

class AdversarialTest : public ParserTest {
protected:
    // Executes one line and checks the finiteness of everything reachable, after the line and after a
    // full refit and redraw as the window does on a resize.
    bool Exec(const std::string& line) {
        messages.Clear();
        const bool accepted = parser.Execute(line);
        EXPECT_EQ(invariants::NonFiniteReport(parser), "") << line;
        EXPECT_EQ(invariants::LookupReport(parser), "") << line;
        EXPECT_EQ(accepted, messages.errors.empty()) << line;
        return accepted;
    }
    void ExpectAccepted(const std::string& line) {
        EXPECT_TRUE(Exec(line)) << line.substr(0, 40) << ": " << OnlyError();
    }
    void ExpectRejected(const std::string& line, const std::string& error) {
        const int before = Count();
        EXPECT_FALSE(Exec(line)) << line;
        EXPECT_EQ(OnlyError(), error) << line;
        EXPECT_EQ(Count(), before) << line << " left objects behind";
    }
    void RefitAndCheck() {
        parser.AutoScale();
        parser.Redraw();
        EXPECT_EQ(invariants::NonFiniteReport(parser), "");
        for (const RecordedOp& op : canvas.ops)
            for (int v : {op.x1, op.y1, op.x2, op.y2, op.x3, op.y3, op.x4, op.y4})
                ASSERT_LE(std::abs(v), kDeviceLimit + 1000);
    }
    static double Distance(const TPunkt* a, const TPunkt* b) {
        return std::hypot(a->GetX() - b->GetX(), a->GetY() - b->GetY());
    }
};

TEST_F(AdversarialTest, FourHundredDigitNumbersAreCutWithTheLine) {
    const std::string digits(400, '9');
    // The line ends after 255 characters: x takes the rest of the line and y is missing.
    ExpectRejected("PUNKT A " + digits + " 1", kNoNumber);
    ExpectRejected("PUNKT A -" + digits, kNoNumber);

    // As the last argument the number is merely cut: 255 - 10 characters of nines.
    ExpectAccepted("PUNKT B 1 " + digits);
    EXPECT_NEAR(std::log10(Obj("B")->GetY()), 245, 1e-9);
    ExpectAccepted("PUNKT O");
    ExpectAccepted("KREIS k O " + digits);
    EXPECT_NEAR(std::log10(dynamic_cast<TKreis*>(Obj("k"))->Radius()), 245, 1e-9);
    ExpectAccepted("STRECKE s N E " + digits);
    ASSERT_NE(Obj("E"), nullptr);
    EXPECT_NEAR(std::log10(Obj("E")->GetX()), 241, 1e-9);
    ExpectAccepted("STRAHL r N E");
    ExpectRejected("STRECKE t r F " + digits, kOverflowText);  // the square of the length
    ExpectAccepted("PARALLELE p s -" + digits);
    ExpectRejected("WINKEL w s N u 1", kOverflowText);  // the leg is too long to square
    ExpectAccepted("PUNKT G 5 0");
    ExpectAccepted("STRECKE s2 N G");
    ExpectAccepted("WINKEL w s2 N u " + digits);
    ASSERT_NE(Obj("w"), nullptr);
    EXPECT_TRUE(std::isfinite(dynamic_cast<TWinkel*>(Obj("w"))->GetValue()));
    const double radius = std::hypot(Obj("B")->GetX(), Obj("B")->GetY());
    ExpectAccepted("DREHE " + digits);
    EXPECT_NEAR(std::hypot(Obj("B")->GetX(), Obj("B")->GetY()) / radius, 1, 1e-12);
    ExpectRejected("WERT " + digits, kNoLetter);
    RefitAndCheck();
}

TEST_F(AdversarialTest, ComputedValuesNearTheRangeOfDoubleStayFiniteOrAreRejected) {
    const std::string big = std::string(200, '9');  // about 1e200
    ExpectAccepted("PUNKT A " + big + " " + big);
    ExpectAccepted("PUNKT B -" + big + " -" + big);
    ExpectAccepted("PUNKT O");
    ExpectAccepted("STRECKE s A B");
    ExpectAccepted("WERT s");
    ExpectAccepted("MP m A B");
    EXPECT_NEAR(Obj("m")->GetX(), 0, 1e-9);
    // The radius is representable, but the squares of the distance are not.
    ExpectRejected("KREIS k A B", kOverflowText);
    ExpectAccepted("KREIS big O " + big);
    ExpectAccepted("PARALLELE far s " + big);
    ExpectAccepted("SENKRECHTE n s O");
    ExpectAccepted("BEZ SP n s F");
    EXPECT_NEAR(Obj("F")->GetX(), 0, 1e-9);
    ExpectAccepted("GERADE g A B");
    ExpectAccepted("STRAHL r B A");

    // Intersections that would lie beyond the range, or whose squares would: no point, never an infinity.
    ExpectAccepted("PUNKT E 1 0");
    ExpectAccepted("PUNKT T 1 0," + std::string(199, '0') + "1");
    ExpectAccepted("GERADE flat O T");
    ExpectAccepted("PUNKT P 0 " + big);
    ExpectAccepted("PUNKT Q 1 " + big);
    ExpectAccepted("GERADE high P Q");
    ExpectAccepted("GERADE e O E");
    for (const char* line : {"BEZ SP flat high X", "BEZ SP big e K1 K2", "BEZ SP big g K3"}) {
        EXPECT_FALSE(Exec(line)) << line;
        const std::string error = OnlyError();
        EXPECT_TRUE(error == kNoIntersection || error == kOverflowText) << line << ": " << error;
    }
    ExpectAccepted("DREHE 45");
    EXPECT_NEAR(Distance(Obj("A"), Obj("O")) / Distance(Obj("B"), Obj("O")), 1, 1e-12);
    RefitAndCheck();
}

TEST_F(AdversarialTest, EveryByteFromAUpwardsAsAName) {
    int letters = 0;
    for (int byte = 0x41; byte <= 0xFF; ++byte) {
        const std::string name = std::string(1, static_cast<char>(byte)) + "x";
        if (parser.IsLetter(static_cast<unsigned char>(byte))) {
            ++letters;
            ExpectAccepted("PUNKT " + name + " 1 " + std::to_string(byte));
            ASSERT_NE(Obj(name.c_str()), nullptr) << byte;
            EXPECT_EQ(Obj(name.c_str())->GetY(), byte);
            ExpectAccepted("WERT " + name);
        } else {
            ExpectRejected("PUNKT " + name + " 1 1", kNoLetter);
        }
    }
    EXPECT_GE(letters, 52);  // at least the ASCII letters

    // One name of all those bytes in order: kept to 20 characters, found again through the long form.
    std::string all;
    for (int byte = 0x41; byte <= 0xFF; ++byte)
        all += static_cast<char>(byte);
    ExpectAccepted("PUNKT " + all + " 3 4");
    ASSERT_NE(Obj(all.substr(0, 20).c_str()), nullptr);
    ExpectAccepted("PUNKT " + all.substr(1, 60) + " 5 6");
    ExpectAccepted("STRECKE " + all.substr(2, 60) + " " + all.substr(0, 60) + " " + all.substr(1, 60));
    ExpectAccepted("KREIS k " + all.substr(0, 60) + " " + all.substr(2, 60));
    EXPECT_NEAR(dynamic_cast<TKreis*>(Obj("k"))->Radius(), std::sqrt(8.0), 1e-12);
    ExpectRejected("PUNKT " + all + " 7 8", "Name ist bereits vergeben!");
    RefitAndCheck();
}

TEST_F(AdversarialTest, DegenerateFiguresFromOnePlace) {
    for (const char* line :
         {"PUNKT A 1 1",     "PUNKT B 1 1",   "STRECKE s A B",      "GERADE g A B",    "STRAHL r A B",
          "MP m A B",        "MP m2 s",       "SENKRECHTE n s A",   "PARALLELE p s 1", "PARALLELE p2 s A",
          "KREIS k A B",     "KREIS k2 A 0",  "KREIS k3 A -5",      "KREIS k4 A s",    "WINKEL w s A t 30",
          "WINKEL HALB h w", "BEZ SP k2 g X", "BEZ WINKEL s A s v", "WERT s",          "WERT k2",
          "WERT w",          "DREHE 90",      "DREHE -90"})
        ExpectAccepted(line);
    ExpectRejected("BEZ SP g g Y", kNoIntersection);
    ExpectRejected("BEZ SP s s Y", kNoIntersection);
    ExpectRejected("BEZ SP k k Y", kNotUnique);
    ExpectRejected("BEZ SP k2 k4 Y", kNotUnique);
    ExpectRejected("POLYGON A B A", "Punkte m\xFCssen verschieden sein!");
    ExpectRejected("POLYGON A A A A", "Punkte m\xFCssen verschieden sein!");
    RefitAndCheck();
}

TEST_F(AdversarialTest, VerticalAndHorizontalEverything) {
    for (const char* line :
         {"PUNKT A 2 -3",     "PUNKT B 2 3",       "PUNKT C 5 -3",      "PUNKT D 5 3",
          "PUNKT E -4 0",     "PUNKT F 9 0",       "GERADE a A B",      "GERADE b C D",
          "STRECKE h E F",    "STRAHL r A C",      "SENKRECHTE na a E", "SENKRECHTE nh h A",
          "PARALLELE pa a 3", "PARALLELE ph h -3", "KREIS k A 3",       "BEZ SP a h S",
          "BEZ SP a k K1 K2", "BEZ SP nh h T",     "WINKEL w h F t 90", "BEZ WINKEL A S F v"})
        ExpectAccepted(line);
    EXPECT_DOUBLE_EQ(Obj("S")->GetX(), 2);
    EXPECT_DOUBLE_EQ(Obj("S")->GetY(), 0);
    EXPECT_DOUBLE_EQ(Obj("K1")->GetY(), 0);  // the upper point first on a vertical line
    EXPECT_DOUBLE_EQ(Obj("K2")->GetY(), -6);
    EXPECT_NEAR(dynamic_cast<TWinkel*>(Obj("v"))->GetValue(), 90, 1e-9);
    ExpectRejected("BEZ SP a b Y", kNoIntersection);
    ExpectRejected("BEZ SP a pa Y", kNoIntersection);
    ExpectRejected("BEZ SP na h Y", kNoIntersection);  // a segment on a line meets it nowhere
    ExpectAccepted("GERADE e E F");
    ExpectRejected("BEZ SP na e Y", kNotUnique);
    ExpectAccepted("GERADE a2 B A");
    ExpectRejected("BEZ SP a a2 Y", kNoIntersection);  // two vertical lines never meet, even the same
    ExpectRejected("BEZ SP h ph Y", kNoIntersection);
    RefitAndCheck();
}

TEST_F(AdversarialTest, HugeTurnsKeepTheShape) {
    ASSERT_TRUE(Run({"PUNKT C -1 0", "PUNKT D 1 0", "PUNKT U 0 1", "STRECKE s C D", "KREIS k U 2"}));
    // Whole turns are taken off exactly, so the points keep their places relative to each other.
    // Built by appending: "1" + string trips a false -Wrestrict of GCC 12 at -O3.
    const std::string one100 = std::string("1").append(100, '0');
    const std::string minusOne200 = std::string("-1").append(200, '0').append(",5");
    for (const std::string& angle :
         {std::string("720"), std::string("-3600000"), one100, std::string(245, '9'), minusOne200}) {
        ExpectAccepted("DREHE " + angle);
        EXPECT_NEAR(Distance(Obj("C"), Obj("D")), 2, 1e-9) << angle;
        EXPECT_NEAR(Distance(Obj("C"), Obj("U")), std::sqrt(2.0), 1e-9) << angle;
        EXPECT_NEAR(Obj("C")->GetX(), -Obj("D")->GetX(), 1e-9) << angle;
    }
    parser.Execute("DREHE 0");
    ExpectAccepted("DREHE 720");
    const double x = Obj("D")->GetX();
    ExpectAccepted("DREHE -1440");
    EXPECT_NEAR(Obj("D")->GetX(), x, 1e-12);
    RefitAndCheck();
}

TEST_F(AdversarialTest, TeraUnitWindowWithAxesRedrawsFiniteAndBounded) {
    parser.ShowAxes();
    ExpectAccepted("PUNKT A 1000000000000 1000000000000");
    ExpectAccepted("PUNKT B -1000000000000 -1000000000000");
    ExpectAccepted("KREIS k A B");
    canvas.ops.clear();
    RefitAndCheck();
    EXPECT_LE(Drawing().XMin, -1e12);
    EXPECT_GE(Drawing().YMax, 1e12);
    // Unit ticks cannot all be drawn; the redraw must stay a bounded amount of work.
    EXPECT_LT(canvas.ops.size(), 10000u);
    parser.HideAxes();
    parser.ShowAxes();
    EXPECT_EQ(invariants::NonFiniteReport(parser), "");
}

}  // namespace
