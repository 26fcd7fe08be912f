// LoadSettings and SaveSettings against real files: values, foreign content, and saves that fail safely.
#include "document/settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "text/fileio.h"
#include "text/inifile.h"

namespace fs = std::filesystem;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("lineato_settings_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "LINEATO.INI").string();
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    void Put(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Get() const { return ReadFileBytes(path_).bytes.value_or("<missing>"); }
    int EntriesInDir() const {
        return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
    std::string path_;
};

}  // namespace

TEST_F(SettingsFile, MissingFileGivesDefaultsAndSavesAllTenKeysInOrder) {
    EXPECT_EQ(LoadSettings(path_), Settings{});
    EXPECT_FALSE(fs::exists(path_));

    ASSERT_TRUE(SaveSettings(path_, Settings{}));
    EXPECT_EQ(Get(),
              "[Optionen]\r\nFarbe=1\r\nAchsen=0\r\nWerkzeugleiste=1\r\nWertDialog=0\r\n"
              "[Drucker]\r\nFarbe=0\r\nAutoskalierung=1\r\nDoppelteStrichst\xE4rke=0\r\n"
              "Befehlsliste=0\r\nRahmen=1\r\nBeschreibung=0\r\n");

    Settings flipped;
    for (bool* field :
         {&flipped.ColourSetting, &flipped.AxesSetting, &flipped.ToolbarVisible, &flipped.ValueInStatusLine,
          &flipped.PrintColour, &flipped.PrintFixedScale, &flipped.PrintDoubleWidth,
          &flipped.PrintCommandList, &flipped.PrintFrame, &flipped.PrintDescription})
        *field = !*field;
    ASSERT_TRUE(SaveSettings(path_, flipped));
    EXPECT_EQ(LoadSettings(path_), flipped);
    EXPECT_NE(Get().find("Autoskalierung=0\r\n"), std::string::npos);
    EXPECT_NE(Get().find("Beschreibung=1\r\n"), std::string::npos);
    EXPECT_EQ(EntriesInDir(), 1);  // no temporary file left behind
}

TEST_F(SettingsFile, ValuesAreReadAsIntegersAndWrittenBackAsOneOrZero) {
    Put("; eigene Notiz\n[fremd]\nFarbe=0\n[OPTIONEN]\nfarbe = 2\nACHSEN=0x10\nWerkzeugleiste=abc\n"
        "WertDialog=-1\nunbekannt=ja\n[drucker]\nFarbe=0x\nAUTOSKALIERUNG=0\nDoppelteStrichst\xE4rke=0X0\n"
        "Befehlsliste=99999999999\nRahmen= 0 \nbeschreibung=7\n");
    Settings expected;
    expected.AxesSetting = true;        // 0x10
    expected.ValueInStatusLine = true;  // -1
    expected.PrintFixedScale = true;    // Autoskalierung 0, inverted
    expected.PrintFrame = false;        // blanks around the value are not part of it
    expected.PrintDescription = true;   // 7, under a key in another letter case
    // Farbe=2 counts as true; "abc", "0x" and an overflowing number give the defaults.
    EXPECT_EQ(LoadSettings(path_), expected);

    ASSERT_TRUE(SaveSettings(path_, expected));
    EXPECT_EQ(Get(),
              "; eigene Notiz\n[fremd]\nFarbe=0\n[OPTIONEN]\nFarbe=1\nAchsen=1\nWerkzeugleiste=1\n"
              "WertDialog=1\nunbekannt=ja\n[drucker]\nFarbe=0\nAutoskalierung=0\nDoppelteStrichst\xE4rke=0\n"
              "Befehlsliste=0\nRahmen=0\nBeschreibung=1\n");
}

TEST_F(SettingsFile, GarbageOrHugeFileLoadsDefaultsAndSurvivesASave) {
    std::mt19937 random(11);
    std::string garbage(10 * 1024 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    Put(garbage);
    EXPECT_EQ(LoadSettings(path_), Settings{});
    ASSERT_TRUE(SaveSettings(path_, Settings{}));
    const std::string saved = Get();
    EXPECT_EQ(saved.compare(0, garbage.size(), garbage), 0);
    EXPECT_EQ(LoadSettings(path_), Settings{});
}

TEST_F(SettingsFile, FailedSaveReportsFalseAndKeepsTheOldFile) {
    const std::string old = "[Fremd]\r\nwichtig=" + std::string(4000, 'x') + "\r\n";
    Put(old);
    Settings changed;
    changed.PrintColour = true;

    // A write that runs out of space half-way (file size limit standing in for a full disk).
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool result = SaveSettings(path_, changed);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(result);
    EXPECT_EQ(Get(), old);
    EXPECT_EQ(EntriesInDir(), 1);

    // Targets that are no regular file, and a directory that does not exist.
    EXPECT_FALSE(SaveSettings("/dev/full", changed));
    EXPECT_FALSE(SaveSettings(dir_.string(), changed));
    EXPECT_FALSE(SaveSettings((dir_ / "fehlt" / "LINEATO.INI").string(), changed));
    EXPECT_EQ(LoadSettings(dir_.string()), Settings{});

    // A write-protected directory; the superuser writes there regardless, so only checked without.
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    if (::access(dir_.c_str(), W_OK) != 0) {
        EXPECT_FALSE(SaveSettings(path_, changed));
        EXPECT_EQ(Get(), old);
    }
}
