// The options dialog against a fake window: what acts at once, what OK applies and what Abbruch restores.
#include "app/optionsdialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "tests/support/parserfixture.h"

namespace {

class RecordingServices : public GuiServices {
public:
    void ShowError(QWidget*, const QString& text) override { errors.push_back(text); }
    void ShowInformation(QWidget*, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::Cancel; }
    Answer AskOkCancel(QWidget*, const QString&) override { return Answer::Cancel; }
    Answer AskYesNo(QWidget*, const QString&) override { return Answer::No; }
    QString GetOpenFileName(QWidget*) override { return {}; }
    QString GetSaveFileName(QWidget*) override { return {}; }
    QString GetExportFileName(QWidget*, const QString&, const QStringList&, QString&) override { return {}; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont& initial) override {
        fontDialogStarts.push_back(initial);
        return fontAnswer;
    }
    bool ExecPrintDialog(QWidget*, QPrinter&) override { return false; }
    int ExecDialog(QDialog& dialog) override { return driver ? driver(dialog) : 0; }

    std::vector<QString> errors;
    std::vector<QFont> fontDialogStarts;
    std::optional<QFont> fontAnswer;
    std::function<int(QDialog&)> driver;  // plays the user of a modal dialog
};

class FakeWindow : public OptionsHost {
public:
    FakeWindow(TParser& parser, RecordingServices& services) : parser_(parser), services_(services) {}
    Settings& Options() override { return settings; }
    TParser& Parser() override { return parser_; }
    GuiServices& Services() override { return services_; }
    QWidget* Window() override { return nullptr; }
    void ShowToolbar(bool visible) override { toolbarShown = visible; }
    QFont ListFont() const override { return listFont; }
    void SetListFont(const QFont& font) override { listFont = font; }
    int ListWidth() const override { return listWidth; }
    void SetListWidth(int pixels) override {
        listWidth = pixels;
        widthsSet.push_back(pixels);
    }

    Settings settings;
    bool toolbarShown = true;
    QFont listFont{QStringLiteral("Sans"), 8};
    int listWidth = 130;
    std::vector<int> widthsSet;

private:
    TParser& parser_;
    RecordingServices& services_;
};

class OptionsDialogTest : public ParserTest {
protected:
    OptionsDialogTest() {
        auto host = std::make_unique<FakeWindow>(parser, services);
        window = host.get();
        dialog = std::make_unique<TOptionenDialog>(std::move(host));
    }
    void Open() {
        dialog->show();
        ASSERT_TRUE(dialog->isVisible());
    }
    void Ok() { dialog->OKBtn->click(); }
    void Cancel() { dialog->CancelBtn->click(); }
    void SetBounds(const char* x0, const char* x1, const char* y0, const char* y1) {
        dialog->xmin->setText(QString::fromLatin1(x0));
        dialog->xmax->setText(QString::fromLatin1(x1));
        dialog->ymin->setText(QString::fromLatin1(y0));
        dialog->ymax->setText(QString::fromLatin1(y1));
    }

    RecordingServices services;
    FakeWindow* window = nullptr;
    std::unique_ptr<TOptionenDialog> dialog;
};

}  // namespace

TEST(OptionsDialogFormat, BoundsAreShownWithOneDecimalAndReadAsFarAsTheyAreNumbers) {
    EXPECT_EQ(FormatBound(-6), "-6.0");
    EXPECT_EQ(FormatBound(12.345), "12.3");
    EXPECT_EQ(FormatBound(1e20).size(), 15);
    EXPECT_EQ(ReadBound(" -3.25"), -3.25);
    EXPECT_EQ(ReadBound("12.5abc"), 12.5);
    EXPECT_EQ(ReadBound(".5"), 0.5);
    EXPECT_EQ(ReadBound("2e3x"), 2000);
    EXPECT_EQ(ReadBound("7e"), 7);
    // A decimal comma as in the command language; a second separator ends the number.
    EXPECT_EQ(ReadBound("2,5"), 2.5);
    EXPECT_EQ(ReadBound("-0,25x"), -0.25);
    EXPECT_EQ(ReadBound("1,5,5"), 1.5);
    // No number at all, or none a window can hold: 0.
    for (const char* text : {"", "abc", "-", ".", ",", "nan", "inf", "1e999", "-1e400"})
        EXPECT_EQ(ReadBound(QString::fromLatin1(text)), 0) << text;
}

