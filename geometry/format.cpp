// Number formatting of the description texts.
#include "geometry/format.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr std::size_t kMaxNumberLength = 10;  // descriptions show at most this many characters per number
}

std::string FormatFixed(double value, int width, int decimals) {
    // A horizontal line's direction comes out as -0 (atan of 0 over a negative); show it as 0.
    if (value == 0) value = 0;
    // Measured first: %f of a large value needs hundreds of characters.
    const int needed = std::snprintf(nullptr, 0, "%*.*f", width, decimals, value);
    if (needed <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%*.*f", width, decimals, value);
    return std::string(buffer.data(), std::min(static_cast<std::size_t>(needed), kMaxNumberLength));
}
