// Printing: the page layout, one job per copy, and the screen's drawing state put back afterwards.
#include "app/printing.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "app/printdescription.h"
#include "app/qtcanvas.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "parser/tparser.h"

namespace {

// The command list starts this far right of the page edge and below the graphic area.
constexpr int kListLeft = 30;
constexpr int kListTopGap = 10;
// A column ends when its next line would reach lower than this above the page's lower edge.
constexpr int kListBottomMargin = 101;
// Fixed scale: page units (0.1 mm) per world unit, so one unit is 1 cm on paper.
constexpr double kFixedScale = 100;

// Lines per column when the column starts at top: a column ends with the first line that reaches
// lower than the bottom margin.
int RowsPerColumn(int top, int lineHeight, int height) {
    int rows = 1;
    while (top + rows * lineHeight <= height - kListBottomMargin)
        ++rows;
    return rows;
}

// The command list in columns below the graphic area; a new column starts right of the widest line
// printed so far. A column that would run off the right edge goes to the next page, where the columns
// start at the top. False when there is no next page: the rest of the list is then left out.
bool PrintCommandList(Canvas& page, int width, int height, const std::vector<std::string>& lines,
                      const PageTurner& nextPage) {
    const auto setUp = [&] {
        page.SetClipRect({0, 0, width, height});
        page.font = Font{"Arial", 10, kBlack};
    };
    setUp();
    // A line height of at least one unit, so that every column ends.
    const int lineHeight = std::max(1, page.TextHeight(lines.front()));
    int widest = page.TextWidth(lines.front());
    int x = kListLeft;
    int top = height / 2 + kListTopGap;
    int rows = RowsPerColumn(top, lineHeight, height);
    int row = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (row == 0 && x > kListLeft) {
            int columnWidth = 0;
            for (std::size_t j = i; j < std::min(lines.size(), i + static_cast<std::size_t>(rows)); ++j)
                columnWidth = std::max(columnWidth, page.TextWidth(lines[j]));
            if (x + columnWidth > width) {
                if (!nextPage || !nextPage()) return false;
                setUp();
                x = kListLeft;
                top = kListTopGap;
                rows = RowsPerColumn(top, lineHeight, height);
            }
        }
        page.TextOut(x, top + row * lineHeight, lines[i]);
        widest = std::max(widest, page.TextWidth(lines[i]));
        if (++row == rows) {
            x += widest + page.TextWidth("MM");
            row = 0;
        }
    }
    return true;
}

// Drawing().PrinterBusy for the life of one job: screen repaints then leave the objects alone.
class PrinterBusyFlag {
public:
    PrinterBusyFlag() { Drawing().PrinterBusy = true; }
    ~PrinterBusyFlag() { Drawing().PrinterBusy = false; }
    PrinterBusyFlag(const PrinterBusyFlag&) = delete;
    PrinterBusyFlag& operator=(const PrinterBusyFlag&) = delete;
};

}  // namespace

bool PrintPage(Canvas& page, int width, int height, const PrintSource& source, const PageTurner& nextPage) {
    DrawState& state = Drawing();
    const DeviceRect graphic{0, 0, width, height / 2};
    page.SetClipRect(graphic);
    if (source.options.PrintFrame) {
        page.pen = Pen{};
        page.brush = Brush{};
        page.Rectangle({1, 1, width - 1, height / 2 - 1});
    }
    SetViewTransform(graphic, state.XMin, state.YMin, state.XMax, state.YMax);
    if (source.options.PrintFixedScale) {
        state.XScale = kFixedScale;
        state.YScale = kFixedScale;
        page.SetClipRect(graphic);
    }
    SetColorMode(source.options.PrintColour);
    state.LineWidth = source.options.PrintDoubleWidth ? 1 : 0;
    state.DrawCanvas = &page;

    if (source.parser != nullptr) {
        if (source.parser->Axes.Visible) source.parser->Axes.Draw();
        source.parser->Objects.PrintAll();
    }
    const bool listed = source.options.PrintCommandList && !source.lines.empty();
    if (listed && !PrintCommandList(page, width, height, source.lines, nextPage)) return false;
    if (!source.options.PrintDescription || source.description.empty()) return true;
    // The command list's columns fill the lower half; the description then begins a page of its own.
    if (listed && (!nextPage || !nextPage())) return false;
    const int top = listed ? kListTopGap : height / 2 + kListTopGap;
    return PrintDescription(page, width, height, top, source.description, nextPage);
}

