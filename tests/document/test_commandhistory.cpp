// The command history of the command line: back and forth as in a shell.
#include "document/commandhistory.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandHistory, BackStaysAtTheOldestAndForwardReturnsToTheDraft) {
    CommandHistory history;
    EXPECT_EQ(history.Back("typed"), std::nullopt);
    EXPECT_EQ(history.Forward(), std::nullopt);
    history.Add("PUNKT A 0 0");
    history.Add("KREIS k X 1");  // rejected lines count too
    history.Add("PUNKT B 1 1");
    EXPECT_EQ(history.Back("PUN"), "PUNKT B 1 1");
    EXPECT_EQ(history.Back("ignored"), "KREIS k X 1");
    EXPECT_EQ(history.Back(""), "PUNKT A 0 0");
    EXPECT_EQ(history.Back(""), "PUNKT A 0 0");
    EXPECT_EQ(history.Forward(), "KREIS k X 1");
    EXPECT_EQ(history.Forward(), "PUNKT B 1 1");
    EXPECT_EQ(history.Forward(), "PUN");  // what was being typed before the first step back
    EXPECT_EQ(history.Forward(), std::nullopt);
    EXPECT_EQ(history.Back("x"), "PUNKT B 1 1");  // stepping starts again at the newest
}

TEST(CommandHistory, RepeatedLinesAreKeptOnceAndALineEndsStepping) {
    CommandHistory history;
    history.Add("PUNKT A 0 0");
    history.Add("PUNKT A 0 0");
    history.Add("PUNKT B 1 1");
    history.Add("PUNKT A 0 0");  // not the one before it: kept
    EXPECT_EQ(history.Count(), 3);
    history.Back("");
    history.Back("");
    history.Add("WERT A");
    EXPECT_EQ(history.Back(""), "WERT A");
    history.Leave();
    EXPECT_EQ(history.Forward(), std::nullopt);
}

}  // namespace
