// Command lines for the monkey: every command of the language in its forms, with names that exist or
// not, numbers of every shape, broken and overlong lines and garbage bytes. Lines are Windows-1252 bytes.
#pragma once

#include <string>
#include <vector>

#include "tests/app/monkey/monkeyrandom.h"

class TObjList;

// The names a construction offers, by what they name.
struct MonkeyNames {
    std::vector<std::string> points;
    std::vector<std::string> straights;  // segments, rays, lines, perpendiculars, parallels
    std::vector<std::string> segments;
    std::vector<std::string> rays;
    std::vector<std::string> circles;
    std::vector<std::string> angles;
    std::vector<std::string> all;
};

MonkeyNames CollectNames(const TObjList& objects);

// A number as a user might type it: small or huge, negative, with a decimal comma or point, or broken.
std::string MonkeyNumber(MonkeyRandom& random);
// One command line, mostly well formed.
std::string MonkeyLine(MonkeyRandom& random, const MonkeyNames& names);
