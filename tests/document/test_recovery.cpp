// Crash recovery without Qt: the recovery format survives any bytes and refuses damage, a running owner is
// told from a dead one by its lock, orphans are claimed, kept, discarded or set aside, and the document
// reports each finished change once. Also the document's saves under disk faults.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/recovery.h"
#include "tests/document/documentfixture.h"
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
    changed[changed.find("Zeilen 5")] = 'z';
    EXPECT_FALSE(ParseRecoveryBytes(changed));
    changed = bytes;
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

TEST(RecoveryFormat, DirectoryFollowsTheStateHome) {
    EXPECT_EQ(ChooseRecoveryDirectory("/x/state", "/home/u"), "/x/state/lineato");
    EXPECT_EQ(ChooseRecoveryDirectory("", "/home/u"), "/home/u/.local/state/lineato");
    // A relative XDG path is to be ignored.
    EXPECT_EQ(ChooseRecoveryDirectory("state", "/home/u"), "/home/u/.local/state/lineato");
    EXPECT_EQ(ChooseRecoveryDirectory("", ""), "");
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

TEST_F(RecoveryDir, AnUnreadableOrphanIsSetAsideNeverDeleted) {
    const fs::path first = Orphan("333", Sample());
    Put(first, "Lineato Wiederherstellung 1\nDatei 3\nab");
    Put(dir_ / "333.recovery.unlesbar", "an earlier one");
    std::string aside;
    {
        const auto orphans = ClaimOrphans(dir_.string());
        ASSERT_EQ(orphans.size(), 1u);
        EXPECT_FALSE(orphans[0]->Read());
        aside = orphans[0]->SetAside();
    }
    EXPECT_EQ(aside, (dir_ / "333.recovery.unlesbar-2").string());
    EXPECT_EQ(Read(aside), "Lineato Wiederherstellung 1\nDatei 3\nab");
    EXPECT_EQ(Read(dir_ / "333.recovery.unlesbar"), "an earlier one");
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(ClaimOrphans(dir_.string()).empty());
}

TEST_F(RecoveryDir, AnOrphanOfThisVeryProcessIdKeepsItsName) {
    const std::string pid = std::to_string(::getpid());
    const fs::path orphan = Orphan(pid.c_str(), Sample());
    RecoveryFile mine(dir_.string());
    ASSERT_TRUE(mine.Write({}).Ok());
    EXPECT_EQ(mine.Path(), (dir_ / (pid + "-2.recovery")).string());
    EXPECT_EQ(ParseRecoveryBytes(Read(orphan)), Sample());
    EXPECT_EQ(ClaimOrphans(dir_.string()).size(), 1u);
}

TEST_F(RecoveryDir, WriteFaultsAreReportedAndTheLastGoodStateStays) {
    // The state directory's place taken by a file: no name can be claimed.
    fs::create_directories(dir_.parent_path());
    Put(dir_, "in the way");
    RecoveryFile file(dir_.string());
    EXPECT_FALSE(file.Write(Sample()).Ok());
    EXPECT_TRUE(file.Path().empty());
    // Once the place is free, the next write claims a name and succeeds.
    fs::remove(dir_);
    ASSERT_TRUE(file.Write(Sample()).Ok());
    {
        ScopedWriteFault full(WriteStep::Write, ENOSPC);
        EXPECT_EQ(file.Write({{"PUNKT B 0 0"}, "", true}).error, ENOSPC);
    }
    EXPECT_EQ(ParseRecoveryBytes(Read(file.Path())), Sample());
    // The directory vanished under a running window: made again, with a lock that is held again.
    fs::remove_all(dir_);
    ASSERT_TRUE(file.Write(Sample()).Ok());
    EXPECT_EQ(ParseRecoveryBytes(Read(file.Path())), Sample());
    EXPECT_TRUE(ClaimOrphans(dir_.string()).empty());
    // When it cannot be made again, that is reported.
    fs::remove_all(dir_);
    Put(dir_, "in the way");
    EXPECT_FALSE(file.Write(Sample()).Ok());
    fs::remove(dir_);
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
    EXPECT_EQ(ChangesBy([&] { document.AppendTyped("PUNKT B 2 2"); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Undo(); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Redo(); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.ReplaceAll({"PUNKT A 1 1", "PUNKT B 3 3"}); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.ReplaceToken(1, 2, "4"); }), 1);
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
    EXPECT_EQ(ChangesBy([&] { document.SaveAs((dir_ / "gone/a.con").string()); }), 1);  // the name changed
    EXPECT_EQ(ChangesBy([&] { document.StartAfresh(); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Open(path); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Open((dir_ / "missing.con").string()); }), 1);
    EXPECT_EQ(ChangesBy([&] { document.Restore({"PUNKT Z 0 0"}, path, false); }), 1);
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
    const struct {
        WriteStep step;
        int error;
    } faults[] = {{WriteStep::Write, ENOSPC}, {WriteStep::Create, EROFS}, {WriteStep::Flush, EIO}};
    for (const auto& fault : faults) {
        ScopedWriteFault inject(fault.step, fault.error);
        EXPECT_FALSE(document.SaveAs(target.string()));
        EXPECT_EQ(document.SaveError(), fault.error);
        EXPECT_EQ(Read(target), "PUNKT A 0 0\r\n");
        EXPECT_TRUE(document.Modified());
    }
    // The name is a directory; the directory vanished.
    EXPECT_FALSE(document.SaveAs(dir_.string()));
    EXPECT_EQ(document.SaveError(), EISDIR);
    fs::create_directories(dir_ / "sub");
    ASSERT_TRUE(document.SaveAs((dir_ / "sub/b.con").string()));
    fs::remove_all(dir_ / "sub");
    document.AppendTyped("PUNKT Y 1 1");
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(document.SaveError(), ENOENT);
    EXPECT_TRUE(document.Modified());
    // Once it can be written again, it is.
    fs::create_directories(dir_ / "sub");
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(document.SaveError(), 0);
    EXPECT_EQ(Read(dir_ / "sub/b.con"), "PUNKT Z 5 5\r\nPUNKT Y 1 1\r\n");
}

}  // namespace