TEST_F(OptionsDialogTest, OpeningShowsTheStateWithoutChangingIt) {
    window->settings.ValueInStatusLine = true;
    window->settings.PrintFixedScale = true;
    window->settings.PrintFrame = false;
    window->listWidth = 135;
    const Settings before = window->settings;
    Open();

    EXPECT_EQ(dialog->Notebook->currentIndex(), 0);
    EXPECT_EQ(dialog->focusWidget(), dialog->OKBtn);
    dialog->TabSet->setCurrentIndex(1);
    EXPECT_EQ(dialog->Notebook->currentIndex(), 1);

    EXPECT_TRUE(dialog->ToolbarBtn->isChecked());
    EXPECT_TRUE(dialog->StatusBtn->isChecked());
    EXPECT_TRUE(dialog->RBmasstab->isChecked());
    EXPECT_TRUE(dialog->RBschwarzweiss->isChecked());
    EXPECT_FALSE(dialog->CBRahmen->isChecked());
    EXPECT_TRUE(dialog->AutoSkalBtn->isChecked());
    EXPECT_EQ(dialog->xmin->text(), FormatBound(Drawing().XMin));
    EXPECT_EQ(dialog->ymax->text(), FormatBound(Drawing().YMax));
    EXPECT_FALSE(dialog->xmin->isEnabled());
    EXPECT_EQ(dialog->SpinEdit1->value(), 13);
    EXPECT_EQ(window->settings, before);
    EXPECT_EQ(window->listWidth, 135);  // showing 13 does not cut the width to 130
    EXPECT_TRUE(window->widthsSet.empty());

    dialog->FixedSkalBtn->click();
    EXPECT_TRUE(dialog->ymax->isEnabled());
    Cancel();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(parser.AutoScaling);
    EXPECT_EQ(dialog->Notebook->currentIndex(), 1);  // the page stays for the next opening
}

TEST_F(OptionsDialogTest, ToolbarAndValueDisplayActAtOnceAndOnlyTheToolbarIsRestored) {
    Open();
    dialog->ToolbarBtn->click();
    EXPECT_FALSE(window->toolbarShown);
    EXPECT_FALSE(window->settings.ToolbarVisible);
    dialog->StatusBtn->click();
    EXPECT_TRUE(window->settings.ValueInStatusLine);
    dialog->DialogBtn->click();
    EXPECT_FALSE(window->settings.ValueInStatusLine);
    dialog->StatusBtn->click();
    Cancel();
    EXPECT_TRUE(window->toolbarShown);
    EXPECT_TRUE(window->settings.ToolbarVisible);
    EXPECT_TRUE(window->settings.ValueInStatusLine);  // chosen in the dialog, not undone

    Open();
    dialog->ToolbarBtn->click();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->toolbarShown);

    Open();
    dialog->ToolbarBtn->click();
    Ok();
    EXPECT_FALSE(window->toolbarShown);
    EXPECT_FALSE(window->settings.ToolbarVisible);
}

TEST_F(OptionsDialogTest, ListFontAndWidthChangeAtOnceAndAbbruchPutsThemBack) {
    window->listWidth = 100;
    const QFont original = window->listFont;
    Open();
    for (int step = 1; step <= 25; ++step)
        dialog->SpinEdit1->stepUp();
    EXPECT_EQ(window->widthsSet.size(), 20u);
    EXPECT_EQ(window->widthsSet.front(), 110);
    EXPECT_EQ(window->listWidth, 300);

    const QFont chosen(QStringLiteral("Serif"), 14);
    services.fontAnswer = chosen;
    dialog->Button1->click();
    EXPECT_EQ(window->listFont, chosen);
    // The font dialog starts from the font of the opening, and cancelling it returns to that font.
    services.fontAnswer.reset();
    dialog->Button1->click();
    ASSERT_EQ(services.fontDialogStarts.size(), 2u);
    EXPECT_EQ(services.fontDialogStarts[1], original);
    EXPECT_EQ(window->listFont, original);

    services.fontAnswer = chosen;
    dialog->Button1->click();
    Cancel();
    EXPECT_EQ(window->listFont, original);
    EXPECT_EQ(window->listWidth, 100);

    Open();
    dialog->SpinEdit1->stepUp();
    dialog->Button1->click();
    Ok();
    EXPECT_EQ(window->listFont, chosen);
    EXPECT_EQ(window->listWidth, 110);
}

TEST_F(OptionsDialogTest, PrintChoicesTakeEffectOnlyWithOk) {
    const Settings before = window->settings;
    Open();
    dialog->RBfarbig->click();
    dialog->RBmasstab->click();
    dialog->CBdoppelt->click();
    dialog->Listing->click();
    dialog->CBRahmen->click();
    EXPECT_EQ(window->settings, before);
    Cancel();
    EXPECT_EQ(window->settings, before);

    Open();
    EXPECT_TRUE(dialog->RBschwarzweiss->isChecked());  // the discarded choices are not shown again
    dialog->RBfarbig->click();
    dialog->RBmasstab->click();
    dialog->CBdoppelt->click();
    dialog->Listing->click();
    dialog->CBRahmen->click();
    Ok();
    Settings expected = before;
    expected.PrintColour = expected.PrintFixedScale = expected.PrintDoubleWidth = true;
    expected.PrintCommandList = true;
    expected.PrintFrame = false;
    EXPECT_EQ(window->settings, expected);
}

