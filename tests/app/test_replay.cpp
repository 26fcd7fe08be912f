// The single-step replay in the real main window: step by step, cancelled, rejected lines, on the timer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/einzelschritt.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "drawing/drawstate.h"
#include "tests/app/replay_print_services.h"

namespace {

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

bool AllWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

class ReplayTest : public ::testing::Test {
protected:
    ReplayTest() : form(services, dir.filePath("LINEATO.INI")) { form.show(); }

    // Puts lines into the command list and builds the construction from them.
    void Build(std::initializer_list<const char*> lines) {
        std::string text;
        for (const char* line : lines)
            text += std::string(line) + "\n";
        // Each line where it can: a list from the editor may hold lines that no longer work.
        form.Document->Load(text, RebuildMode::KeepGoing);
        services.errors.clear();
    }

    // Runs the replay; script drives the replay window while it is open.
    void Replay(const std::function<void(TEinzelSchritt&)>& script) {
        services.dialogScript = [&script](QDialog& dialog) { script(static_cast<TEinzelSchritt&>(dialog)); };
        form.Einzelschritt1Click();
    }

    int Count() const { return form.Document->Parser().Objects.Count(); }
    std::vector<std::string> Descriptions() const {
        std::vector<std::string> out;
        for (int i = 0; i < Count(); ++i)
            out.push_back(form.Document->Parser().Objects.Item(i)->Describe());
        return out;
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (int i = 0; i < form.Document->LineCount(); ++i)
            if (form.ListBox->selectionModel()->isRowSelected(i, QModelIndex())) rows.push_back(i);
        return rows;
    }
    void ExpectCleanedUp() const {
        EXPECT_TRUE(SelectedRows().empty());
        EXPECT_FALSE(form.EinzelschrittAction->isChecked());
        EXPECT_TRUE(form.Edit->text().isEmpty());
    }

    DrawStateGuard guard;
    QTemporaryDir dir;
    ScriptedServices services;
    TMainForm form;
};

}  // namespace

TEST_F(ReplayTest, EmptyListClearsTheAreaAndTheFirstStepCloses) {
    form.Achsenkreuz1Click();
    const QImage axesOnly = form.PaintBox->Image();
    ASSERT_FALSE(AllWhite(axesOnly));
    bool pressedDuringReplay = false;
    bool clearedDuringReplay = false;
    QString hint;
    Replay([&](TEinzelSchritt& window) {
        pressedDuringReplay = form.EinzelschrittAction->isChecked();
        clearedDuringReplay = AllWhite(form.PaintBox->Image());
        // Resting the mouse on a button shows its hint in the main window's status line.
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(window.CancelButton, &enter);
        hint = form.Panel1->text();
        window.SchrittButton->click();
    });
    EXPECT_TRUE(pressedDuringReplay);
    EXPECT_EQ(hint, "Abbrechen");
    EXPECT_TRUE(services.closedByScript);
    EXPECT_EQ(Count(), 0);
    EXPECT_TRUE(clearedDuringReplay);
    // Once the replay is over, the picture is whole again: the axes, still switched on, are back.
    EXPECT_EQ(form.PaintBox->Image(), axesOnly);
    ExpectCleanedUp();
}

TEST_F(ReplayTest, EachStepExecutesShowsAndSelectsOneLineAndTheLastCloses) {
    Build({"PUNKT A 1 1", "PUNKT B 3 1", "STRECKE s A B"});
    for (int row : {0, 2})
        form.ListBox->selectionModel()->select(form.ListBox->model()->index(row, 0),
                                               QItemSelectionModel::Select);
    Replay([&](TEinzelSchritt& window) {
        EXPECT_EQ(Count(), 0);
        window.SchrittButton->click();
        EXPECT_EQ(Count(), 1);
        EXPECT_EQ(form.Edit->text(), "PUNKT A 1 1");
        EXPECT_EQ(SelectedRows(), std::vector<int>{0});  // the first step deselects everything else
        window.SchrittButton->click();
        EXPECT_EQ(form.Edit->text(), "PUNKT B 3 1");
        EXPECT_EQ(SelectedRows(), std::vector<int>{1});
        EXPECT_TRUE(window.isVisible());
        window.SchrittButton->click();
        EXPECT_EQ(Count(), 3);
        EXPECT_FALSE(window.isVisible());  // closed by the third step, no fourth needed
    });
    EXPECT_TRUE(services.closedByScript);
    EXPECT_EQ(Count(), 3);
    EXPECT_TRUE(services.errors.empty());
    ExpectCleanedUp();
}

