// TEinzelSchritt: the small modal window of the single-step replay, by hand or timed.
#pragma once

#include <QDialog>
#include <QRect>
#include <memory>

class QScrollBar;
class QTimer;
class QToolButton;
class QWidget;

// What the replay window needs from the window that runs the replay.
class ReplayHost {
public:
    virtual ~ReplayHost() = default;
    // Executes the next line; false when the replay has to end.
    virtual bool ReplayStep() = 0;
    // The host's outer geometry on the screen, for placing the replay window over its top right corner.
    virtual QRect HostFrameGeometry() const = 0;
};

class TEinzelSchritt : public QDialog {
    Q_OBJECT

public:
    // host is not owned and must outlive the window.
    TEinzelSchritt(ReplayHost& host, QWidget* parent = nullptr);
    // The same, owning its host.
    TEinzelSchritt(std::unique_ptr<ReplayHost> host, QWidget* parent = nullptr);
    ~TEinzelSchritt() override;

    // Outer heights of the window in its two states, button row only and with the speed row, for a
    // frame whose caption and borders take kCaptionAllowance pixels; the client area is that much less.
    static constexpr int kSingleStepHeight = 60;
    static constexpr int kAutomaticHeight = 90;
    static constexpr int kCaptionAllowance = 27;
    static constexpr int kWidth = 120;

    QWidget* Panel1;
    QToolButton* SchrittButton;
    QToolButton* GoButton;
    QToolButton* CancelButton;
    QWidget* Panel2;
    QScrollBar* VeloBar;
    QTimer* Timer1;

    // Placement and reset; runs at creation and each time the window is shown.
    void FormCreate();
    void SchrittButtonClick();
    void GoButtonClick();
    void Timer1Timer();
    void VeloBarChange();
    void CancelButtonClick();

    // Ending by any way (Cancel, close box, the last step) switches the timer off first.
    void done(int result) override;

protected:
    // Hints of the buttons go on to the main window's status line.
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Every typed character acts like the step button; Escape acts like Cancel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Build();

    std::unique_ptr<ReplayHost> ownedHost_;
    ReplayHost* host_;  // not owned (unless ownedHost_ holds it)
};
