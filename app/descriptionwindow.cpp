// The construction description window, and the menu entry of the main window that opens it.
#include "app/descriptionwindow.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/mainform.h"
#include "app/placement.h"
#include "describe/description.h"

TBeschreibungForm::TBeschreibungForm(const ConstructionDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("Beschreibung"));
    setWindowTitle(QStringLiteral("Konstruktionsbeschreibung"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    SelectAllBtn = new QPushButton(QStringLiteral("Alles markieren"), this);
    CopyBtn = new QPushButton(QStringLiteral("Kopieren"), this);
    CloseBtn = new QPushButton(QStringLiteral("Schließen"), this);
    connect(SelectAllBtn, &QPushButton::clicked, this, [this] {
        Memo->selectAll();
        Memo->setFocus();
    });
    connect(CopyBtn, &QPushButton::clicked, Memo, &QPlainTextEdit::copy);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SelectAllBtn);
    buttons->addWidget(CopyBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo, 1);
    layout->addLayout(buttons);
    resize(520, 360);
}

void TBeschreibungForm::DocumentChanged() {
    // A rebuild notifies line by line; the text is made once after the run, and only while shown.
    if (pending_ || !isVisible()) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        Refresh();
    });
}

void TBeschreibungForm::Refresh() {
    const QString text = QString::fromUtf8(DescriptionUtf8(DescribeConstruction(document_)));
    if (text == Memo->toPlainText()) return;
    // A view at the end stays at the end, where new steps appear; otherwise it stays where it was.
    QScrollBar* bar = Memo->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const int position = bar->value();
    Memo->setPlainText(text);
    bar->setValue(atEnd ? bar->maximum() : position);
}

void TBeschreibungForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    if (event->spontaneous() || shownBefore_) return;
    shownBefore_ = true;
    CentreOnScreen(*this);
}

void TMainForm::Konstruktionsbeschreibung1Click() {
    if (Beschreibung == nullptr) Beschreibung = new TBeschreibungForm(*Document, this);
    Beschreibung->show();
    Beschreibung->raise();
    Beschreibung->activateWindow();
}
