// A checker for the TikZ pictures the export writes: one tikzpicture environment, braces and math mode
// balanced in every statement, and every coordinate a finite number that TeX can hold.
#pragma once

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tikzcheck {

// TeX's largest dimension, 16383.99999 pt, in centimetres.
inline constexpr double kMaxTexCm = 16383.99999 / 72.27 * 2.54;

namespace detail {

inline bool ParseNumber(std::string_view text, double& value) {
    if (text.empty() || text.front() == '+') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// The statement without a trailing comment; braces and '$' counted outside control symbols such as \{.
// Empty when they balance, otherwise what is wrong.
inline std::string CheckGroups(std::string_view statement) {
    int depth = 0;
    bool math = false;
    for (std::size_t i = 0; i < statement.size(); ++i) {
        const char c = statement[i];
        if (c == '\\') {
            ++i;  // a control symbol or the first letter of a control word
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}' && --depth < 0) return "'}' without '{'";
        if (c == '$') math = !math;
    }
    if (depth != 0) return "unbalanced braces";
    if (math) return "math mode not closed";
    return {};
}

// Cuts a comment that starts at an unescaped '%'.
inline std::string_view WithoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '%')
            return line.substr(0, i);
    }
    return line;
}

// Every parenthesised group of numbers ("(x,y)", "(a:r)", "([xshift=..]x,y)") and every radius outside
// node text: finite numbers (with an optional unit), coordinates and radii within TeX's reach at
// cmPerUnit. A polar group's angle is no length.
inline std::string CheckCoordinates(std::string_view part, double cmPerUnit) {
    auto length = [&](std::string_view piece, bool isLength) -> std::string {
        bool unit = false;
        if (piece.ends_with("pt") || piece.ends_with("cm")) {
            piece.remove_suffix(2);
            unit = true;
        }
        double value;
        if (!ParseNumber(piece, value)) return "not a finite number: " + std::string(piece);
        if (isLength && !unit && std::fabs(value) * cmPerUnit > kMaxTexCm) return "beyond TeX's reach";
        return {};
    };
    for (std::size_t at = 0; (at = part.find('(', at)) != std::string_view::npos;) {
        const std::size_t close = part.find(')', at);
        if (close == std::string_view::npos) return "unclosed '('";
        std::string_view inside = part.substr(at + 1, close - at - 1);
        at = close + 1;
        if (inside.starts_with("[")) {
            const std::size_t options = inside.find(']');
            if (options == std::string_view::npos) return "unclosed '[' in a coordinate";
            inside.remove_prefix(options + 1);
        }
        const bool polar = inside.find(':') != std::string_view::npos;
        for (bool first = true;; first = false) {
            const std::size_t sep = inside.find_first_of(",:");
            if (std::string error = length(inside.substr(0, sep), !(polar && first)); !error.empty())
                return error;
            if (sep == std::string_view::npos) break;
            inside.remove_prefix(sep + 1);
        }
    }
    constexpr std::string_view kRadius = "radius=";
    for (std::size_t at = 0; (at = part.find(kRadius, at)) != std::string_view::npos;) {
        at += kRadius.size();
        const std::size_t end = part.find_first_of(",]", at);
        if (end == std::string_view::npos) return "unterminated radius";
        if (std::string error = length(part.substr(at, end - at), true); !error.empty()) return error;
    }
    return {};
}

}  // namespace detail

// Empty when picture is a well-formed TikZ picture as described above; otherwise what is wrong.
inline std::string Check(std::string_view picture) {
    using namespace detail;
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < picture.size();) {
        const std::size_t end = picture.find('\n', start);
        if (end == std::string_view::npos) return "last line without line end";
        lines.push_back(picture.substr(start, end - start));
        start = end + 1;
    }
    constexpr std::string_view kBegin = "\\begin{tikzpicture}[x=";
    std::size_t begin = 0;
    while (begin < lines.size() && !lines[begin].starts_with(kBegin))
        ++begin;
    if (begin == lines.size()) return "no \\begin{tikzpicture}";
    if (lines.back() != "\\end{tikzpicture}") return "does not end with \\end{tikzpicture}";
    for (std::size_t i = 0; i < begin; ++i)
        if (!lines[i].starts_with("%")) return "text before the picture";

    // The options of the environment run up to the line that ends with "]".
    std::string options;
    std::size_t body = begin;
    for (; body < lines.size(); ++body) {
        options += WithoutComment(lines[body]);
        if (lines[body].ends_with("]")) break;
    }
    if (body >= lines.size() - 1) return "unterminated picture options";
    ++body;
    const std::string error = CheckGroups(options);
    if (!error.empty()) return "picture options: " + error;
    double cmPerUnit;
    const std::size_t unitEnd = options.find("cm", kBegin.size());
    if (unitEnd == std::string::npos ||
        !ParseNumber(std::string_view(options).substr(kBegin.size(), unitEnd - kBegin.size()), cmPerUnit) ||
        !(cmPerUnit > 0))
        return "the unit is no positive number";
    if (options.find("nan") != std::string::npos || options.find("inf") != std::string::npos)
        return "non-finite number in the picture options";

    for (std::size_t i = body; i + 1 < lines.size(); ++i) {
        const std::string_view statement = WithoutComment(lines[i]);
        if (statement.empty()) continue;
        // Label text may spell "tikzpicture"; only a backslash, which the writer escapes in text, makes it
        // an environment.
        if (statement.find("\\begin{") != std::string_view::npos ||
            statement.find("\\end{") != std::string_view::npos)
            return "an environment inside the picture";
        if (!statement.ends_with(";")) return "statement without ';': " + std::string(statement);
        if (std::string groups = CheckGroups(statement); !groups.empty())
            return groups + ": " + std::string(statement);
        // Node text is the label's own and may spell anything; the rest is made of numbers and keywords.
        std::string_view figure = statement;
        if (statement.starts_with("\\node")) {
            const std::size_t text = statement.find(" {");
            if (text == std::string_view::npos) return "node without text";
            figure = statement.substr(0, text);
        }
        if (figure.find("nan") != std::string_view::npos || figure.find("inf") != std::string_view::npos)
            return "non-finite number: " + std::string(statement);
        if (std::string coordinates = CheckCoordinates(figure, cmPerUnit); !coordinates.empty())
            return coordinates + ": " + std::string(statement);
    }
    return {};
}

}  // namespace tikzcheck
