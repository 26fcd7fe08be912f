// Crash recovery and file faults in the window: the question at start and each answer, damaged and empty
// recovery files, the recovery file following every change and going at a normal close, a real program
// killed and its construction brought back; and saves of the construction and the settings that fail.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "document/recovery.h"
#include "drawing/drawstate.h"
#include "text/fileio.h"

namespace {

const char* const kQuestion =
    "Lineato wurde nicht ordnungsgemäß beendet. Soll die zuletzt bearbeitete Konstruktion "
    "wiederhergestellt werden?";

class AnsweringServices : public GuiServices {
public:
    QStringList errors;
    QStringList questions;
    std::deque<Answer> answers;  // Cancel (No for Yes/No) when exhausted
    QString saveName;

    void ShowError(QWidget*, const QString& text) override { errors.append(text); }
    void ShowInformation(QWidget*, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString& text) override { return Next(text, Answer::Cancel); }
    Answer AskOkCancel(QWidget*, const QString& text) override { return Next(text, Answer::Cancel); }
    Answer AskYesNo(QWidget*, const QString& text) override { return Next(text, Answer::No); }
    QString GetOpenFileName(QWidget*) override { return {}; }
    QString GetSaveFileName(QWidget*) override { return saveName; }
    QString GetExportFileName(QWidget*, const QString&, const QStringList&, QString&) override { return {}; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    bool ExecPrintDialog(QWidget*, QPrinter&) override { return false; }
    int ExecDialog(QDialog&) override { return 0; }

private:
    Answer Next(const QString& text, Answer otherwise) {
        questions.append(text);
        if (answers.empty()) return otherwise;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

std::string Bytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string Read(const std::string& path) {
    const FileReadResult file = ReadFileBytes(path);
    return file.bytes ? *file.bytes : "<unreadable>";
}

void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(MakeParentDirectories(path));
    ASSERT_TRUE(ReplaceFileAtomically(path, bytes));
}

class RecoveryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state = Bytes(dir.filePath("state/lineato"));
        form = std::make_unique<TMainForm>(services, dir.filePath("LINEATO.INI"));
    }
    void Type(const QString& line) {
        form->Edit->setText(line);
        QTest::keyClick(form->Edit, Qt::Key_Return);
    }
    // The recovery file a killed run left: its lock file is there, but no one holds it.
    std::string Orphan(const std::string& stem, const std::string& bytes) {
        Put(state + "/" + stem + ".lock", "");
        Put(state + "/" + stem + ".recovery", bytes);
        return state + "/" + stem + ".recovery";
    }
    std::string Mine() const { return state + "/" + std::to_string(::getpid()) + ".recovery"; }
    std::optional<RecoveryState> MineHolds() const { return ParseRecoveryBytes(Read(Mine())); }

    DrawStateGuard drawState;
    QTemporaryDir dir;
    std::string state;
    AnsweringServices services;
    std::unique_ptr<TMainForm> form;
};

TEST_F(RecoveryWindowTest, YesBringsTheConstructionBackUnderItsNameAndItsFileFollows) {
    const std::string con = Bytes(dir.filePath("dreieck.con"));
    const std::string orphan = Orphan("4711", RecoveryBytes({{"PUNKT \xC4 1 2", "PUNKT B 3 4"}, con, false}));
    services.answers = {GuiServices::Answer::Yes};
    form->Start(QString(), state);
    EXPECT_EQ(services.questions, QStringList{QString::fromUtf8(kQuestion)});
    EXPECT_EQ(form->Lines(), (QStringList{QString::fromUtf8("PUNKT Ä 1 2"), "PUNKT B 3 4"}));
    EXPECT_TRUE(form->Document->Modified());
    EXPECT_EQ(form->Panel2->text(), "dreieck.con");
    // Its work is now this window's own recovery file; the orphan and its lock are gone.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(orphan)));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(state + "/4711.lock")));
    form->EditUndo();
    Type("PUNKT C 5 5");
    EXPECT_EQ(MineHolds()->lines, (std::vector<std::string>{"PUNKT \xC4 1 2", "PUNKT C 5 5"}));
    // A plain save writes to the file it had, without a dialog.
    form->FileSave();
    EXPECT_EQ(Read(con), "PUNKT \xC4 1 2\r\nPUNKT C 5 5\r\n");
    // Another running window is no orphan; a normal close leaves nothing.
    TMainForm other(services, dir.filePath("LINEATO.INI"));
    other.Start(QString(), state);
    EXPECT_EQ(services.questions.size(), 1);
    EXPECT_TRUE(other.close());
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Mine())));
    EXPECT_TRUE(ClaimOrphans(state).empty());
}

