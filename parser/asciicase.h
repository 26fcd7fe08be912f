// Letter case of the command language: only the ASCII letters change; umlauts and every other
// Windows-1252 byte stay as they are.
#pragma once

#include <string>
#include <string_view>

inline std::string UpperAscii(std::string_view word) {
    std::string upper(word);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

inline std::string LowerAscii(std::string_view word) {
    std::string lower(word);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}
