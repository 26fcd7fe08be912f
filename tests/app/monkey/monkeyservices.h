// The monkey's answers to every modal question of the window: boxes are recorded, file dialogs name
// files the monkey keeps in its directory, and the program's own dialogs are driven by a script.
#pragma once

#include <QDialog>
#include <QDir>
#include <QPrinter>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/guiservices.h"
#include "tests/app/monkey/monkeyrandom.h"

class MonkeyServices : public GuiServices {
public:
    MonkeyServices(MonkeyRandom& random, const QString& directory) : random_(random), directory_(directory) {}

    void ShowError(QWidget*, const QString& text) override {
        errors.append(text);
        if (text.isEmpty()) emptyBoxes++;
    }
    void ShowInformation(QWidget*, const QString& text) override {
        information.append(text);
        if (text.isEmpty()) emptyBoxes++;
    }
    Answer AskYesNoCancel(QWidget*, const QString&) override {
        const int roll = random_.Below(3);
        return roll == 0 ? Answer::Yes : roll == 1 ? Answer::No : Answer::Cancel;
    }
    Answer AskYesNo(QWidget*, const QString&) override {
        return random_.Percent(50) ? Answer::Yes : Answer::No;
    }
    Answer AskOkCancel(QWidget*, const QString&) override {
        return random_.Percent(75) ? Answer::Ok : Answer::Cancel;
    }
    QString GetOpenFileName(QWidget*) override {
        const int roll = random_.Below(100);
        if (roll < 10) return {};
        if (roll < 70 && !written.isEmpty()) return written[random_.Below(static_cast<int>(written.size()))];
        if (roll < 80) return directory_.filePath(QStringLiteral("fehlt.con"));
        if (roll < 85) return directory_.path();                  // a directory
        return directory_.filePath(QStringLiteral("fremd.con"));  // the monkey's own bytes
    }
    QString GetSaveFileName(QWidget*) override {
        const int roll = random_.Below(100);
        if (roll < 10) return {};
        if (roll < 15) return directory_.path();  // cannot be written
        if (roll < 20) return directory_.filePath(QStringLiteral("fehlt/neu.con"));
        if (roll < 50 && !written.isEmpty()) return written[random_.Below(static_cast<int>(written.size()))];
        return directory_.filePath(QStringLiteral("k%1.con").arg(random_.Below(6)));
    }
    QString GetExportFileName(QWidget*, const QString&, const QStringList& filters,
                              QString& filter) override {
        if (random_.Percent(10) || filters.isEmpty()) return {};
        filter = filters[random_.Below(static_cast<int>(filters.size()))];
        if (random_.Percent(10)) return directory_.path();  // cannot be written
        // Without a suffix now and then: the chosen filter gives it.
        const char* const names[] = {"bild", "bild.png", "bild.svg", "bild.pdf", "bild.tex"};
        exported = directory_.filePath(QString::fromUtf8(names[random_.Below(5)]));
        return exported;
    }
    std::optional<QFont> ChooseFont(QWidget*, const QFont& initial) override {
        if (random_.Percent(40)) return std::nullopt;
        QFont font = initial;
        font.setPointSize(random_.Between(4, 30));
        font.setBold(random_.Percent(50));
        return font;
    }
    bool ExecPrintDialog(QWidget*, QPrinter& printer) override {
        if (random_.Percent(25)) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(directory_.filePath(QStringLiteral("druck.pdf")));
        printer.setCopyCount(random_.Between(1, 2));
        printed = true;
        return true;
    }
    int ExecDialog(QDialog& dialog) override {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (script) script(dialog);
        dialog.hide();
        return dialog.result();
    }

    QStringList errors;
    QStringList information;
    int emptyBoxes = 0;
    QStringList written;  // files the window has written, for opening them again
    bool printed = false;
    QString exported;  // the last export file name answered  // the last print dialog was answered with a PDF
                       // file
    std::function<void(QDialog&)> script;

private:
    MonkeyRandom& random_;
    QDir directory_;
};
