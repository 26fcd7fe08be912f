// The interpreter core: command words, names, numbers, error texts, PUNKT, and window fitting.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "drawing/drawstate.h"
#include "parser/commandwords.h"
#include "parser/errortexts.h"
#include "tests/support/parserfixture.h"

namespace {

const std::string kNoNumber = "Zahl erwartet!";
const std::string kBadNumber = "Keine korrekte Zahleingabe!";
const std::string kNoCommand = "Kein Befehl!";
const std::string kBadName = "Kein erlaubter Name! Buchstabe erwartet!";
const std::string kEndOfLine = "Unerwartetes  Zeilenende!";

using CoreTest = ParserTest;

TEST(ErrorTexts, AreWindows1252BytesExactly) {
    EXPECT_EQ(ErrorText(11), "Name mu\xDF bereits vorhanden sein!");
    EXPECT_EQ(static_cast<unsigned char>(ErrorText(11)[7]), 0xDF);
    EXPECT_EQ(ErrorText(25),
              "Scheitelpunkt mu\xDF mit dem Strahlanfang \xFC"
              "bereinstimmen!");
    EXPECT_EQ(ErrorText(27), "Unerwartetes  Zeilenende!");
    EXPECT_EQ(ErrorText(7), "Es exitstiert kein Schnittpunkt!");
    EXPECT_EQ(std::string(kOverflowText),
              "Gleitkomma\xFC"
              "berlauf");
}

TEST(CommandWords, AreFoundInAnyCaseWithUmlautsAndShortForms) {
    EXPECT_EQ(FindCommand("punkt"), CommandId::Punkt);
    EXPECT_EQ(FindCommand("MittelPunkt"), CommandId::Mittelpunkt);  // the longest word
    EXPECT_EQ(FindCommand("mp"), CommandId::Mittelpunkt);
    EXPECT_EQ(FindCommand("L\xF6sche"), CommandId::Loesche);
    EXPECT_EQ(FindCommand("L\xD6SCHE"), CommandId::Loesche);
    EXPECT_EQ(FindCommand("poly"), CommandId::Polygon);
    // Whole words only, and no byte stands for more than its key.
    EXPECT_EQ(FindCommand("PUNKTE"), std::nullopt);
    EXPECT_EQ(FindCommand("PUNK"), std::nullopt);
    EXPECT_EQ(FindCommand("MITTELPUNKTT"), std::nullopt);
    EXPECT_EQ(FindCommand(std::string("PUNKT\0", 6)), std::nullopt);
    EXPECT_EQ(FindCommand("\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC"), std::nullopt);
    EXPECT_EQ(FindCommand(""), std::nullopt);
    EXPECT_EQ(CommandWordKey("l\xF6sche \xDC"), "LOESCHE UE");
}

TEST(ErrorTexts, UnknownNumbersShowUnknownError) {
    for (int n : {0, 22, 29, 50, 98, 100, -1})
        EXPECT_EQ(ErrorText(n), "Unbekannter Fehler!") << n;
    EXPECT_EQ(ErrorText(99), "Interner Fehler. Diese Fehlermeldung sollte nie erscheinen!");
}

TEST_F(CoreTest, LinesNotStartingWithALetterAreAcceptedAndDoNothing) {
    EXPECT_TRUE(Run({"", "   ", " PUNKT A 1 2", "1 PUNKT", "@PUNKT A", "_x"}));
    EXPECT_EQ(Count(), 0);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(CoreTest, NegativeZeroReadsAsPlainZero) {
    ASSERT_TRUE(Run({"PUNKT A -0 -0,0"}));
    EXPECT_FALSE(std::signbit(Obj("A")->GetX()));
    EXPECT_FALSE(std::signbit(Obj("A")->GetY()));
    EXPECT_EQ(Obj("A")->Describe(), "Punkt A hat die Koordinaten ( 0.00/ 0.00)");
}

// Rejected lines the end-to-end file core_points does not already hold, each with its message.
TEST_F(CoreTest, RejectedLinesShowTheirMessages) {
    struct Case {
        const char* line;
        const std::string& error;
    };
    const Case cases[] = {
        {"LOESCHEN A", kNoCommand},   {"L\xD6SCHEN", kNoCommand},   {"PUN@KT A", kNoCommand},
        {"Punkt1 A", kNoCommand},     {"PUNKT A x 2", kNoNumber},   {"PUNKT A 1.5.5 2", kBadNumber},
        {"PUNKT A 1 2+", kBadNumber}, {"PUNKT A -- 3", kBadNumber}, {"PUNKT _A", kBadName},
        {"PUNKT    ", kEndOfLine},
    };
    for (const Case& c : cases) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
    }
    EXPECT_EQ(Count(), 0);
    // Later characters of a name may be anything but a blank.
    EXPECT_TRUE(parser.Execute("PUNKT A_1,x! 1 1"));
    EXPECT_NE(Obj("A_1,x!"), nullptr);
}

TEST_F(CoreTest, LongestNumbersThatFitStayFinite) {
    // The longest numbers that fit stay finite, however many digits they have.
    const std::string many(120, '9');
    const std::string tiny = "0," + std::string(110, '0') + "1";
    EXPECT_TRUE(parser.Execute("PUNKT B " + many + " -" + tiny));
    EXPECT_DOUBLE_EQ(Obj("B")->GetX(), 1e120);
    EXPECT_DOUBLE_EQ(Obj("B")->GetY(), -1e-111);
}

TEST_F(CoreTest, HugeCoordinatesKeepTheWindowFinite) {
    const std::string big = "1" + std::string(120, '0');  // as large as a line can hold twice
    EXPECT_TRUE(Run({("PUNKT A " + big + " " + big).c_str(), ("PUNKT B -" + big + " -" + big).c_str()}));
    parser.AutoScale();
    const DrawState& s = Drawing();
    for (double v : {s.XMin, s.YMin, s.XMax, s.YMax, s.XScale, s.YScale})
        EXPECT_TRUE(std::isfinite(v));
}

TEST_F(CoreTest, NewObjectsTakeTheCurrentColourAndAreDrawnAtOnce) {
    canvas.Clear();
    ASSERT_TRUE(parser.Execute("PUNKT A 1 2"));
    EXPECT_EQ(Obj("A")->Color, kInitialColor);
    // The X-shaped mark (two strokes) and the label.
    EXPECT_GE(canvas.Lines().size(), 2u);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0].text, "A");
}

