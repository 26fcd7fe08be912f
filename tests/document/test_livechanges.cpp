// Live changes of the document: a line rewritten at every move, numbers stepped in their own form, one
// undo step each, no boxes, and marks on rejected lines until the construction is whole again.
#include <string>
#include <vector>

#include "document/numbertext.h"
#include "drawing/drawstate.h"
#include "tests/document/documentfixture.h"

namespace {

using Lines = std::vector<std::string>;

TEST(NumberText, StepsKeepSeparatorSignDecimalsAndLeadingDigits) {
    EXPECT_EQ(StepNumberText("2", 1), "3");
    EXPECT_EQ(StepNumberText("2,5", 1), "2,6");
    EXPECT_EQ(StepNumberText("2.50", -1), "2.49");
    EXPECT_EQ(StepNumberText("0,1", -1), "0,0");
    EXPECT_EQ(StepNumberText("0,0", -1), "-0,1");
    EXPECT_EQ(StepNumberText("-0,1", 1), "0,0");
    EXPECT_EQ(StepNumberText("+9", 1), "+10");
    EXPECT_EQ(StepNumberText("+1", -2), "-1");
    EXPECT_EQ(StepNumberText(".5", 1), ".6");
    EXPECT_EQ(StepNumberText("5.", 1), "6.");
    EXPECT_EQ(StepNumberText("99,9", 1), "100,0");
    EXPECT_EQ(StepNumberText("-1", 1), "0");
    // Not a plain number, or too long to step exactly.
    EXPECT_EQ(StepNumberText("1,2,3", 1), std::nullopt);
    EXPECT_EQ(StepNumberText("-", 1), std::nullopt);
    EXPECT_EQ(StepNumberText(std::string(30, '9'), 1), std::nullopt);
}

TEST(NumberText, CoordinatesHaveAtMostTwoDecimalsAndNoTrailingZeros) {
    EXPECT_EQ(CoordinateText(1.5, '.'), "1.5");
    EXPECT_EQ(CoordinateText(1.5, ','), "1,5");
    EXPECT_EQ(CoordinateText(2.0, '.'), "2");
    EXPECT_EQ(CoordinateText(-0.04, '.'), "-0.04");
    EXPECT_EQ(CoordinateText(-0.001, '.'), "0");  // never "-0"
    EXPECT_EQ(CoordinateText(3.14159, ','), "3,14");
    EXPECT_EQ(CoordinateText(-12.3, '.'), "-12.3");
}

TEST_F(DocumentTest, LiveChangeExecutesAtEveryStepAndEndsAsOneUndoStep) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "MP M s"});
    const WorldWindow before{Drawing().XMin, Drawing().YMin, Drawing().XMax, Drawing().YMax};
    document.SetModified(false);
    document.BeginLiveEdit(1);
    document.SetLiveText("PUNKT B 6 2");
    EXPECT_EQ(Obj("M")->Describe(), "Punkt M hat die Koordinaten ( 3.00/ 1.00)");
    document.SetLiveText("PUNKT B 40 30");  // far out: the view stays while the change runs
    EXPECT_EQ(Drawing().XMax, before.xmax);
    EXPECT_EQ(Drawing().YMax, before.ymax);
    document.EndLiveEdit();
    EXPECT_GT(Drawing().XMax, 40);  // then it widens as after a typed line
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(messages.errors.empty());

    document.Undo();
    EXPECT_EQ(document.Line(1), "PUNKT B 4 0");
    EXPECT_EQ(document.LineCount(), 4);
    document.Redo();
    EXPECT_EQ(document.Line(1), "PUNKT B 40 30");
    // Afterwards Rückgängig takes lines back as ever.
    document.Undo();
    document.Undo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B"}));
}

TEST_F(DocumentTest, CancelledLiveChangePutsTheOldTextBackWithoutAnUndoStep) {
    Type({"PUNKT A 0 0", "KREIS k A 1"});
    document.SetModified(false);
    document.BeginLiveEdit(0);
    document.SetLiveText("PUNKT A 3 3");
    document.CancelLiveEdit();
    EXPECT_EQ(document.Line(0), "PUNKT A 0 0");
    EXPECT_EQ(Obj("A")->GetX(), 0);
    EXPECT_FALSE(document.Modified());
    document.Undo();  // takes the last line, not the cancelled change
    EXPECT_EQ(document.Lines(), Lines{"PUNKT A 0 0"});
}

TEST_F(DocumentTest, RejectedLinesOfALiveChangeAreMarkedWithoutBoxesUntilWholeAgain) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "MP M s", "KREIS k M 1"});
    messages.Clear();
    document.BeginLiveEdit(1);
    document.SetLiveText("PUNKT C 4 0");  // B is gone: s, M and k cannot be made
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(document.MarksRejected());
    EXPECT_EQ(document.FirstRejectedLine(), 2);
    EXPECT_TRUE(document.State(4).executed);  // executed all the same
    EXPECT_FALSE(document.State(4).accepted);
    EXPECT_FALSE(document.State(2).message.empty());
    EXPECT_EQ(Obj("s"), nullptr);
    document.SetLiveText("PUNKT B 5 0");  // back: whole again
    EXPECT_FALSE(document.MarksRejected());
    EXPECT_EQ(document.FirstRejectedLine(), -1);
    document.SetLiveText("PUNKT C 4 0");
    document.EndLiveEdit();
    EXPECT_TRUE(document.MarksRejected());  // stays marked after the change ended
    EXPECT_TRUE(messages.errors.empty());
    document.Undo();  // the construction executes whole again
    EXPECT_FALSE(document.MarksRejected());
}

TEST_F(DocumentTest, SteppedNumbersKeepTheirFormAndARunIsOneUndoStep) {
    Type({"PUNKT M 0 0", "KREIS k M 2,5", "PUNKT P 1 1"});
    // Tokens of "KREIS k M 2,5": command, k, M, 2,5.
    EXPECT_FALSE(document.StepNumber(1, 2, 1));  // a name is no number
    ASSERT_TRUE(document.StepNumber(1, 3, 1));
    ASSERT_TRUE(document.StepNumber(1, 3, 1));
    EXPECT_EQ(document.Line(1), "KREIS k M 2,7");
    EXPECT_EQ(Obj("k")->Describe(), "Kreis k: Mittelpunkt (0.00/0.00) Radius: 2.70");
    ASSERT_TRUE(document.StepNumber(2, 3, -3));  // another number starts another run
    EXPECT_EQ(document.Line(2), "PUNKT P 1 -2");
    document.Undo();
    EXPECT_EQ(document.Line(2), "PUNKT P 1 1");
    EXPECT_EQ(document.Line(1), "KREIS k M 2,7");
    ASSERT_TRUE(document.StepNumber(1, 3, -1));
    ASSERT_TRUE(document.StepNumber(1, 3, -1));
    document.Undo();
    EXPECT_EQ(document.Line(1), "KREIS k M 2,7");
    EXPECT_TRUE(messages.errors.empty());
}

}  // namespace
