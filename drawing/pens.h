// Pen selection by style code, in colour or monochrome mode.
#pragma once

#include <cstdint>
#include <span>

#include "drawing/canvas.h"

// Style codes: 1 red/dashed, 2 green/dash-dot, 3 blue/double solid, 4 yellow/dotted, 6 black/solid,
// 7 point marks; 0, 5 and others change nothing.
inline constexpr std::uint16_t kStyleRed = 1;
inline constexpr std::uint16_t kStyleGreen = 2;
inline constexpr std::uint16_t kStyleBlue = 3;
inline constexpr std::uint16_t kStyleYellow = 4;
inline constexpr std::uint16_t kStyleBlack = 6;
inline constexpr std::uint16_t kStylePointMark = 7;

// The pen of the line table for code (lines, segments, rays, marks, axes).
void SelectLinePen(std::uint16_t code);
// The pen rule of circles: colour only in colour mode, style only in monochrome mode.
void SelectCirclePen(std::uint16_t code);
// Solid, width 1, black.
void ResetPen();

// The platform's dash pattern of a pen style in device units (on, off, on, off, ...), whatever the pen's
// width; empty for solid lines.
std::span<const double> DashPattern(PenStyle style);
