// The document and its file: opening stops at the first rejected line and keeps every line, saving
// writes the lines as they stand, and failures leave both the file and the document's state sound.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/document/documentfixture.h"
#include "text/fileio.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class DocumentFileTest : public DocumentTest {
protected:
    DocumentFileTest() {
        dir_ = fs::temp_directory_path() / ("lineato_document_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~DocumentFileTest() override { fs::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path dir_;
};

TEST_F(DocumentFileTest, OpenStopsAtTheFirstRejectedLineAndKeepsEveryLine) {
    Put(Path("a.con"), "PUNKT A 0 0\r\nPUNKT B 1 1\r\nKREIS k X 1\r\nPUNKT C 2 2\r\n");
    ASSERT_TRUE(document.Open(Path("a.con")));
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "PUNKT B 1 1", "KREIS k X 1", "PUNKT C 2 2"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(document.FileName(), Path("a.con"));
    EXPECT_TRUE(document.Untitled());  // a later plain save asks for a name
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.State(3).executed);
}

TEST_F(DocumentFileTest, WholeFilesAndEmptyFilesMakeTheDocumentTitled) {
    Put(Path("empty.con"), "");
    ASSERT_TRUE(document.Open(Path("empty.con")));
    EXPECT_FALSE(document.Untitled());
    // Line ends of every kind, a last line without one, and a NUL that ends the text.
    constexpr char kMixed[] = "PUNKT A 0 0\rPUNKT B 1 1\n\r\nPUNKT C 2 2\0PUNKT D";
    Put(Path("mixed.con"), std::string(kMixed, sizeof kMixed - 1));
    ASSERT_TRUE(document.Open(Path("mixed.con")));
    EXPECT_EQ(document.Lines(), (Lines{"PUNKT A 0 0", "PUNKT B 1 1", "", "PUNKT C 2 2"}));
    EXPECT_FALSE(document.Untitled());
}

TEST_F(DocumentFileTest, UnreadableFileLeavesAnEmptyUntitledDocumentWithItsName) {
    Type({"PUNKT A 0 0"});
    document.StartAfresh();
    EXPECT_FALSE(document.Open(Path("missing.con")));
    EXPECT_FALSE(document.Open(dir_.string()));
    EXPECT_EQ(document.LineCount(), 0);
    EXPECT_TRUE(document.Untitled());
    EXPECT_EQ(document.FileName(), dir_.string());
}

TEST_F(DocumentFileTest, SaveWritesTheLinesAndFailureKeepsTheOldFile) {
    Type({"PUNKT A 0 0", "PUNKT B 1 1"});
    ASSERT_TRUE(document.SaveAs(Path("b.con")));
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.Untitled());
    EXPECT_EQ(ReadFileBytes(Path("b.con")).bytes, "PUNKT A 0 0\r\nPUNKT B 1 1\r\n");
    EXPECT_EQ(document.SaveBytes(), "PUNKT A 0 0\r\nPUNKT B 1 1\r\n");

    Type({"PUNKT C 2 2"});
    // A directory in place of the file: nothing is written, the document stays modified.
    EXPECT_FALSE(document.SaveAs(dir_.string()));
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.FileName(), dir_.string());
    EXPECT_TRUE(fs::is_directory(dir_));
    EXPECT_FALSE(document.SaveAs(Path("gone/c.con")));
    ASSERT_TRUE(document.SaveAs(Path("b.con")));
    EXPECT_EQ(ReadFileBytes(Path("b.con")).bytes, "PUNKT A 0 0\r\nPUNKT B 1 1\r\nPUNKT C 2 2\r\n");
    document.StartAfresh();
    ASSERT_TRUE(document.Open(Path("b.con")));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(DocumentFileTest, FailedSaveAsOfAnUnmodifiedConstructionMarksItModified) {
    Type({"PUNKT A 0 0"});
    ASSERT_TRUE(document.SaveAs(Path("a.con")));
    // The new name holds nothing of the construction: closing must ask, and a plain save must not be
    // taken for done.
    EXPECT_FALSE(document.SaveAs(dir_.string()));
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(document.Save());
    EXPECT_TRUE(document.Modified());
    ASSERT_TRUE(document.SaveAs(Path("a.con")));
    EXPECT_FALSE(document.Modified());
}

TEST_F(DocumentTest, LoadingCanGoOnAfterRejectedLines) {
    EXPECT_FALSE(document.Load(Text({"PUNKT A 0 0", "KREIS k X 1", "PUNKT B 1 1", "MP M A Y"}),
                               RebuildMode::KeepGoing));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(messages.errors.size(), 2u);
    EXPECT_TRUE(document.State(3).executed);
    EXPECT_TRUE(document.Load(Text({"PUNKT A 0 0"}), RebuildMode::KeepGoing));
}

}  // namespace
