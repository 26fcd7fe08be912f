// The construction editor dialog: a text field with the lines, OK and Cancel.
#include "app/editorform.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/placement.h"

TEditorForm::TEditorForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lineato-Editor"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setFrameShadow(QFrame::Sunken);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setMinimumSize(316, 340);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Memo, 1);
    layout->addLayout(buttons);
    setFixedSize(452, 373);  // a fixed dialog border
    // Tab moves on to the buttons instead of typing a tab into a command line.
    Memo->setTabChangesFocus(true);
}

void TEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // un-minimising is no new opening
    if (!shownBefore_) {
        // Once moved, the dialog keeps its place between showings, wherever the user left it.
        shownBefore_ = true;
        CentreOnScreen(*this);
    }
    OKBtn->setFocus();
}
