// Loading and saving the ten options of the settings file.
#include "document/settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "text/fileio.h"
#include "text/inifile.h"

namespace {

struct BoolKey {
    const char* section;
    const char* key;  // Windows-1252
    bool Settings::*field;
    bool inverted;  // the file speaks of automatic scaling, the field of fixed scale
};

// In the order in which they are read and written.
constexpr BoolKey kKeys[] = {
    {"Optionen", "Farbe", &Settings::ColourSetting, false},
    {"Optionen", "Achsen", &Settings::AxesSetting, false},
    {"Optionen", "Werkzeugleiste", &Settings::ToolbarVisible, false},
    {"Optionen", "WertDialog", &Settings::ValueInStatusLine, false},
    {"Drucker", "Farbe", &Settings::PrintColour, false},
    {"Drucker", "Autoskalierung", &Settings::PrintFixedScale, true},
    {"Drucker", "DoppelteStrichst\xE4rke", &Settings::PrintDoubleWidth, false},
    {"Drucker", "Befehlsliste", &Settings::PrintCommandList, false},
    {"Drucker", "Rahmen", &Settings::PrintFrame, false},
    {"Drucker", "Beschreibung", &Settings::PrintDescription, false},
};

// A whole text as a 32-bit integer: decimal with an optional sign, or hexadecimal after "0x"/"0X" when
// the text is longer than those two characters. nullopt for anything else, overflow included.
std::optional<std::int64_t> ParseInteger(std::string_view text) {
    int base = 10;
    std::int64_t low = INT32_MIN;
    std::int64_t high = INT32_MAX;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
        low = 0;
        high = UINT32_MAX;  // eight hex digits, read as a 32-bit pattern
    } else if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);  // from_chars knows "-" but not "+"
        if (!text.empty() && text[0] == '-') return std::nullopt;
    }
    if (text.empty() || (base == 16 && (text[0] == '-' || text[0] == '+'))) return std::nullopt;
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (error != std::errc() || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

bool ReadBool(const IniFile& file, const BoolKey& key, bool fallback) {
    // An absent key reads as empty, which is no integer either.
    const auto value = ParseInteger(file.Read(key.section, key.key, ""));
    return value ? *value != 0 : fallback;
}

}  // namespace

Settings LoadSettings(const std::string& path) {
    Settings settings;
    const auto bytes = ReadFileBytes(path).bytes;
    if (!bytes) return settings;
    const IniFile file(*bytes);
    for (const BoolKey& key : kKeys) {
        bool& field = settings.*key.field;
        const bool stored = ReadBool(file, key, key.inverted ? !field : field);
        field = key.inverted ? !stored : stored;
    }
    return settings;
}

bool SaveSettings(const std::string& path, const Settings& settings) {
    std::string old;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        // An existing file that cannot be read would lose its other lines: leave it alone.
        const auto bytes = ReadFileBytes(path).bytes;
        if (!bytes) return false;
        old = *bytes;
    } else if (errno != ENOENT) {
        return false;
    }
    IniFile file(old);
    for (const BoolKey& key : kKeys) {
        const bool value = settings.*key.field;
        file.Write(key.section, key.key, (key.inverted ? !value : value) ? "1" : "0");
    }
    return ReplaceFileAtomically(path, file.Text());
}
