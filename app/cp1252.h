// Conversion between the core's Windows-1252 byte strings and Qt's QString or UTF-8.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Every one of the 256 bytes maps to exactly one character; the five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same number, as the platform
// does, so that any byte string survives the round trip.
QString Cp1252ToQString(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string QStringToCp1252(const QString& text);

std::string Cp1252ToUtf8(std::string_view bytes);
// Invalid UTF-8 sequences, like characters outside Windows-1252, become "?".
std::string Utf8ToCp1252(std::string_view utf8);
