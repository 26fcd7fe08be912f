// TOptionenDialog: the modal options dialog for display, command list, axis range and print options.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <memory>
#include <optional>

#include "document/settings.h"

class GuiServices;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabBar;
class TParser;

// What the dialog reads and changes in the window that opens it. The main window adapts itself to this;
// tests use a fake.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    virtual Settings& Options() = 0;
    virtual TParser& Parser() = 0;
    virtual GuiServices& Services() = 0;
    virtual QWidget* Window() = 0;  // parent of the dialog's message boxes
    virtual void ShowToolbar(bool visible) = 0;
    virtual QFont ListFont() const = 0;
    virtual void SetListFont(const QFont& font) = 0;
    virtual int ListWidth() const = 0;  // the command list's width in pixels
    virtual void SetListWidth(int pixels) = 0;
};

// A window bound as the bound fields show it: one decimal, "." as separator, cut to 15 characters.
QString FormatBound(double value);
// A bound field's text read as far as it forms a decimal number with "." or "," as separator, after
// leading blanks; a text without such a beginning, or one beyond the range of finite numbers, reads as 0.
double ReadBound(const QString& text);

class TOptionenDialog : public QDialog {
    Q_OBJECT

public:
    explicit TOptionenDialog(std::unique_ptr<OptionsHost> host, QWidget* parent = nullptr);
    ~TOptionenDialog() override;

    // Every way of ending the dialog (OK, "Abbruch", Escape, the close box) comes through here.
    void done(int result) override;

    QTabBar* TabSet = nullptr;
    QStackedWidget* Notebook = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    // Page "Allgemein".
    QCheckBox* ToolbarBtn = nullptr;
    QRadioButton* StatusBtn = nullptr;
    QRadioButton* DialogBtn = nullptr;
    QPushButton* Button1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    // Page "Achsenkreuz".
    QRadioButton* AutoSkalBtn = nullptr;
    QRadioButton* FixedSkalBtn = nullptr;
    QLineEdit* xmin = nullptr;
    QLineEdit* xmax = nullptr;
    QLineEdit* ymin = nullptr;
    QLineEdit* ymax = nullptr;
    // Page "Drucken".
    QRadioButton* RBschwarzweiss = nullptr;
    QRadioButton* RBfarbig = nullptr;
    QCheckBox* CBRahmen = nullptr;
    QCheckBox* Listing = nullptr;
    QCheckBox* CBBeschreibung = nullptr;  // the construction description below the drawing
    QRadioButton* RBauto = nullptr;
    QRadioButton* RBmasstab = nullptr;
    QCheckBox* CBdoppelt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateGeneralPage();
    QWidget* CreateAxesPage();
    QWidget* CreatePrintPage();
    void FormCreate();
    void FormShow();
    void TabSetClick(int index);
    void ToolbarBtnClick(bool checked);
    void StatusBtnClick();
    void Button1Click();
    void SpinEdit1Change(int value);
    void AutoSkalBtnClick();
    void FixedSkalBtnClick();
    void SetBoundFieldsEnabled(bool enabled);
    void ApplyOnOk();
    void RestoreOnCancel();

    std::unique_ptr<OptionsHost> host_;
    // State of one opening, set by FormShow.
    std::optional<QFont> SavedListFont;
    int SavedListWidth = 0;
    bool SavedToolbarVisible = true;
    bool ScaleModeChanged = false;

    bool filling_ = false;  // FormShow is setting the controls: the immediate handlers stay quiet
    bool shownBefore_ = false;
};
