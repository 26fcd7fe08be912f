// A GuiServices recorder for the replay and printing tests: boxes are recorded, modal dialogs and the
// print dialog run scripts instead of blocking.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <vector>

#include "app/guiservices.h"

class ScriptedServices : public GuiServices {
public:
    void ShowError(QWidget*, const QString& text) override {
        errors.push_back(text);
        if (onError) onError();
    }
    void ShowInformation(QWidget*, const QString& text) override { information.push_back(text); }
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    Answer AskOkCancel(QWidget*, const QString&) override { return Answer::Cancel; }
    Answer AskYesNo(QWidget*, const QString&) override { return Answer::No; }
    QString GetOpenFileName(QWidget*) override { return {}; }
    QString GetSaveFileName(QWidget*) override { return {}; }
    QString GetExportFileName(QWidget*, const QString&, const QStringList&, QString&) override { return {}; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    bool ExecPrintDialog(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        return printDialog ? printDialog(printer) : false;
    }
    // Shows the dialog as exec would, runs the script, and notes whether the script closed it.
    int ExecDialog(QDialog& dialog) override {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (dialogScript) dialogScript(dialog);
        closedByScript = !dialog.isVisible();
        dialog.hide();
        return dialog.result();
    }

    std::vector<QString> errors;
    std::vector<QString> information;
    std::function<void()> onError;
    std::function<bool(QPrinter&)> printDialog;
    std::function<void(QDialog&)> dialogScript;
    int printDialogs = 0;
    bool closedByScript = false;
};