TEST_F(CoreTest, WithoutResetEveryLineIsAcceptedWithoutEffect) {
    RecordingMessages quiet;
    TParser fresh(quiet);
    EXPECT_TRUE(fresh.Execute("PUNKT A 1 2"));
    EXPECT_TRUE(fresh.Execute("xyz"));
    EXPECT_EQ(fresh.Objects.Count(), 0);
    EXPECT_TRUE(quiet.errors.empty());
}

TEST_F(CoreTest, ExtendToFitWidensWhenAnObjectTouchesTheEdge) {
    ASSERT_TRUE(parser.Execute("PUNKT A 0 0"));
    const double ymax = Drawing().YMax;  // 5 on 640x480
    ASSERT_TRUE(parser.Execute("PUNKT B 0 " + std::to_string(ymax)));
    EXPECT_GT(Drawing().YMax, ymax);
    EXPECT_DOUBLE_EQ(Drawing().YMax, ymax + 1);
}

// On the default drawing area the start window survives the redraw after it unchanged, so a circle
// that reaches its top edge touches it and widens the window, as a batch run at that size does.
TEST_F(CoreTest, CircleTouchingTheStartWindowWidensItAfterARedraw) {
    Drawing().ScreenRect = {0, 0, 472, 366};
    SetWorldWindow(-6, -5, 6, 5);
    parser.Redraw();
    EXPECT_EQ(Drawing().YMax, 5);
    ASSERT_TRUE(Run({"PUNKT A 1 2", "KREIS k A 3"}));
    EXPECT_EQ(Drawing().YMin, -6);
    EXPECT_EQ(Drawing().YMax, 6);
}

