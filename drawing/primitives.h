// Drawing primitives on the current canvas, in world coordinates unless stated.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct FigurePoint;

// Line between device points with the pen of code; the pen is reset afterwards. figure, when given, is
// the whole figure this line belongs to in world coordinates, for the canvas's figure sink.
void DrawStyledLine(int x1, int y1, int x2, int y2, std::uint16_t code,
                    std::span<const FigurePoint> figure = {});
// The X-shaped point mark (always style 7); code is ignored.
void DrawPointMark(std::uint16_t code, double x, double y);
// Point label left of and below the point; leaves the brush clear.
void DrawPointLabel(const std::string& text, double x, double y);
// Coordinate axes with arrows, unit ticks and grid dots over the whole window.
void DrawAxes();

// DrawAxes leaves out the unit ticks of an axis whose range holds more integers than this: such ticks
// stand less than a device unit apart on any real drawing area and would only cost time.
inline constexpr double kMaxAxisTicks = 2000;
// DrawAxes leaves out the grid dots when the window holds more integer lattice points than this (a
// window of 200 by 200 units): their number grows with the window's area, their use does not.
inline constexpr double kMaxGridDots = 40000;
// A circle too large for the platform arc is drawn as a polyline of at most about this many segments.
inline constexpr int kMaxCircleSegments = 4096;

void DrawFigureLabel(const std::string& text, double x, double y);
// Angle label on direction dir (degrees) from the vertex, in the Symbol font.
void DrawAngleLabel(const std::string& text, double x, double y, double dir);
void DrawSegment(std::uint16_t code, double x1, double y1, double x2, double y2);
void DrawStraightLine(std::uint16_t code, double x1, double y1, double x2, double y2);
void DrawRay(std::uint16_t code, double x1, double y1, double x2, double y2);
void DrawCircle(std::uint16_t code, double cx, double cy, double r);
// Arc of fixed device radius around the vertex, counter-clockwise from `from` to `to` degrees.
void DrawAngleArc(std::uint16_t from, std::uint16_t to, std::uint16_t code, double vx, double vy);

// The Greek-word rule of angle labels: the first ALPHA, BETA, GAMMA, DELTA, EPSILON (any letter
// case) each become the single Latin letter a, b, g, d, e that the Symbol font shows as Greek.
std::string GreekLabelText(const std::string& text);
