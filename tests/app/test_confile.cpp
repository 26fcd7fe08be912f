// Tests of the construction file's line format.
#include "app/confile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(ConstructionFile, CrLfCrAndLfEndLinesAlike) {
    const Lines expected = {"PUNKT A 1 2", "PUNKT B 3 4"};
    EXPECT_EQ(SplitConstructionLines("PUNKT A 1 2\r\nPUNKT B 3 4\r\n"), expected);
    EXPECT_EQ(SplitConstructionLines("PUNKT A 1 2\nPUNKT B 3 4\n"), expected);
    EXPECT_EQ(SplitConstructionLines("PUNKT A 1 2\rPUNKT B 3 4\r"), expected);
    EXPECT_EQ(SplitConstructionLines("PUNKT A 1 2\rPUNKT B 3 4\n"), expected);
}

TEST(ConstructionFile, LastLineWithoutLineEndCounts) {
    EXPECT_EQ(SplitConstructionLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitConstructionLines("a"), (Lines{"a"}));
}

TEST(ConstructionFile, EmptyLinesAreKept) {
    EXPECT_EQ(SplitConstructionLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitConstructionLines("\r\n"), (Lines{""}));
    // LF then CR are two line ends, not one.
    EXPECT_EQ(SplitConstructionLines("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitConstructionLines("a\r\r\nb"), (Lines{"a", "", "b"}));
}

TEST(ConstructionFile, EmptyTextGivesNoLines) {
    EXPECT_TRUE(SplitConstructionLines("").empty());
}

TEST(ConstructionFile, NulEndsTheText) {
    EXPECT_EQ(SplitConstructionLines(std::string("a\r\nb\0c\r\nd\r\n", 11)), (Lines{"a", "b"}));
    EXPECT_TRUE(SplitConstructionLines(std::string("\0a\r\n", 4)).empty());
}

TEST(ConstructionFile, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinConstructionLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinConstructionLines({}), "");
}

TEST(ConstructionFile, SplitGivesBackWhatJoinWrote) {
    const Lines lines = {"PUNKT \xC4pfel 1 2", "", "  ", "WERT \xC4pfel", "\x80\xFF"};
    EXPECT_EQ(SplitConstructionLines(JoinConstructionLines(lines)), lines);
}

}  // namespace