TEST_F(RecoveryWindowTest, NoRemovesItAndTheFileArgumentOpensThen) {
    const std::string con = Bytes(dir.filePath("arg.con"));
    Put(con, "PUNKT F 0 0\r\n");
    const std::string orphan = Orphan("4712", RecoveryBytes({{"PUNKT R 1 1"}, "", true}));
    services.answers = {GuiServices::Answer::No};
    form->Start(QString::fromStdString(con), state);
    EXPECT_EQ(services.questions.size(), 1);
    EXPECT_EQ(form->Lines(), QStringList{"PUNKT F 0 0"});
    EXPECT_FALSE(QFile::exists(QString::fromStdString(orphan)));
    EXPECT_EQ(MineHolds()->lines, std::vector<std::string>{"PUNKT F 0 0"});
}

TEST_F(RecoveryWindowTest, DamagedFilesAreReportedAndKeptEmptyOnesGoQuietly) {
    const std::string damaged = Orphan("4715", "Lineato Wiederherstellung 1\nZeilen 3\n");
    const std::string empty = Orphan("4716", RecoveryBytes({{}, "/x/leer.con", false}));
    form->Start(QString(), state);
    EXPECT_TRUE(services.questions.isEmpty());
    EXPECT_EQ(
        services.errors,
        QStringList{QString::fromUtf8("Die Wiederherstellungsdatei %1 kann nicht gelesen werden. Sie wurde "
                                      "unter dem Namen %1.unlesbar aufbewahrt.")
                        .arg(QString::fromStdString(damaged))});
    EXPECT_EQ(Read(damaged + ".unlesbar"), "Lineato Wiederherstellung 1\nZeilen 3\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(empty)));
    EXPECT_TRUE(ClaimOrphans(state).empty());
}

TEST_F(RecoveryWindowTest, AnUnwritableRecoveryFileIsReportedOnceAndWorkGoesOn) {
    Put(state, "not a directory");
    form->Start(QString(), state);
    Type("PUNKT A 1 1");
    ASSERT_EQ(services.errors.size(), 1);
    EXPECT_TRUE(services.errors[0].startsWith(QString::fromUtf8("Die Wiederherstellungsdatei ") +
                                              QString::fromStdString(state) +
                                              " kann nicht geschrieben werden. "));
    EXPECT_EQ(form->Lines().size(), 1);
    // Once writing worked again, a later failure (a full disk) is told again.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(state)));
    Type("PUNKT C 1 3");
    {
        ScopedWriteFault full(WriteStep::Write, ENOSPC);
        Type("PUNKT D 1 4");
    }
    ASSERT_EQ(services.errors.size(), 2);
    EXPECT_TRUE(services.errors[1].contains(QString::fromUtf8("Der Datenträger ist voll.")));
    EXPECT_EQ(MineHolds()->lines.size(), 2u);
}

TEST_F(RecoveryWindowTest, FailedSavesSayWhyKeepTheOldFileAndTheWindowGoesOn) {
    const QString target = dir.filePath("old.con");
    Put(Bytes(target), "PUNKT A 0 0\r\n");
    Type("PUNKT Z 5 5");
    const auto saveFails = [&](const QString& path, const char* reason) {
        services.errors.clear();
        services.saveName = path;
        form->FileSaveAs();
        EXPECT_EQ(services.errors,
                  QStringList{"Cannot create file " + path + ".\n" + QString::fromUtf8(reason)});
        EXPECT_TRUE(form->Document->Modified());
    };
    {
        ScopedWriteFault full(WriteStep::Write, ENOSPC);
        saveFails(target, "Der Datenträger ist voll.");
    }
    EXPECT_EQ(Read(Bytes(target)), "PUNKT A 0 0\r\n");
    saveFails(dir.path(), "Der Name gehört zu einem Verzeichnis.");
    saveFails(dir.filePath("gone/new.con"), "Das Verzeichnis existiert nicht.");
    // Settings on a full disk at close: the old file stays, and the window still closes.
    const QString ini = dir.filePath("LINEATO.INI");
    Put(Bytes(ini), "[Optionen]\r\nWerkzeugleiste=0\r\n");
    services.errors.clear();
    services.answers = {GuiServices::Answer::No};
    {
        ScopedWriteFault full(WriteStep::Write, ENOSPC);
        EXPECT_TRUE(form->close());
    }
    EXPECT_EQ(services.errors, QStringList{QString::fromUtf8(kSettingsWriteError)});
    EXPECT_EQ(Read(Bytes(ini)), "[Optionen]\r\nWerkzeugleiste=0\r\n");
}

// The real program: started with a file, killed, and its construction recovered by the next start.
TEST(RecoveryProcess, AKilledWindowsConstructionComesBackAtTheNextStart) {
    DrawStateGuard drawState;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string con = Bytes(dir.filePath("kreis.con"));
    const std::string state = Bytes(dir.filePath("state"));
    const std::vector<std::string> lines{"PUNKT \xC4 1 2", "KREIS k \xC4 3", "PUNKT B -1 0,5"};
    Put(con, "PUNKT \xC4 1 2\r\nKREIS k \xC4 3\r\nPUNKT B -1 0,5\r\n");

    // Everything the child needs is made before the fork: after it, only exec.
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen", "XDG_STATE_HOME=" + state,
                                         "XDG_CONFIG_HOME=" + Bytes(dir.filePath("config")),
                                         "HOME=" + Bytes(dir.filePath("home"))};
    if (const char* path = std::getenv("PATH")) environment.push_back(std::string("PATH=") + path);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = LINEATO_PROGRAM;
    std::string file = con;
    char* argv[] = {program.data(), file.data(), nullptr};
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execve(program.c_str(), argv, envp.data());
        ::_exit(127);
    }
    const std::string written = state + "/lineato/" + std::to_string(child) + ".recovery";
    std::optional<RecoveryState> found;
    for (int wait = 0; wait < 300 && !(found && found->lines == lines); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        found = ParseRecoveryBytes(Read(written));
    }
    // While it runs, its file is no one's to offer.
    EXPECT_TRUE(ClaimOrphans(state + "/lineato").empty());
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(found) << "no recovery file appeared at " << written;
    EXPECT_EQ(*found, (RecoveryState{lines, con, false}));

    EXPECT_EQ(ClaimOrphans(state + "/lineato").size(), 1u);
    AnsweringServices services;
    services.answers = {GuiServices::Answer::Yes};
    TMainForm next(services, dir.filePath("LINEATO.INI"));
    next.Start(QString(), state + "/lineato");
    EXPECT_EQ(services.questions, QStringList{QString::fromUtf8(kQuestion)});
    EXPECT_EQ(next.Lines(), (QStringList{QString::fromUtf8("PUNKT Ä 1 2"), QString::fromUtf8("KREIS k Ä 3"),
                                         "PUNKT B -1 0,5"}));
    EXPECT_EQ(next.Document->Parser().Objects.Count(), 3);
    EXPECT_TRUE(next.Document->Modified());
    EXPECT_EQ(next.FileName(), QString::fromStdString(con));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(written)));
}

}  // namespace
