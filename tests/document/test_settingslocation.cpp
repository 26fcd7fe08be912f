// Where the settings file lives: beside a program that may write there, else in the XDG configuration.
#include "document/settingslocation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "generated/buildinfo.h"

namespace fs = std::filesystem;

namespace {

SettingsPlaceFacts Facts(bool writable, bool installed) {
    SettingsPlaceFacts facts;
    facts.programDir = "/opt/lineato";
    facts.programDirWritable = writable;
    facts.installed = installed;
    facts.xdgConfigHome = "/home/lehrer/.cfg";
    facts.home = "/home/lehrer";
    return facts;
}

TEST(SettingsLocation, BesideAWritableProgramElseInTheUsersConfiguration) {
    EXPECT_EQ(ChooseSettingsPath(Facts(true, false)), "/opt/lineato/LINEATO.INI");
    EXPECT_EQ(ChooseSettingsPath(Facts(false, false)), "/home/lehrer/.cfg/lineato/LINEATO.INI");
    // An installed program keeps its settings per user even where it could write (as root).
    EXPECT_EQ(ChooseSettingsPath(Facts(true, true)), "/home/lehrer/.cfg/lineato/LINEATO.INI");
}

TEST(SettingsLocation, XdgConfigHomeMustBeAbsoluteAndHomeIsTheFallback) {
    SettingsPlaceFacts facts = Facts(false, true);
    facts.xdgConfigHome = "relative/dir";
    EXPECT_EQ(ChooseSettingsPath(facts), "/home/lehrer/.config/lineato/LINEATO.INI");
    facts.xdgConfigHome.clear();
    EXPECT_EQ(ChooseSettingsPath(facts), "/home/lehrer/.config/lineato/LINEATO.INI");
    // Nowhere to go: the program's directory, where saving then reports its error.
    facts.home.clear();
    EXPECT_EQ(ChooseSettingsPath(facts), "/opt/lineato/LINEATO.INI");
}

TEST(SettingsLocation, TheProcessFactsAndTheConfigurationDirectoryMadeForIt) {
    const fs::path base = fs::temp_directory_path() / ("lineato_place_" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "prog");
    ASSERT_EQ(::setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1), 0);
    // A writable directory that is not the installation's: beside the program, nothing made.
    EXPECT_EQ(SettingsFilePath((base / "prog").string()), (base / "prog" / "LINEATO.INI").string());
    EXPECT_FALSE(fs::exists(base / "config"));
    // The installation's program directory: the configuration directory, made private to the user.
    const fs::path config = base / "config" / "lineato";
    if (fs::is_directory(kInstalledBinDir)) {
        EXPECT_EQ(SettingsFilePath(kInstalledBinDir), (config / "LINEATO.INI").string());
        EXPECT_TRUE(fs::is_directory(config));
        EXPECT_EQ(fs::status(config).permissions() & fs::perms::all, fs::perms::owner_all);
    }
    // A directory the program cannot write (not so for the superuser): the configuration directory too.
    fs::permissions(base / "prog", fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    if (::access((base / "prog").c_str(), W_OK) != 0) {
        EXPECT_EQ(SettingsFilePath((base / "prog").string()), (config / "LINEATO.INI").string());
    }
    ::unsetenv("XDG_CONFIG_HOME");
    fs::permissions(base / "prog", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(base);
}

}  // namespace
