// The main window's command line, view commands, help and closing.
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolBar>

#include "app/aboutbox.h"
#include "app/guiservices.h"
#include "app/helpwindow.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtext.h"
#include "document/commandhistory.h"
#include "document/recovery.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"

namespace {

// Searched in this order; the earlier of two entries that begin alike wins.
constexpr const char* kCompletionTable[] = {
    "Strecke ",
    "Strahl ",
    "Senkrechte ",
    "Punkt ",
    "Gerade ",
    "Farbe ",
    "Winkel ",
    "Wert ",
    "Kreis ",
    "Parallele ",
    "Polygon ",
    "Bezeichne ",
    "Bezeichne Schnittpunkt ",
    "Bezeichne Winkel ",
    "Lösche ",
    "Lösche Bezeichnung ",
    "Mittelpunkt ",
};
constexpr int kCompletionCompareLength = 12;

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Equal when equally long and equal character by character, ASCII letters without case.
bool SameText(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QChar x = a[i];
        const QChar y = b[i];
        if (x == y) continue;
        if (!IsAsciiLetter(x) || !IsAsciiLetter(y) || x.toUpper() != y.toUpper()) return false;
    }
    return true;
}

}  // namespace

QString CompleteCommandWord(const QString& text) {
    if (text.isEmpty()) return text;
    for (const char* entry : kCompletionTable) {
        const QString word = QString::fromUtf8(entry);
        if (SameText(word.left(text.size()).left(kCompletionCompareLength), text)) return word;
    }
    return text;
}

void TMainForm::OkButtonClick() {
    const QString text = Edit->text();
    if (text.isEmpty()) return;
    const std::string line = QStringToCp1252(text);
    // Accepted or not, the line can be brought back with the arrow keys.
    history_->Add(line);
    // The list shows what was executed: characters outside Windows-1252 became "?".
    if (!Document->AppendTyped(line)) return;
    ListBox->scrollToBottom();
    Edit->clear();
}

void TMainForm::CancelButtonClick() {
    Edit->clear();
    history_->Leave();
}

void TMainForm::InsertClick(const QString& text) {
    Edit->setText(text);
    Edit->end(false);
}

bool TMainForm::EditKeyDown(int key) {
    switch (key) {
        case Qt::Key_Escape:
            Edit->clear();
            history_->Leave();
            return true;
        case Qt::Key_Up:
            if (const auto line = history_->Back(QStringToCp1252(Edit->text())))
                Edit->setText(Cp1252ToQString(*line));
            return true;
        case Qt::Key_Down:
            if (const auto line = history_->Forward()) Edit->setText(Cp1252ToQString(*line));
            return true;
        case Qt::Key_F1:
            if (!Edit->text().isEmpty()) {
                Edit->setText(CompleteCommandWord(Edit->text()));
                Edit->end(false);
            }
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OkButtonClick();
            return true;
        default:
            return false;
    }
}

void TMainForm::PaintBoxMouseMove(int x, int y) {
    if (Document->LiveEditing()) return;
    PaintBoxHover(x, y);
    TPunkt* object = Document->Parser().Objects.FindAt(x, y);
    if (object != nullptr) Panel1->setText(Cp1252ToQString(object->Describe()));
}

void TMainForm::Neuzeichnen1Click() {
    Document->Parser().ClearAndShowAxes();
    Document->Parser().AutoScale();
}

void TMainForm::Achsenkreuz1Click() {
    if (Document->Parser().Axes.Visible) {
        Document->Parser().Axes.Visible = false;
        Document->Parser().HideAxes();
    } else {
        Document->Parser().Axes.Visible = true;
        Document->Parser().ShowAxes();
    }
    axesAction_->setChecked(Document->Parser().Axes.Visible);
}

void TMainForm::FarbeClick() {
    SetColorMode(!Drawing().ColorMode);
    colourAction_->setChecked(Drawing().ColorMode);
    PaintBox->Repaint();
}

void TMainForm::HelpContents() {
    ShowHelpContents(this);
}

void TMainForm::HelpHowToUse() {
    ShowHelpHowToUse(this);
}

void TMainForm::HelpAbout() {
    services_.ExecDialog(*aboutBox_);
}

void TMainForm::FileExit() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* e) {
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

bool TMainForm::FormCloseQuery() {
    if (!Document->Modified()) return true;
    const QString question = QString::fromUtf8("Konstruktions wurde verändert.") + QStringLiteral("\n\r") +
                             QStringLiteral("Speichern?");
    switch (services_.AskYesNoCancel(this, question)) {
        case GuiServices::Answer::No:
            return true;
        case GuiServices::Answer::Yes:
            // A save that was cancelled or failed must not lose the construction.
            return SaveConstruction();
        default:
            return false;
    }
}

void TMainForm::FormClose() {
    // A normal end: nothing to recover at the next start.
    recovery_.reset();
    if (!SaveSettings(QFile::encodeName(settingsPath_).toStdString(), Options))
        services_.ShowError(this, QString::fromUtf8(kSettingsWriteError));
}
