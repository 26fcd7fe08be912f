// The real modal boxes and standard dialogs of Qt behind the GuiServices seam.
#pragma once

#include "app/guiservices.h"

class QtGuiServices : public GuiServices {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& text) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    Answer AskOkCancel(QWidget* parent, const QString& text) override;
    Answer AskYesNo(QWidget* parent, const QString& text) override;
    QString GetOpenFileName(QWidget* parent) override;
    QString GetSaveFileName(QWidget* parent) override;
    QString GetExportFileName(QWidget* parent, const QString& suggestion, const QStringList& filters,
                              QString& filter) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    bool ExecPrintDialog(QWidget* parent, QPrinter& printer) override;
    int ExecDialog(QDialog& dialog) override;
};
