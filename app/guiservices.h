// The window's seam to the user's modal answers: message boxes and the standard dialogs.
// The program uses QtGuiServices; tests put a recorder with scripted answers in its place, so that no
// modal box ever blocks a test.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

class GuiServices {
public:
    enum class Answer { Yes, No, Cancel, Ok };

    virtual ~GuiServices() = default;
    // Modal boxes with one OK button: error kind and information kind.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
    // Confirmation box with Yes, No and Cancel; closing the box answers Cancel.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // Confirmation box with OK and Cancel; closing the box answers Cancel.
    virtual Answer AskOkCancel(QWidget* parent, const QString& text) = 0;
    // Confirmation box with Yes and No; closing the box answers No.
    virtual Answer AskYesNo(QWidget* parent, const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString GetOpenFileName(QWidget* parent) = 0;
    virtual QString GetSaveFileName(QWidget* parent) = 0;
    // The export's save dialog with filters, starting at suggestion with filter chosen; filter is set
    // to the filter the user chose. Empty when cancelled.
    virtual QString GetExportFileName(QWidget* parent, const QString& suggestion, const QStringList& filters,
                                      QString& filter) = 0;
    // Font dialog starting at initial; nullopt when cancelled.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
    // Print dialog on printer; false when cancelled.
    virtual bool ExecPrintDialog(QWidget* parent, QPrinter& printer) = 0;
    // Runs one of the program's own modal dialogs (editor, options, replay) and returns its result
    // code (QDialog::Accepted or Rejected). Tests drive the dialog instead of blocking.
    virtual int ExecDialog(QDialog& dialog) = 0;
};
