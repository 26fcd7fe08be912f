// Printing the construction description: below the drawing, wrapped under its first word, Greek in
// the Symbol font, after a command list on a page of its own, and over as many pages as it needs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/printing.h"
#include "tests/support/parserfixture.h"

namespace {

constexpr int kW = RecordingCanvas::kCharWidth;
constexpr int kH = RecordingCanvas::kTextHeight;

class DescriptionPrintTest : public ParserTest {
protected:
    DescriptionPrintTest() { options.PrintDescription = true; }
    PrintSource Source() {
        PrintSource source;
        source.parser = &parser;
        source.options = options;
        source.lines = lines;
        source.description = description;
        return source;
    }
    // The texts in the description's 10-point fonts.
    static std::vector<RecordedOp> Printed(const RecordingCanvas& page) {
        std::vector<RecordedOp> texts;
        for (const RecordedOp& op : page.Texts())
            if (op.font.size == 10) texts.push_back(op);
        return texts;
    }
    Settings options;
    std::vector<std::string> lines;
    std::vector<DescriptionSentence> description;
};

}  // namespace

TEST_F(DescriptionPrintTest, SentencesFollowTheDrawingWrappedUnderTheirFirstWord) {
    ASSERT_TRUE(Run({"PUNKT A 1 1"}));
    description.push_back({0, {{"Zeichne den Punkt A(1|1).", false}}});
    description.push_back(
        {1, {{"Halbiere den Winkel ", false}, {"a", true}, {"; die Winkelhalbierende ist w.", false}}});
    RecordingCanvas page({0, 0, 300, 1000});
    EXPECT_TRUE(PrintPage(page, 300, 1000, Source()));

    const std::vector<RecordedOp> texts = Printed(page);
    std::vector<std::pair<std::string, std::pair<int, int>>> at;
    for (const RecordedOp& op : texts)
        at.push_back({op.text, {op.x1, op.y1}});
    const int text = 30 + 3 * kW;  // after "2. ", the widest number
    const int top = 500 + 10;
    // 222 units of room: the first sentence fits on one line, the second one does not.
    ASSERT_GE(at.size(), 6u);
    EXPECT_EQ(at[0], (std::pair<std::string, std::pair<int, int>>{"1. ", {30, top}}));
    EXPECT_EQ(at[1].second, (std::pair{text, top}));
    EXPECT_EQ(at[1].first, "Zeichne");
    // Every word stays within the right margin, and a wrapped line starts under the first word.
    for (const RecordedOp& op : texts)
        EXPECT_LE(op.x1 + kW * static_cast<int>(op.text.size()), 300 - 30) << op.text;
    bool wrapped = false;
    for (const RecordedOp& op : texts)
        if (op.y1 > top + kH && op.text != "2. " && op.x1 == text) wrapped = true;
    EXPECT_TRUE(wrapped);
    // The angle's name in the Symbol font, glued to the semicolon after it.
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        if (texts[i].text != "a") continue;
        EXPECT_EQ(texts[i].font.name, "Symbol");
        EXPECT_EQ(texts[i + 1].text, ";");
        EXPECT_EQ(texts[i + 1].x1, texts[i].x1 + kW);
        EXPECT_EQ(texts[i + 1].font.name, "Arial");
    }

    // Off, or nothing to say: nothing printed.
    RecordingCanvas none({0, 0, 300, 1000});
    options.PrintDescription = false;
    PrintPage(none, 300, 1000, Source());
    options.PrintDescription = true;
    description.clear();
    PrintPage(none, 300, 1000, Source());
    EXPECT_TRUE(Printed(none).empty());
}

TEST_F(DescriptionPrintTest, AfterACommandListOnAPageOfItsOwnAndOnAsManyPagesAsNeeded) {
    ASSERT_TRUE(Run({"PUNKT A 1 1"}));
    options.PrintCommandList = true;
    lines = {"PUNKT A 1 1"};
    for (int i = 0; i < 100; ++i)
        description.push_back({i, {{"Zeichne den Punkt A(1|1).", false}}});
    RecordingCanvas page({0, 0, 1000, 1000});
    std::vector<std::size_t> turns;
    EXPECT_TRUE(PrintPage(page, 1000, 1000, Source(), [&] {
        turns.push_back(page.ops.size());
        return true;
    }));
    // From the top of a page, lines fit while 10 + n * 12 <= 899: 74 of them; the rest on the next page.
    ASSERT_EQ(turns.size(), 2u);
    std::vector<std::vector<RecordedOp>> numbers(3);
    for (std::size_t i = 0, p = 0; i < page.ops.size(); ++i) {
        while (p < turns.size() && i >= turns[p])
            ++p;
        const RecordedOp& op = page.ops[i];
        if (op.kind == RecordedOp::Text && op.font.size == 10 && op.text.back() == ' ' && op.x1 == 30)
            numbers[p].push_back(op);
    }
    EXPECT_TRUE(numbers[0].empty());  // the first page holds the drawing and the command list
    ASSERT_EQ(numbers[1].size(), 74u);
    EXPECT_EQ(numbers[1][0].text, "1. ");
    EXPECT_EQ(numbers[1][0].y1, 10);
    EXPECT_EQ(numbers[2].size(), 26u);
    EXPECT_EQ(numbers[2][0].y1, 10);

    // A page that cannot be turned ends the print, reported as failed.
    RecordingCanvas refused({0, 0, 1000, 1000});
    options.PrintCommandList = false;
    EXPECT_FALSE(PrintPage(refused, 1000, 1000, Source(), [] { return false; }));
}
