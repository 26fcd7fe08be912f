// Crash recovery without Qt: the recovery format survives any bytes and refuses damage, a running owner is
// told from a dead one by its lock, orphans are claimed, kept, discarded or set aside, and the document
// reports each finished change once. Also the document's saves under disk faults.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "document/recovery.h"
#include "tests/document/documentfixture.h"
#include "text/environment.h"
#include "text/fileio.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

std::string Read(const fs::path& path) {
    const FileReadResult file = ReadFileBytes(path.string());
    return file.bytes ? *file.bytes : "<unreadable>";
}

void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

RecoveryState Sample() {
    // Every byte value somewhere, a line that looks like the format's own keys, and empty lines.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    return {{"PUNKT \xC4 1 2", "", all, "Zeile 3\nEnde\n", ""}, "/tmp/a b\n\xFC.con", false};
}

class RecoveryDir : public ::testing::Test {
protected:
    RecoveryDir() {
        dir_ = fs::temp_directory_path() / ("lineato_recovery_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    ~RecoveryDir() override { fs::remove_all(dir_); }
    // A recovery file as a run that was killed leaves it, with or without its (unheld) lock file.
    fs::path Orphan(const char* stem, const RecoveryState& state, bool withLock = true) {
        fs::create_directories(dir_);
        Put(dir_ / (std::string(stem) + ".lock"), "");
        if (!withLock) fs::remove(dir_ / (std::string(stem) + ".lock"));
        const fs::path path = dir_ / (std::string(stem) + ".recovery");
        Put(path, RecoveryBytes(state));
        return path;
    }
    int Entries() const {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_))
            ++n;
        return n;
    }

    fs::path dir_;
};

TEST(RecoveryFormat, AnyBytesComeBackAndDamageIsRefused) {
    const RecoveryState state = Sample();
    const std::string bytes = RecoveryBytes(state);
    EXPECT_EQ(ParseRecoveryBytes(bytes), state);
    EXPECT_EQ(ParseRecoveryBytes(RecoveryBytes({})), RecoveryState{});

    // A file cut anywhere, grown at the end or with one byte changed in the structure is no state.
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(ParseRecoveryBytes(std::string_view(bytes).substr(0, n))) << "cut at " << n;
    EXPECT_FALSE(ParseRecoveryBytes(bytes + "x"));
    std::string changed = bytes;
    changed.replace(changed.find("Zeilen 5"), 8, "Zeilen 6");
    EXPECT_FALSE(ParseRecoveryBytes(changed));
    changed = bytes;
    changed.replace(changed.find("Unbenannt 0"), 11, "Unbenannt 2");
    EXPECT_FALSE(ParseRecoveryBytes(changed));
    // A count no file of that size can hold is refused before anything is reserved.
    EXPECT_FALSE(
        ParseRecoveryBytes("Lineato Wiederherstellung 1\nDatei 0\n\nUnbenannt 1\nZeilen "
                           "18446744073709551615\nEnde\n"));
    EXPECT_FALSE(ParseRecoveryBytes("Lineato Wiederherstellung 1\nDatei 99999999999999999999999\n"));
}

// Sets or unsets an environment variable for one scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(RecoveryPlace, XdgStateHomeWhenAbsoluteElseTheHomeDirectoryEvenWithoutHome) {
    EXPECT_EQ(ChooseRecoveryDirectory("/s", "/home/lehrer"), "/s/lineato");
    EXPECT_EQ(ChooseRecoveryDirectory("rel", "/home/lehrer"), "/home/lehrer/.local/state/lineato");
    EXPECT_EQ(ChooseRecoveryDirectory("", "/home/lehrer"), "/home/lehrer/.local/state/lineato");

    ScopedEnvironment state("XDG_STATE_HOME", nullptr);
    {
        ScopedEnvironment home("HOME", "/home/lehrer");
        EXPECT_EQ(RecoveryDirectory(), "/home/lehrer/.local/state/lineato");
    }
    // Started without HOME (env -i, a service): the account's home directory, never a bare name.
    ScopedEnvironment home("HOME", nullptr);
    const std::string home_dir = HomeDirectory();
    ASSERT_FALSE(home_dir.empty());
    EXPECT_EQ(home_dir.front(), '/');
    EXPECT_EQ(RecoveryDirectory(), home_dir + "/.local/state/lineato");
    ScopedEnvironment empty("HOME", "");
    EXPECT_EQ(HomeDirectory(), home_dir);
}

TEST_F(RecoveryDir, ARunningOwnerIsNoOrphanAndItsNormalEndLeavesNothing) {
    {
        RecoveryFile mine(dir_.string());  // makes the directory
        ASSERT_TRUE(mine.Write(Sample()).Ok());
        EXPECT_EQ(mine.Path(), (dir_ / (std::to_string(::getpid()) + ".recovery")).string());
        EXPECT_EQ(ParseRecoveryBytes(Read(mine.Path())), Sample());
        EXPECT_EQ(fs::status(dir_).permissions() & fs::perms::all, fs::perms::owner_all);

        // A second window of the same process takes its own name; neither is anyone's orphan.
        RecoveryFile second(dir_.string());
        ASSERT_TRUE(second.Write({}).Ok());
        EXPECT_NE(second.Path(), mine.Path());
        EXPECT_TRUE(ClaimOrphans(dir_.string()).empty());
    }
    EXPECT_EQ(Entries(), 0);
    // An orphan of an earlier run with this very process id keeps its name.
    const std::string pid = std::to_string(::getpid());
    const fs::path orphan = Orphan(pid.c_str(), Sample());
    RecoveryFile mine(dir_.string());
    ASSERT_TRUE(mine.Write({}).Ok());
    EXPECT_EQ(mine.Path(), (dir_ / (pid + "-2.recovery")).string());
    EXPECT_EQ(ParseRecoveryBytes(Read(orphan)), Sample());
}

