// The replay window on its own, against a scripted host: placement, reset on show, the timed replay and
// every way of ending.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <deque>

#include "app/einzelschritt.h"

namespace {

class ScriptedHost : public ReplayHost {
public:
    bool ReplayStep() override {
        ++steps;
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QRect HostFrameGeometry() const override { return frame; }

    std::deque<bool> answers;
    int steps = 0;
    QRect frame{100, 50, 600, 400};
};

void Type(TEinzelSchritt& window, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&window, &press);
}

}  // namespace

TEST(ReplayWindow, ShowingPlacesAndResetsTheWindow) {
    ScriptedHost host;
    TEinzelSchritt window(host);

    window.show();
    // Over the host's top right corner: 30 below its top, 30 left of its right edge.
    EXPECT_EQ(window.pos(), QPoint(100 + 600 - window.width() - 30, 50 + 30));
    window.GoButtonClick();
    window.VeloBar->setValue(7);
    window.hide();

    host.frame = QRect(0, 0, 800, 600);
    window.show();
    EXPECT_EQ(window.pos(), QPoint(800 - window.width() - 30, 30));
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 1000);
    EXPECT_FALSE(window.GoButton->isChecked());
    EXPECT_TRUE(window.SchrittButton->isEnabled());
    EXPECT_EQ(window.height(), window.Panel1->height());  // only the button row shows
    EXPECT_FALSE(window.Panel2->isVisible());
    EXPECT_EQ(window.VeloBar->value(), 100);
    EXPECT_EQ(host.steps, 0);
    window.hide();
}

TEST(ReplayWindow, GoRunsTheTimerAtTheBarsPaceAndZeroHalts) {
    ScriptedHost host;
    TEinzelSchritt window(host);
    window.show();
    window.GoButtonClick();
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_TRUE(window.GoButton->isChecked());
    EXPECT_FALSE(window.SchrittButton->isEnabled());
    EXPECT_TRUE(window.Panel2->isVisible());
    EXPECT_GT(window.height(), window.Panel1->height());
    EXPECT_TRUE(window.rect().contains(window.VeloBar->geometry().translated(window.Panel2->pos())));

    // Pressing Go again keeps it pressed and running.
    window.GoButton->click();
    EXPECT_TRUE(window.GoButton->isChecked());
    EXPECT_TRUE(window.Timer1->isActive());

    window.VeloBar->setValue(0);
    EXPECT_FALSE(window.Timer1->isActive());
    window.VeloBar->setValue(25);
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 250);

    // Ticks step; the step that ends the replay stops the timer and closes the window.
    host.answers = {true, false};
    window.Timer1Timer();
    EXPECT_TRUE(window.isVisible());
    window.Timer1Timer();
    EXPECT_EQ(host.steps, 2);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1->isActive());

    // Before Go, moving the bar does not start the timer; Go at 0 waits for the bar.
    window.show();
    window.VeloBar->setValue(0);
    EXPECT_FALSE(window.Timer1->isActive());
    window.GoButtonClick();
    EXPECT_FALSE(window.Timer1->isActive());
    window.VeloBar->setValue(1);
    EXPECT_TRUE(window.Timer1->isActive());
    window.hide();
}

TEST(ReplayWindow, TypedCharactersStepAndTheCloseBoxStopsTheTimer) {
    ScriptedHost host;
    TEinzelSchritt window(host);
    window.show();
    window.GoButtonClick();
    Type(window, Qt::Key_X, "x");  // also while the step button is disabled
    Type(window, Qt::Key_Shift, QString());
    EXPECT_EQ(host.steps, 1);
    ASSERT_TRUE(window.Timer1->isActive());
    window.close();
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(host.steps, 1);
}

TEST(ReplayWindow, EscapeClosesLikeCancelWithoutAStep) {
    ScriptedHost host;
    TEinzelSchritt window(host);
    window.show();
    window.GoButtonClick();
    Type(window, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(host.steps, 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1->isActive());
}
