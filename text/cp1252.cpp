// Windows-1252 conversion with our own table for 0x80-0x9F, so the result never depends on ICU data.
#include "text/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Unicode of the bytes 0x80..0x9F; the rest of the code page is Latin-1, byte value = code point.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The same table ordered by code point, for the way back.
struct HighControl {
    char32_t code;
    unsigned char byte;
};
constexpr std::array<HighControl, 32> kHighControlsByCode = [] {
    std::array<HighControl, 32> table{};
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        table[i] = {kHighControls[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(table.begin(), table.end(),
              [](const HighControl& a, const HighControl& b) { return a.code < b.code; });
    return table;
}();

constexpr char32_t kInvalid = 0xFFFFFFFF;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes the UTF-8 sequence at text[i] and advances i past it. An invalid sequence (a stray continuation
// byte, a cut-off, overlong or surrogate sequence) gives kInvalid, which no code page holds, and skips
// its bytes as far as they form a plausible prefix, so that one broken character becomes one "?".
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return kInvalid;
    }
    for (int k = 0; k < length; ++k) {
        if (i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i]))) return kInvalid;
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kInvalid;
    return code;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

char UnicodeToCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    // Every converted text character of a high code point comes here: a binary search, not a scan.
    const auto found =
        std::lower_bound(kHighControlsByCode.begin(), kHighControlsByCode.end(), code,
                         [](const HighControl& entry, char32_t wanted) { return entry.code < wanted; });
    if (found != kHighControlsByCode.end() && found->code == code) return static_cast<char>(found->byte);
    return '?';
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += UnicodeToCp1252(DecodeUtf8(utf8, i));
    return out;
}
