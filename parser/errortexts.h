// The numbered error messages of the command language, in Windows-1252.
#pragma once

#include <string>

// The text of a numbered error; unknown numbers give "Unbekannter Fehler!".
std::string ErrorText(int number);

// Texts of floating-point faults that reject a line.
extern const char* const kInvalidOperationText;
extern const char* const kDivisionByZeroText;
extern const char* const kOverflowText;
