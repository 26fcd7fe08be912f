// Number formatting of the description texts.
#pragma once

#include <string>

// Fixed-point with `decimals` decimals, right-aligned in at least `width` characters, '.' as separator,
// cut to its first 10 characters.
std::string FormatFixed(double value, int width, int decimals);
