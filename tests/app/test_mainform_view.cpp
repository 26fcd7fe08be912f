// The main window's view: the drawing area shows what lineato-batch draws at its size, and changes of
// the area's shape and back keep the view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <sstream>

#include "app/imageexport.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "batch/batchrun.h"
#include "drawing/drawstate.h"
#include "tests/app/replay_print_services.h"

namespace {

// The lines of a small construction; the circle reaches the start window's top edge and the angles
// are the small ones that once came out as full circles.
const char* const kLines[] = {"PUNKT A 1 2",   "KREIS k A 3",          "PUNKT B -4 -1",
                              "STRECKE s A B", "WINKEL alpha s A t 1", "WINKEL beta s A u 361",
                              "FARBE blau",    "GERADE g A B",         "PUNKT C 5 -3"};

QImage Rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

WorldWindow Shown() {
    const DrawState& s = Drawing();
    return {s.XMin, s.YMin, s.XMax, s.YMax};
}

class MainFormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<TMainForm>(services, dir.filePath("LINEATO.INI"));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void Type(const char* line) {
        form->Edit->setText(QString::fromUtf8(line));
        QTest::keyClick(form->Edit, Qt::Key_Return);
    }

    // What lineato-batch draws of text on an area of the given size.
    QImage BatchPicture(const std::string& text, QSize size) {
        BatchOptions options;
        options.width = size.width();
        options.height = size.height();
        options.png = dir.filePath("batch.png").toStdString();
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(options, text, out, err, BatchImageOutputs(options)), kExitAccepted) << err.str();
        QImage image;
        EXPECT_TRUE(image.load(QString::fromStdString(options.png), "PNG"));
        return image;
    }

    // Lets the layout settle after a change of the window or its parts.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    DrawStateGuard drawState;
    QTemporaryDir dir;
    ScriptedServices services;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(MainFormViewTest, DrawingAreaShowsWhatABatchRunDrawsAtItsSize) {
    ASSERT_EQ(form->PaintBox->devicePixelRatioF(), 1.0);
    std::string text;
    for (const char* line : kLines) {
        Type(line);
        text += std::string(line) + "\r\n";
        EXPECT_EQ(Rgb(form->PaintBox->Image()), Rgb(BatchPicture(text, form->PaintBox->size()))) << line;
    }
    EXPECT_EQ(form->Lines().size(), static_cast<qsizetype>(std::size(kLines)));
    // The circle's top at 5 touched the start window and widened it.
    EXPECT_GE(Drawing().YMax, 6);
}

TEST_F(MainFormViewTest, ChangingTheAreaAndBackKeepsTheView) {
    for (const char* line : kLines)
        Type(line);
    const QImage before = Rgb(form->PaintBox->Image());
    const WorldWindow shown = Shown();
    const auto expectSameView = [&](const char* what) {
        Settle();
        EXPECT_EQ(Shown(), shown) << what;
        EXPECT_EQ(Rgb(form->PaintBox->Image()), before) << what;
    };

    const QSize size = form->size();
    for (int i = 0; i < 3; ++i) {
        form->resize(size.width(), size.height() + 330);
        Settle();
        ASSERT_NE(Shown(), shown);
        form->resize(size);
        expectSameView("taller and back");
        form->resize(size.width() + 200, size.height());
        Settle();
        form->resize(size);
        expectSameView("wider and back");
    }

    form->ShowToolbar(false);
    Settle();
    form->ShowToolbar(true);
    expectSameView("tool bar hidden and shown");

    const QList<int> sizes = form->Splitter1->sizes();
    form->Splitter1->setSizes({sizes[0] + 100, sizes[1] - 100});
    Settle();
    form->Splitter1->setSizes(sizes);
    expectSameView("command list wider and back");
}
