// Windows-1252, the code page of the command language, files and messages: conversion to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

// The Unicode character of a byte. Every one of the 256 bytes maps to exactly one character; the five
// bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the
// same number, as the platform does, so that any byte string survives the round trip.
char32_t Cp1252ToUnicode(unsigned char byte);
// The byte of a Unicode character; characters the code page cannot hold become "?".
char UnicodeToCp1252(char32_t code);

std::string Cp1252ToUtf8(std::string_view bytes);
// Appends the UTF-8 bytes of a character of the Basic Multilingual Plane (as all of the code page's are).
void AppendUtf8(std::string& out, char32_t code);
// Invalid UTF-8 sequences, like characters outside Windows-1252, become "?".
std::string Utf8ToCp1252(std::string_view utf8);
