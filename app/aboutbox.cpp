// The information box: program name, version and maker.
#include "app/aboutbox.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

#include "generated/buildinfo.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Lineato"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setContentsMargins(24, 16, 24, 12);

    auto* name = new QLabel(QStringLiteral("Lineato"), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kLineatoVersion), this);
    auto* what =
        new QLabel(QStringLiteral("Konstruktionen mit Zirkel und Lineal für den Geometrieunterricht,\n"
                                  "gesteuert durch eine kleine deutsche Befehlssprache."),
                   this);
    for (QLabel* label : {name, version, what}) {
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
