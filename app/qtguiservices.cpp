// The real modal boxes and standard dialogs behind the window's services seam.
#include "app/qtguiservices.h"

#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Box titles of the three kinds; the buttons come translated from Qt's German catalogue.
const QString kErrorTitle = QStringLiteral("Fehler");
const QString kInformationTitle = QStringLiteral("Information");
const QString kConfirmTitle = QStringLiteral("Bestätigen");

GuiServices::Answer ToAnswer(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return GuiServices::Answer::Yes;
        case QMessageBox::No:
            return GuiServices::Answer::No;
        case QMessageBox::Ok:
            return GuiServices::Answer::Ok;
        default:
            return GuiServices::Answer::Cancel;
    }
}

}  // namespace

void QtGuiServices::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kErrorTitle, text, QMessageBox::Ok);
}

void QtGuiServices::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kInformationTitle, text, QMessageBox::Ok);
}

GuiServices::Answer QtGuiServices::AskYesNoCancel(QWidget* parent, const QString& text) {
    return ToAnswer(QMessageBox::question(parent, kConfirmTitle, text,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes));
}

GuiServices::Answer QtGuiServices::AskOkCancel(QWidget* parent, const QString& text) {
    return ToAnswer(QMessageBox::question(parent, kConfirmTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                                          QMessageBox::Ok));
}

GuiServices::Answer QtGuiServices::AskYesNo(QWidget* parent, const QString& text) {
    const Answer answer = ToAnswer(QMessageBox::question(
        parent, kConfirmTitle, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes));
    return answer == Answer::Yes ? Answer::Yes : Answer::No;
}

QString QtGuiServices::GetOpenFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Öffnen"), QString(),
                                        QStringLiteral("Konstruktion (*.con);;Alle Dateien (*)"));
}

QString QtGuiServices::GetSaveFileName(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Speichern unter"), QString(),
                       QStringLiteral("Konstruktion (*.con)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without extension gets ".con".
    dialog.setDefaultSuffix(QStringLiteral("con"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtGuiServices::GetExportFileName(QWidget* parent, const QString& suggestion,
                                         const QStringList& filters, QString& filter) {
    QFileDialog dialog(parent, QStringLiteral("Exportieren"), suggestion);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filter);
    // The window adds the extension of the chosen filter itself.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

std::optional<QFont> QtGuiServices::ChooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Schriftart"));
    if (!ok) return std::nullopt;
    return font;
}

bool QtGuiServices::ExecPrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtGuiServices::ExecDialog(QDialog& dialog) {
    return dialog.exec();
}
