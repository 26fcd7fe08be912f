// Reading whole files within bounds and replacing them atomically: what is refused, what survives.
#include "text/fileio.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/writeerror.h"

namespace fs = std::filesystem;

namespace {

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("lineato_fileio_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path dir_;
};

TEST_F(FileIo, ReadsRegularFilesWhole) {
    const std::string bytes = std::string("PUNKT A 1 2\r\n\0tail", 19);
    Put(Path("a.con"), bytes);
    const FileReadResult read = ReadFileBytes(Path("a.con"));
    ASSERT_TRUE(read.bytes);
    EXPECT_EQ(*read.bytes, bytes);
    Put(Path("empty.con"), "");
    EXPECT_EQ(ReadFileBytes(Path("empty.con")).bytes, std::string());
}

TEST_F(FileIo, RefusesWhatIsNoRegularFileWithoutBlocking) {
    EXPECT_FALSE(ReadFileBytes(Path("missing.con")).bytes);
    EXPECT_FALSE(ReadFileBytes(dir_.string()).bytes);
    EXPECT_EQ(ReadFileBytes(dir_.string()).reason, "Is a directory");
    // A FIFO without a writer would block an ordinary open for ever.
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileBytes(Path("fifo")).bytes);
    // A device delivers bytes for ever.
    EXPECT_FALSE(ReadFileBytes("/dev/zero").bytes);
    EXPECT_FALSE(ReadFileBytes("/dev/null").bytes);
}

TEST_F(FileIo, RefusesInputsBeyondTheBound) {
    // A sparse file costs no disk space.
    const std::string huge = Path("huge.con");
    Put(huge, "");
    fs::resize_file(huge, kMaxReadFileSize + 1);
    const FileReadResult read = ReadFileBytes(huge);
    EXPECT_FALSE(read.bytes);
    EXPECT_EQ(read.reason, "File too large");

    // An endless stream ends at the bound.
    const int zero = ::open("/dev/zero", O_RDONLY);
    ASSERT_GE(zero, 0);
    EXPECT_FALSE(ReadDescriptorBytes(zero).bytes);
    ::close(zero);
}

TEST_F(FileIo, ReplacingKeepsTheOldFileWhenTheTargetIsNoFile) {
    EXPECT_FALSE(ReplaceFileAtomically(dir_.string(), "x"));
    EXPECT_TRUE(fs::is_directory(dir_));
    EXPECT_FALSE(ReplaceFileAtomically(Path("gone/a.con"), "x"));
    ASSERT_TRUE(ReplaceFileAtomically(Path("a.con"), "new"));
    EXPECT_EQ(ReadFileBytes(Path("a.con")).bytes, "new");
    // No temporary is left beside the target.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(FileIo, ALinkIsWrittenThroughAndStaysALink) {
    // To an existing file, and dangling through a relative and an absolute link: the final target is
    // written, every link stays as it was.
    Put(Path("old.con"), "old");
    ASSERT_EQ(::symlink("old.con", Path("to-old").c_str()), 0);
    ASSERT_EQ(::symlink("new.con", Path("to-new").c_str()), 0);
    ASSERT_EQ(::symlink(Path("to-new").c_str(), Path("to-to-new").c_str()), 0);
    EXPECT_TRUE(ReplaceFile(Path("to-old"), "replaced").Ok());
    EXPECT_TRUE(ReplaceFile(Path("to-to-new"), "made").Ok());
    EXPECT_EQ(ReadFileBytes(Path("old.con")).bytes, "replaced");
    EXPECT_EQ(ReadFileBytes(Path("new.con")).bytes, "made");
    for (const char* link : {"to-old", "to-new", "to-to-new"})
        EXPECT_TRUE(fs::is_symlink(Path(link))) << link;

    // A link into a missing directory and a loop of links name their real cause.
    ASSERT_EQ(::symlink(Path("gone/x.con").c_str(), Path("to-gone").c_str()), 0);
    EXPECT_EQ(ReplaceFile(Path("to-gone"), "x").error, ENOENT);
    ASSERT_EQ(::symlink("loop-b", Path("loop-a").c_str()), 0);
    ASSERT_EQ(::symlink("loop-a", Path("loop-b").c_str()), 0);
    EXPECT_EQ(ReplaceFile(Path("loop-a"), "x").error, ELOOP);
    EXPECT_FALSE(fs::exists(dir_ / "gone"));
}

TEST_F(FileIo, AWriteProtectedFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write every file";
    Put(Path("protected.con"), "old");
    ASSERT_EQ(::chmod(Path("protected.con").c_str(), 0444), 0);
    EXPECT_EQ(ReplaceFile(Path("protected.con"), "new").error, EACCES);
    EXPECT_EQ(ReadFileBytes(Path("protected.con")).bytes, "old");
}

TEST_F(FileIo, EachFailedStepNamesItsErrorAndLeavesTheOldFileAlone) {
    Put(Path("a.con"), "old");
    const struct {
        WriteStep step;
        int error;
    } faults[] = {{WriteStep::Create, EROFS},
                  {WriteStep::Create, EACCES},
                  {WriteStep::Write, ENOSPC},
                  {WriteStep::Flush, EIO},
                  {WriteStep::Rename, EDQUOT}};
    for (const auto& fault : faults) {
        ScopedWriteFault inject(fault.step, fault.error);
        EXPECT_EQ(ReplaceFile(Path("a.con"), "new").error, fault.error) << static_cast<int>(fault.step);
        EXPECT_EQ(ReadFileBytes(Path("a.con")).bytes, "old");
    }
    // A skipped flush is not a step that can fail.
    {
        ScopedWriteFault inject(WriteStep::Flush, EIO);
        EXPECT_TRUE(ReplaceFile(Path("a.con"), "unflushed", FileSync::NoFlush).Ok());
    }
    EXPECT_EQ(ReadFileBytes(Path("a.con")).bytes, "unflushed");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_))
        ++entries;
    EXPECT_EQ(entries, 1) << "a failed write left its temporary behind";
}

TEST_F(FileIo, RealFaultsAreToldApartInGerman) {
    EXPECT_EQ(ReplaceFile(dir_.string(), "x").error, EISDIR);
    EXPECT_EQ(ReplaceFile(Path("gone/a.con"), "x").error, ENOENT);
    EXPECT_EQ(ReplaceFile("/dev/full", "x").error, EINVAL);
    Put(Path("file"), "");
    EXPECT_EQ(ReplaceFile(Path("file") + "/a.con", "x").error, ENOTDIR);

    // A rare cause keeps the system's words.
    EXPECT_NE(WriteErrorReason(ELOOP).find(std::strerror(ELOOP)), std::string::npos);
}

}  // namespace
