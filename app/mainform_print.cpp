// Printing and the clipboard picture of the main window.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/printing.h"
#include "describe/description.h"
#include "drawing/drawstate.h"

void TMainForm::FilePrint() {
    if (Drawing().PrinterBusy) return;
    // Cancelled, printed or failed: the screen gets its drawing state back.
    ScreenDrawingRestorer restore([this] { return PaintBox->DrawingCanvas(); });
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kPrintJobTitle);
    if (!Services().ExecPrintDialog(this, printer)) return;

    PrintSource source;
    source.parser = &Document->Parser();
    source.options = Options;
    source.lines = Document->Lines();
    if (Options.PrintDescription) source.description = DescribeConstruction(*Document);
    // The dialog's copies become separate jobs of one copy each; into a file, pages of one job.
    const int copies = printer.copyCount();
    PrinterTarget target(printer);
    PrintCopies(target, copies, source);
}

void TMainForm::GrafikinZwischenablage1Click() {
    // The drawing area exactly as shown: its backing image, nothing drawn anew.
    QImage picture = PaintBox->Image().copy();
    QGuiApplication::clipboard()->setImage(picture);
}
