// The help window: the German command reference in a text browser with back, forward and contents.
#include "app/helpwindow.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

// Resources in a static library must be registered by hand; this lives outside any namespace.
static void RegisterHelpPages() {
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)done;
}

namespace {

const QUrl kContents(QStringLiteral("qrc:/help/index.html"));
const QUrl kHowToUse(QStringLiteral("qrc:/help/bedienung.html"));

// One top-level window with the browser and its navigation buttons.
class THelpWindow : public QWidget {
public:
    explicit THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
        setWindowTitle(QStringLiteral("Lineato-Hilfe"));
        setAttribute(Qt::WA_DeleteOnClose);
        resize(720, 600);

        auto* layout = new QVBoxLayout(this);
        auto* buttons = new QHBoxLayout;
        auto* contents = new QPushButton(QStringLiteral("&Inhalt"), this);
        auto* back = new QPushButton(QStringLiteral("&Zurück"), this);
        auto* forward = new QPushButton(QStringLiteral("&Vorwärts"), this);
        auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
        contents->setObjectName(QStringLiteral("contentsButton"));
        back->setObjectName(QStringLiteral("backButton"));
        forward->setObjectName(QStringLiteral("forwardButton"));
        buttons->addWidget(contents);
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addStretch();
        buttons->addWidget(close);
        layout->addLayout(buttons);

        browser_ = new QTextBrowser(this);
        browser_->setOpenExternalLinks(true);
        layout->addWidget(browser_);

        back->setEnabled(false);
        forward->setEnabled(false);
        connect(contents, &QPushButton::clicked, this, [this] { Show(kContents); });
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
                &QWidget::close);
    }

    void Show(const QUrl& page) {
        if (browser_->source() != page) browser_->setSource(page);
    }

private:
    QTextBrowser* browser_ = nullptr;
};

// The single instance; QPointer clears itself when the window closes or its parent goes.
QPointer<THelpWindow>& Instance() {
    static QPointer<THelpWindow> window;
    return window;
}

void ShowPage(QWidget* parent, const QUrl& page) {
    RegisterHelpPages();
    QPointer<THelpWindow>& window = Instance();
    if (!window) window = new THelpWindow(parent ? parent->window() : nullptr);
    window->Show(page);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void ShowHelpContents(QWidget* parent) {
    ShowPage(parent, kContents);
}

void ShowHelpHowToUse(QWidget* parent) {
    ShowPage(parent, kHowToUse);
}
