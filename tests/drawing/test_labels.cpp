// Point marks, point, figure and angle labels, and the Greek-word rule of angle labels.
#include <array>

#include "drawing/primitives.h"
#include "tests/drawing/drawingfixture.h"

using PointMark = DrawingTest;

TEST_F(PointMark, IsACrossOfOneHundredthOfTheWidth) {
    canvas.pen = Pen{kRed, PenStyle::Dash, 3};
    DrawPointMark(1, 1, 1);  // (230, 120); d = 400 div 100 = 4
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::array{234, 124, 226, 116}));
    EXPECT_EQ((std::array{lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
              (std::array{234, 116, 226, 124}));
    for (const RecordedOp& line : lines)
        EXPECT_EQ(line.pen, (Pen{kBlack, PenStyle::Solid, 1}));
}

TEST_F(PointMark, ShrinksToADotOnNarrowAreas) {
    SetViewTransform({0, 0, 90, 90}, -3, -3, 3, 3);
    DrawPointMark(6, 0, 0);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    for (const RecordedOp& line : lines) {
        EXPECT_EQ(line.x1, 45);
        EXPECT_EQ(line.x2, 45);
        EXPECT_EQ(line.y1, 45);
        EXPECT_EQ(line.y2, 45);
        EXPECT_EQ(line.pen.width, 1);
    }
}

using Labels = DrawingTest;

TEST_F(Labels, PointLabelStandsLeftBelowAndClearsTheBrush) {
    canvas.font = Font{"Symbol", 20, kRed};
    DrawPointLabel("AB", 1, 1);  // (230, 120), width 12
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x1, 230 - 12 - 3);
    EXPECT_EQ(texts[0].y1, 123);
    EXPECT_EQ(texts[0].text, "AB");
    EXPECT_EQ(texts[0].font, (Font{"Arial", 9, kBlack}));
    EXPECT_EQ(texts[0].brush.style, BrushStyle::Clear);
    EXPECT_EQ(canvas.brush.style, BrushStyle::Clear);
}

TEST_F(Labels, FigureLabelStandsAboveRightAndKeepsTheBrush) {
    ClearCanvas();
    DrawFigureLabel("g", 0, 0);  // (200, 150), height 12
    DrawPointLabel("P", 0, 0);
    DrawFigureLabel("h", 0, 0);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].x1, 200);
    EXPECT_EQ(texts[0].y1, 150 - 12 - 1);
    EXPECT_EQ(texts[0].font, (Font{"Arial", 9, kBlack}));
    EXPECT_EQ(texts[0].brush, (Brush{kWhite, BrushStyle::Solid}));
    EXPECT_EQ(texts[2].brush.style, BrushStyle::Clear);
}

TEST(GreekLabelText, ReplacesAGreekWordInAnyCase) {
    EXPECT_EQ(GreekLabelText("GAMMA"), "g");
    EXPECT_EQ(GreekLabelText("beta2"), "b2");
    EXPECT_EQ(GreekLabelText("alpha1"), "a1");
    EXPECT_EQ(GreekLabelText("Epsilon"), "e");
    EXPECT_EQ(GreekLabelText("w_DeLtA"), "w_d");
    EXPECT_EQ(GreekLabelText("x"), "x");
    EXPECT_EQ(GreekLabelText(""), "");
    EXPECT_EQ(GreekLabelText("\xE4lpha"), "\xE4lpha");  // not ASCII: no word
}

TEST(GreekLabelText, ReplacesSeveralWordsWithoutShiftingPositions) {
    EXPECT_EQ(GreekLabelText("AlphaBeta"), "ab");
    EXPECT_EQ(GreekLabelText("betaALPHA"), "ba");
    EXPECT_EQ(GreekLabelText("gamma+delta+epsilon"), "g+d+e");
}

TEST(GreekLabelText, ReplacesOnlyTheFirstOccurrenceOfEachWord) {
    EXPECT_EQ(GreekLabelText("alphaALPHA"), "aALPHA");
    // DELTA and ALPHA share a letter: the word tried first wins.
    EXPECT_EQ(GreekLabelText("DELTALPHA"), "DELTa");
}

using AngleLabel = DrawingTest;

TEST_F(AngleLabel, IsCentredOneAndAHalfTextHeightsOnTheDirection) {
    DrawAngleLabel("alpha", 0, 0, 0);  // "a": width 6, height 12, centre 18 units away
    DrawAngleLabel("beta", 0, 0, 90);
    DrawAngleLabel("gamma", 1, 1, 180);  // vertex (230, 120)
    DrawAngleLabel("xy", 0, 0, 45);      // width 12
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "a");
    EXPECT_EQ(texts[0].x1, 200 + 18 - 3);
    EXPECT_EQ(texts[0].y1, 150 - 6);
    EXPECT_EQ(texts[1].text, "b");
    EXPECT_EQ(texts[1].x1, 200 - 3);
    EXPECT_EQ(texts[1].y1, 150 - 18 - 6);
    EXPECT_EQ(texts[2].x1, 230 - 18 - 3);
    EXPECT_EQ(texts[2].y1, 120 - 6);
    EXPECT_EQ(texts[3].x1, 200 + 13 - 6);  // Round(18 cos 45) = 13
    EXPECT_EQ(texts[3].y1, 150 - 13 - 6);
}

TEST_F(AngleLabel, UsesTheSymbolFontAndKeepsColourAndBrush) {
    canvas.font = Font{"Arial", 12, kRed};
    canvas.brush = Brush{kYellow, BrushStyle::Solid};
    DrawAngleLabel("GAMMA", 0, 0, 30);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "g");
    EXPECT_EQ(texts[0].font, (Font{"Symbol", 9, kRed}));
    EXPECT_EQ(texts[0].brush, (Brush{kYellow, BrushStyle::Solid}));
}
