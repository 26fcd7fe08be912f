// The monkey's command lines.
#include "tests/app/monkey/monkeylines.h"

#include <functional>
#include <initializer_list>
#include <string_view>

#include "geometry/tobjlist.h"
#include "geometry/tpunkt.h"

namespace {

const std::vector<std::string> kFreshNames = {
    "A", "B",  "C", "P",  "Q",     "S",    "T", "k", "g", "s",   "r",  "alpha",  "beta",
    "M", "Mc", "h", "p1", "x\xE4", "\xC4", "a", "b", "c", "BEZ", "SP", "Winkel", "N12345678901234567890xyz"};
const std::vector<std::string> kBadNames = {"1A", "_x", "-", "", "\xA7", "9", "'", "\x80"};
const std::vector<std::string> kColours = {"rot",     "blau", "gr\xFCn", "gruen", "gelb",
                                           "schwarz", "ROT",  "Gelb",    "lila",  ""};

std::string Word(MonkeyRandom& random, std::string_view word) {
    // Command words ignore case; names do not, so only command words are changed.
    std::string out(word);
    const int style = random.Below(4);
    for (char& c : out) {
        if (style == 1 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (style == 2 && c >= 'A' && c <= 'Z' && random.Percent(50)) c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// A name of the wanted kind mostly, any other name or a fresh or broken one otherwise.
std::string Name(MonkeyRandom& random, const std::vector<std::string>& wanted, const MonkeyNames& names) {
    const int roll = random.Below(100);
    if (roll < 65 && !wanted.empty()) return random.Pick(wanted);
    if (roll < 75 && !names.all.empty()) return random.Pick(names.all);
    if (roll < 95) return random.Pick(kFreshNames);
    return random.Pick(kBadNames);
}

std::string Fresh(MonkeyRandom& random, const MonkeyNames& names) {
    if (random.Percent(85)) {
        std::string name = random.Pick(kFreshNames);
        if (random.Percent(60)) name += std::to_string(random.Below(50));
        return name;
    }
    return Name(random, names.all, names);
}

std::string Garbage(MonkeyRandom& random, int length) {
    std::string out;
    for (int i = 0; i < length; ++i)
        out += static_cast<char>(random.Between(1, 255));
    return out;
}

// Words joined by blanks; appending instead of operator+ keeps GCC 12 at -O3 from a false -Wrestrict.
std::string Words(std::initializer_list<std::string> words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line;
}

std::string Repeated(char c, int count, std::string_view before = {}) {
    std::string out(before);
    out.append(static_cast<std::size_t>(count), c);
    return out;
}

}  // namespace

MonkeyNames CollectNames(const TObjList& objects) {
    MonkeyNames names;
    for (int i = 0; i < objects.Count(); ++i) {
        const TPunkt* object = objects.Item(i);
        const std::string& name = object->GetName();
        if (name.empty()) continue;
        const std::string_view kind = object->KindName();
        names.all.push_back(name);
        if (kind == "Punkt") names.points.push_back(name);
        if (kind == "Kreis") names.circles.push_back(name);
        if (kind == "Winkel") names.angles.push_back(name);
        if (kind == "Strecke") names.segments.push_back(name);
        if (kind == "Strahl") names.rays.push_back(name);
        if (kind == "Strecke" || kind == "Strahl" || kind == "Gerade" || kind == "Senkrechte" ||
            kind == "Parallele")
            names.straights.push_back(name);
    }
    return names;
}

std::string MonkeyNumber(MonkeyRandom& random) {
    switch (random.Below(12)) {
        case 0:
            return std::to_string(random.Between(-1000000, 1000000));
        case 1:
            return Repeated('9', random.Between(20, 400));  // huge
        case 2:
            return Repeated('9', random.Between(20, 300), "-");
        case 3: {
            std::string tiny = Repeated('0', random.Between(1, 40), "0,");
            tiny += '1';
            return tiny;
        }
        case 4: {
            const char* odd[] = {"1,5,5", ".5", "5.", "-",   ",",   "1x", "--3",
                                 "+2",    "0",  "-0", "1e5", "360", "720"};
            return odd[random.Below(static_cast<int>(std::size(odd)))];
        }
        default: {
            std::string number = std::to_string(random.Between(-12, 12));
            if (random.Percent(50)) {
                number += random.Percent(50) ? ',' : '.';
                number += std::to_string(random.Below(100));
            }
            return number;
        }
    }
}

std::string MonkeyLine(MonkeyRandom& random, const MonkeyNames& n) {
    const auto w = [&](std::string_view word) { return Word(random, word); };
    const auto num = [&] { return MonkeyNumber(random); };
    const auto pt = [&] { return Name(random, n.points, n); };
    const auto straight = [&] { return Name(random, n.straights, n); };
    const auto fresh = [&] { return Fresh(random, n); };
    const auto maybe = [&](int percent, const std::function<std::string()>& word) {
        return random.Percent(percent) ? word() : std::string();
    };
    const auto coordinate = [&] { return std::to_string(random.Between(-8, 8)); };
    const std::function<std::string()> forms[] = {
        [&] {
            return Words({w("PUNKT"), fresh(), maybe(85, [&] { return Words({num(), num()}); })});
        },
        [&] {
            return Words({w("PUNKT"), fresh(), coordinate(), coordinate()});
        },
        [&] {
            return Words({w("STRECKE"), fresh(), pt(), pt()});
        },
        [&] {
            return Words({w("STRECKE"), fresh(), fresh(), fresh(), maybe(60, num)});
        },
        [&] {
            return Words({w("STRECKE"), fresh(), Name(random, n.rays, n), fresh(), num()});
        },
        [&] {
            return Words({w("GERADE"), fresh(), pt(), pt()});
        },
        [&] {
            return Words({w("STRAHL"), fresh(), pt(), pt()});
        },
        [&] {
            return Words({w(random.Percent(50) ? "MP" : "MITTELPUNKT"), fresh(),
                          random.Percent(50) ? Name(random, n.segments, n) : Words({pt(), pt()})});
        },
        [&] {
            return Words({w("SENKRECHTE"), fresh(), straight(), pt()});
        },
        [&] {
            return Words({w("PARALLELE"), fresh(), straight(), random.Percent(50) ? pt() : num()});
        },
        [&] {
            const int form = random.Below(3);
            return Words({w("KREIS"), fresh(), pt(),
                          form == 0   ? num()
                          : form == 1 ? pt()
                                      : Name(random, n.segments, n)});
        },
        [&] {
            return Words({w("WINKEL"), fresh(), Name(random, random.Percent(50) ? n.segments : n.rays, n),
                          pt(), fresh(), num()});
        },
        [&] {
            return Words({w("WINKEL"), w(random.Percent(50) ? "HALB" : "HALBIERENDE"), fresh(),
                          Name(random, n.angles, n)});
        },
        [&] {
            const std::vector<std::string>& figures = random.Percent(50) ? n.circles : n.straights;
            return Words({w(random.Percent(50) ? "BEZ" : "BEZEICHNE"),
                          w(random.Percent(50) ? "SP" : "SCHNITTPUNKT"), Name(random, figures, n),
                          Name(random, random.Percent(50) ? n.circles : n.straights, n), fresh(),
                          maybe(70, fresh)});
        },
        [&] {
            const auto leg = [&] { return Name(random, random.Percent(50) ? n.points : n.segments, n); };
            return Words({w("BEZ"), w("WINKEL"), leg(), pt(), leg(), fresh()});
        },
        [&] {
            std::string line = w(random.Percent(50) ? "POLY" : "POLYGON");
            const int corners = random.Between(1, 11);
            for (int i = 0; i < corners; ++i)
                line = Words({line, pt()});
            return line;
        },
        [&] {
            std::string line = random.Percent(50) ? w("LOESCHE") : std::string("L\xD6SCHE");
            if (random.Percent(30)) line = Words({line, w(random.Percent(50) ? "BEZ" : "BEZEICHNUNG")});
            const int count = random.Between(0, 3);
            for (int i = 0; i < count; ++i)
                line = Words({line, Name(random, n.all, n)});
            return line;
        },
        [&] {
            return Words({w("FARBE"), random.Pick(kColours)});
        },
        [&] {
            return Words({w("WERT"), Name(random, n.all, n)});
        },
        [&] {
            return Words(
                {w("DREHE"), random.Percent(70) ? std::to_string(random.Between(-360, 360)) : num()});
        },
    };
    constexpr int kForms = static_cast<int>(std::size(forms));
    const auto form = [&] { return forms[random.Below(kForms)](); };
    const int roll = random.Below(100);
    if (roll < 80) {
        std::string line = form();
        // Extra blanks around the words, or a line cut short.
        if (random.Percent(10)) {
            std::string padded = Repeated(' ', 2);
            padded += line;
            padded += "   ";
            line = padded;
        }
        if (random.Percent(8))
            line.resize(static_cast<std::size_t>(random.Below(static_cast<int>(line.size()) + 1)));
        return line;
    }
    if (roll < 86) return Garbage(random, random.Between(1, 40));
    if (roll < 90) return Words({form(), Garbage(random, random.Between(1, 10))});
    if (roll < 94) {
        // Overlong: the interpreter reads only so far.
        std::string line = form();
        while (line.size() < 300)
            line = Words({line, random.Percent(50) ? num() : fresh()});
        return line;
    }
    if (roll < 97) return Repeated(' ', random.Between(1, 5));
    static const std::vector<std::string> kBare = {"PUNKT",   "STRECKE", "KREIS", "WINKEL", "BEZ", "POLY",
                                                   "LOESCHE", "FARBE",   "WERT",  "DREHE",  "XYZ", "PKT"};
    return w(random.Pick(kBare));
}
