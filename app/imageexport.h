// Rendering of a construction as PNG, SVG or PDF: what Redraw shows on a drawing area of a given size.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/batchrun.h"

class TParser;

// Each redraws parser on a fresh white area of width x height device units (96 dpi, so 9 pt are
// 12 units) and returns the file's bytes; nullopt if Qt cannot produce it. The drawing state is
// restored afterwards.
std::optional<std::string> RenderPng(TParser& parser, int width, int height);
std::optional<std::string> RenderSvg(TParser& parser, int width, int height);
std::optional<std::string> RenderPdf(TParser& parser, int width, int height);

// The image files the batch options ask for, in the order PNG, SVG, PDF.
std::vector<ImageOutput> BatchImageOutputs(const BatchOptions& options);
