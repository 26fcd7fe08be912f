// Tests of a whole lineato-batch run in-process: image files, and bad input that must not crash or hang.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/imageexport.h"
#include "batch/batchrun.h"
#include "text/fileio.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BatchExportTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    int Run(const BatchOptions& options, std::string_view text) {
        return RunBatch(options, text, out_, err_, BatchImageOutputs(options));
    }

    QTemporaryDir dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(BatchExportTest, WritesPngSvgAndPdfOfTheDrawingArea) {
    ASSERT_TRUE(dir_.isValid());
    BatchOptions options;
    options.width = 300;
    options.height = 200;
    options.axes = true;
    options.png = Path("out.png");
    options.svg = Path("out.svg");
    options.pdf = Path("out.pdf");
    options.file = "points.con";
    EXPECT_EQ(Run(options, "PUNKT A 1 2\r\nPUNKT B -3 -1\r\n"), kExitAccepted);
    EXPECT_EQ(err_.str(), "");

    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(options.png), "PNG"));
    EXPECT_EQ(image.size(), QSize(300, 200));
    // The window -6..6 x -5..5 on 300 x 200 becomes -7.5..7.5 x -5..5, 20 units per world unit: the
    // mark of A at (1, 2) crosses at (170, 60), the axes cross at (150, 100).
    EXPECT_EQ(image.pixel(170, 60), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(150, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));

    const QByteArray svg = ReadAll(QString::fromStdString(options.svg));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("</svg>"));
    EXPECT_TRUE(svg.contains(">A<") || svg.contains(">A </")) << "label text is kept as text";

    const QByteArray pdf = ReadAll(QString::fromStdString(options.pdf));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
}

TEST_F(BatchExportTest, UnwritableOutputIsExitTwoWithMessage) {
    BatchOptions options;
    options.png = Path("no/such/dir/out.png");
    options.file = "a.con";
    EXPECT_EQ(Run(options, "PUNKT A 1 2\n"), kExitUsage);
    EXPECT_EQ(err_.str(), "lineato-batch: PNG-Datei " + options.png +
                              " konnte nicht geschrieben werden: Das Verzeichnis existiert nicht.\n");
}

TEST_F(BatchExportTest, EachExportFaultIsToldAndLeavesTheOldFilesWhole) {
    ASSERT_TRUE(dir_.isValid());
    BatchOptions options;
    options.file = "a.con";
    options.png = Path("old.png");
    options.svg = Path("old.svg");
    options.pdf = Path("old.pdf");
    options.tikz = Path("old.tikz");
    const std::vector<std::string> olds{options.png, options.svg, options.pdf, options.tikz};
    for (const std::string& old : olds)
        ASSERT_TRUE(ReplaceFileAtomically(old, "old " + old));
    const std::string tail = " konnte nicht geschrieben werden: ";
    const auto expected = [&](const char* reason) {
        return "lineato-batch: PNG-Datei " + options.png + tail + reason + "\n" +
               "lineato-batch: SVG-Datei " + options.svg + tail + reason + "\n" +
               "lineato-batch: PDF-Datei " + options.pdf + tail + reason + "\n" +
               "lineato-batch: TikZ-Datei " + options.tikz + tail + reason + "\n";
    };
    const struct {
        WriteStep step;
        int error;
        const char* reason;
    } faults[] = {{WriteStep::Write, ENOSPC, "Der Datenträger ist voll."},
                  {WriteStep::Create, EROFS, "Der Datenträger ist schreibgeschützt."}};
    for (const auto& fault : faults) {
        err_.str("");
        {
            ScopedWriteFault inject(fault.step, fault.error);
            // The construction is still executed and its messages given: only the files are missing.
            EXPECT_EQ(Run(options, "PUNKT A 1 2\nWERT A\n"), kExitUsage);
        }
        EXPECT_EQ(err_.str(), expected(fault.reason));
        for (const std::string& old : olds)
            EXPECT_EQ(ReadAll(QString::fromStdString(old)).toStdString(), "old " + old);
    }
    EXPECT_NE(out_.str().find("Punkt A"), std::string::npos);

    // A name that is a directory, and a vanished directory, for one file: the others are still written.
    err_.str("");
    options.png = dir_.path().toStdString();
    options.pdf = Path("gone/x.pdf");
    EXPECT_EQ(Run(options, "PUNKT A 1 2\n"), kExitUsage);
    EXPECT_EQ(err_.str(), "lineato-batch: PNG-Datei " + options.png + tail +
                              "Der Name gehört zu einem Verzeichnis.\nlineato-batch: PDF-Datei " +
                              options.pdf + tail + "Das Verzeichnis existiert nicht.\n");
    EXPECT_TRUE(ReadAll(QString::fromStdString(options.svg)).startsWith("<?xml"));
    EXPECT_TRUE(ReadAll(QString::fromStdString(options.tikz)).contains("tikzpicture"));
}

