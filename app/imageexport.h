// Rendering of a construction as PNG, SVG or PDF: what Redraw shows on a drawing area of a given size.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "batch/batchrun.h"

class TParser;

// The resolution of the images: 96 dpi, so 9 pt are 12 device units.
inline constexpr int kImageDpi = 96;
inline constexpr int kImageDotsPerMeter = 3780;
// The picture that RenderPng encodes. With a ratio above 1 the image has ratio times as many pixels
// each way and shows the same picture finer, as the screen does at that device-pixel ratio.
std::optional<QImage> RenderImage(TParser& parser, int width, int height, double ratio = 1);
// The PNG file of image; nullopt if Qt cannot encode it.
std::optional<std::string> PngBytes(const QImage& image);

// Each redraws parser on a fresh white area of width x height device units and returns the file's
// bytes; nullopt if Qt cannot produce it. The drawing state is restored afterwards.
std::optional<std::string> RenderPng(TParser& parser, int width, int height);
std::optional<std::string> RenderPdf(TParser& parser, int width, int height);
// The structured SVG and the TikZ picture of export/, with the labels measured as in the PNG.
std::optional<std::string> RenderMeasuredSvg(TParser& parser, int width, int height);
std::optional<std::string> RenderMeasuredTikz(TParser& parser, int width, int height, double widthCm);

// The image files the batch options ask for, in the order PNG, SVG, PDF, TikZ.
std::vector<ImageOutput> BatchImageOutputs(const BatchOptions& options);
