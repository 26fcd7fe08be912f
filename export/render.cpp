// Redraws on a given canvas, and the SVG and TikZ files drawn that way.
#include "export/render.h"

#include "drawing/drawstate.h"
#include "export/svgcanvas.h"
#include "export/tikzcanvas.h"
#include "parser/tparser.h"

WorldWindow RedrawOnCanvas(TParser& parser, Canvas& canvas, const DeviceRect& area) {
    DrawStateGuard restore;
    Drawing().DrawCanvas = &canvas;
    Drawing().ScreenRect = area;
    parser.Redraw();
    const DrawState& state = Drawing();
    return {state.XMin, state.YMin, state.XMax, state.YMax};
}

std::string RenderSvg(TParser& parser, int width, int height, TextMetrics& metrics) {
    const DeviceRect area{0, 0, width, height};
    SvgCanvas canvas(area, metrics);
    RedrawOnCanvas(parser, canvas, area);
    return canvas.Document();
}

std::string RenderTikz(TParser& parser, int width, int height, TextMetrics& metrics, double widthCm) {
    const DeviceRect area{0, 0, width, height};
    TikzCanvas canvas(area, metrics, widthCm);
    const WorldWindow window = RedrawOnCanvas(parser, canvas, area);
    return canvas.Document(window);
}
