// Where LINEATO.INI lives: beside the program, or in the user's configuration directory when the program
// is installed or its directory cannot be written.
#pragma once

#include <string>

// The file name of the settings, in either place.
inline constexpr const char* kSettingsFileName = "LINEATO.INI";

// What the choice depends on, gathered by SettingsFilePath from the running process.
struct SettingsPlaceFacts {
    std::string programDir;  // the directory of the program file
    bool programDirWritable = false;
    bool installed = false;     // the program runs from the directory its installation puts it in
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
    std::string home;           // $HOME, else the account's home directory; empty when unknown
};

// programDir/LINEATO.INI when that directory can be written and is not the installed program's;
// otherwise LINEATO.INI in the subdirectory "lineato" of the XDG configuration directory
// ($XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config). Without either, the program's
// directory stays the place, and saving there reports the usual error.
std::string ChooseSettingsPath(const SettingsPlaceFacts& facts);

// ChooseSettingsPath with the facts of this process; programDir is the running program's directory. A
// configuration directory chosen is made when missing (private to the user).
std::string SettingsFilePath(const std::string& programDir);
