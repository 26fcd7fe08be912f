// The words of the command language: the command words and the keywords some commands take.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The commands; the short forms (POLY, MP, BEZ) are the same command as their long ones.
enum class CommandId : std::uint8_t {
    Punkt,
    Strecke,
    Kreis,
    Polygon,
    Loesche,
    Mittelpunkt,
    Winkel,
    Parallele,
    Gerade,
    Senkrechte,
    Bezeichne,
    Drehe,
    Strahl,
    Wert,
    Farbe,
};
inline constexpr int kCommandCount = 15;

// A command word as typed, in the form it is looked up in: ASCII letters upper case, ü and Ü as "UE",
// ö and Ö as "OE" (so LÖSCHE is LOESCHE), every other byte unchanged.
std::string CommandWordKey(std::string_view typed);
// The command of a typed command word (the whole word, any letter case); nullopt when it is none.
std::optional<CommandId> FindCommand(std::string_view typed);

// Keywords, compared without regard to the case of ASCII letters.
bool IsIntersectionKeyword(std::string_view word);  // BEZEICHNE SCHNITTPUNKT, SP
bool IsAngleKeyword(std::string_view word);         // BEZEICHNE WINKEL
bool IsBisectorKeyword(std::string_view word);      // WINKEL HALB, HALBIERENDE
bool IsLabelKeyword(std::string_view word);         // LOESCHE BEZEICHNER, BEZ, BEZEICHNUNG
