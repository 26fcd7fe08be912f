// What several fuzz targets share: the null drawing area of the start state and an independent check of
// UTF-8 (the silent message sink is in parser/messages.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "parser/messages.h"

// A fresh drawing state on a null canvas of 640 x 480, as the window's start state has it; the old
// state comes back when this goes out of scope.
struct NullDrawingArea {
    NullDrawingArea() {
        Drawing() = DrawState{};
        Drawing().DrawCanvas = &canvas;
        Drawing().ScreenRect = area;
    }
    DrawStateGuard restore;
    DeviceRect area{0, 0, 640, 480};
    NullCanvas canvas{area};
};

// Number of code points when s is valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF);
// nullopt otherwise. Written apart from the converter's decoder on purpose.
inline std::optional<std::size_t> CodePoints(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t length = b < 0x80         ? 1
                                   : (b >> 5) == 6  ? 2
                                   : (b >> 4) == 14 ? 3
                                   : (b >> 3) == 30 ? 4
                                                    : 0;
        if (length == 0 || i + length > s.size()) return std::nullopt;
        std::uint32_t code = length == 1 ? b : b & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (c & 0x3F);
        }
        constexpr std::uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kShortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        i += length;
    }
    return count;
}

inline bool ValidUtf8(std::string_view s) {
    return CodePoints(s).has_value();
}
