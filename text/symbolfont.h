// The "Symbol" font of angle labels: the characters it shows for Windows-1252 text, as Unicode.
#pragma once

#include <string>
#include <string_view>

// The Latin letters A..Z and a..z become the Greek letters at their places in the Adobe Symbol encoding
// (a alpha, b beta, g gamma, ...); every other byte is its Windows-1252 character.
char32_t SymbolFontCharacter(unsigned char byte);
std::string SymbolFontToUtf8(std::string_view cp1252);
