// The words of the command language.
#include "parser/commandwords.h"

#include <algorithm>
#include <array>

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

// Hands the key form of one typed byte, one or two characters, to append.
template <typename Append>
void AppendKeyOf(char ch, Append&& append) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 0xFC || c == 0xDC) {  // ü, Ü
        append('U');
        append('E');
    } else if (c == 0xF6 || c == 0xD6) {  // ö, Ö
        append('O');
        append('E');
    } else {
        append(AsciiUpper(ch));
    }
}

// The longest command word; a longer key is none of them.
constexpr std::size_t kLongestCommandWord = [] {
    std::size_t longest = 0;
    for (const CommandWord& entry : kCommandWords)
        longest = std::max(longest, entry.word.size());
    return longest;
}();

}  // namespace

std::string CommandWordKey(std::string_view typed) {
    std::string key;
    key.reserve(typed.size());
    for (const char ch : typed)
        AppendKeyOf(ch, [&key](char c) { key += c; });
    return key;
}

std::optional<CommandId> FindCommand(std::string_view typed) {
    // Every line asks this, so the key is built on the stack; each typed byte gives at least one.
    if (typed.size() > kLongestCommandWord) return std::nullopt;
    std::array<char, 2 * kLongestCommandWord> key{};
    std::size_t length = 0;
    for (const char ch : typed)
        AppendKeyOf(ch, [&](char c) { key[length++] = c; });
    const std::string_view word(key.data(), length);
    for (const CommandWord& entry : kCommandWords)
        if (entry.word == word) return entry.id;
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
