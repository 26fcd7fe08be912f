// The options dialog: immediate controls, OK applies the rest, Cancel restores the immediate ones.
#include "app/optionsdialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "app/guiservices.h"
#include "app/placement.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "parser/tparser.h"

namespace {

constexpr int kClientWidth = 352;
constexpr int kClientHeight = 230;
constexpr int kPageWidth = 267;
constexpr int kPageHeight = 209;
constexpr int kTabHeight = 21;
constexpr int kMinListSpin = 10;  // the spin counts tens of pixels
constexpr int kMaxListSpin = 30;
constexpr int kMaxBoundText = 15;

const QString kInvalidValue = QStringLiteral("Ungültiger Wert!");

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(const std::string& text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

template <typename Button>
Button* MakeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new Button(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Tight spacing: the dialog keeps its fixed size whatever the font.
template <typename Layout>
Layout* Compact(Layout* layout) {
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    return layout;
}

QLineEdit* MakeBoundField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

}  // namespace

QString FormatBound(double value) {
    // QString::number ignores the locale: always "." and no grouping.
    return QString::number(value, 'f', 1).left(kMaxBoundText);
}

double ReadBound(const QString& text) {
    const std::string bytes = text.toStdString();
    std::size_t i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-')) negative = bytes[i++] == '-';
    // The longest beginning of the form digits [. digits] [e [sign] digits].
    const std::size_t start = i;
    std::size_t end = SkipDigits(bytes, i);
    bool digits = end > start;
    // A decimal comma, as everywhere in the command language, or a point.
    std::size_t separator = std::string::npos;
    if (end < bytes.size() && (bytes[end] == '.' || bytes[end] == ',')) {
        separator = end;
        const std::size_t fraction = SkipDigits(bytes, end + 1);
        digits = digits || fraction > end + 1;
        end = fraction;
    }
    if (!digits) return 0;
    if (end < bytes.size() && (bytes[end] == 'e' || bytes[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < bytes.size() && (bytes[exponent] == '+' || bytes[exponent] == '-')) ++exponent;
        const std::size_t exponentEnd = SkipDigits(bytes, exponent);
        if (exponentEnd > exponent) end = exponentEnd;
    }
    std::string number = bytes.substr(start, end - start);
    if (separator != std::string::npos) number[separator - start] = '.';
    double value = 0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    // Out of range (or anything unexpected) counts as unreadable; no infinity reaches the window.
    if (error != std::errc() || !std::isfinite(value)) return 0;
    return negative ? -value : value;
}

TOptionenDialog::TOptionenDialog(std::unique_ptr<OptionsHost> host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)) {
    setObjectName(QStringLiteral("OptionenDialog"));
    setWindowTitle(QStringLiteral("Lineato-Optionen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    // Arial's narrow metrics keep the captions inside the fixed size.
    QFont bold(QStringLiteral("Arial"), 8);
    bold.setBold(true);
    setFont(bold);

    Notebook = new QStackedWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));
    Notebook->setGeometry(0, 0, kPageWidth, kPageHeight);
    Notebook->addWidget(CreateGeneralPage());
    Notebook->addWidget(CreateAxesPage());
    Notebook->addWidget(CreatePrintPage());

    TabSet = new QTabBar(this);
    TabSet->setObjectName(QStringLiteral("TabSet"));
    TabSet->setShape(QTabBar::RoundedSouth);
    TabSet->setExpanding(false);
    TabSet->setDrawBase(false);
    TabSet->setGeometry(0, kPageHeight, kPageWidth, kTabHeight);

    auto* buttons = new QWidget(this);
    buttons->setGeometry(kPageWidth, 0, kClientWidth - kPageWidth, kClientHeight);
    auto* column = new QVBoxLayout(buttons);
    OKBtn = MakeButton<QPushButton>(QStringLiteral("OK"), "OKBtn", buttons);
    OKBtn->setDefault(true);
    CancelBtn = MakeButton<QPushButton>(QStringLiteral("Abbruch"), "CancelBtn", buttons);
    column->addWidget(OKBtn);
    column->addWidget(CancelBtn);
    column->addStretch();
    // Escape rejects through QDialog itself.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

TOptionenDialog::~TOptionenDialog() = default;

QWidget* TOptionenDialog::CreateGeneralPage() {
    auto* page = new QWidget;
    auto* outer = Compact(new QVBoxLayout(page));
    auto* group = new QGroupBox(QStringLiteral("Allgemein"), page);
    outer->addWidget(group);
    auto* layout = Compact(new QVBoxLayout(group));

    ToolbarBtn = MakeButton<QCheckBox>(QStringLiteral("Werkzeugleiste anzeigen"), "ToolbarBtn", group);
    layout->addWidget(ToolbarBtn);

    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    auto* valueGroup = new QGroupBox(QStringLiteral("Wert-Anzeige"), group);
    auto* valueLayout = Compact(new QVBoxLayout(valueGroup));
    StatusBtn = MakeButton<QRadioButton>(QStringLiteral("Statuszeile"), "StatusBtn", valueGroup);
    DialogBtn = MakeButton<QRadioButton>(QStringLiteral("Dialogbox"), "DialogBtn", valueGroup);
    valueLayout->addWidget(StatusBtn);
    valueLayout->addWidget(DialogBtn);
    bottom->addWidget(valueGroup);

    auto* listGroup = new QGroupBox(QStringLiteral("Befehlsliste"), group);
    auto* listLayout = Compact(new QVBoxLayout(listGroup));
    Button1 = MakeButton<QPushButton>(QStringLiteral("Schriftart ..."), "Button1", listGroup);
    listLayout->addWidget(Button1);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(new QLabel(QStringLiteral("Breite:"), listGroup));
    SpinEdit1 = new QSpinBox(listGroup);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(kMinListSpin, kMaxListSpin);
    // Arrows only: the text cannot be typed into.
    if (auto* text = SpinEdit1->findChild<QLineEdit*>()) text->setReadOnly(true);
    widthRow->addWidget(SpinEdit1);
    listLayout->addLayout(widthRow);
    bottom->addWidget(listGroup);
    layout->addStretch();

    connect(ToolbarBtn, &QCheckBox::toggled, this, &TOptionenDialog::ToolbarBtnClick);
    connect(StatusBtn, &QRadioButton::toggled, this, &TOptionenDialog::StatusBtnClick);
    connect(DialogBtn, &QRadioButton::toggled, this, &TOptionenDialog::StatusBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TOptionenDialog::Button1Click);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TOptionenDialog::SpinEdit1Change);
    return page;
}

QWidget* TOptionenDialog::CreateAxesPage() {
    auto* page = new QWidget;
    auto* outer = Compact(new QVBoxLayout(page));
    auto* group = new QGroupBox(QStringLiteral("Achsenkreuz"), page);
    outer->addWidget(group);
    auto* layout = Compact(new QVBoxLayout(group));
    AutoSkalBtn = MakeButton<QRadioButton>(QStringLiteral("automatisch skalieren"), "AutoSkalBtn", group);
    FixedSkalBtn = MakeButton<QRadioButton>(QStringLiteral("fest"), "FixedSkalBtn", group);
    layout->addWidget(AutoSkalBtn);
    layout->addWidget(FixedSkalBtn);

    auto* bounds = new QFormLayout;
    xmin = MakeBoundField("xmin", group);
    xmax = MakeBoundField("xmax", group);
    ymin = MakeBoundField("ymin", group);
    ymax = MakeBoundField("ymax", group);
    bounds->addRow(QStringLiteral("x-min:"), xmin);
    bounds->addRow(QStringLiteral("x-max:"), xmax);
    bounds->addRow(QStringLiteral("y-min:"), ymin);
    bounds->addRow(QStringLiteral("y-max:"), ymax);
    layout->addLayout(bounds);
    layout->addStretch();

    connect(AutoSkalBtn, &QRadioButton::toggled, this, [this](bool on) {
        if (on) AutoSkalBtnClick();
    });
    connect(FixedSkalBtn, &QRadioButton::toggled, this, [this](bool on) {
        if (on) FixedSkalBtnClick();
    });
    return page;
}

QWidget* TOptionenDialog::CreatePrintPage() {
    auto* page = new QWidget;
    auto* outer = Compact(new QVBoxLayout(page));
    auto* group = new QGroupBox(QStringLiteral("Druckoptionen"), page);
    outer->addWidget(group);
    auto* layout = Compact(new QVBoxLayout(group));

    // Colour choice in the first column, the two check boxes in the second.
    auto* printout = new QGroupBox(QStringLiteral("Ausdruck"), group);
    auto* printoutLayout = Compact(new QGridLayout(printout));
    RBschwarzweiss = MakeButton<QRadioButton>(QStringLiteral("schwarz-weiß"), "RBschwarzweiss", printout);
    RBfarbig = MakeButton<QRadioButton>(QStringLiteral("farbig"), "RBfarbig", printout);
    CBRahmen = MakeButton<QCheckBox>(QStringLiteral("Rahmen um Grafik"), "CBRahmen", printout);
    Listing = MakeButton<QCheckBox>(QStringLiteral("Befehlsliste drucken"), "Listing", printout);
    printoutLayout->addWidget(RBschwarzweiss, 0, 0);
    printoutLayout->addWidget(RBfarbig, 1, 0);
    printoutLayout->addWidget(CBRahmen, 0, 1);
    printoutLayout->addWidget(Listing, 1, 1);
    CBBeschreibung = MakeButton<QCheckBox>(QStringLiteral("Konstruktionsbeschreibung drucken"),
                                           "CBBeschreibung", printout);
    printoutLayout->addWidget(CBBeschreibung, 2, 0, 1, 2);
    layout->addWidget(printout);

    auto* scaling = new QGroupBox(QStringLiteral("Skalierung"), group);
    auto* scalingLayout = Compact(new QHBoxLayout(scaling));
    RBauto = MakeButton<QRadioButton>(QStringLiteral("autmatisch"), "RBauto", scaling);
    RBmasstab = MakeButton<QRadioButton>(QStringLiteral("maßstabstreu"), "RBmasstab", scaling);
    scalingLayout->addWidget(RBauto);
    scalingLayout->addWidget(RBmasstab);
    layout->addWidget(scaling);
    CBdoppelt = MakeButton<QCheckBox>(QStringLiteral("Doppelte Strichstärke"), "CBdoppelt", group);
    layout->addWidget(CBdoppelt);
    layout->addStretch();
    return page;
}

void TOptionenDialog::FormCreate() {
    for (const char* name : {"Allgemein", "Achsenkreuz", "Drucken"})
        TabSet->addTab(QString::fromLatin1(name));
    connect(TabSet, &QTabBar::currentChanged, this, &TOptionenDialog::TabSetClick);
    TabSet->setCurrentIndex(0);
    Notebook->setCurrentIndex(0);
}

void TOptionenDialog::TabSetClick(int index) {
    if (index >= 0) Notebook->setCurrentIndex(index);
}

void TOptionenDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // un-minimising is no new opening
    if (!shownBefore_) {
        // Centred on the screen the first time; later it reopens where it was left.
        shownBefore_ = true;
        CentreOnScreen(*this);
    }
    FormShow();
}

void TOptionenDialog::FormShow() {
    const Settings& options = host_->Options();
    const TParser& parser = host_->Parser();
    filling_ = true;
    ToolbarBtn->setChecked(options.ToolbarVisible);
    (options.ValueInStatusLine ? StatusBtn : DialogBtn)->setChecked(true);
    (options.PrintFixedScale ? RBmasstab : RBauto)->setChecked(true);
    (options.PrintColour ? RBfarbig : RBschwarzweiss)->setChecked(true);
    CBdoppelt->setChecked(options.PrintDoubleWidth);
    CBRahmen->setChecked(options.PrintFrame);
    Listing->setChecked(options.PrintCommandList);
    CBBeschreibung->setChecked(options.PrintDescription);
    (parser.AutoScaling ? AutoSkalBtn : FixedSkalBtn)->setChecked(true);
    const DrawState& state = Drawing();
    xmin->setText(FormatBound(state.XMin));
    xmax->setText(FormatBound(state.XMax));
    ymin->setText(FormatBound(state.YMin));
    ymax->setText(FormatBound(state.YMax));
    SetBoundFieldsEnabled(!parser.AutoScaling);
    ScaleModeChanged = false;
    // Showing the width must not change it: a width of 135 shows as 13 but stays 135.
    SpinEdit1->setValue(std::clamp(host_->ListWidth() / 10, kMinListSpin, kMaxListSpin));
    filling_ = false;

    SavedListFont = host_->ListFont();
    SavedListWidth = host_->ListWidth();
    SavedToolbarVisible = options.ToolbarVisible;
    OKBtn->setFocus();
}

void TOptionenDialog::SetBoundFieldsEnabled(bool enabled) {
    for (QLineEdit* field : {xmin, xmax, ymin, ymax})
        field->setEnabled(enabled);
}

void TOptionenDialog::ToolbarBtnClick(bool checked) {
    if (filling_) return;
    host_->Options().ToolbarVisible = checked;
    host_->ShowToolbar(checked);
}

void TOptionenDialog::StatusBtnClick() {
    if (filling_) return;
    host_->Options().ValueInStatusLine = StatusBtn->isChecked();
}

void TOptionenDialog::Button1Click() {
    // Starts from the font of the opening, so a cancelled font dialog puts that font back.
    const QFont start = SavedListFont.value_or(host_->ListFont());
    host_->SetListFont(host_->Services().ChooseFont(this, start).value_or(start));
}

void TOptionenDialog::SpinEdit1Change(int value) {
    if (filling_) return;
    host_->SetListWidth(value * 10);
}

void TOptionenDialog::AutoSkalBtnClick() {
    if (filling_) return;
    SetBoundFieldsEnabled(false);
    ScaleModeChanged = true;
}

void TOptionenDialog::FixedSkalBtnClick() {
    if (filling_) return;
    SetBoundFieldsEnabled(true);
    ScaleModeChanged = true;
}

void TOptionenDialog::done(int result) {
    // The saved state marks an opening; without one there is nothing to apply or restore.
    if (SavedListFont) {
        if (result == QDialog::Accepted)
            ApplyOnOk();
        else
            RestoreOnCancel();
        SavedListFont.reset();
    }
    QDialog::done(result);
}

void TOptionenDialog::ApplyOnOk() {
    Settings& options = host_->Options();
    TParser& parser = host_->Parser();
    options.PrintFixedScale = RBmasstab->isChecked();
    options.PrintColour = RBfarbig->isChecked();
    options.PrintDoubleWidth = CBdoppelt->isChecked();
    options.PrintCommandList = Listing->isChecked();
    options.PrintDescription = CBBeschreibung->isChecked();
    options.PrintFrame = CBRahmen->isChecked();
    parser.AutoScaling = AutoSkalBtn->isChecked();

    if (FixedSkalBtn->isChecked()) {
        // The chosen window from now on, fitted to the drawing area at once and drawn with the next
        // Redraw. A window without positive width or height is refused and the last one stays in force.
        const double left = ReadBound(xmin->text());
        const double right = ReadBound(xmax->text());
        const double bottom = ReadBound(ymin->text());
        const double top = ReadBound(ymax->text());
        SetWorldWindow(left, bottom, right, top);
        if (right - left < 1 || top - bottom < 1) host_->Services().ShowError(host_->Window(), kInvalidValue);
    }
    if (ScaleModeChanged) {
        parser.ClearAndShowAxes();
        parser.AutoScale();
    }
}

void TOptionenDialog::RestoreOnCancel() {
    host_->SetListFont(*SavedListFont);
    host_->SetListWidth(SavedListWidth);
    host_->Options().ToolbarVisible = SavedToolbarVisible;
    host_->ShowToolbar(SavedToolbarVisible);
}
