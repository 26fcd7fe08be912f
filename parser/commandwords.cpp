// The words of the command language.
#include "parser/commandwords.h"

#include "text/asciicase.h"

namespace {

struct CommandWord {
    std::string_view word;
    CommandId id;
};

// In the order they are tried.
constexpr CommandWord kCommandWords[] = {
    {"PUNKT", CommandId::Punkt},
    {"STRECKE", CommandId::Strecke},
    {"KREIS", CommandId::Kreis},
    {"POLYGON", CommandId::Polygon},
    {"POLY", CommandId::Polygon},
    {"LOESCHE", CommandId::Loesche},
    {"MITTELPUNKT", CommandId::Mittelpunkt},
    {"MP", CommandId::Mittelpunkt},
    {"WINKEL", CommandId::Winkel},
    {"PARALLELE", CommandId::Parallele},
    {"GERADE", CommandId::Gerade},
    {"SENKRECHTE", CommandId::Senkrechte},
    {"BEZEICHNE", CommandId::Bezeichne},
    {"BEZ", CommandId::Bezeichne},
    {"DREHE", CommandId::Drehe},
    {"STRAHL", CommandId::Strahl},
    {"WERT", CommandId::Wert},
    {"FARBE", CommandId::Farbe},
};

}  // namespace

std::string CommandWordKey(std::string_view typed) {
    std::string key;
    key.reserve(typed.size());
    for (const char ch : typed) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0xFC || c == 0xDC)  // ü, Ü
            key += "UE";
        else if (c == 0xF6 || c == 0xD6)  // ö, Ö
            key += "OE";
        else
            key += AsciiUpper(ch);
    }
    return key;
}

std::optional<CommandId> FindCommand(std::string_view typed) {
    const std::string key = CommandWordKey(typed);
    for (const CommandWord& entry : kCommandWords)
        if (entry.word == key) return entry.id;
    return std::nullopt;
}

bool IsIntersectionKeyword(std::string_view word) {
    return EqualIgnoringAsciiCase(word, "SCHNITTPUNKT") || EqualIgnoringAsciiCase(word, "SP");
}

bool IsAngleKeyword(std::string_view word) {
    return EqualIgnoringAsciiCase(word, "WINKEL");
}

bool IsBisectorKeyword(std::string_view word) {
    return EqualIgnoringAsciiCase(word, "HALB") || EqualIgnoringAsciiCase(word, "HALBIERENDE");
}

bool IsLabelKeyword(std::string_view word) {
    return EqualIgnoringAsciiCase(word, "BEZEICHNER") || EqualIgnoringAsciiCase(word, "BEZ") ||
           EqualIgnoringAsciiCase(word, "BEZEICHNUNG");
}
