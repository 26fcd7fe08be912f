// TEinzelSchritt: button row (step, go, cancel), speed row, and the timer that drives the timed replay.
#include "app/einzelschritt.h"

#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonRowHeight = 33;
constexpr int kButtonSize = 25;
constexpr int kIconSize = 17;
constexpr int kInitialSpeed = 100;  // bar position; times 10 ms is the timer interval
constexpr int kMillisPerStep = 10;  // interval per bar position
constexpr int kMaxSpeed = 300;
constexpr int kSpeedPage = 10;
constexpr int kMarginToHost = 30;  // from the host's top and right edges

enum class Glyph { Step, Go, Cancel };

// The button images: a play triangle with a bar (one step), two triangles (run), a red cross (stop).
QIcon MakeIcon(Glyph glyph) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    auto triangle = [&painter](double left, double right) {
        QPainterPath path;
        path.moveTo(left, 3);
        path.lineTo(right, kIconSize / 2.0);
        path.lineTo(left, kIconSize - 3);
        path.closeSubpath();
        painter.fillPath(path, QColor(0, 110, 0));
    };
    switch (glyph) {
        case Glyph::Step:
            triangle(3, 11);
            painter.fillRect(QRectF(11.5, 3, 2.5, kIconSize - 6), QColor(0, 110, 0));
            break;
        case Glyph::Go:
            triangle(1, 8.5);
            triangle(8.5, 16);
            break;
        case Glyph::Cancel: {
            QPen pen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(4, 4), QPointF(kIconSize - 4, kIconSize - 4));
            painter.drawLine(QPointF(kIconSize - 4, 4), QPointF(4, kIconSize - 4));
            break;
        }
    }
    painter.end();
    return QIcon(pixmap);
}

QToolButton* MakeButton(QWidget* parent, Glyph glyph, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setIcon(MakeIcon(glyph));
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setAutoRaise(false);
    // Keys go to the window, where every typed character is a step.
    button->setFocusPolicy(Qt::NoFocus);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
        button->setStatusTip(hint);
    }
    return button;
}

}  // namespace

TEinzelSchritt::TEinzelSchritt(ReplayHost& host, QWidget* parent) : QDialog(parent), host_(&host) {
    Build();
}

TEinzelSchritt::TEinzelSchritt(std::unique_ptr<ReplayHost> host, QWidget* parent)
    : QDialog(parent), ownedHost_(std::move(host)), host_(ownedHost_.get()) {
    Build();
}

TEinzelSchritt::~TEinzelSchritt() {
    Timer1->stop();
}

void TEinzelSchritt::Build() {
    setWindowTitle(QStringLiteral("EinzelSchritt"));
    // Fixed border with the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont systemFont = font();
    systemFont.setPixelSize(13);
    setFont(systemFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(kButtonRowHeight);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(2);
    SchrittButton = MakeButton(Panel1, Glyph::Step, QStringLiteral("Einzelschritt"));
    GoButton = MakeButton(Panel1, Glyph::Go, QString());
    GoButton->setCheckable(true);
    CancelButton = MakeButton(Panel1, Glyph::Cancel, QStringLiteral("Abbrechen"));
    row->addWidget(SchrittButton);
    row->addWidget(GoButton);
    row->addStretch(1);
    row->addWidget(CancelButton);
    layout->addWidget(Panel1);

    Panel2 = new QWidget(this);
    auto* speedRow = new QHBoxLayout(Panel2);
    speedRow->setContentsMargins(4, 6, 4, 6);
    VeloBar = new QScrollBar(Qt::Horizontal, Panel2);
    VeloBar->setRange(0, kMaxSpeed);
    VeloBar->setPageStep(kSpeedPage);
    VeloBar->setValue(kInitialSpeed);
    speedRow->addWidget(VeloBar);
    layout->addWidget(Panel2);

    Timer1 = new QTimer(this);

    connect(SchrittButton, &QToolButton::clicked, this, &TEinzelSchritt::SchrittButtonClick);
    connect(GoButton, &QToolButton::clicked, this, &TEinzelSchritt::GoButtonClick);
    connect(CancelButton, &QToolButton::clicked, this, &TEinzelSchritt::CancelButtonClick);
    connect(VeloBar, &QScrollBar::valueChanged, this, &TEinzelSchritt::VeloBarChange);
    connect(Timer1, &QTimer::timeout, this, &TEinzelSchritt::Timer1Timer);

    FormCreate();
}

void TEinzelSchritt::FormCreate() {
    const QRect host = host_->HostFrameGeometry();
    move(host.left() + host.width() - kWidth - kMarginToHost, host.top() + kMarginToHost);
    Timer1->stop();
    Timer1->setInterval(kInitialSpeed * kMillisPerStep);
    GoButton->setChecked(false);
    SchrittButton->setEnabled(true);
    Panel2->hide();
    setFixedSize(kWidth, kSingleStepHeight - kCaptionAllowance);
    // With Go released, moving the bar only sets the interval.
    VeloBar->setValue(kInitialSpeed);
}

void TEinzelSchritt::SchrittButtonClick() {
    if (!host_->ReplayStep()) reject();
}

void TEinzelSchritt::GoButtonClick() {
    // A second press keeps the automatic replay running.
    GoButton->setChecked(true);
    SchrittButton->setEnabled(false);
    setFixedSize(kWidth, kAutomaticHeight - kCaptionAllowance);
    Panel2->show();
    // At position 0 the timer waits until the bar is moved off 0.
    if (VeloBar->value() > 0 && !Timer1->isActive()) Timer1->start();
}

void TEinzelSchritt::Timer1Timer() {
    if (!host_->ReplayStep()) {
        Timer1->stop();
        reject();
    }
}

void TEinzelSchritt::VeloBarChange() {
    const int position = VeloBar->value();
    Timer1->setInterval(position * kMillisPerStep);
    if (position == 0)
        Timer1->stop();  // a zero-interval timer would fire on every pass of the event loop
    else if (GoButton->isChecked() && !Timer1->isActive())
        Timer1->start();
}

void TEinzelSchritt::CancelButtonClick() {
    Timer1->stop();
    reject();
}

void TEinzelSchritt::done(int result) {
    Timer1->stop();
    QDialog::done(result);
}

bool TEinzelSchritt::event(QEvent* event) {
    // Status tips stop at their own window; the status line is the parent's.
    if (event->type() == QEvent::StatusTip && parentWidget() != nullptr)
        return QCoreApplication::sendEvent(parentWidget(), event);
    return QDialog::event(event);
}

void TEinzelSchritt::showEvent(QShowEvent* event) {
    // Not when the window manager merely restores it.
    if (!event->spontaneous()) FormCreate();
    QDialog::showEvent(event);
}

void TEinzelSchritt::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TEinzelSchritt::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window as "Abbrechen" does; keys that type nothing keep their usual meaning.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        CancelButtonClick();
        return;
    }
    if (event->text().isEmpty()) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    SchrittButtonClick();
}
