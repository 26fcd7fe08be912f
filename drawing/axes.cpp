// The coordinate cross: axes through the origin with arrows, unit ticks and grid dots.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "drawing/canvas.h"
#include "drawing/drawstate.h"
#include "drawing/figuresink.h"
#include "drawing/pens.h"
#include "drawing/primitives.h"
#include "drawing/transform.h"

void DrawAxes() {
    const DrawState& state = Drawing();
    if (state.DrawCanvas == nullptr) return;
    const int a = ToScreenX(state.XMin);
    const int b = ToScreenX(state.XMax);
    const int top = ToScreenY(state.YMax);
    const int bottom = ToScreenY(state.YMin);
    // Arrow and tick size unit: grows with the drawing area (printer pages), at least 1.
    int e = (b - a) / 400;
    if (e == 0) e = 1;

    // The integer ranges, truncated toward zero. Kept in double: windows of 1e12 units and more must
    // neither overflow nor run the loops.
    const double iFirst = std::trunc(state.XMin);
    const double iLast = std::trunc(state.XMax);
    const double jFirst = std::trunc(state.YMin);
    const double jLast = std::trunc(state.YMax);
    const double iCount = std::max(0.0, iLast - iFirst + 1);
    const double jCount = std::max(0.0, jLast - jFirst + 1);

    const int ox = ToScreenX(0);
    const int oy = ToScreenY(0);

    // Each stroke also names its figure in world coordinates (offsets in device units, y upwards); an
    // arrow's two strokes are one figure.
    const FigurePoint xAxis[] = {{state.XMin, 0}, {state.XMax, 0}};
    const FigurePoint yAxis[] = {{0, state.YMin}, {0, state.YMax}};
    DrawStyledLine(a, oy, b, oy, kStyleBlack, xAxis);
    DrawStyledLine(ox, bottom, ox, top, kStyleBlack, yAxis);

    const FigurePoint xArrow[] = {{state.XMax, 0},
                                  {state.XMax, 0, -5.0 * e, -4.0 * e},
                                  {state.XMax, 0},
                                  {state.XMax, 0, -5.0 * e, +4.0 * e}};
    const FigurePoint yArrow[] = {{0, state.YMax},
                                  {0, state.YMax, +4.0 * e, -5.0 * e},
                                  {0, state.YMax},
                                  {0, state.YMax, -4.0 * e, -5.0 * e}};
    DrawStyledLine(b, oy, b - 5 * e, oy + 4 * e, kStyleBlack, xArrow);
    DrawStyledLine(b, oy, b - 5 * e, oy - 4 * e, kStyleBlack);
    DrawStyledLine(ox, top, ox + 4 * e, top + 5 * e, kStyleBlack, yArrow);
    DrawStyledLine(ox, top, ox - 4 * e, top + 5 * e, kStyleBlack);

    // The loops count in integers, each bounded by its limit: far from the origin, adding 1 to a double
    // can leave it unchanged.
    if (iCount <= kMaxAxisTicks) {
        const int iTicks = static_cast<int>(iCount);
        for (int i = 0; i < iTicks; ++i) {
            const int x = ToScreenX(iFirst + i);
            const FigurePoint tick[] = {{iFirst + i, 0, 0, -2.0 * e}, {iFirst + i, 0, 0, +2.0 * e}};
            DrawStyledLine(x, oy + 2 * e, x, oy - 2 * e, kStyleBlack, tick);
        }
    }
    if (jCount <= kMaxAxisTicks) {
        const int jTicks = static_cast<int>(jCount);
        for (int j = 0; j < jTicks; ++j) {
            const int y = ToScreenY(jFirst + j);
            const FigurePoint tick[] = {{0, jFirst + j, -2.0 * e, 0}, {0, jFirst + j, +2.0 * e, 0}};
            DrawStyledLine(ox - 2 * e, y, ox + 2 * e, y, kStyleBlack, tick);
        }
    }
    // The grid dots share one pen, and only a figure sink needs each dot as a figure: up to kMaxGridDots
    // of them on every redraw with the axes shown.
    if (iCount >= 1 && jCount >= 1 && iCount * jCount <= kMaxGridDots) {
        const int columns = static_cast<int>(iCount);
        const int rows = static_cast<int>(jCount);
        std::vector<int> ys(static_cast<std::size_t>(rows));
        for (int j = 0; j < rows; ++j)
            ys[static_cast<std::size_t>(j)] = ToScreenY(jFirst + j);
        Canvas& canvas = *state.DrawCanvas;
        FigureSink* sink = canvas.Figures();
        SelectLinePen(kStyleBlue);
        for (int i = 0; i < columns; ++i) {
            const int x = ToScreenX(iFirst + i);
            for (int j = 0; j < rows; ++j) {
                if (sink != nullptr) {
                    const FigurePoint dot[] = {{iFirst + i, jFirst + j}, {iFirst + i, jFirst + j}};
                    sink->Strokes(dot, canvas.pen);
                }
                const int y = ys[static_cast<std::size_t>(j)];
                canvas.MoveTo(x, y);
                canvas.LineTo(x, y);
            }
        }
        ResetPen();
    }
}
