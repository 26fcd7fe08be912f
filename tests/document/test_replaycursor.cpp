// The replay cursor: one line per step, the guard against a step inside a step, and the finish.
#include <vector>

#include "document/replaycursor.h"
#include "tests/document/documentfixture.h"

namespace {

class ReplayCursorTest : public DocumentTest {
protected:
    ReplayCursor cursor{document};
};

TEST_F(ReplayCursorTest, StepsShowEachLineBeforeItRunsAndTheLastOneEnds) {
    Type({"PUNKT A 0 0", "PUNKT B 1 1", "STRECKE s A B"});
    cursor.Start();
    EXPECT_EQ(Count(), 0);
    std::vector<int> shown;
    std::vector<int> countsWhenShown;
    const auto show = [&](int index) {
        shown.push_back(index);
        countsWhenShown.push_back(Count());
    };
    EXPECT_TRUE(cursor.Step(show));
    EXPECT_TRUE(cursor.Step(show));
    EXPECT_FALSE(cursor.Step(show));  // the last line ends the replay
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(countsWhenShown, (std::vector<int>{0, 1, 2}));  // shown before it executes
    EXPECT_EQ(Count(), 3);
    EXPECT_FALSE(cursor.Step(show));  // past the end nothing happens
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(ReplayCursorTest, RejectedLineEndsTheStepsAndFinishRunsTheRestRegardless) {
    document.ReplaceAll({"PUNKT A 0 0", "KREIS k X 1", "PUNKT B 1 1", "KREIS m Y 1", "PUNKT C 2 2"});
    messages.Clear();
    cursor.Start();
    EXPECT_TRUE(cursor.Step());
    EXPECT_FALSE(cursor.Step());
    EXPECT_EQ(cursor.StepIndex(), 2);
    cursor.Finish();
    EXPECT_EQ(cursor.StepIndex(), 5);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(messages.errors.size(), 2u);
}

TEST_F(ReplayCursorTest, AStepDuringAStepDoesNothing) {
    document.ReplaceAll({"PUNKT A 0 0", "KREIS k X 1", "PUNKT B 1 1"});
    cursor.Start();
    cursor.Step();
    // A timer tick while the step runs (in the window: during its error box) must do nothing.
    bool nested = false;
    int indexDuringBox = -1;
    const auto tick = [&](int) {
        EXPECT_TRUE(cursor.StepBusy());
        nested = cursor.Step();
        indexDuringBox = cursor.StepIndex();
    };
    EXPECT_FALSE(cursor.Step(tick));
    EXPECT_TRUE(nested);
    EXPECT_EQ(indexDuringBox, 1);
    EXPECT_FALSE(cursor.StepBusy());
    EXPECT_EQ(cursor.StepIndex(), 2);
}

TEST_F(ReplayCursorTest, FinishRedrawsTheWholePictureWithTheAxes) {
    Type({"PUNKT A 1 1"});
    document.Parser().ShowAxes();
    cursor.Start();
    canvas.ops.clear();
    cursor.Finish();
    // After the line's own drawing: cleared, then the point and the axes, which are far more than the
    // point's two strokes and its label.
    std::size_t cleared = canvas.ops.size();
    for (std::size_t i = 0; i < canvas.ops.size(); ++i)
        if (canvas.ops[i].kind == RecordedOp::FillRect) cleared = i;
    ASSERT_LT(cleared, canvas.ops.size());
    EXPECT_GT(canvas.ops.size() - cleared, 10u);
    EXPECT_TRUE(document.Parser().Axes.Visible);
}

TEST_F(ReplayCursorTest, EmptyListEndsAtTheFirstStep) {
    cursor.Start();
    EXPECT_FALSE(cursor.Step());
    cursor.Finish();
    EXPECT_EQ(Count(), 0);
}

}  // namespace