TEST_F(BatchExportTest, AnImageNamedLikeTheConstructionFileLeavesThatFileWhole) {
    ASSERT_TRUE(dir_.isValid());
    const std::string construction = "PUNKT A 1 2\n";
    BatchOptions options;
    options.file = Path("a.con");
    ASSERT_TRUE(ReplaceFileAtomically(options.file, construction));
    // Once by its own name, once through a link to it; the other image is still written.
    const std::string link = Path("link.png");
    ASSERT_EQ(::symlink(options.file.c_str(), link.c_str()), 0);
    options.png = options.file;
    options.tikz = link;
    options.svg = Path("a.svg");
    EXPECT_EQ(Run(options, construction), kExitUsage);
    const std::string tail = " konnte nicht geschrieben werden: Das ist die Konstruktionsdatei selbst.\n";
    EXPECT_EQ(err_.str(),
              "lineato-batch: PNG-Datei " + options.png + tail + "lineato-batch: TikZ-Datei " + link + tail);
    EXPECT_EQ(ReadAll(QString::fromStdString(options.file)).toStdString(), construction);
    EXPECT_TRUE(ReadAll(QString::fromStdString(options.svg)).startsWith("<?xml"));
}

// A stream whose every write is lost, as on a descriptor closed by the caller.
class LosingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(BatchExportTest, ALostDumpIsExitTwoWithMessage) {
    BatchOptions options;
    options.file = "a.con";
    options.dump = true;
    LosingBuffer lost;
    std::ostream out(&lost);
    EXPECT_EQ(RunBatch(options, "PUNKT A 1 2\n", out, err_), kExitUsage);
    EXPECT_EQ(err_.str(), "lineato-batch: Die Standardausgabe konnte nicht geschrieben werden.\n");

    // A full disk names its reason; the construction's own result is told before it.
    std::ofstream full("/dev/full");
    if (!full) GTEST_SKIP() << "no /dev/full";
    err_.str("");
    options.describe = true;
    EXPECT_EQ(RunBatch(options, "PUNKT A 1 2\nPUNKT A 1 2\n", full, err_), kExitUsage);
    EXPECT_EQ(
        err_.str(),
        "a.con:2: Name ist bereits vergeben!\n"
        "lineato-batch: Die Standardausgabe konnte nicht geschrieben werden: Der Datenträger ist voll.\n");
}

TEST_F(BatchExportTest, ImagesShowTheStateAfterARejectedLine) {
    BatchOptions options;
    options.png = Path("partial.png");
    options.file = "a.con";
    EXPECT_EQ(Run(options, "PUNKT A 1 2\nPUNKT A 3 4\n"), kExitRejected);
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(options.png)));
    EXPECT_EQ(image.size(), QSize(640, 480));
}

}  // namespace

namespace {

// A megabyte line, a megabyte name and 100,000 lines are run by the end-to-end case
// batch_core_generated.
class BatchRobustnessTest : public ::testing::Test {
protected:
    int Run(std::string_view text, bool keepGoing = true) {
        BatchOptions options;
        options.file = "bad.con";
        options.keepGoing = keepGoing;
        options.dump = true;
        return RunBatch(options, text, out_, err_, BatchImageOutputs(options));
    }

    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(BatchRobustnessTest, EveryByteValueInLinesIsHandled) {
    std::string text;
    for (int b = 1; b < 256; ++b) {
        text += "PUNKT P";
        text += static_cast<char>(b);
        text += " 1 1\n";
        text += static_cast<char>(b);
        text += "\n";
    }
    EXPECT_NE(Run(text), kExitUsage);
    // Every message line is valid UTF-8 ending in a newline.
    EXPECT_TRUE(err_.str().empty() || err_.str().back() == '\n');
    EXPECT_EQ(QString::fromUtf8(err_.str()).toUtf8().toStdString(), err_.str());
    EXPECT_EQ(QString::fromUtf8(out_.str()).toUtf8().toStdString(), out_.str());
}

TEST_F(BatchRobustnessTest, NulByteEndsTheText) {
    EXPECT_EQ(Run(std::string("PUNKT A 1 2\n\0PUNKT A 1 2\n", 26), false), kExitAccepted);
    EXPECT_EQ(err_.str(), "");
}

}  // namespace
