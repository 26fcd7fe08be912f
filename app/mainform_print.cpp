// Printing and the clipboard picture of the main window.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <memory>

#include "app/guiservices.h"
#include "app/imageexport.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/printing.h"
#include "drawing/drawstate.h"
#include "parser/tparser.h"

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
    // The dialog's copies become separate jobs of one copy each; into a file, pages of one job.
    const int copies = printer.copyCount();
    PrinterTarget target(printer);
    PrintCopies(target, copies, source);
}

void TMainForm::GrafikinZwischenablage1Click() {
    auto data = std::make_unique<QMimeData>();
    // The drawing area exactly as shown: its backing image, nothing drawn anew.
    data->setImageData(PaintBox->Image().copy());
    // Beside it the same picture as SVG, for programs that take vector graphics.
    const DeviceRect& area = Drawing().ScreenRect;
    if (const std::optional<std::string> svg =
            RenderMeasuredSvg(Document->Parser(), area.Width(), area.Height()))
        data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(*svg));
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(data.release());
}
