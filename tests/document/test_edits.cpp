// The document's edits: typed lines, undo, redo, the editor's replacement and one replaced token.
#include <string>
#include <vector>

#include "drawing/drawstate.h"
#include "parser/errortexts.h"
#include "tests/document/documentfixture.h"

namespace {

using Lines = std::vector<std::string>;

TEST_F(DocumentTest, StartStateIsTheWindowsAfterStart) {
    EXPECT_EQ(document.LineCount(), 0);
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.Untitled());
    EXPECT_FALSE(document.Parser().Axes.Visible);
    EXPECT_TRUE(Drawing().ColorMode);
    EXPECT_EQ(document.Parser().CurrentColor, kInitialColor);
    // -6..6 x -5..5 widened to 640 x 480: x grows to -6.666..6.666.
    EXPECT_DOUBLE_EQ(Drawing().YMin, -5);
    EXPECT_DOUBLE_EQ(Drawing().YMax, 5);
    EXPECT_NEAR(Drawing().XMax, 20.0 / 3, 1e-12);
}

TEST_F(DocumentTest, TypedLinesJoinOnlyWhenAccepted) {
    EXPECT_TRUE(document.AppendTyped("PUNKT A 1 2"));
    EXPECT_TRUE(document.Modified());
    document.SetModified(false);
    EXPECT_FALSE(document.AppendTyped("KREIS k X 2"));
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.Lines(), Lines{"PUNKT A 1 2"});
    EXPECT_EQ(messages.errors.size(), 1u);
    const LineState& state = document.State(0);
    EXPECT_TRUE(state.executed && state.accepted);
    EXPECT_EQ(state.firstObject, 0);
    EXPECT_EQ(state.objectCount, 1);
}

TEST_F(DocumentTest, UndoTakesBackTheLastLineAndKeepsTheWindow) {
    Type({"PUNKT A 0 0", "PUNKT B 40 0", "STRECKE s A B"});
    const double widenedMax = Drawing().XMax;
    ASSERT_GT(widenedMax, 40);
    document.SetModified(false);
    canvas.ops.clear();
    document.Undo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "PUNKT B 40 0"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(document.Modified());
    EXPECT_DOUBLE_EQ(Drawing().XMax, widenedMax);  // never narrowed by a rebuild
    // The picture is cleared and drawn anew: the segment's label is not drawn again.
    std::size_t cleared = 0;
    for (std::size_t i = 0; i < canvas.ops.size(); ++i)
        if (canvas.ops[i].kind == RecordedOp::FillRect) cleared = i;
    std::vector<std::string> labels;
    for (std::size_t i = cleared; i < canvas.ops.size(); ++i)
        if (canvas.ops[i].kind == RecordedOp::Text) labels.push_back(canvas.ops[i].text);
    EXPECT_EQ(labels, (std::vector<std::string>{"A", "B"}));

    document.Undo();
    document.Undo();
    document.SetModified(false);
    document.Undo();  // the empty list stays empty but counts as a change
    EXPECT_EQ(document.LineCount(), 0);
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(document.CanUndo());
}

TEST_F(DocumentTest, UndoRebuildStopsAtTheFirstRejectedLine) {
    document.ReplaceAll({"PUNKT A 0 0", "KREIS k X 1", "PUNKT B 1 1", "PUNKT C 2 2"});
    messages.Clear();
    document.Undo();
    EXPECT_EQ(document.LineCount(), 3);
    EXPECT_EQ(Names(), std::vector<std::string>{"A"});
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Mittelpunkt exisitiert nicht !"});
    EXPECT_FALSE(document.State(2).executed);
}

TEST_F(DocumentTest, RedoPutsBackNewestFirstWhatUndoTook) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B"});
    EXPECT_FALSE(document.CanRedo());
    document.Undo();
    document.Undo();
    ASSERT_TRUE(document.CanRedo());
    document.SetModified(false);
    document.Redo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "PUNKT B 4 0"}));
    EXPECT_TRUE(document.Modified());
    document.Redo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "s"}));
    EXPECT_FALSE(document.CanRedo());
    document.Redo();  // nothing left: no change
    EXPECT_EQ(document.LineCount(), 3);
}

