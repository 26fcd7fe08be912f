// The interpreter core: command words, names, numbers, error texts, PUNKT, and window fitting.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "drawing/drawstate.h"
#include "parser/errortexts.h"
#include "tests/support/parserfixture.h"

namespace {

const std::string kNoNumber = "Zahl erwartet!";
const std::string kBadNumber = "Keine korrekte Zahleingabe!";
const std::string kNoCommand = "Kein Befehl!";
const std::string kBadName = "Kein erlaubter Name! Buchstabe erwartet!";
const std::string kEndOfLine = "Unerwartetes  Zeilenende!";
const std::string kNameTaken = "Name ist bereits vergeben!";

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

TEST_F(CoreTest, CommandWordsIgnoreCaseButNamesDoNot) {
    EXPECT_TRUE(Run({"punkt a 1 2", "PUNKT A 3 4", "PuNkT b"}));
    ASSERT_EQ(Count(), 3);
    EXPECT_DOUBLE_EQ(Obj("a")->GetX(), 1);
    EXPECT_DOUBLE_EQ(Obj("A")->GetX(), 3);
    EXPECT_DOUBLE_EQ(Obj("b")->GetX(), 0);
    EXPECT_DOUBLE_EQ(Obj("b")->GetY(), 0);
}

TEST_F(CoreTest, UnknownOrPartialCommandWordsAreNoCommand) {
    for (const char* line : {"PUNKTE A", "PKT A 1 2", "LOESCHEN A", "PUN@KT A", "Punkt1 A"}) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(line)) << line;
        EXPECT_EQ(OnlyError(), kNoCommand) << line;
    }
    EXPECT_EQ(Count(), 0);
}

TEST_F(CoreTest, UmlautsInCommandWordsFoldToTwoLetters) {
    // "LÖSCHE", "lösche" and "LOESCHE" are one command; "LÖSCHEN" is none.
    for (const char* line : {"L\xD6SCHE", "l\xF6sche", "LOESCHE"}) {
        messages.Clear();
        parser.Execute(line);
        EXPECT_NE(OnlyError(), kNoCommand) << line;
    }
    messages.Clear();
    EXPECT_FALSE(parser.Execute("L\xD6SCHEN"));
    EXPECT_EQ(OnlyError(), kNoCommand);
}

TEST_F(CoreTest, PointCoordinatesAcceptCommaAndSign) {
    EXPECT_TRUE(Run({"PUNKT A 1,5 2.25", "PUNKT Pkt1 -0,5 +4", "PUNKT C 5. .5", "PUNKT D . -.5"}));
    EXPECT_DOUBLE_EQ(Obj("A")->GetX(), 1.5);
    EXPECT_DOUBLE_EQ(Obj("A")->GetY(), 2.25);
    EXPECT_DOUBLE_EQ(Obj("Pkt1")->GetX(), -0.5);
    EXPECT_DOUBLE_EQ(Obj("Pkt1")->GetY(), 4);
    EXPECT_DOUBLE_EQ(Obj("C")->GetX(), 5);
    EXPECT_DOUBLE_EQ(Obj("C")->GetY(), 0.5);
    EXPECT_DOUBLE_EQ(Obj("D")->GetX(), 0);
    EXPECT_DOUBLE_EQ(Obj("D")->GetY(), -0.5);
}

TEST_F(CoreTest, NegativeZeroReadsAsPlainZero) {
    ASSERT_TRUE(Run({"PUNKT A -0 -0,0"}));
    EXPECT_FALSE(std::signbit(Obj("A")->GetX()));
    EXPECT_FALSE(std::signbit(Obj("A")->GetY()));
    EXPECT_EQ(Obj("A")->Describe(), "Punkt A hat die Koordinaten ( 0.00/ 0.00)");
}

TEST_F(CoreTest, MalformedNumbersAreRejectedWithTheirMessages) {
    struct Case {
        const char* line;
        const std::string& error;
    };
    const Case cases[] = {
        {"PUNKT A 1", kNoNumber},        {"PUNKT A 1x 2", kNoNumber},     {"PUNKT A x 2", kNoNumber},
        {"PUNKT A 1,5,5 2", kBadNumber}, {"PUNKT A 1.5.5 2", kBadNumber}, {"PUNKT A + 2", kBadNumber},
        {"PUNKT A 1-2 3", kBadNumber},   {"PUNKT A 1 2+", kBadNumber},    {"PUNKT A -- 3", kBadNumber},
    };
    for (const Case& c : cases) {
        messages.Clear();
        EXPECT_FALSE(parser.Execute(c.line)) << c.line;
        EXPECT_EQ(OnlyError(), c.error) << c.line;
    }
    EXPECT_EQ(Count(), 0);
}

