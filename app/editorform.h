// TEditorForm: the construction editor, a modal dialog with the whole command list as text.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TEditorForm : public QDialog {
    Q_OBJECT

public:
    explicit TEditorForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    // Centred on the screen the first time; later it opens where it was last.
    void showEvent(QShowEvent* event) override;

private:
    bool shownBefore_ = false;
};