TEST_F(RecoveryDir, OrphansAreClaimedNewestFirstAndKeptUnlessAnswered) {
    const fs::path older = Orphan("111", Sample(), false);
    const fs::path newer = Orphan("222", {{"PUNKT A 1 1"}, "", true});
    fs::last_write_time(older, fs::last_write_time(newer) - std::chrono::hours(1));
    {
        const auto orphans = ClaimOrphans(dir_.string());
        ASSERT_EQ(orphans.size(), 2u);
        EXPECT_EQ(orphans[0]->Path(), newer.string());
        EXPECT_EQ(orphans[1]->Read(), Sample());
        // While claimed, a window starting at the same moment does not offer them too.
        EXPECT_TRUE(ClaimOrphans(dir_.string()).empty());
        orphans[0]->Discard();
    }
    EXPECT_FALSE(fs::exists(newer));
    EXPECT_FALSE(fs::exists(dir_ / "222.lock"));
    // Not answered: still there for a later start.
    const auto again = ClaimOrphans(dir_.string());
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0]->Path(), older.string());
}

TEST_F(RecoveryDir, AStateDirectoryRemovedUnderARunningWindowIsMadeAgain) {
    RecoveryFile file(dir_.string());
    ASSERT_TRUE(file.Write({}).Ok());
    fs::remove_all(dir_);
    ASSERT_TRUE(file.Write(Sample()).Ok());
    EXPECT_EQ(ParseRecoveryBytes(Read(file.Path())), Sample());
    EXPECT_TRUE(ClaimOrphans(dir_.string()).empty());  // the lock is held again
    {
        ScopedWriteFault full(WriteStep::Write, ENOSPC);
        EXPECT_EQ(file.Write({}).error, ENOSPC);
    }
    EXPECT_EQ(ParseRecoveryBytes(Read(file.Path())), Sample());
}

class RecoveryDocumentTest : public DocumentTest {
protected:
    RecoveryDocumentTest() {
        document.SetChangedListener([this] { ++changes; });
        dir_ = fs::temp_directory_path() / ("lineato_recovery_doc_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~RecoveryDocumentTest() override { fs::remove_all(dir_); }
    // The changes reported by operation.
    template <typename Operation>
    int ChangesBy(Operation operation) {
        changes = 0;
        operation();
        return changes;
    }

    int changes = 0;
    fs::path dir_;
};

TEST_F(RecoveryDocumentTest, EveryFinishedChangeIsReportedOnce) {
    EXPECT_EQ(ChangesBy([&] { document.AppendTyped("PUNKT A 1 1"); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.AppendTyped("PUNKT A 2 2"); }), 0);  // rejected
    EXPECT_EQ(ChangesBy([&] { document.Undo(); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Redo(); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.ReplaceAll({"PUNKT A 1 1", "PUNKT B 3 3"}); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.StepNumber(1, 2, 1); }), 1);
    // A drag: only its end.
    EXPECT_EQ(ChangesBy([&] {
                  document.BeginLiveEdit(0);
                  document.SetLiveText("PUNKT A 1.5 1");
                  document.SetLiveText("PUNKT A 1.6 1");
              }),
              0);
    EXPECT_EQ(ChangesBy([&] { document.EndLiveEdit(); }), 1);
    const std::string path = (dir_ / "a.con").string();
    EXPECT_EQ(ChangesBy([&] { document.SaveAs(path); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.StartAfresh(); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Open((dir_ / "missing.con").string()); }), 1);
}

TEST_F(RecoveryDocumentTest, RestoredConstructionIsExecutedAndModifiedWithItsFileState) {
    Type({"PUNKT A 1 1", "PUNKT B 2 2"});
    document.Undo();
    ASSERT_TRUE(document.CanRedo());
    document.Restore({"PUNKT \xC4 0 0", "KREIS k X 1", "PUNKT C 1 1"}, "/w/\xE4.con", false);
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT \xC4 0 0", "KREIS k X 1", "PUNKT C 1 1"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"\xC4"}));  // stopped at the rejected line
    EXPECT_EQ(document.FileName(), "/w/\xE4.con");
    EXPECT_FALSE(document.Untitled());
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(document.CanRedo());
    EXPECT_EQ(RecoveryStateOf(document), (RecoveryState{document.Lines(), "/w/\xE4.con", false}));
}

TEST_F(RecoveryDocumentTest, FailedSavesKeepTheOldFileAndSayWhy) {
    const fs::path target = dir_ / "old.con";
    Put(target, "PUNKT A 0 0\r\n");
    Type({"PUNKT Z 5 5"});
    {
        ScopedWriteFault full(WriteStep::Write, ENOSPC);
        EXPECT_FALSE(document.SaveAs(target.string()));
        EXPECT_EQ(document.SaveError(), ENOSPC);
    }
    EXPECT_EQ(Read(target), "PUNKT A 0 0\r\n");
    EXPECT_TRUE(document.Modified());
    // The directory vanished after a save; once it is back, the plain save writes there.
    fs::create_directories(dir_ / "sub");
    ASSERT_TRUE(document.SaveAs((dir_ / "sub/b.con").string()));
    fs::remove_all(dir_ / "sub");
    document.AppendTyped("PUNKT Y 1 1");
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(document.SaveError(), ENOENT);
    fs::create_directories(dir_ / "sub");
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(Read(dir_ / "sub/b.con"), "PUNKT Z 5 5\r\nPUNKT Y 1 1\r\n");
}

}  // namespace