// Redraws after the drawing area changed shape fit the window last chosen (here by ExtendToFit), not
// the one last shown: taller and back, or narrower and back, shows the same view again.
TEST_F(CoreTest, RedrawAfterAResizeAndBackShowsTheSameView) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 7 5"}));
    const DrawState before = Drawing();
    for (const DeviceRect other : {DeviceRect{0, 0, 640, 900}, DeviceRect{0, 0, 200, 480}}) {
        for (int i = 0; i < 3; ++i) {
            Drawing().ScreenRect = other;
            parser.Redraw();
            Drawing().ScreenRect = {0, 0, 640, 480};
            parser.Redraw();
        }
        EXPECT_EQ(Drawing().XMin, before.XMin);
        EXPECT_EQ(Drawing().XMax, before.XMax);
        EXPECT_EQ(Drawing().YMin, before.YMin);
        EXPECT_EQ(Drawing().YMax, before.YMax);
        EXPECT_EQ(Drawing().XScale, before.XScale);
    }
}

TEST_F(CoreTest, AutoScaleKeepsTheOriginAndAMarginOfOne) {
    ASSERT_TRUE(Run({"PUNKT A 10 10", "PUNKT B 20 12"}));
    parser.AutoScale();
    const DrawState& s = Drawing();
    EXPECT_LE(s.XMin, -1);
    EXPECT_LE(s.YMin, -1);
    EXPECT_GE(s.XMax, 21);
    EXPECT_GE(s.YMax, 13);
    EXPECT_DOUBLE_EQ(s.XScale, s.YScale);
}

TEST_F(CoreTest, AutoScaleOffOnlyRedraws) {
    ASSERT_TRUE(parser.Execute("PUNKT A 50 50"));
    parser.AutoScaling = false;
    const DrawState before = Drawing();
    ASSERT_TRUE(parser.Execute("PUNKT B 60 60"));
    parser.AutoScale();
    EXPECT_EQ(Drawing().XMax, before.XMax);
    EXPECT_EQ(Drawing().YMin, before.YMin);
}

TEST_F(CoreTest, RedrawClearsThenDrawsObjectsThenAxes) {
    ASSERT_TRUE(parser.Execute("PUNKT A 1 1"));
    parser.ShowAxes();
    EXPECT_TRUE(parser.Axes.Visible);
    canvas.Clear();
    parser.Redraw();
    ASSERT_FALSE(canvas.ops.empty());
    EXPECT_EQ(canvas.ops.front().kind, RecordedOp::FillRect);
    EXPECT_EQ(canvas.ops.front().brush.color, kWhite);
    // Axes come last: the final strokes are black axis strokes, after the point's label.
    std::size_t labelIndex = 0;
    for (std::size_t i = 0; i < canvas.ops.size(); ++i)
        if (canvas.ops[i].kind == RecordedOp::Text) labelIndex = i;
    EXPECT_LT(labelIndex, canvas.ops.size() - 1);

    parser.HideAxes();
    EXPECT_FALSE(parser.Axes.Visible);
}

TEST_F(CoreTest, ResetBringsBackBlackButKeepsObjects) {
    ASSERT_TRUE(parser.Execute("PUNKT A 1 1"));
    parser.CurrentColor = 1;
    parser.Reset();
    EXPECT_EQ(parser.CurrentColor, kInitialColor);
    EXPECT_EQ(Count(), 1);
    parser.CurrentColor = 3;
    parser.ResetColor();
    EXPECT_EQ(parser.CurrentColor, kInitialColor);
}

}  // namespace
