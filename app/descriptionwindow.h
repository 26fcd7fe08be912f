// TBeschreibungForm: the construction description in a window of its own beside the main window; it
// follows the construction as it changes.
#pragma once

#include <QWidget>

class ConstructionDocument;
class QPlainTextEdit;
class QPushButton;

class TBeschreibungForm : public QWidget {
    Q_OBJECT

public:
    // document must outlive the window; parent is the main window, which the window stays above.
    TBeschreibungForm(const ConstructionDocument& document, QWidget* parent);

    QPlainTextEdit* Memo = nullptr;  // read-only, selectable and copyable
    QPushButton* SelectAllBtn = nullptr;
    QPushButton* CopyBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

    // The document changed: the text follows soon, once for a run of changes, while the window is shown.
    void DocumentChanged();
    // The text made anew from the document now.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ConstructionDocument& document_;
    bool pending_ = false;
    bool shownBefore_ = false;
};