int PrintCopies(PrintTarget& target, int copies, const PrintSource& source) {
    const int copiesPerJob = target.CopiesShareOneJob() ? std::max(copies, 1) : 1;
    int done = 0;
    bool failed = false;
    while (done < copies && !failed) {
        PrinterBusyFlag busy;
        QSizeF printableMm;
        QPainter* painter = target.BeginJob(kPrintJobTitle, printableMm);
        if (painter == nullptr) break;
        const int width = static_cast<int>(std::lround(printableMm.width() * 10));
        const int height = static_cast<int>(std::lround(printableMm.height() * 10));
        {
            QtCanvas canvas(painter, {0, 0, width, height});
            const PageTurner nextPage = [&target] { return target.NewPage(); };
            for (int copy = 0; copy < copiesPerJob && done < copies; ++copy) {
                if ((copy > 0 && !nextPage()) || !PrintPage(canvas, width, height, source, nextPage)) {
                    failed = true;
                    break;
                }
                ++done;
            }
            // The canvas dies before the job ends; nothing may draw on it afterwards.
            Drawing().DrawCanvas = nullptr;
        }
        target.EndJob();
    }
    return done;
}

bool BeginPage(QPainter& painter, QPagedPaintDevice& device, QSizeF& printableMm) {
    if (!painter.begin(&device)) return false;
    printableMm = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const double sx = device.logicalDpiX() / static_cast<double>(kPageDpi);
    const double sy = device.logicalDpiY() / static_cast<double>(kPageDpi);
    if (sx != 1.0 || sy != 1.0) painter.scale(sx, sy);
    return true;
}

QPainter* PrinterTarget::BeginJob(const QString& title, QSizeF& printableMm) {
    printer_.setDocName(title);
    printer_.setCopyCount(1);
    printer_.setResolution(kPageDpi);
    return BeginPage(painter_, printer_, printableMm) ? &painter_ : nullptr;
}

bool PrinterTarget::NewPage() {
    return printer_.newPage();
}

bool PrinterTarget::CopiesShareOneJob() const {
    // Separate jobs into one file would each write the file anew.
    return !printer_.outputFileName().isEmpty();
}

ScreenDrawingRestorer::ScreenDrawingRestorer(std::function<Canvas*()> screenCanvas)
    : saved_(Drawing()), screenCanvas_(std::move(screenCanvas)) {}

ScreenDrawingRestorer::~ScreenDrawingRestorer() {
    DrawState& state = Drawing();
    // The world window stays as printing widened it, which becomes the chosen window; the scales follow
    // the screen area again. Without a print that widened it the chosen window stays. The screen area
    // itself may have changed meanwhile and stays as it is now.
    const WorldWindow printed{state.XMin, state.YMin, state.XMax, state.YMax};
    const bool widened = printed != WorldWindow{saved_.XMin, saved_.YMin, saved_.XMax, saved_.YMax};
    const DeviceRect screen = state.ScreenRect;
    state = saved_;
    state.ScreenRect = screen;
    state.LineWidth = 0;
    state.PrinterBusy = false;
    if (screenCanvas_) state.DrawCanvas = screenCanvas_();
    if (widened)
        SetWorldWindow(printed.xmin, printed.ymin, printed.xmax, printed.ymax);
    else
        FitWorldWindow();
}
