// Printing: page geometry at 0.1 mm per unit, the command-list columns, one job per copy, and the screen's
// drawing state afterwards.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/printing.h"
#include "tests/support/parserfixture.h"

namespace {

// Pages as images at 254 dpi, one per job, so that page units are pixels.
class ImageTarget : public PrintTarget {
public:
    ImageTarget(double widthMm, double heightMm) : widthMm_(widthMm), heightMm_(heightMm) {}

    QPainter* BeginJob(const QString& title, QSizeF& printableMm) override {
        titles.push_back(title);
        busyDuringJob.push_back(Drawing().PrinterBusy);
        if (refuse) return nullptr;
        jobOfPage.push_back(static_cast<int>(titles.size()) - 1);
        AddPage();
        printableMm = QSizeF(widthMm_, heightMm_);
        return &painter_;
    }
    bool NewPage() override {
        if (pages.size() >= pageLimit) return false;
        painter_.end();
        jobOfPage.push_back(jobOfPage.back());
        AddPage();
        return true;
    }
    void EndJob() override { painter_.end(); }
    bool CopiesShareOneJob() const override { return oneJob; }

    std::vector<QString> titles;
    std::vector<bool> busyDuringJob;
    std::vector<QImage> pages;
    std::vector<int> jobOfPage;  // index into titles of the job each page belongs to
    bool refuse = false;
    bool oneJob = false;
    std::size_t pageLimit = 100;  // NewPage refuses beyond this many pages

private:
    void AddPage() {
        QImage page(static_cast<int>(widthMm_ * 10), static_cast<int>(heightMm_ * 10), QImage::Format_RGB32);
        page.setDotsPerMeterX(10000);
        page.setDotsPerMeterY(10000);
        page.fill(Qt::white);
        pages.push_back(page);
        painter_.begin(&pages.back());
    }

    double widthMm_;
    double heightMm_;
    QPainter painter_;
};

// The horizontal extent [first, last + 1) of pixels of colour in row y; {0, 0} when there are none.
std::pair<int, int> RunOf(const QImage& image, int y, QColor colour) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == colour) {
            if (first < 0) first = x;
            last = x;
        }
    }
    return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
}

bool HasColour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y)
        if (RunOf(image, y, colour).second > 0) return true;
    return false;
}

bool BlankBelow(const QImage& image, int top) {
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

class PrintingTest : public ParserTest {
protected:
    PrintSource Source() {
        PrintSource source;
        source.parser = &parser;
        source.options = options;
        source.lines = lines;
        return source;
    }
    Settings options;
    std::vector<std::string> lines;
};

}  // namespace

TEST_F(PrintingTest, FixedScalePrintsOneCentimetrePerUnitInTheUpperHalf) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 5 0", "FARBE rot", "STRECKE s A B"}));
    options.PrintFixedScale = true;
    options.PrintColour = true;
    options.PrintFrame = true;
    ImageTarget target(200, 280);  // 2000 x 2800 units, graphic area 2000 x 1400
    {
        ScreenDrawingRestorer restore;
        ASSERT_EQ(PrintCopies(target, 1, Source()), 1);
    }
    const QImage& page = target.pages.at(0);
    // y = 0 lies 5 cm above YMin = -5, the lower edge of the graphic area.
    const auto [left, right] = RunOf(page, 1400 - 500, Qt::red);
    EXPECT_NEAR(right - left, 500, 1);  // 5 units = 5 cm = 500 x 0.1 mm
    // The frame runs just inside the graphic area; nothing of the drawing reaches the lower half.
    EXPECT_EQ(page.pixelColor(1, 700), Qt::black);
    EXPECT_EQ(page.pixelColor(1998, 700), Qt::black);
    EXPECT_TRUE(BlankBelow(page, 1400));
}

