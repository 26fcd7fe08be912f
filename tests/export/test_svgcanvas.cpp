// Tests of the structured SVG: ids, text, groups and elements, pen classes, size.
#include "export/svgcanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "geometry/tstrecke.h"
#include "tests/export/exportfixture.h"

namespace {

TEST(SvgIdOfName, KeepsLettersAndDigitsAndEscapesEverythingElse) {
    EXPECT_EQ(SvgIdOfName("A"), "A");
    EXPECT_EQ(SvgIdOfName("Mc12"), "Mc12");
    EXPECT_EQ(SvgIdOfName("P'"), "P_27");
    EXPECT_EQ(SvgIdOfName("a_b"), "a_5Fb");
    EXPECT_EQ(SvgIdOfName("x<&\">"), "x_3C_26_22_3E");
    EXPECT_EQ(SvgIdOfName("M\xE4\xDF"), "M\xC3\xA4\xC3\x9F");  // Latin-1 letters stay, in UTF-8
    EXPECT_EQ(SvgIdOfName("a\xD7"
                          "b\xF7"),
              "a_D7b_F7");  // the signs are no letters
    EXPECT_EQ(SvgIdOfName("\x80q"), "_80q");
    EXPECT_EQ(SvgIdOfName("1a"), "_31a");  // an XML name cannot start with a digit
    EXPECT_EQ(SvgIdOfName(std::string("a\0b", 3)), "a_00b");
}

TEST(SvgText, EscapesMarkupAndReplacesWhatXmlCannotHold) {
    EXPECT_EQ(SvgText("a<b&c>d", false), "a&lt;b&amp;c&gt;d");
    EXPECT_EQ(SvgText("\xE4\x80", false), "\xC3\xA4\xE2\x82\xAC");
    EXPECT_EQ(SvgText(std::string("x\x01\0", 3), false), "x\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(SvgText("ab1", true),
              "\xCE\xB1\xCE\xB2"
              "1");  // alpha beta 1
}

using SvgExport = ExportTest;

TEST_F(SvgExport, OneGroupPerObjectAndOneElementPerFigure) {
    Build({"PUNKT A 0 0", "PUNKT B 4 0", "PUNKT C 0 3", "POLYGON A B C", "BEZ WINKEL c A b alpha",
           "KREIS k A 2"});
    const std::string svg = Svg();
    // A, B, C, the sides c, a, b, the angle and the circle; no group for the invisible.
    EXPECT_EQ(Occurrences(svg, "<g id="), 8);
    for (const char* id : {"A", "B", "C", "a", "b", "c", "alpha", "k"})
        EXPECT_EQ(Occurrences(svg, std::string("<g id=\"") + id + "\">"), 1) << id;
    // The sides draw their end points again, as references to the points' groups.
    EXPECT_EQ(Occurrences(svg, "<use xlink:href=\"#"), 2 * 3 + 1);  // 2 per side, 1 for the circle's centre
    EXPECT_EQ(Occurrences(svg, "<circle "), 1);
    // An arc path for the angle, the points' marks and the sides' strokes: one path each.
    EXPECT_EQ(Occurrences(svg, "A30 30 0 "), 1);
    EXPECT_EQ(Occurrences(svg, "<path "), 3 + 3 + 1);
    EXPECT_EQ(Occurrences(svg, "<text "), 3 + 3 + 1 + 1);
    EXPECT_NE(svg.find(">\xCE\xB1</text>"), std::string::npos);  // the angle's label as a Greek alpha
    EXPECT_NE(svg.find("viewBox=\"0 0 640 480\""), std::string::npos);
    EXPECT_NE(svg.find("<clipPath id=\"_clip0\"><rect x=\"-0.5\" y=\"-0.5\" width=\"640\" height=\"480\"/>"),
              std::string::npos);
}

TEST_F(SvgExport, SimpleObjectsStayWellBelowThreeHundredBytes) {
    Build({"PUNKT Anfang 1 1", "PUNKT Ende 4 3", "STRECKE s Anfang Ende"});
    const std::string svg = Svg();
    for (const char* id : {"Anfang", "Ende", "s"}) {
        const std::size_t start = svg.find(std::string("<g id=\"") + id + "\">");
        ASSERT_NE(start, std::string::npos) << id;
        const std::size_t end = svg.find("</g>", start);
        EXPECT_LT(end - start, 200u) << id;
    }
}

TEST_F(SvgExport, TenThousandObjectsTakeWellUnderThreeMegabytes) {
    // Built directly in the list: executing 10,000 lines is not what is measured here.
    // Appended, not "P" + ...: GCC 12 warns falsely (-Wrestrict) about that at -O3.
    const auto name = [](char prefix, int i) {
        std::string text(1, prefix);
        text += std::to_string(i);
        return text;
    };
    TPunkt* previous = nullptr;
    for (int i = 0; i < 5001; ++i) {  // 5001 points and 5000 segments
        auto point = std::make_unique<TPunkt>(name('P', i), i % 100, i / 100);
        TPunkt* const current = point.get();
        parser.Objects.Add(std::move(point));
        if (previous != nullptr)
            parser.Objects.Add(std::make_unique<TStrecke>(previous, current, name('s', i)));
        previous = current;
    }
    SetWorldWindow(-1, -1, 100, 50);
    const std::string svg = RenderSvg(parser, 1000, 600, metrics);
    EXPECT_EQ(Occurrences(svg, "<g id="), parser.Objects.Count());
    EXPECT_LT(svg.size(), 2'000'000u);
}

TEST_F(SvgExport, PensBecomeClassesInColourAndInMonochromeMode) {
    Build({"PUNKT A 0 0", "PUNKT B 4 0", "FARBE rot", "STRECKE r A B", "FARBE gruen", "GERADE g A B",
           "FARBE blau", "KREIS k A 1", "STRECKE bl A B", "FARBE gelb", "STRAHL y A B"});
    std::string svg = Svg();
    EXPECT_NE(svg.find("class=\"r\"/><text"), std::string::npos);
    const std::size_t blue = svg.find(" class=\"b\"/>");
    ASSERT_NE(blue, std::string::npos);
    EXPECT_EQ(svg.rfind("<circle ", blue), svg.rfind('<', blue));  // the circle is blue
    for (const char* rule :
         {".r{stroke:#ff0000}", ".g{stroke:#008000}", ".b{stroke:#0000ff}", ".y{stroke:#ffff00}"})
        EXPECT_NE(svg.find(rule), std::string::npos) << rule;
    EXPECT_EQ(svg.find("stroke-dasharray"), std::string::npos);

    SetColorMode(false);
    svg = Svg();
    for (const char* rule : {".d{stroke-dasharray:18 6}", ".dd{stroke-dasharray:9 6 3 6}",
                             ".o{stroke-dasharray:3 3}", ".w2{stroke-width:2;stroke-linecap:round}"})
        EXPECT_NE(svg.find(rule), std::string::npos) << rule;
    EXPECT_EQ(svg.find(".r{"), std::string::npos);  // monochrome: black only
}

TEST_F(SvgExport, RepeatedAndMarkupNamesGiveValidUniqueIds) {
    Build({"PUNKT A 0 0", "PUNKT B<&> 2 1", "LOESCHE BEZ A", "PUNKT A 1 1"});
    const std::string svg = Svg();
    EXPECT_NE(svg.find("<g id=\"B_3C_26_3E\">"), std::string::npos);
    EXPECT_NE(svg.find(">B&lt;&amp;&gt;</text>"), std::string::npos);
    // The first A lost its label: a group without id, the second A has the id.
    EXPECT_EQ(Occurrences(svg, "<g id=\"A\">"), 1);
    EXPECT_EQ(Occurrences(svg, "<g>"), 1);
}

TEST(SvgCanvasCalls, ArcsDotsTextBackgroundsAndUnbalancedObjects) {
    FixedTextMetrics metrics;
    SvgCanvas canvas({0, 0, 100, 100}, metrics);
    canvas.BeginObject("x");
    canvas.Arc(10, 10, 50, 30, 50, 20, 50, 20);  // equal directions: the whole ellipse
    canvas.Arc(10, 10, 50, 50, 50, 30, 30, 10);  // a quarter, counter-clockwise from 0 to 90 degrees
    canvas.pen.width = 3;
    canvas.MoveTo(5, 5);
    canvas.LineTo(5, 5);  // a dot of a wide pen
    canvas.pen.width = 1;
    canvas.LineTo(5, 5);  // nothing with a thin one
    canvas.brush.style = BrushStyle::Solid;
    canvas.font.size = 9;  // the labels' size, which the style sheet sets
    canvas.TextOut(20, 30, "ab");
    canvas.BeginObject("inner");  // left open: closed with the document
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 0);
    const std::string svg = canvas.Document();
    EXPECT_NE(svg.find("<ellipse cx=\"30\" cy=\"20\" rx=\"20\" ry=\"10\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<path d=\"M50 30A20 20 0 0 0 30 10\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<path d=\"M5 5h0\" class=\"w3\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<rect x=\"19.5\" y=\"29.5\" width=\"12\" height=\"12\" fill=\"#ffffff\"/>"
                       "<text x=\"19.5\" y=\"39.5\">ab</text>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<path d=\"M0 0 10 0\"/></g>\n</g>\n</svg>"), std::string::npos) << svg;
    EXPECT_EQ(Occurrences(svg, "<g"), Occurrences(svg, "</g>"));
}

}  // namespace
