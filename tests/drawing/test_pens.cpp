// The pen table of straight strokes and the pen rule of circles, in colour and in monochrome mode.
#include <cstdint>

#include "drawing/pens.h"
#include "drawing/primitives.h"
#include "tests/drawing/drawingfixture.h"

namespace {

const Pen kResetPen{kBlack, PenStyle::Solid, 1};

}  // namespace

class LinePens : public DrawingTest {
protected:
    // The pen with which DrawStyledLine draws code.
    Pen StrokePen(std::uint16_t code) {
        canvas.Clear();
        DrawStyledLine(10, 10, 20, 20, code);
        EXPECT_EQ(canvas.pen, kResetPen) << "pen not reset after code " << code;
        const auto lines = canvas.Lines();
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? Pen{} : lines[0].pen;
    }
};

TEST_F(LinePens, ColourModeSelectsColoursAtWidthOne) {
    EXPECT_EQ(StrokePen(1), (Pen{kRed, PenStyle::Solid, 1}));
    EXPECT_EQ(StrokePen(2), (Pen{kGreen, PenStyle::Solid, 1}));
    EXPECT_EQ(StrokePen(3), (Pen{kBlue, PenStyle::Solid, 1}));
    EXPECT_EQ(StrokePen(4), (Pen{kYellow, PenStyle::Solid, 1}));
    EXPECT_EQ(StrokePen(6), (Pen{kBlack, PenStyle::Solid, 1}));
    EXPECT_EQ(StrokePen(7), (Pen{kBlack, PenStyle::Solid, 1}));
}

TEST_F(LinePens, ColourModeWidthIsLineWidthPlusOneForEveryCode) {
    Drawing().LineWidth = 1;
    EXPECT_EQ(StrokePen(1), (Pen{kRed, PenStyle::Solid, 2}));
    EXPECT_EQ(StrokePen(7), (Pen{kBlack, PenStyle::Solid, 2}));
    EXPECT_EQ(StrokePen(0), (Pen{kBlack, PenStyle::Solid, 2}));
    EXPECT_EQ(StrokePen(5), (Pen{kBlack, PenStyle::Solid, 2}));
    EXPECT_EQ(StrokePen(99), (Pen{kBlack, PenStyle::Solid, 2}));
}

TEST_F(LinePens, MonochromeModeSelectsStyles) {
    SetColorMode(false);
    EXPECT_EQ(StrokePen(1), (Pen{kBlack, PenStyle::Dash, 1}));
    EXPECT_EQ(StrokePen(2), (Pen{kBlack, PenStyle::DashDot, 1}));
    EXPECT_EQ(StrokePen(3), (Pen{kBlack, PenStyle::Solid, 2}));
    EXPECT_EQ(StrokePen(4), (Pen{kBlack, PenStyle::Dot, 1}));
    EXPECT_EQ(StrokePen(6), (Pen{kBlack, PenStyle::Solid, 1}));
    EXPECT_EQ(StrokePen(7), (Pen{kBlack, PenStyle::Solid, 1}));
}

TEST_F(LinePens, MonochromeWidthIsTouchedOnlyByCodesThreeAndSeven) {
    SetColorMode(false);
    Drawing().LineWidth = 3;  // has no effect in monochrome mode
    canvas.pen.width = 5;
    DrawStyledLine(0, 0, 1, 1, 1);
    EXPECT_EQ(canvas.Lines().back().pen.width, 5);
    canvas.pen.width = 5;
    DrawStyledLine(0, 0, 1, 1, 7);
    EXPECT_EQ(canvas.Lines().back().pen.width, 1);
}

TEST_F(LinePens, CodeFiveKeepsThePenOfThePreviousPrimitive) {
    SetColorMode(false);
    DrawStyledLine(0, 0, 5, 5, 1);  // dashed, then reset
    EXPECT_EQ(StrokePen(5), kResetPen);
    EXPECT_EQ(StrokePen(0), kResetPen);

    // A pen left by something other than a line stays as it is.
    canvas.pen = Pen{kGreen, PenStyle::Dot, 3};
    DrawStyledLine(0, 0, 5, 5, 5);
    EXPECT_EQ(canvas.Lines().back().pen, (Pen{kGreen, PenStyle::Dot, 3}));

    // In colour mode only the width changes.
    SetColorMode(true);
    Drawing().LineWidth = 1;
    canvas.pen = Pen{kGreen, PenStyle::Dot, 3};
    DrawStyledLine(0, 0, 5, 5, 5);
    EXPECT_EQ(canvas.Lines().back().pen, (Pen{kGreen, PenStyle::Dot, 2}));
}

class CirclePens : public DrawingTest {
protected:
    Pen CirclePen(std::uint16_t code, const Pen& before) {
        canvas.Clear();
        canvas.pen = before;
        DrawCircle(code, 0, 0, 1);
        const auto arcs = canvas.Arcs();
        EXPECT_EQ(arcs.size(), 1u);
        EXPECT_EQ(canvas.pen, arcs.empty() ? Pen{} : arcs[0].pen) << "a circle does not reset its pen";
        return arcs.empty() ? Pen{} : arcs[0].pen;
    }
};

TEST_F(CirclePens, ColourModeSetsTheColourOnly) {
    Drawing().LineWidth = 1;
    const Pen dotted{kBlack, PenStyle::Dot, 3};
    EXPECT_EQ(CirclePen(1, dotted), (Pen{kRed, PenStyle::Dot, 3}));
    EXPECT_EQ(CirclePen(2, dotted), (Pen{kGreen, PenStyle::Dot, 3}));
    EXPECT_EQ(CirclePen(3, dotted), (Pen{kBlue, PenStyle::Dot, 3}));
    EXPECT_EQ(CirclePen(4, dotted), (Pen{kYellow, PenStyle::Dot, 3}));
    const Pen red{kRed, PenStyle::Solid, 1};
    EXPECT_EQ(CirclePen(6, red), (Pen{kBlack, PenStyle::Solid, 1}));
    EXPECT_EQ(CirclePen(7, red), red);
    EXPECT_EQ(CirclePen(5, red), red);
}

TEST_F(CirclePens, MonochromeModeSetsTheStyleOnly) {
    SetColorMode(false);
    const Pen wideRed{kRed, PenStyle::Solid, 4};
    EXPECT_EQ(CirclePen(1, wideRed), (Pen{kRed, PenStyle::Dash, 4}));
    EXPECT_EQ(CirclePen(2, wideRed), (Pen{kRed, PenStyle::DashDot, 4}));
    EXPECT_EQ(CirclePen(4, wideRed), (Pen{kRed, PenStyle::Dot, 4}));
    const Pen dashed{kBlack, PenStyle::Dash, 2};
    EXPECT_EQ(CirclePen(3, dashed), (Pen{kBlack, PenStyle::Solid, 2}));
    EXPECT_EQ(CirclePen(6, dashed), (Pen{kBlack, PenStyle::Solid, 2}));
    EXPECT_EQ(CirclePen(7, dashed), dashed);
    EXPECT_EQ(CirclePen(0, dashed), dashed);
}
