#include "app/aboutbox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Lineato"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<b>Lineato</b>"), this);
    name->setObjectName(QStringLiteral("programName"));
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("Version 1.0"), this));
    layout->addWidget(new QLabel(
        QStringLiteral("Konstruktionen mit Zirkel und Lineal, gesteuert durch eine kleine Befehlssprache."),
        this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