TEST_F(OptionsDialogTest, FixedBoundsAreStoredAndScaleModeChangesRefit) {
    ASSERT_TRUE(Run({"PUNKT A 20 20"}));
    parser.AutoScaling = false;
    SetWorldWindow(-6, -5, 6, 5);
    canvas.ops.clear();

    // "fest" kept, bounds edited (a decimal comma among them): the chosen window at once, fitted to the
    // drawing area, drawn with the next repaint only.
    Open();
    EXPECT_TRUE(dialog->xmin->isEnabled());
    SetBounds("-10", "10,5", "-2", "8");
    Ok();
    EXPECT_EQ(Drawing().ChosenWindow, (WorldWindow{-10, -2, 10.5, 8}));
    EXPECT_EQ(Drawing().XMin, -10);
    EXPECT_EQ(Drawing().XMax, 10.5);
    EXPECT_TRUE(canvas.ops.empty());
    EXPECT_TRUE(services.errors.empty());

    // "fest" -> "automatisch skalieren": cleared and refitted to the objects at once.
    Open();
    dialog->AutoSkalBtn->click();
    EXPECT_FALSE(dialog->xmin->isEnabled());
    Ok();
    EXPECT_TRUE(parser.AutoScaling);
    EXPECT_GE(Drawing().XMax, 21);
    EXPECT_GE(Drawing().YMax, 21);
    EXPECT_FALSE(canvas.ops.empty());
}

TEST_F(OptionsDialogTest, BoundsWithoutWidthOrHeightShowTheErrorOnceAndNeverReachTheTransform) {
    ASSERT_TRUE(Run({"PUNKT A 1 1", "PUNKT B 3 2", "GERADE g A B", "KREIS k A 2"}));
    parser.ShowAxes();
    const double xscale = Drawing().XScale;

    struct Case {
        const char *x0, *x1, *y0, *y1;
    };
    for (const Case& c : {Case{"0.0", "0.5", "0", "1"}, Case{"3", "3", "-5", "5"},
                          Case{"abc", "xyz", "1", "1"}, Case{"5", "-5", "2", "-2"}}) {
        services.errors.clear();
        Open();
        dialog->FixedSkalBtn->click();
        SetBounds(c.x0, c.x1, c.y0, c.y1);
        Ok();
        EXPECT_FALSE(dialog->isVisible());
        ASSERT_EQ(services.errors.size(), 1u) << c.x0;
        EXPECT_EQ(services.errors[0], "Ungültiger Wert!");

        canvas.ops.clear();
        parser.Redraw();
        const DrawState& state = Drawing();
        EXPECT_TRUE(std::isfinite(state.XScale) && state.XScale > 0) << c.x0;
        EXPECT_TRUE(std::isfinite(state.YScale) && state.YScale > 0) << c.x0;
        for (const RecordedOp& op : canvas.ops)
            for (int v : {op.x1, op.y1, op.x2, op.y2})
                EXPECT_LE(std::abs(v), kDeviceLimit) << c.x0;
        EXPECT_FALSE(canvas.ops.empty());
    }
    // The one valid but narrow window did take effect; the degenerate ones kept a usable transform.
    EXPECT_NE(Drawing().XScale, xscale);
}

TEST(OptionsDialogInWindow, TheMenuEntryOpensOneDialogActingOnTheWindow) {
    DrawStateGuard guard;
    QTemporaryDir dir;
    RecordingServices services;
    TMainForm form(services, dir.filePath(QStringLiteral("LINEATO.INI")));
    form.show();
    const int width = form.Splitter1->sizes().front();

    services.driver = [](QDialog& shown) {
        auto& options = dynamic_cast<TOptionenDialog&>(shown);
        options.show();
        options.ToolbarBtn->click();
        options.SpinEdit1->stepUp();
        options.StatusBtn->click();
        options.OKBtn->click();
        return options.result();
    };
    form.OptionenClick();
    ASSERT_NE(form.OptionenDialog, nullptr);
    EXPECT_EQ(form.OptionenDialog->parent(), &form);
    EXPECT_FALSE(form.SpeedBar->isVisible());
    EXPECT_FALSE(form.Options.ToolbarVisible);
    EXPECT_TRUE(form.Options.ValueInStatusLine);
    EXPECT_EQ(form.Splitter1->sizes().front(), (width / 10 + 1) * 10);

    // Created once: the next opening reuses it.
    TOptionenDialog* first = form.OptionenDialog;
    services.driver = nullptr;
    form.OptionenClick();
    EXPECT_EQ(form.OptionenDialog, first);
}
