// Executes arbitrary command lines as lineato-batch does, then writes the construction as SVG and as TikZ:
// the SVG must be well-formed XML whose references resolve and whose numbers are finite, the TikZ one
// balanced picture whose coordinates are finite and within TeX's reach.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/textmetrics.h"
#include "drawing/transform.h"
#include "export/render.h"
#include "fuzz/harness.h"
#include "fuzz/tikzcheck.h"
#include "fuzz/xmlcheck.h"

namespace {

[[noreturn]] void Fail(const std::string& what, std::string_view output) {
    std::fprintf(stderr, "invariant broken: %s\n--- output ---\n%.*s\n", what.c_str(),
                 static_cast<int>(output.size()), output.data());
    std::abort();
}

// Drawing areas lineato-batch accepts: the default, the smallest, the largest, thin strips, an odd one.
constexpr DeviceRect kAreas[] = {{0, 0, 640, 480}, {0, 0, 1, 1}, {0, 0, 10000, 10000}, {0, 0, 3000, 20},
                                 {0, 0, 20, 3000}, {0, 0, 7, 5}, {0, 0, 1, 10000},     {0, 0, 333, 333}};
// TikZ widths: one centimetre per unit, the smallest and largest sensible ones, a usual one.
constexpr double kTikzWidths[] = {0, 0.01, 12.5, 500};
constexpr int kMaxLines = 100;

// Attributes whose values are names or references, not numbers.
bool NamingAttribute(std::string_view name) {
    return name == "id" || name == "class" || name == "xlink:href" || name == "clip-path" ||
           name.starts_with("xmlns");
}

void CheckSvg(const std::string& svg) {
    const xmlcheck::Result xml = xmlcheck::Check(svg);
    if (!xml.error.empty()) Fail("SVG: " + xml.error, svg);
    for (const xmlcheck::Attribute& attribute : xml.attributes) {
        if (NamingAttribute(attribute.name)) continue;
        if (attribute.value.find("nan") != std::string_view::npos ||
            attribute.value.find("inf") != std::string_view::npos)
            Fail("SVG: non-finite number in " + std::string(attribute.name), svg);
    }
    // The style sheet is made of pen classes only.
    const std::size_t style = svg.find("<style>");
    const std::size_t styleEnd = svg.find("</style>");
    if (style == std::string::npos || styleEnd == std::string::npos) Fail("SVG: no style sheet", svg);
    const std::string_view css = std::string_view(svg).substr(style, styleEnd - style);
    if (css.find("nan") != std::string_view::npos || css.find("inf") != std::string_view::npos)
        Fail("SVG: non-finite number in the style sheet", svg);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // First byte: drawing area (bits 0-2), monochrome (bit 3), axes (bit 4); second: the TikZ width.
    const DeviceRect area = kAreas[data[0] & 7];
    const bool mono = (data[0] & 8) != 0;
    const bool axes = (data[0] & 16) != 0;
    const double tikzWidth = kTikzWidths[data[1] % std::size(kTikzWidths)];

    DrawStateGuard restore;
    Drawing() = DrawState{};
    NullCanvas canvas(area);
    Drawing().DrawCanvas = &canvas;
    Drawing().ScreenRect = area;
    SilentMessages messages;
    ConstructionDocument document(messages);
    TParser& parser = document.Parser();
    SetColorMode(!mono);

    // The lines as lineato-batch --keep-going executes a file.
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    std::size_t start = 0;
    for (int n = 0; n < kMaxLines && start <= text.size(); ++n) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        document.AppendTyped(text.substr(start, end - start));
        start = end + 1;
    }
    // The axes only now: with them on, every line that widens the view would draw up to tens of thousands
    // of grid dots again; the interpreter fuzzer covers axes shown while lines are typed.
    if (axes) parser.ShowAxes();

    FixedTextMetrics metrics;
    CheckSvg(RenderSvg(parser, area.right, area.bottom, metrics));
    const std::string tikz = RenderTikz(parser, area.right, area.bottom, metrics, tikzWidth);
    const std::string error = tikzcheck::Check(tikz);
    if (!error.empty()) Fail("TikZ: " + error, tikz);
    return 0;
}
