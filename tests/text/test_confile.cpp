// Tests of the construction file's line format.
#include "text/confile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(ConstructionFile, SplitReadsEveryLineEndAndStopsAtNul) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"PUNKT A 1 2\r\nPUNKT B 3 4\r\n", {"PUNKT A 1 2", "PUNKT B 3 4"}},
        {"PUNKT A 1 2\nPUNKT B 3 4\n", {"PUNKT A 1 2", "PUNKT B 3 4"}},
        {"PUNKT A 1 2\rPUNKT B 3 4\r", {"PUNKT A 1 2", "PUNKT B 3 4"}},
        {"PUNKT A 1 2\rPUNKT B 3 4\n", {"PUNKT A 1 2", "PUNKT B 3 4"}},
        {"a\r\nb", {"a", "b"}},  // the last line needs no line end
        {"a", {"a"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR are two line ends, not one
        {"a\r\r\nb", {"a", "", "b"}},
        {"", {}},
        {std::string("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"}},
        {std::string("\0a\r\n", 4), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitConstructionLines(c.text), c.lines) << c.text;
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
