// Printing a construction: one page per job, the drawing in the upper half, the command list below.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "app/settings.h"
#include "drawing/canvas.h"
#include "drawing/drawstate.h"

class QPagedPaintDevice;
class QPrinter;
class TParser;

// Page units are 0.1 mm: the page device is set to this resolution, so one device unit is 0.1 mm in x
// and y and fonts given in points come out at their true size (10 pt = 3.53 mm = 35 units).
inline constexpr int kPageDpi = 254;

// The job title every print job gets.
inline const QString kPrintJobTitle = QStringLiteral("Lineato Druckauftrag");

// What one printed page shows. The lines are the command list in Windows-1252.
struct PrintSource {
    TParser* parser = nullptr;  // not owned
    std::vector<std::string> lines;
    Settings options;
};

// Draws one page on page, a canvas addressed in 0.1 mm from the top-left of the printable area;
// width and height are the printable area in those units. Leaves the drawing state pointing at page
// with the print transform and pens: the caller restores the screen's state (ScreenDrawingRestorer).
void PrintPage(Canvas& page, int width, int height, const PrintSource& source);

// Where print jobs go: each job is one painter session on the device BeginJob returns. The program
// uses a QPrinter; tests write each job to its own PDF and count them.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Prepares one job titled title at kPageDpi; nullptr when no job can start.
    virtual QPagedPaintDevice* BeginJob(const QString& title) = 0;
    // Called after the painter on the job's device has ended.
    virtual void EndJob() = 0;
};

// Prints copies pages, each as a separate job, with Drawing().PrinterBusy set while a job runs.
// Returns the number of jobs completed; stops at the first job that cannot start.
int PrintCopies(PrintTarget& target, int copies, const PrintSource& source);

// The QPrinter as print target: one copy per job, resolution kPageDpi, the job title as document name.
class PrinterTarget : public PrintTarget {
public:
    explicit PrinterTarget(QPrinter& printer) : printer_(printer) {}  // printer not owned
    QPagedPaintDevice* BeginJob(const QString& title) override;
    void EndJob() override {}

private:
    QPrinter& printer_;
};

// Puts the screen's drawing state back when it leaves scope, whatever happened in between: the world
// window as it now stands (widened again for the screen area), the colour mode and canvas that were
// current at construction, LineWidth 0. Should the screen area have no size, the whole earlier state
// comes back.
class ScreenDrawingRestorer {
public:
    ScreenDrawingRestorer();
    ~ScreenDrawingRestorer();
    ScreenDrawingRestorer(const ScreenDrawingRestorer&) = delete;
    ScreenDrawingRestorer& operator=(const ScreenDrawingRestorer&) = delete;

private:
    DrawState saved_;
};
