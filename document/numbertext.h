// Numbers as the user wrote them: stepping one in its own form, and writing coordinates for a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The number text moved by steps units of its last decimal place (a number without decimals by 1),
// keeping its form: separator, decimals, a leading "+", leading digits. nullopt for a text that is not a
// plain decimal number, or one too long to step exactly.
std::optional<std::string> StepNumberText(std::string_view text, int steps);

// value with at most two decimals and no trailing zeros, with separator ('.' or ','); never "-0".
std::string CoordinateText(double value, char separator);