TEST_F(ReplayTest, CancelExecutesTheRemainingLinesAtOnce) {
    Build({"PUNKT A 1 1", "PUNKT B 3 1", "STRECKE s A B", "KREIS k A 2", "PUNKT C 0 4"});
    const std::vector<std::string> before = Descriptions();
    ASSERT_EQ(before.size(), 5u);

    Replay([](TEinzelSchritt& window) { window.CancelButton->click(); });
    EXPECT_EQ(Descriptions(), before);
    ExpectCleanedUp();

    int countAfterTwo = -1;
    Replay([&](TEinzelSchritt& window) {
        window.SchrittButton->click();
        window.SchrittButton->click();
        countAfterTwo = Count();
        window.CancelButton->click();
    });
    EXPECT_EQ(countAfterTwo, 2);
    EXPECT_EQ(Descriptions(), before);
    EXPECT_TRUE(services.errors.empty());
    ExpectCleanedUp();
}

TEST_F(ReplayTest, RejectedLineEndsTheStepsAndTheRestStillRuns) {
    // A command list from the editor can hold a line that no longer works.
    Build({"PUNKT A 1 1", "STRECKE s A X", "PUNKT B 3 1", "PUNKT C 2 3"});
    // A timer tick while the step's error box is open must do nothing.
    bool tickResult = false;
    int indexDuringBox = -1;
    int countDuringBox = -1;
    QString lineDuringBox;
    std::vector<int> selectedDuringBox;
    services.onError = [&] {
        // The box speaks of the line that is selected and in the command line.
        lineDuringBox = form.Edit->text();
        selectedDuringBox = SelectedRows();
        tickResult = form.ReplayStep();
        indexDuringBox = form.Replay->StepIndex();
        countDuringBox = Count();
    };
    Replay([&](TEinzelSchritt& window) {
        window.SchrittButton->click();
        window.SchrittButton->click();
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(services.closedByScript);
    EXPECT_EQ(services.errors.size(), 1u);  // the rejected line ran once
    EXPECT_EQ(lineDuringBox, "STRECKE s A X");
    EXPECT_EQ(selectedDuringBox, std::vector<int>{1});
    EXPECT_TRUE(tickResult);
    EXPECT_EQ(indexDuringBox, 1);
    EXPECT_EQ(countDuringBox, 1);
    EXPECT_EQ(Count(), 3);  // lines three and four ran after the window closed
    EXPECT_NE(form.Document->Parser().Objects.FindByName("C"), nullptr);
    ExpectCleanedUp();
}

TEST_F(ReplayTest, TimedReplayHaltsAtSpeedZeroAndRunsOnWhenMovedBack) {
    Build({"PUNKT A 1 1", "PUNKT B 3 1", "PUNKT C 2 3", "STRECKE s A B"});
    bool halted = false;
    bool finished = false;
    Replay([&](TEinzelSchritt& window) {
        window.GoButton->click();
        window.VeloBar->setValue(1);  // 10 ms
        ASSERT_TRUE(WaitUntil([&] { return form.Replay->StepIndex() >= 1; }, 3000));
        window.VeloBar->setValue(0);
        const int index = form.Replay->StepIndex();
        WaitUntil([] { return false; }, 100);
        halted = form.Replay->StepIndex() == index && window.isVisible();
        window.VeloBar->setValue(1);
        finished = WaitUntil([&] { return !window.isVisible(); }, 3000);
        // No tick may reach the main window once the window has closed.
        const int last = form.Replay->StepIndex();
        WaitUntil([] { return false; }, 50);
        EXPECT_EQ(form.Replay->StepIndex(), last);
    });
    EXPECT_TRUE(halted);
    EXPECT_TRUE(finished);
    EXPECT_EQ(Count(), 4);
    ExpectCleanedUp();
}
