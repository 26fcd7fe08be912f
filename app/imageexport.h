// Rendering of a construction as PNG, SVG or PDF: what Redraw shows on a drawing area of a given size.
#pragma once

#include <QByteArray>
#include <optional>

class TParser;

// Each redraws parser on a fresh white area of width x height device units (96 dpi, so 9 pt are
// 12 units) and returns the file's bytes; nullopt if Qt cannot produce it. The drawing state is
// restored afterwards.
std::optional<QByteArray> RenderPng(TParser& parser, int width, int height);
std::optional<QByteArray> RenderSvg(TParser& parser, int width, int height);
std::optional<QByteArray> RenderPdf(TParser& parser, int width, int height);
