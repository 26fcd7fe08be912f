// Printing a construction: one copy per job, the drawing in the upper half, the command list below.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "describe/sentence.h"
#include "document/settings.h"
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
    std::vector<DescriptionSentence> description;  // printed when options.PrintDescription
    Settings options;
};

// Turns to a fresh page of the same job on the same painter; false when the printer refuses.
using PageTurner = std::function<bool()>;

// Draws one copy on page, a canvas addressed in 0.1 mm from the top-left of the printable area; width
// and height are the printable area in those units. A command list too long for the page continues
// on the pages nextPage turns to; the description follows below the drawing, or on a page of its own
// after a command list. False when it could not turn a page and the rest is left out. Leaves the drawing
// state pointing at page with the print transform and pens: the caller restores the screen's state
// (ScreenDrawingRestorer).
bool PrintPage(Canvas& page, int width, int height, const PrintSource& source,
               const PageTurner& nextPage = {});

// Where print jobs go. Each job is one painter session on one page; the program prints on a QPrinter,
// tests paint on images or PDF writers and count the jobs.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Starts one job titled title. Returns a painter active on the page, one unit per 0.1 mm, origin at
    // the top-left corner of the printable area, and sets printableMm to that area's size in mm;
    // nullptr when no job can start.
    virtual QPainter* BeginJob(const QString& title, QSizeF& printableMm) = 0;
    // Turns to the next page of the job; false when that is not possible.
    virtual bool NewPage() = 0;
    // Ends the job BeginJob started.
    virtual void EndJob() = 0;
    // All copies go into one job, one after the other: for a file, which each job would write anew.
    virtual bool CopiesShareOneJob() const { return false; }
};

// Prints copies copies, each as a separate job (or all in one job when the target says so), with
// Drawing().PrinterBusy set while a job runs. Returns the number of copies printed whole; stops at the
// first job or page that cannot start.
int PrintCopies(PrintTarget& target, int copies, const PrintSource& source);

// Begins painter on a paged device (QPrinter, QPdfWriter) set to kPageDpi beforehand, with 0.1-mm
// units even if the device kept another resolution; false when the device refuses.
bool BeginPage(QPainter& painter, QPagedPaintDevice& device, QSizeF& printableMm);

// The QPrinter as print target: one copy per job (all copies in one job when printing to a file),
// resolution kPageDpi, the job title as document name.
class PrinterTarget : public PrintTarget {
public:
    explicit PrinterTarget(QPrinter& printer) : printer_(printer) {}  // printer not owned
    QPainter* BeginJob(const QString& title, QSizeF& printableMm) override;
    bool NewPage() override;
    void EndJob() override { painter_.end(); }
    bool CopiesShareOneJob() const override;

private:
    QPrinter& printer_;
    QPainter painter_;
};

// Puts the screen's drawing state back when it leaves scope, whatever happened in between: the world
// window as it now stands (a window widened for a page becomes the chosen one, fitted to the screen
// area again), the colour mode that was current at construction, LineWidth 0, and the screen's canvas.
// Should the screen area have no size, the earlier transform comes back too.
class ScreenDrawingRestorer {
public:
    // screenCanvas names the screen's canvas at the time of restoring: the drawing area makes a new
    // one when it is resized, which can happen while the print dialog is open. Without it, the canvas
    // current at construction comes back.
    explicit ScreenDrawingRestorer(std::function<Canvas*()> screenCanvas = {});
    ~ScreenDrawingRestorer();
    ScreenDrawingRestorer(const ScreenDrawingRestorer&) = delete;
    ScreenDrawingRestorer& operator=(const ScreenDrawingRestorer&) = delete;

private:
    DrawState saved_;
    std::function<Canvas*()> screenCanvas_;
};
