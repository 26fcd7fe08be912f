// Conversion between the core's Windows-1252 byte strings and Qt's QString, at the Qt boundary only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString Cp1252ToQString(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string QStringToCp1252(const QString& text);
