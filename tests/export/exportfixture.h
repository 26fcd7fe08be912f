// Test fixture: an interpreter in the window's start state whose construction is rendered as SVG or TikZ.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "drawing/textmetrics.h"
#include "export/render.h"
#include "tests/support/parserfixture.h"

class ExportTest : public ParserTest {
protected:
    void Build(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            ASSERT_TRUE(parser.Execute(line)) << line;
    }
    std::string Svg() { return RenderSvg(parser, 640, 480, metrics); }
    std::string Tikz(double widthCm = 0) { return RenderTikz(parser, 640, 480, metrics, widthCm); }

    FixedTextMetrics metrics;
};

// How often needle occurs in text.
inline int Occurrences(std::string_view text, std::string_view needle) {
    int count = 0;
    for (std::size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}