TEST_F(DocumentTest, WhatCanBeRedoneIsForgottenByEveryNewChange) {
    const auto undoTwice = [this] {
        Type({"PUNKT A 0 0", "PUNKT B 4 0"});
        document.Undo();
        document.Undo();
        ASSERT_TRUE(document.CanRedo());
    };
    undoTwice();
    document.AppendTyped("PUNKT C 1 1");
    EXPECT_FALSE(document.CanRedo());
    document.StartAfresh();
    undoTwice();
    document.ReplaceAll({"PUNKT D 1 1"});
    EXPECT_FALSE(document.CanRedo());
    document.StartAfresh();
    undoTwice();
    document.Load(Text({"PUNKT E 1 1"}));
    EXPECT_FALSE(document.CanRedo());
    document.StartAfresh();
    undoTwice();
    document.StartAfresh();
    EXPECT_FALSE(document.CanRedo());
    // A rejected typed line changes nothing, so what was undone can still come back.
    undoTwice();
    document.AppendTyped("KREIS k X 1");
    EXPECT_TRUE(document.CanRedo());
}

TEST_F(DocumentTest, EditorReplacementRebuildsUpToTheFirstRejectedLine) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "PUNKT C 2 2"});
    document.SetModified(false);
    messages.Clear();
    document.ReplaceAll({"PUNKT A 0 0", "STRECKE s A X", "PUNKT C 2 2"});
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "STRECKE s A X", "PUNKT C 2 2"}));
    EXPECT_EQ(Names(), std::vector<std::string>{"A"});
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_FALSE(document.State(1).accepted);
    EXPECT_EQ(document.State(1).message.str(), messages.errors.front());
    EXPECT_FALSE(document.State(2).executed);
}

TEST_F(DocumentTest, ReplacedTokenExecutesTheConstructionAgainAsOneUndoStep) {
    Type({"PUNKT M 0 0", "KREIS k M 2", "PUNKT P 5 5"});
    // Tokens of "KREIS k M 2": command, k, M, 2.
    ASSERT_TRUE(document.ReplaceToken(1, 3, "3,5"));
    EXPECT_EQ(document.Line(1), "KREIS k M 3,5");
    EXPECT_EQ(Obj("k")->Describe(), "Kreis k: Mittelpunkt (0.00/0.00) Radius: 3.50");
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(document.ReplaceToken(1, 9, "1"));
    EXPECT_FALSE(document.ReplaceToken(7, 0, "1"));

    // Right after it, Rückgängig gives the old text back; Wiederherstellen the new one.
    document.Undo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT M 0 0", "KREIS k M 2", "PUNKT P 5 5"}));
    EXPECT_EQ(Obj("k")->Describe(), "Kreis k: Mittelpunkt (0.00/0.00) Radius: 2.00");
    document.Redo();
    EXPECT_EQ(document.Line(1), "KREIS k M 3,5");
    // Then undo takes the edit back again, and after it lines as ever.
    document.Undo();
    document.Undo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT M 0 0", "KREIS k M 2"}));
    document.Redo();
    document.Redo();
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT M 0 0", "KREIS k M 3,5", "PUNKT P 5 5"}));
}

TEST_F(DocumentTest, ReplacedTokenCanBreakTheConstructionAndMendItAgain) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "MP M s"});
    messages.Clear();
    ASSERT_TRUE(document.ReplaceToken(1, 1, "C", RebuildMode::KeepGoing));
    EXPECT_EQ(document.Line(1), "PUNKT C 4 0");
    EXPECT_FALSE(document.State(2).accepted);
    EXPECT_FALSE(document.State(3).accepted);  // executed all the same
    EXPECT_TRUE(document.State(3).executed);
    EXPECT_EQ(messages.errors.size(), 2u);
    ASSERT_TRUE(document.ReplaceToken(1, 1, "B", RebuildMode::KeepGoing));
    for (int i = 0; i < document.LineCount(); ++i)
        EXPECT_TRUE(document.State(i).accepted) << i;
}

TEST_F(DocumentTest, QuietDocumentRecordsMessagesWithoutBoxes) {
    Type({"PUNKT A 0 0", "WERT A"});
    messages.Clear();
    document.SetQuiet(true);
    document.ReplaceToken(0, 1, "Z", RebuildMode::KeepGoing);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(messages.information.empty());
    EXPECT_EQ(document.State(1).message.str(), ErrorText(11));
    document.SetQuiet(false);
    document.Undo();
    EXPECT_EQ(messages.information.size(), 1u);
}

}  // namespace
