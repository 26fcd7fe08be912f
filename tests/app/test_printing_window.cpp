// Printing and the clipboard picture from the main window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/mainform.h"
#include "app/paintbox.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "tests/app/replay_print_services.h"

namespace {

class PrintWindowTest : public ::testing::Test {
protected:
    PrintWindowTest() : form(services, dir.filePath("LINEATO.INI")) {
        form.show();
        form.Document->Load("PUNKT A 0 0\nPUNKT B 5 0\nFARBE rot\nSTRECKE s A B\n");
    }

    DrawStateGuard guard;
    QTemporaryDir dir;
    ScriptedServices services;
    TMainForm form;
};

}  // namespace

TEST_F(PrintWindowTest, PrintDialogToPdfPrintsAndEveryOutcomeRestoresTheScreen) {
    Canvas* const screen = Drawing().DrawCanvas;
    form.FarbeClick();  // screen in monochrome
    ASSERT_FALSE(Drawing().ColorMode);
    form.Options.PrintColour = true;
    form.Options.PrintDoubleWidth = true;
    form.Options.PrintCommandList = true;

    const QString path = dir.filePath("druck.pdf");
    bool busyAtDialog = true;
    services.printDialog = [&](QPrinter& printer) {
        busyAtDialog = Drawing().PrinterBusy;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setCopyCount(2);
        return true;
    };
    form.FilePrint();
    EXPECT_FALSE(busyAtDialog);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 2);  // the copies are pages of the one file
    EXPECT_FALSE(Drawing().PrinterBusy);
    EXPECT_FALSE(Drawing().ColorMode);
    EXPECT_EQ(Drawing().LineWidth, 0);
    EXPECT_EQ(Drawing().DrawCanvas, screen);
    EXPECT_EQ(form.Document->Parser().Objects.Count(), 3);

    // Cancelled: nothing printed, the state put back all the same; a resize of the drawing area behind
    // the dialog is kept, not undone.
    services.printDialog = [&](QPrinter&) {
        SetColorMode(true);
        form.resize(form.width() + 50, form.height() + 40);
        QCoreApplication::processEvents();
        return false;
    };
    form.FilePrint();
    EXPECT_FALSE(Drawing().ColorMode);
    EXPECT_EQ(Drawing().DrawCanvas, form.PaintBox->DrawingCanvas());
    EXPECT_EQ(Drawing().ScreenRect.Width(), form.PaintBox->width());

    // While a job runs, a second print command does nothing.
    Drawing().PrinterBusy = true;
    const int dialogs = services.printDialogs;
    form.FilePrint();
    EXPECT_EQ(services.printDialogs, dialogs);
    Drawing().PrinterBusy = false;
}

TEST_F(PrintWindowTest, AfterPrintingTheDrawingAreaShowsTheViewThatMouseHitsUse) {
    // A wide construction on a tall page: the page widens the world window.
    form.Document->AppendTyped("PUNKT C 40 1");
    services.printDialog = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("breit.pdf"));
        return true;
    };
    const QImage before = form.PaintBox->Image().copy();
    const double xmax = Drawing().XMax;
    form.FilePrint();
    ASSERT_NE(Drawing().XMax, xmax);
    const QImage after = form.PaintBox->Image().copy();
    EXPECT_NE(after, before);
    form.PaintBox->Repaint();
    EXPECT_EQ(form.PaintBox->Image(), after);
}

TEST_F(PrintWindowTest, ClipboardGetsTheDrawingAreaAsShown) {
    form.resize(700, 500);
    QCoreApplication::processEvents();
    const QImage shown = form.PaintBox->Image();
    form.GrafikinZwischenablage1Click();
    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    const qreal ratio = form.PaintBox->devicePixelRatioF();
    EXPECT_EQ(picture.size(), form.PaintBox->size() * ratio);
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
}
