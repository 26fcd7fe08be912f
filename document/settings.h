// The display and print options kept between runs in "LINEATO.INI" (its place: settingslocation.h).
#pragma once

#include <string>

struct Settings {
    bool ColourSetting = true;       // [Optionen] Farbe
    bool AxesSetting = false;        // [Optionen] Achsen
    bool ToolbarVisible = true;      // [Optionen] Werkzeugleiste
    bool ValueInStatusLine = false;  // [Optionen] WertDialog
    bool PrintColour = false;        // [Drucker] Farbe
    bool PrintFixedScale = false;    // [Drucker] Autoskalierung, stored inverted
    bool PrintDoubleWidth = false;   // [Drucker] DoppelteStrichstärke
    bool PrintCommandList = false;   // [Drucker] Befehlsliste
    bool PrintFrame = true;          // [Drucker] Rahmen
    bool PrintDescription = false;   // [Drucker] Beschreibung

    bool operator==(const Settings&) const = default;
};

// Reads the ten keys; a missing or unreadable file, section, key or value gives the defaults above.
Settings LoadSettings(const std::string& path);

// Writes the ten keys in their order, keeping every other line of the file. The new text replaces
// the old file whole or not at all; false when it could not be written, and the old file is intact.
bool SaveSettings(const std::string& path, const Settings& settings);

// The message shown when SaveSettings fails.
inline constexpr const char* kSettingsWriteError =
    "Lineato.ini konnte nicht gespeichert werden! Laufwerk schreibgeschützt?";  // UTF-8