TEST_F(PrintingTest, CommandListWrapsIntoColumnsRightOfTheWidestLine) {
    ASSERT_TRUE(Run({"PUNKT A 1 1"}));
    options.PrintCommandList = true;
    for (int i = 0; i < 40; ++i)
        lines.push_back(i == 5 ? "STRECKE langer_name A B" : "PUNKT A 1 1");
    RecordingCanvas page({0, 0, 1000, 1000});
    PrintPage(page, 1000, 1000, Source());

    std::vector<RecordedOp> texts;
    for (const RecordedOp& op : page.Texts())
        if (op.font.size == 10) texts.push_back(op);
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts[0].font.name, "Arial");
    const int h = RecordingCanvas::kTextHeight;
    // 510 + 33 * 12 = 906 > 1000 - 101: the 33rd line is the last of the first column.
    EXPECT_EQ(texts[0].x1, 30);
    EXPECT_EQ(texts[0].y1, 510);
    EXPECT_EQ(texts[32].x1, 30);
    EXPECT_EQ(texts[32].y1, 510 + 32 * h);
    const int widest = RecordingCanvas::kCharWidth * static_cast<int>(lines[5].size());
    EXPECT_EQ(texts[33].x1, 30 + widest + 2 * RecordingCanvas::kCharWidth);
    EXPECT_EQ(texts[33].y1, 510);
    EXPECT_EQ(texts[39].y1, 510 + 6 * h);
    // The list may use the whole page, not only the graphic area.
    const std::vector<RecordedOp> clips = page.OfKind(RecordedOp::Clip);
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips.back().y2, 1000);

    // Without the option, or with an empty list, no list is printed.
    RecordingCanvas second({0, 0, 1000, 1000});
    options.PrintCommandList = false;
    PrintPage(second, 1000, 1000, Source());
    options.PrintCommandList = true;
    lines.clear();
    PrintPage(second, 1000, 1000, Source());
    for (const RecordedOp& op : second.Texts())
        EXPECT_NE(op.font.size, 10);
}

// A list too long for the columns of one page goes on over further pages of the same job: the same
// columns, starting at the top; a refused page ends the list instead of running off the edge.
TEST_F(PrintingTest, CommandListTooLongForOnePageContinuesOnTheNextPages) {
    ASSERT_TRUE(Run({"PUNKT A 1 1"}));
    options.PrintCommandList = true;
    const std::string line(40, 'x');  // 240 units: columns at 30, 282, 534; one at 786 would run off
    lines.assign(400, line);
    RecordingCanvas page({0, 0, 1000, 1000});
    std::vector<std::size_t> turns;  // number of recorded operations at each page turn
    PrintPage(page, 1000, 1000, Source(), [&] {
        turns.push_back(page.ops.size());
        return true;
    });
    ASSERT_EQ(turns.size(), 2u);

    // The list texts of each page, in order.
    std::vector<std::vector<RecordedOp>> pages(3);
    for (std::size_t i = 0, p = 0; i < page.ops.size(); ++i) {
        while (p < turns.size() && i >= turns[p])
            ++p;
        if (page.ops[i].kind == RecordedOp::Text && page.ops[i].font.size == 10)
            pages[p].push_back(page.ops[i]);
    }
    const int h = RecordingCanvas::kTextHeight;
    const int step = 240 + 2 * RecordingCanvas::kCharWidth;
    // Below the graphic 33 rows fit (510 + 33 * 12 > 899), from the top 75 (10 + 75 * 12 > 899).
    ASSERT_EQ(pages[0].size(), 3u * 33);
    ASSERT_EQ(pages[1].size(), 3u * 75);
    ASSERT_EQ(pages[2].size(), 400u - 99 - 225);
    EXPECT_EQ((std::pair{pages[0][98].x1, pages[0][98].y1}), (std::pair{30 + 2 * step, 510 + 32 * h}));
    EXPECT_EQ((std::pair{pages[1][0].x1, pages[1][0].y1}), (std::pair{30, 10}));
    EXPECT_EQ((std::pair{pages[1][75].x1, pages[1][75].y1}), (std::pair{30 + step, 10}));
    EXPECT_EQ((std::pair{pages[2][75].x1, pages[2][75].y1}), (std::pair{30 + step, 10}));
    // Each new page gets the whole page as clip region again.
    const RecordedOp& clip = page.ops.at(turns[0]);
    EXPECT_EQ(clip.kind, RecordedOp::Clip);
    EXPECT_EQ((std::array{clip.x1, clip.y1, clip.x2, clip.y2}), (std::array{0, 0, 1000, 1000}));

    RecordingCanvas refused({0, 0, 1000, 1000});
    PrintPage(refused, 1000, 1000, Source(), [] { return false; });
    std::size_t listed = 0;
    for (const RecordedOp& op : refused.Texts()) {
        if (op.font.size != 10) continue;
        ++listed;
        EXPECT_LE(op.x1 + refused.TextWidth(op.text), 1000);
    }
    EXPECT_EQ(listed, 99u);
}

