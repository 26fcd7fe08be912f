// The Adobe Symbol encoding's Greek letters at the places of the Latin ones.
#include "text/symbolfont.h"

#include <array>

#include "text/cp1252.h"

char32_t SymbolFontCharacter(unsigned char byte) {
    static constexpr std::array<char16_t, 26> kUpper = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
        0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
        0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static constexpr std::array<char16_t, 26> kLower = {
        0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
        0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
        0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (byte >= 'A' && byte <= 'Z') return kUpper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z') return kLower[byte - 'a'];
    return Cp1252ToUnicode(byte);
}

std::string SymbolFontToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(2 * cp1252.size());
    for (const char c : cp1252)
        AppendUtf8(out, SymbolFontCharacter(static_cast<unsigned char>(c)));
    return out;
}
