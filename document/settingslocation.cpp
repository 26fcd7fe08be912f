// The choice of the settings file's place, and the facts of the running process it is made from.
#include "document/settingslocation.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "generated/buildinfo.h"
#include "text/environment.h"
#include "text/fileio.h"

namespace {

// Both paths name the same existing directory (symbolic links resolved, /bin as /usr/bin).
bool SameDirectory(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

std::string ChooseSettingsPath(const SettingsPlaceFacts& facts) {
    const std::string besideProgram = facts.programDir + "/" + kSettingsFileName;
    if (facts.programDirWritable && !facts.installed) return besideProgram;
    std::string configDir;
    if (!facts.xdgConfigHome.empty() && facts.xdgConfigHome.front() == '/')
        configDir = facts.xdgConfigHome;
    else if (!facts.home.empty())
        configDir = facts.home + "/.config";
    else
        return besideProgram;
    return configDir + "/lineato/" + kSettingsFileName;
}

std::string SettingsFilePath(const std::string& programDir) {
    SettingsPlaceFacts facts;
    facts.programDir = programDir;
    facts.programDirWritable = ::access(programDir.c_str(), W_OK) == 0;
    facts.installed = SameDirectory(programDir, kInstalledBinDir);
    facts.xdgConfigHome = EnvironmentValue("XDG_CONFIG_HOME");
    facts.home = HomeDirectory();
    const std::string path = ChooseSettingsPath(facts);
    // The configuration directory is made now, so that the save at the end finds it; when that fails,
    // the save reports it as for any place that cannot be written.
    if (path != facts.programDir + "/" + kSettingsFileName) MakeParentDirectories(path);
    return path;
}
