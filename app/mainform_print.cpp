// Printing and the clipboard picture of the main window.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/printing.h"
#include "drawing/drawstate.h"

void TMainForm::FilePrint() {
    if (Drawing().PrinterBusy) return;
    {
        // Cancelled, printed or failed: the screen gets its drawing state back.
        ScreenDrawingRestorer restore([this] { return PaintBox->DrawingCanvas(); });
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(kPrintJobTitle);
        if (!Services().ExecPrintDialog(this, printer)) return;

        PrintSource source;
        source.parser = &Document->Parser();
        source.options = Options;
        source.lines = Document->Lines();
        // The dialog's copies become separate jobs of one copy each; into a file, pages of one job.
        const int copies = printer.copyCount();
        PrinterTarget target(printer);
        PrintCopies(target, copies, source);
    }
    // A printed page can widen the world window. The drawing area shows it at once, as the repaint after
    // the dialog would: the picture and the view that mouse positions are read in stay one.
    PaintBox->Repaint();
}

void TMainForm::GrafikinZwischenablage1Click() {
    // The drawing area exactly as shown: its backing image, nothing drawn anew.
    QImage picture = PaintBox->Image().copy();
    QGuiApplication::clipboard()->setImage(picture);
}