TEST_F(CoreTest, OverlongNumbersAreCutWithTheLine) {
    // A line ends after 255 characters, so a 400-digit number loses its tail and the Y with it.
    const std::string huge(400, '9');
    EXPECT_FALSE(parser.Execute("PUNKT A " + huge + " 1"));
    EXPECT_EQ(OnlyError(), "Zahl erwartet!");
    EXPECT_EQ(Count(), 0);

    // The longest numbers that fit stay finite, however many digits they have.
    messages.Clear();
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

TEST_F(CoreTest, NamesMustStartWithALetter) {
    EXPECT_FALSE(parser.Execute("PUNKT 1A 2 3"));
    EXPECT_EQ(OnlyError(), kBadName);
    messages.Clear();
    EXPECT_FALSE(parser.Execute("PUNKT _A"));
    EXPECT_EQ(OnlyError(), kBadName);
    messages.Clear();
    // Later characters may be anything but a blank; umlauts and accented letters may start a name.
    EXPECT_TRUE(Run({"PUNKT A_1,x! 1 1", "PUNKT \xC4pfel 2 2", "PUNKT \xEEle"}));
    EXPECT_NE(Obj("A_1,x!"), nullptr);
    EXPECT_NE(Obj("\xC4pfel"), nullptr);
    messages.Clear();
    EXPECT_FALSE(parser.Execute("PUNKT \xDF"));  // ß is no letter here
    EXPECT_EQ(OnlyError(), kBadName);
}

TEST_F(CoreTest, MissingNameIsAnUnexpectedEndOfLine) {
    EXPECT_FALSE(parser.Execute("PUNKT"));
    EXPECT_EQ(OnlyError(), kEndOfLine);
    messages.Clear();
    EXPECT_FALSE(parser.Execute("PUNKT    "));
    EXPECT_EQ(OnlyError(), kEndOfLine);
}

TEST_F(CoreTest, LongNamesKeepTwentyCharacters) {
    ASSERT_TRUE(parser.Execute("PUNKT ABCDEFGHIJKLMNOPQRSTUVWXY 1 2"));
    ASSERT_NE(Obj("ABCDEFGHIJKLMNOPQRST"), nullptr);
    EXPECT_EQ(Obj("ABCDEFGHIJKLMNOPQRST")->GetX(), 1);
    EXPECT_FALSE(parser.Execute("PUNKT ABCDEFGHIJKLMNOPQRSTZZZ 3 4"));
    EXPECT_EQ(OnlyError(), kNameTaken);
    EXPECT_EQ(Count(), 1);
}

TEST_F(CoreTest, AtSignEndsTheLine) {
    EXPECT_TRUE(Run({"PUNKT A 1 2 @ garbage", "PUNKT B@ 1 2", "PUNKT C 3 4 xyz"}));
    EXPECT_DOUBLE_EQ(Obj("A")->GetY(), 2);
    EXPECT_DOUBLE_EQ(Obj("B")->GetX(), 0);
    EXPECT_DOUBLE_EQ(Obj("B")->GetY(), 0);
    EXPECT_DOUBLE_EQ(Obj("C")->GetY(), 4);
}

TEST_F(CoreTest, NothingPastTheLineLimitIsRead) {
    const std::string padding(300, ' ');
    EXPECT_TRUE(parser.Execute("PUNKT A 1 2" + padding + "rest"));
    messages.Clear();
    // The name would start past the 255th character.
    EXPECT_FALSE(parser.Execute("PUNKT" + padding + "B 1 2"));
    EXPECT_EQ(OnlyError(), kEndOfLine);
    messages.Clear();
    // A megabyte line costs no more than its first 255 characters.
    EXPECT_TRUE(parser.Execute("PUNKT C 1 2 " + std::string(1 << 20, 'x')));
    EXPECT_EQ(Count(), 2);
}

TEST_F(CoreTest, ExistingNameIsRejected) {
    EXPECT_TRUE(parser.Execute("PUNKT A 1 2"));
    EXPECT_FALSE(parser.Execute("PUNKT A 5 5"));
    EXPECT_EQ(OnlyError(), kNameTaken);
    EXPECT_EQ(Count(), 1);
    EXPECT_DOUBLE_EQ(Obj("A")->GetX(), 1);
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

TEST_F(CoreTest, ExtendToFitSkipsTheFirstObject) {
    ASSERT_TRUE(parser.Execute("PUNKT A 100 100"));
    const DrawState before = Drawing();
    ASSERT_TRUE(parser.Execute("PUNKT B 1 1"));
    EXPECT_EQ(Drawing().XMax, before.XMax);
    EXPECT_EQ(Drawing().YMax, before.YMax);
    parser.AutoScale();
    EXPECT_GE(Drawing().XMax, 101);
    EXPECT_GE(Drawing().YMax, 101);
    EXPECT_LE(Drawing().XMin, -1);
}

TEST_F(CoreTest, ExtendToFitWidensWhenAnObjectTouchesTheEdge) {
    ASSERT_TRUE(parser.Execute("PUNKT A 0 0"));
    const double ymax = Drawing().YMax;  // 5 on 640x480
    ASSERT_TRUE(parser.Execute("PUNKT B 0 " + std::to_string(ymax)));
    EXPECT_GT(Drawing().YMax, ymax);
    EXPECT_DOUBLE_EQ(Drawing().YMax, ymax + 1);
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
