// The export options dialog: one page per format with options, OK and "Abbruch".
#include "app/exportdialog.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "batch/batchoptions.h"

namespace {

// The pages in the order of the stack.
enum Page { kPngPage, kPdfPage, kTikzPage };

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Two choices in a framed group; the first is chosen.
QGroupBox* ChoiceGroup(const QString& title, QWidget* parent, QRadioButton* first, QRadioButton* second) {
    auto* group = new QGroupBox(title, parent);
    auto* buttons = new QButtonGroup(group);
    buttons->addButton(first);
    buttons->addButton(second);
    first->setChecked(true);
    return group;
}

}  // namespace

TExportDialog::TExportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Pages = Named(new QStackedWidget(this), "Pages");
    Pages->insertWidget(kPngPage, CreatePngPage());
    Pages->insertWidget(kPdfPage, CreatePdfPage());
    Pages->insertWidget(kTikzPage, CreateTikzPage());

    OKBtn = Named(new QPushButton(QStringLiteral("OK"), this), "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("Abbruch"), this), "CancelBtn");
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Pages);
    column->addLayout(buttons);
    // As large as its page, not resizable.
    column->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TExportDialog::CreatePngPage() {
    auto* page = new QWidget;
    PngScreenBtn = Named(new QRadioButton(QStringLiteral("Zeichenfläche, vergrößert um den Faktor"), page),
                         "PngScreenBtn");
    PngFactor = Named(new QSpinBox(page), "PngFactor");
    PngFactor->setRange(1, kMaxPngFactor);
    PngTrueScaleBtn =
        Named(new QRadioButton(QStringLiteral("300 dpi, maßstabstreu (1 Einheit = 1 cm)"), page),
              "PngTrueScaleBtn");
    PngSizeLabel = Named(new QLabel(page), "PngSizeLabel");

    QGroupBox* group = ChoiceGroup(QStringLiteral("Bildgröße"), page, PngScreenBtn, PngTrueScaleBtn);
    auto* factorRow = new QHBoxLayout;
    factorRow->addWidget(PngScreenBtn);
    factorRow->addWidget(PngFactor);
    factorRow->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(factorRow);
    layout->addWidget(PngTrueScaleBtn);
    layout->addWidget(PngSizeLabel);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(group);

    connect(PngScreenBtn, &QRadioButton::toggled, this, [this](bool on) {
        PngFactor->setEnabled(on);
        ShowPngSize();
    });
    connect(PngFactor, &QSpinBox::valueChanged, this, [this] { ShowPngSize(); });
    return page;
}

QWidget* TExportDialog::CreatePdfPage() {
    auto* page = new QWidget;
    PdfFitBtn = Named(new QRadioButton(QStringLiteral("an die Seite angepasst"), page), "PdfFitBtn");
    PdfTrueScaleBtn =
        Named(new QRadioButton(QStringLiteral("maßstabstreu (1 Einheit = 1 cm)"), page), "PdfTrueScaleBtn");
    QGroupBox* group = ChoiceGroup(QStringLiteral("Skalierung auf DIN A4"), page, PdfFitBtn, PdfTrueScaleBtn);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(PdfFitBtn);
    layout->addWidget(PdfTrueScaleBtn);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(group);
    return page;
}

QWidget* TExportDialog::CreateTikzPage() {
    auto* page = new QWidget;
    TikzNaturalBtn = Named(new QRadioButton(QStringLiteral("natürliche Größe (1 Einheit = 1 cm)"), page),
                           "TikzNaturalBtn");
    TikzWidthBtn = Named(new QRadioButton(QStringLiteral("auf die Breite skaliert:"), page), "TikzWidthBtn");
    TikzWidth = Named(new QDoubleSpinBox(page), "TikzWidth");
    // A decimal comma, as in the command language.
    TikzWidth->setLocale(QLocale(QLocale::German, QLocale::Germany));
    TikzWidth->setDecimals(1);
    TikzWidth->setRange(0.1, kMaxTikzWidth);
    TikzWidth->setValue(12);
    TikzWidth->setSuffix(QStringLiteral(" cm"));
    TikzWidth->setEnabled(false);

    QGroupBox* group = ChoiceGroup(QStringLiteral("Größe"), page, TikzNaturalBtn, TikzWidthBtn);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(TikzWidthBtn);
    widthRow->addWidget(TikzWidth);
    widthRow->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(TikzNaturalBtn);
    layout->addLayout(widthRow);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(group);

    connect(TikzWidthBtn, &QRadioButton::toggled, TikzWidth, &QWidget::setEnabled);
    return page;
}

bool TExportDialog::HasOptions(ExportFormat format) {
    return format != ExportFormat::Svg;
}

void TExportDialog::Prepare(ExportFormat format, const QSize& screen, const WorldWindow& shown) {
    format_ = format;
    screen_ = screen;
    shown_ = shown;
    QRadioButton* choice = nullptr;
    switch (format) {
        case ExportFormat::Png:
        case ExportFormat::Svg:
            Pages->setCurrentIndex(kPngPage);
            setWindowTitle(QStringLiteral("PNG-Bild exportieren"));
            choice = PngTrueScaleBtn->isChecked() ? PngTrueScaleBtn : PngScreenBtn;
            break;
        case ExportFormat::Pdf:
            Pages->setCurrentIndex(kPdfPage);
            setWindowTitle(QStringLiteral("PDF-Dokument exportieren"));
            choice = PdfTrueScaleBtn->isChecked() ? PdfTrueScaleBtn : PdfFitBtn;
            break;
        case ExportFormat::Tikz:
            Pages->setCurrentIndex(kTikzPage);
            setWindowTitle(QStringLiteral("TikZ für LaTeX exportieren"));
            choice = TikzWidthBtn->isChecked() ? TikzWidthBtn : TikzNaturalBtn;
            break;
    }
    ShowPngSize();
    // The arrow keys choose at once, and Enter takes OK.
    choice->setFocus();
}

ExportOptions TExportDialog::Options() const {
    ExportOptions options;
    options.format = format_;
    options.pngTrueScale = PngTrueScaleBtn->isChecked();
    options.pngFactor = PngFactor->value();
    options.pdfTrueScale = PdfTrueScaleBtn->isChecked();
    options.tikzWidthCm = TikzWidthBtn->isChecked() ? TikzWidth->value() : 0;
    return options;
}

void TExportDialog::ShowPngSize() {
    const std::optional<QSize> size = PngExportSize(Options(), screen_, shown_);
    const bool tooLarge = !ExportSizeAllowed(size);
    if (tooLarge)
        PngSizeLabel->setText(QStringLiteral("Das Bild wäre zu groß zum Exportieren."));
    else
        PngSizeLabel->setText(
            QStringLiteral("Bildgröße: %1 × %2 Pixel").arg(size->width()).arg(size->height()));
    OKBtn->setEnabled(format_ != ExportFormat::Png || !tooLarge);
}
