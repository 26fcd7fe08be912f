// Drawing a construction on a canvas as Redraw shows it on a drawing area, and the vector files made so.
#pragma once

#include <string>

#include "drawing/canvas.h"
#include "drawing/drawstate.h"
#include "drawing/textmetrics.h"

class TParser;

// Redraws parser on canvas with the screen drawing area set to area, and returns the world window it
// drew in (after the aspect adjustment); the drawing state is restored afterwards.
WorldWindow RedrawOnCanvas(TParser& parser, Canvas& canvas, const DeviceRect& area);

// The construction as a structured SVG document on a drawing area of width x height device units;
// metrics measure the labels as the PNG rendering does.
std::string RenderSvg(TParser& parser, int width, int height, TextMetrics& metrics);
// The construction as a TikZ picture of what the same drawing area shows, one centimetre per world unit
// or widthCm wide when that is positive.
std::string RenderTikz(TParser& parser, int width, int height, TextMetrics& metrics, double widthCm);
