// Tests of the TikZ picture: text, the frame, one command per figure, pens, clipping and scaling.
#include "export/tikzcanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tests/export/exportfixture.h"

namespace {

TEST(TikzText, EscapesLatexAndSetsGreekInMathMode) {
    EXPECT_EQ(TikzText("A1", false), "A1");
    EXPECT_EQ(TikzText("a_b%c#d&e$f{g}", false), "a\\_b\\%c\\#d\\&e\\$f\\{g\\}");
    EXPECT_EQ(TikzText("\\^~<|>", false), "$\\backslash$\\^{}\\~{}$<$$|$$>$");
    EXPECT_EQ(TikzText("M\xE4\x01\x81", false), "M\xC3\xA4??");  // UTF-8; nothing LaTeX cannot set
    EXPECT_EQ(TikzText("ab2", true), "$\\alpha$$\\beta$2");
    EXPECT_EQ(TikzText("AgDe", true), "$\\mathrm{A}$$\\gamma$$\\Delta$$\\varepsilon$");
}

using TikzExport = ExportTest;

TEST_F(TikzExport, OneCommandPerFigureInWorldCoordinates) {
    Build({"PUNKT A 0 0", "PUNKT B 4 0", "PUNKT C 0,125 3,0625", "POLYGON A B C", "BEZ WINKEL c A b alpha",
           "KREIS k A 2"});
    const std::string tikz = Tikz();
    EXPECT_EQ(tikz.find("\\begin{tikzpicture}[x=1cm,y=1cm,"), tikz.find("\\begin{tikzpicture}"));
    EXPECT_NE(tikz.find("\\end{tikzpicture}\n"), std::string::npos);
    EXPECT_EQ(Occurrences(tikz, "\\clip "), 1);
    // Three point marks and three sides; the sides' end points are not drawn twice.
    EXPECT_EQ(Occurrences(tikz, "\\draw"), 3 + 3 + 1 + 1);
    EXPECT_EQ(Occurrences(tikz, "\\node"), 3 + 3 + 1 + 1);
    EXPECT_NE(tikz.find("\\draw (0.125,3.0625) +("), std::string::npos);  // unrounded world coordinates
    EXPECT_NE(tikz.find("\\draw (4,0) -- (0.125,3.0625);"), std::string::npos);
    EXPECT_NE(tikz.find("\\draw (0,0) circle[radius=2];"), std::string::npos);
    EXPECT_NE(tikz.find(" arc[start angle="), std::string::npos);
    EXPECT_NE(tikz.find("{$\\alpha$};"), std::string::npos);
    EXPECT_NE(tikz.find("\\node[anchor=north east,xshift=-2.25pt,yshift=-2.25pt] at (4,0) {B};"),
              std::string::npos);
    EXPECT_NE(tikz.find("% alpha\n"), std::string::npos);
}

TEST_F(TikzExport, ColoursInColourModeAndDashStylesInMonochromeMode) {
    Build({"PUNKT A 0 0", "PUNKT B 4 0", "FARBE rot", "STRECKE r A B", "FARBE gruen", "GERADE g A B",
           "FARBE blau", "KREIS k A 1", "FARBE gelb", "STRAHL y A B"});
    std::string tikz = Tikz();
    for (const char* pen : {"\\draw[red] ", "\\draw[green!50!black] ", "\\draw[blue] ", "\\draw[yellow] "})
        EXPECT_NE(tikz.find(pen), std::string::npos) << pen;

    SetColorMode(false);
    tikz = Tikz();
    for (const char* pen : {"\\draw[dashed] ", "\\draw[dash dot] ", "\\draw[dotted] "})
        EXPECT_NE(tikz.find(pen), std::string::npos) << pen;
    EXPECT_EQ(tikz.find("red"), std::string::npos);
    EXPECT_NE(tikz.find("dashed/.style={dash pattern=on 13.5pt off 4.5pt}"), std::string::npos);
}

TEST_F(TikzExport, AxesWithArrowsTicksAndTheGridDotsOfWidePens) {
    parser.ShowAxes();
    std::string tikz = Tikz();
    EXPECT_NE(tikz.find("\\draw (6.6667,0) -- +(-3.75pt,-3pt) (6.6667,0) -- +(-3.75pt,3pt);"),
              std::string::npos)
        << tikz;
    EXPECT_NE(tikz.find("\\draw (3,0) +(0pt,-1.5pt) -- +(0pt,1.5pt);"), std::string::npos);
    EXPECT_EQ(tikz.find("\\fill"), std::string::npos);  // a thin pen leaves no grid dots
    SetColorMode(false);
    tikz = Tikz();
    EXPECT_EQ(Occurrences(tikz, "\\fill ("), 13 * 11);  // one per grid dot
    EXPECT_EQ(Occurrences(tikz, " circle[radius=0.75pt];"), 13 * 11);
}

TEST_F(TikzExport, LinesAndRaysAreCutAtTheWindowAndTheWidthScales) {
    Build({"PUNKT A 0 0", "PUNKT B 1 1", "GERADE g A B"});
    std::string tikz = Tikz();
    const DrawState& state = Drawing();
    // Drawn from the window's left to its right edge, ends inside the clip rectangle.
    const std::size_t line = tikz.find("% g\n\\draw (");
    ASSERT_NE(line, std::string::npos);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_EQ(std::sscanf(tikz.c_str() + line + 10, "(%lf,%lf) -- (%lf,%lf)", &x1, &y1, &x2, &y2), 4);
    EXPECT_NEAR(x1, std::max(state.XMin, state.YMin), 1e-3);
    EXPECT_NEAR(x2, std::min(state.XMax, state.YMax), 1e-3);
    EXPECT_NEAR(x1, y1, 1e-3);
    EXPECT_NEAR(x2, y2, 1e-3);

    // 6 cm wide: x and y units scaled by 6 / window width.
    tikz = Tikz(6);
    char expected[64];
    std::snprintf(expected, sizeof expected, "[x=%.6gcm,y=%.6gcm,", 6 / (state.XMax - state.XMin),
                  6 / (state.XMax - state.XMin));
    EXPECT_NE(tikz.find(expected), std::string::npos) << expected << "\n" << tikz;
}

TEST_F(TikzExport, WhatTexCannotHoldIsMadeSmallerOrCutToTheWindow) {
    // A circle so large that its box overflows TeX's lengths: a polyline of its visible part.
    Build({"PUNKT A 0 0", "PUNKT B 4 3", "PUNKT M 0 -100000", "KREIS k M 100002"});
    SetWorldWindow(-6, -5, 6, 5);
    std::string tikz = Tikz();
    EXPECT_EQ(tikz.find("circle[radius=100002]"), std::string::npos);
    EXPECT_NE(tikz.find("% k\n\\draw ("), std::string::npos);
    // A window wider than five metres at one centimetre per unit is scaled down to fit: 2000 units high,
    // 2666.67 wide on the 640 x 480 area.
    SetWorldWindow(-1000, -1000, 1000, 1000);
    tikz = Tikz();
    EXPECT_NE(tikz.find("[x=0.1875cm,y=0.1875cm,"), std::string::npos) << tikz.substr(0, 200);

    // So wide that the unit would be written as 0 cm: the coordinates are written in centimetres instead,
    // within the five metres, and a circle's radius with them.
    const std::string far = "PUNKT F 1" + std::string(38, '0') + " 1" + std::string(38, '0');
    const std::string circle = "KREIS r F 1" + std::string(37, '0');
    Build({far.c_str(), circle.c_str()});
    SetWorldWindow(-2e38, -2e38, 2e38, 2e38);
    tikz = Tikz();
    ASSERT_NE(tikz.find("[x=1cm,y=1cm,"), std::string::npos) << tikz.substr(0, 200);
    double left = 0, bottom = 0, right = 0, top = 0, x = 0, y = 0, radius = 0;
    const std::size_t clip = tikz.find("\\clip ");
    ASSERT_EQ(std::sscanf(tikz.c_str() + clip, "\\clip (%lf,%lf) rectangle (%lf,%lf)", &left, &bottom, &right,
                          &top),
              4);
    EXPECT_NEAR(std::max(right - left, top - bottom), 500, 0.01);
    const std::size_t point = tikz.find("% F\n\\draw (");
    ASSERT_NE(point, std::string::npos) << tikz;
    ASSERT_EQ(std::sscanf(tikz.c_str() + point + 10, "(%lf,%lf)", &x, &y), 2);
    EXPECT_NEAR(y, top / 2, 0.01);  // the window's y range is the one asked for, x grows with the area
    EXPECT_NEAR(x, y, 0.01);
    const std::size_t ring = tikz.find("circle[radius=", tikz.find("% r\n"));
    ASSERT_NE(ring, std::string::npos) << tikz;
    ASSERT_EQ(std::sscanf(tikz.c_str() + ring, "circle[radius=%lf]", &radius), 1);
    EXPECT_NEAR(radius, x / 10, 0.01);
}

// Every "(x,y)" of the statement that starts at start, read as numbers.
std::vector<std::pair<double, double>> CoordinatesAfter(const std::string& tikz, std::size_t start) {
    std::vector<std::pair<double, double>> points;
    const std::size_t end = tikz.find(';', start);
    for (std::size_t at = tikz.find('(', start); at < end; at = tikz.find('(', at + 1)) {
        double x = 0, y = 0;
        if (std::sscanf(tikz.c_str() + at, "(%lf,%lf)", &x, &y) == 2) points.emplace_back(x, y);
    }
    return points;
}

// Every point of figure's first statement in tikz lies in the picture's clip rectangle.
void ExpectInsideTheClip(const std::string& tikz, const std::string& name) {
    const std::size_t at = tikz.find("% " + name + "\n\\draw");
    ASSERT_NE(at, std::string::npos) << name << "\n" << tikz;
    const std::size_t clip = tikz.find("\\clip ");
    ASSERT_NE(clip, std::string::npos) << tikz;
    double left = 0, bottom = 0, right = 0, top = 0;
    ASSERT_EQ(std::sscanf(tikz.c_str() + clip, "\\clip (%lf,%lf) rectangle (%lf,%lf)", &left, &bottom, &right,
                          &top),
              4);
    const auto points = CoordinatesAfter(tikz, at);
    EXPECT_FALSE(points.empty()) << name;
    for (const auto& [x, y] : points)
        EXPECT_TRUE(x >= left - 1e-3 && x <= right + 1e-3 && y >= bottom - 1e-3 && y <= top + 1e-3)
            << name << " at (" << x << "," << y << ") is outside the clip rectangle";
}

TEST_F(TikzExport, TheChordsOfAHugeCircleStayInsideTheClipRectangle) {
    // The chords of a circle of radius 1e16 through the start window: its points, as cx + r cos t, are off
    // by up to a few units, and with larger radii by more than TeX can hold. (The same loss of digits cut
    // a nearly vertical line far out beyond TeX's reach: fuzz/regressions/export/line-cut-far-out.)
    const std::string centre = "PUNKT M 0 -1" + std::string(16, '0');
    const std::string circle = "KREIS k M 1" + std::string(16, '0');
    Build({centre.c_str(), circle.c_str()});
    SetWorldWindow(-6, -5, 6, 5);
    ExpectInsideTheClip(Tikz(), "k");
}

TEST_F(TikzExport, MarksAndLabelsJustOutsideAWindowAtTheFarthestWidthStayInTexsReach) {
    // A window 500 units wide reaching 500 units from the origin, at one centimetre per unit: a point a
    // fifth of the window beyond its edge is still written (the clip hides it), so the picture is written
    // relative to the window's centre. TeX holds no length beyond 575.8 cm.
    Build({"PUNKT P -615 0", "PUNKT Q 0 225"});
    SetWorldWindow(-500, -150, 0, 225);
    const std::string tikz = Tikz(500);
    constexpr double kTexLargestCm = 575.8;
    double unit = 0;
    ASSERT_EQ(std::sscanf(tikz.c_str() + tikz.find("[x="), "[x=%lfcm", &unit), 1) << tikz.substr(0, 300);
    EXPECT_NEAR(unit, 1, 1e-9);
    for (const char* name : {"P", "Q"}) {
        const std::size_t at = tikz.find(std::string("% ") + name + "\n\\draw");
        ASSERT_NE(at, std::string::npos) << name << "\n" << tikz;
        for (const auto& [x, y] : CoordinatesAfter(tikz, at))
            EXPECT_TRUE(std::abs(x) * unit <= kTexLargestCm && std::abs(y) * unit <= kTexLargestCm)
                << name << " at (" << x << "," << y << ")";
    }
}

TEST_F(TikzExport, ALineWhoseEndsDifferByMoreThanTheLargestNumberIsCut) {
    // The steep line through (1|0) and a point 10^154 up, in a window 2 * 10^154 wide, is drawn between
    // heights of about -10^308 and 10^308, whose difference is no number: cut with it, its ends became
    // "(x,-nan)".
    const std::string far = "PUNKT A 0 " + std::string(154, '9');
    Build({far.c_str(), "PUNKT B 1 0", "GERADE g A B", "SENKRECHTE n g B"});
    SetWorldWindow(-1e154, -7.5e153, 1e154, 7.5e153);
    const std::string tikz = Tikz();
    EXPECT_EQ(tikz.find("nan"), std::string::npos) << tikz;
    EXPECT_EQ(tikz.find("inf"), std::string::npos) << tikz;
    ExpectInsideTheClip(tikz, "g");
    ExpectInsideTheClip(tikz, "n");
}

}  // namespace
