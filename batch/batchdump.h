// The JSON dump of lineato-batch: one line per object of the construction, then the view state.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

class TParser;

// Shortest form that round-trips: 17 significant digits, locale-independent; non-finite values give
// null, as JSON has no other spelling for them.
std::string JsonNumber(double value);
// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view utf8);

// One JSON object per element of parser.Objects in list order, then
// {"window":[XMin,YMin,XMax,YMax],"current_color":N,"axes":true|false}. Describe rewrites each
// element's Description.
void WriteDump(std::ostream& out, TParser& parser);