// Copies into a file are pages of one job, each copy with all of its pages; to a printer each copy is
// a job of its own.
TEST_F(PrintingTest, CopiesIntoOneJobFollowEachOtherAsPages) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 5 0", "FARBE rot", "STRECKE s A B"}));
    options.PrintCommandList = true;
    options.PrintColour = true;
    lines.assign(150, "STRECKE s A B");
    std::size_t perCopy = 0;
    for (const bool oneJob : {true, false}) {
        ImageTarget target(100, 100);
        target.oneJob = oneJob;
        {
            ScreenDrawingRestorer restore;
            EXPECT_EQ(PrintCopies(target, 3, Source()), 3);
        }
        ASSERT_EQ(target.pages.size() % 3, 0u);
        perCopy = target.pages.size() / 3;
        ASSERT_GE(perCopy, 2u);  // the list goes on over a second page
        for (std::size_t p = 0; p < target.pages.size(); ++p) {
            EXPECT_EQ(target.jobOfPage[p], oneJob ? 0 : static_cast<int>(p / perCopy)) << p;
            if (p >= perCopy) {
                EXPECT_EQ(target.pages[p], target.pages[p - perCopy]) << oneJob << " page " << p;
            }
        }
        // The drawing is on the first page of a copy only.
        EXPECT_TRUE(HasColour(target.pages[0], Qt::red));
        EXPECT_FALSE(HasColour(target.pages[1], Qt::red));
    }

    // A page the printer refuses ends the job; only the copies printed whole count.
    ImageTarget limited(100, 100);
    limited.oneJob = true;
    limited.pageLimit = perCopy + 1;  // the second copy cannot finish its list
    {
        ScreenDrawingRestorer restore;
        EXPECT_EQ(PrintCopies(limited, 3, Source()), 1);
    }
    EXPECT_EQ(limited.titles.size(), 1u);
    EXPECT_FALSE(Drawing().PrinterBusy);
}

TEST_F(PrintingTest, EachCopyIsItsOwnJobAndTheScreenStateComesBack) {
    ASSERT_TRUE(Run({"PUNKT A 0 0", "PUNKT B 5 0", "FARBE rot", "STRECKE s A B"}));
    SetColorMode(false);  // screen in monochrome
    const double xminBefore = Drawing().XMin;
    const double yminBefore = Drawing().YMin;
    options.PrintColour = true;
    options.PrintDoubleWidth = true;
    ImageTarget target(100, 200);
    {
        ScreenDrawingRestorer restore;
        EXPECT_EQ(PrintCopies(target, 2, Source()), 2);
    }
    ASSERT_EQ(target.pages.size(), 2u);
    EXPECT_EQ(target.titles, (std::vector<QString>{"Lineato Druckauftrag", "Lineato Druckauftrag"}));
    EXPECT_EQ(target.busyDuringJob, (std::vector<bool>{true, true}));
    EXPECT_EQ(target.pages[0], target.pages[1]);
    // Printed in colour although the screen is monochrome.
    EXPECT_GT(RunOf(target.pages[0], 500, Qt::red).second, 0);

    const DrawState& state = Drawing();
    EXPECT_FALSE(state.PrinterBusy);
    EXPECT_FALSE(state.ColorMode);
    EXPECT_EQ(state.LineWidth, 0);
    EXPECT_EQ(state.DrawCanvas, &canvas);
    // The window stays as widened for the page, fitted to the screen area again.
    EXPECT_LT(state.ChosenWindow.ymin, yminBefore);
    EXPECT_LE(state.XMin, xminBefore);
    EXPECT_LE(state.YMin, yminBefore);
    EXPECT_NEAR(state.XScale, state.YScale, 1e-9);
    EXPECT_NEAR(state.XScale * (state.XMax - state.XMin), 640, 1e-6);

    // A printer that cannot start, or no copies: no job, and the state is put back all the same; the
    // chosen window too, which a print does not widen.
    const WorldWindow chosen = state.ChosenWindow;
    target.refuse = true;
    {
        ScreenDrawingRestorer restore;
        SetColorMode(true);
        Drawing().LineWidth = 1;
        EXPECT_EQ(PrintCopies(target, 3, Source()), 0);
        EXPECT_EQ(PrintCopies(target, 0, Source()), 0);
    }
    EXPECT_EQ(target.titles.size(), 3u);
    EXPECT_EQ(state.ChosenWindow, chosen);
    EXPECT_FALSE(state.PrinterBusy);
    EXPECT_FALSE(state.ColorMode);
    EXPECT_EQ(state.LineWidth, 0);
    EXPECT_EQ(state.DrawCanvas, &canvas);
}
