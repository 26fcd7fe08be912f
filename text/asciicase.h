// Letter case of the command language and the settings file: only the ASCII letters change; umlauts and
// every other Windows-1252 byte stay as they are, whatever the locale.
#pragma once

#include <string>
#include <string_view>

constexpr char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string UpperAscii(std::string_view word) {
    std::string upper(word);
    for (char& c : upper)
        c = AsciiUpper(c);
    return upper;
}

inline std::string LowerAscii(std::string_view word) {
    std::string lower(word);
    for (char& c : lower)
        c = AsciiLower(c);
    return lower;
}

// Equal when equally long and equal byte by byte, ASCII letters without regard to case.
inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}
