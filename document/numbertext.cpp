// Stepping written numbers exactly, on their digits, and writing coordinates.
#include "document/numbertext.h"

#include <cmath>
#include <cstdint>

namespace {

// Digits that an int64 holds exactly, with room for a step.
constexpr std::size_t kMaxDigits = 17;

}  // namespace

std::optional<std::string> StepNumberText(std::string_view text, int steps) {
    std::size_t i = 0;
    char sign = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++];
    std::string digits;
    std::size_t intDigits = 0;
    std::size_t decimals = 0;
    char separator = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            (separator != 0 ? decimals : intDigits) += 1;
        } else if ((c == '.' || c == ',') && separator == 0) {
            separator = c;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty() || digits.size() > kMaxDigits) return std::nullopt;

    std::int64_t units = 0;
    for (char c : digits)
        units = units * 10 + (c - '0');
    if (sign == '-') units = -units;
    units += steps;

    std::string magnitude = std::to_string(units < 0 ? -units : units);
    // Enough digits for the decimals, and a leading digit where the text had one.
    const std::size_t least = decimals + (intDigits > 0 ? 1 : 0);
    if (magnitude.size() < least) magnitude.insert(0, least - magnitude.size(), '0');
    std::string result;
    if (units < 0)
        result += '-';
    else if (sign == '+')
        result += '+';
    result += magnitude.substr(0, magnitude.size() - decimals);
    if (separator != 0) {
        result += separator;
        result += magnitude.substr(magnitude.size() - decimals);
    }
    return result;
}

std::string CoordinateText(double value, char separator) {
    // Hundredths as an integer, so that the decimals are exact and "-0" cannot appear.
    const double hundredths = std::nearbyint(value * 100);
    if (!std::isfinite(hundredths) || std::fabs(hundredths) > 1e17) return "0";
    const auto units = static_cast<std::int64_t>(hundredths);
    const std::int64_t whole = (units < 0 ? -units : units) / 100;
    std::int64_t fraction = (units < 0 ? -units : units) % 100;
    std::string text = units < 0 ? "-" : "";
    text += std::to_string(whole);
    if (fraction != 0) {
        text += separator;
        if (fraction % 10 == 0) {
            text += static_cast<char>('0' + fraction / 10);
        } else {
            text += static_cast<char>('0' + fraction / 10);
            text += static_cast<char>('0' + fraction % 10);
        }
    }
    return text;
}
