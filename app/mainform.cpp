// The main window's construction: controls, actions, menu, tool bar, and the start sequence.
#include "app/mainform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/aboutbox.h"
#include "app/commandlistdelegate.h"
#include "app/commandlistmodel.h"
#include "app/editorform.h"
#include "app/guimessages.h"
#include "app/guiservices.h"
#include "app/icons.h"
#include "app/paintbox.h"
#include "app/placement.h"
#include "app/qtext.h"
#include "document/commandhistory.h"
#include "document/recovery.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"

namespace {

// The insertion menu: a caption path and the text it puts into the command line.
struct InsertEntry {
    const char* menu;  // submenu caption, or nullptr for an entry of the menu itself
    const char* caption;
    const char* text;
};

constexpr InsertEntry kInsertEntries[] = {
    {nullptr, "Punkt", "Punkt "},
    {nullptr, "Strecke", "Strecke "},
    {nullptr, "Gerade", "Gerade "},
    {nullptr, "Parallele", "Parallele "},
    {nullptr, "Senkrechte", "Senkrechte "},
    {nullptr, "Kreis", "Kreis "},
    {"Winkel", "alpha", "Winkel alpha "},
    {"Winkel", "beta", "Winkel beta "},
    {"Winkel", "gamma", "Winkel gamma "},
    {"Winkel", "delta", "Winkel delta "},
    {"Winkel", "epsilon", "Winkel epsilon "},
    {"Winkel", "Halbierende", "Winkel Halbierende "},
    {nullptr, "Strahl", "Strahl "},
    {nullptr, "Mittelpunkt", "Mittelpunkt "},
    {"Bezeichne", "Schnittpunkt", "Bezeichne Schnittpunkt "},
    {"Bezeichne", "Winkel", "Bezeichne Winkel "},
    {"Lösche", "Objekt", "Lösche "},
    {"Lösche", "Bezeichnung", "Lösche Bezeichnung "},
    {"Farbe", "rot", "Farbe rot"},
    {"Farbe", "blau", "Farbe blau"},
    {"Farbe", "schwarz", "Farbe schwarz"},
    {"Farbe", "grün", "Farbe grün"},
    {"Farbe", "gelb", "Farbe gelb"},
};

// The window's outer size at start, frame included.
constexpr QSize kStartSize(605, 473);

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

TMainForm::TMainForm(GuiServices& services, const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), services_(services), settingsPath_(settingsPath) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Lineato"));
    CreateControls();
    CreateActions();
    CreateMenu();
    CreateToolBar();
    FormCreate();
    // The dialogs live as long as the window.
    aboutBox_ = new TAboutBox(this);
    editorForm_ = new TEditorForm(this);
}

TMainForm::~TMainForm() {
    // The drawing canvas dies with the drawing area; nothing may draw on it afterwards. The view of the
    // lines goes before the document, the document (with its interpreter) before its message sink.
    PaintBox->SetParser(nullptr);
    ListBox->setModel(nullptr);
    listModel_.reset();
    Replay.reset();
    Document.reset();
}

void TMainForm::CreateControls() {
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    central->setBackgroundRole(QPalette::Window);

    auto* panel0 = new QWidget(central);
    panel0->setObjectName(QStringLiteral("Panel0"));
    panel0->setFixedHeight(33);
    auto* cancelButton = new QToolButton(panel0);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setToolTip(U("Eingabe löschen"));
    cancelButton->setIcon(MakeToolIcon(ToolIcon::Cancel));
    cancelButton->setFixedSize(25, 25);
    cancelButton->setFocusPolicy(Qt::NoFocus);
    connect(cancelButton, &QToolButton::clicked, this, &TMainForm::CancelButtonClick);
    auto* okButton = new QToolButton(panel0);
    okButton->setObjectName(QStringLiteral("OkButton"));
    okButton->setToolTip(U("Übernehmen"));
    okButton->setIcon(MakeToolIcon(ToolIcon::Ok));
    okButton->setFixedSize(25, 25);
    okButton->setFocusPolicy(Qt::NoFocus);
    connect(okButton, &QToolButton::clicked, this, &TMainForm::OkButtonClick);

    Edit = new QLineEdit(panel0);
    Edit->setObjectName(QStringLiteral("Edit"));
    QFont bold = Edit->font();
    bold.setBold(true);
    Edit->setFont(bold);
    Edit->setMinimumWidth(200);
    Edit->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    Edit->installEventFilter(this);

    auto* row = new QHBoxLayout(panel0);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    row->addWidget(cancelButton);
    row->addWidget(okButton);
    row->addSpacing(4);
    row->addWidget(Edit, 1);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    ListBox = new QListView(Splitter1);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox->setUniformItemSizes(true);  // lays out a hundred thousand lines at once
    ListBox->setFocusPolicy(Qt::ClickFocus);
    ListBox->installEventFilter(this);
    ListBox->viewport()->installEventFilter(this);
    listDelegate_ = new CommandListDelegate(ListBox);
    ListBox->setItemDelegate(listDelegate_);
    PaintBox = new TPaintBox(Splitter1);
    PaintBox->setObjectName(QStringLiteral("PaintBox"));
    PaintBox->setMinimumSize(20, 20);
    PaintBox->installEventFilter(this);
    Splitter1->addWidget(ListBox);
    Splitter1->addWidget(PaintBox);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({130, 470});
    connect(PaintBox, &TPaintBox::MouseMoved, this, &TMainForm::PaintBoxMouseMove);
    // Typing goes on in the command line after a click into the drawing.
    connect(PaintBox, &TPaintBox::MousePressed, this, [this] { Edit->setFocus(); });

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panel0);
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);

    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setMinimumWidth(100);
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel2 = new QLabel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setMinimumWidth(178);
    Panel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->setObjectName(QStringLiteral("Statuslline"));
    statusBar()->addWidget(Panel1, 1);
    statusBar()->addPermanentWidget(Panel2);
}

void TMainForm::CreateActions() {
    const auto make = [this](const char* caption, const char* hint, void (TMainForm::*slot)()) {
        auto* action = new QAction(U(caption), this);
        action->setStatusTip(U(hint));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    newAction_ = make("&Neu", "Eine neue Datei erzeugen", &TMainForm::FileNew);
    newAction_->setShortcut(QKeySequence::New);
    newAction_->setToolTip(QStringLiteral("Neu"));
    newAction_->setIcon(MakeToolIcon(ToolIcon::New));
    openAction_ = make("&Öffnen...", "Eine bestehende Datei öffnen", &TMainForm::FileOpen);
    openAction_->setShortcut(QKeySequence::Open);
    openAction_->setToolTip(U("Öffnen"));
    openAction_->setIcon(MakeToolIcon(ToolIcon::Open));
    saveAction_ = make("&Speichern", "Aktuelle Datei speichern", &TMainForm::FileSave);
    saveAction_->setShortcut(QKeySequence::Save);
    saveAction_->setToolTip(QStringLiteral("Speichern"));
    saveAction_->setIcon(MakeToolIcon(ToolIcon::Save));
    saveAsAction_ =
        make("Speichern &Unter...", "Aktuelle Datei unter neuem Namen speichern", &TMainForm::FileSaveAs);
    exportAction_ = make("&Exportieren...", "Die Zeichnung als Bild, PDF, SVG oder TikZ exportieren",
                         &TMainForm::FileExport);
    exportAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    printAction_ = make("&Drucken...", "Aktuelle Datei drucken", &TMainForm::FilePrint);
    printAction_->setShortcut(QKeySequence::Print);
    printAction_->setToolTip(QStringLiteral("Drucken"));
    printAction_->setIcon(MakeToolIcon(ToolIcon::Print));
    exitAction_ = make("&Beenden", "Diese Anwendung beenden", &TMainForm::FileExit);
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    undoAction_ = make("&Rückgängig", "Die letzte Aktion rückgängig machen", &TMainForm::EditUndo);
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = make("&Wiederherstellen", "Die zuletzt rückgängig gemachte Aktion wiederherstellen",
                       &TMainForm::EditRedo);
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    clipboardAction_ = make("Grafik in Zwischenablage", "Grafik in die Zwischenablage kopieren",
                            &TMainForm::GrafikinZwischenablage1Click);

    EinzelschrittAction = make("Einzel&schritt", "Einzelschrittmodus", &TMainForm::Einzelschritt1Click);
    EinzelschrittAction->setCheckable(true);
    EinzelschrittAction->setToolTip(QStringLiteral("Einzelschritt"));
    EinzelschrittAction->setIcon(MakeToolIcon(ToolIcon::Step));
    redrawAction_ =
        make("&Neu zeichnen", "Konstruktion neu zeichnen und Größe anpassen", &TMainForm::Neuzeichnen1Click);
    redrawAction_->setToolTip(QStringLiteral("Neu zeichnen"));
    redrawAction_->setIcon(MakeToolIcon(ToolIcon::Redraw));
    editorAction_ = make("&Editor", "Konstruktionseditor aufrufen", &TMainForm::Editor1Click);
    editorAction_->setToolTip(QStringLiteral("Editor"));
    editorAction_->setIcon(MakeToolIcon(ToolIcon::Editor));
    axesAction_ = make("&Achsenkreuz", "Achsenkreuz ein- oder ausblenden", &TMainForm::Achsenkreuz1Click);
    axesAction_->setCheckable(true);
    axesAction_->setToolTip(QStringLiteral("Koordinatensystem"));
    axesAction_->setIcon(MakeToolIcon(ToolIcon::Axes));
    colourAction_ = make("&Farbe", "Konstruktion in Farbe zeichnen", &TMainForm::FarbeClick);
    colourAction_->setCheckable(true);
    colourAction_->setToolTip(QStringLiteral("Farbe"));
    colourAction_->setIcon(MakeToolIcon(ToolIcon::Colour));
    // A checked entry with an icon shows as a sunken icon; without one the menu draws a check mark. The
    // tool buttons keep their icons and their pressed state.
    for (QAction* toggle : {axesAction_, colourAction_})
        toggle->setIconVisibleInMenu(false);
    optionsAction_ = make("&Optionen", "Optionen verändern", &TMainForm::OptionenClick);

    helpContentsAction_ = make("&Inhalt", "Inhaltsübersicht der Hilfe anzeigen", &TMainForm::HelpContents);
    helpContentsAction_->setToolTip(QStringLiteral("Hilfeinhalt"));
    helpContentsAction_->setIcon(MakeToolIcon(ToolIcon::Help));
    helpHowToUseAction_ =
        make("&Hilfe benutzen", "Hilfe zur Benutzung des Hilfesystems", &TMainForm::HelpHowToUse);
    aboutAction_ = make("Inf&o...", "Programminformationen anzeigen", &TMainForm::HelpAbout);
}

void TMainForm::CreateMenu() {
    QMenu* file = menuBar()->addMenu(U("&Datei"));
    file->addAction(newAction_);
    file->addAction(openAction_);
    file->addAction(saveAction_);
    file->addAction(saveAsAction_);
    file->addAction(exportAction_);
    file->addSeparator();
    file->addAction(printAction_);
    file->addSeparator();
    file->addAction(exitAction_);

    QMenu* edit = menuBar()->addMenu(U("&Bearbeiten"));
    edit->addAction(undoAction_);
    edit->addAction(redoAction_);
    edit->addSeparator();
    edit->addMenu(CreateInsertMenu());
    edit->addAction(clipboardAction_);

    QMenu* construction = menuBar()->addMenu(U("&Konstruktion"));
    construction->addAction(EinzelschrittAction);
    construction->addAction(redrawAction_);
    construction->addAction(editorAction_);
    construction->addSeparator();
    construction->addAction(axesAction_);
    construction->addAction(colourAction_);
    construction->addAction(optionsAction_);

    QMenu* help = menuBar()->addMenu(U("&Hilfe"));
    help->addAction(helpContentsAction_);
    help->addAction(helpHowToUseAction_);
    help->addSeparator();
    help->addAction(aboutAction_);
}

QMenu* TMainForm::CreateInsertMenu() {
    auto* insert = new QMenu(U("Name einfügen"), this);
    insert->setObjectName(QStringLiteral("NameEinfuegen"));
    insert->menuAction()->setStatusTip(U("Konstruktionsbefehl einfügen"));
    // Opening a submenu only puts the caret at the end of the command line.
    const auto caretToEnd = [this] { Edit->end(false); };
    connect(insert, &QMenu::aboutToShow, this, caretToEnd);
    QMenu* sub = nullptr;
    QString subCaption;
    for (const InsertEntry& entry : kInsertEntries) {
        QMenu* target = insert;
        if (entry.menu != nullptr) {
            if (sub == nullptr || subCaption != U(entry.menu)) {
                subCaption = U(entry.menu);
                sub = insert->addMenu(subCaption);
                connect(sub, &QMenu::aboutToShow, this, caretToEnd);
            }
            target = sub;
        } else {
            sub = nullptr;
        }
        const QString text = U(entry.text);
        QAction* action = target->addAction(U(entry.caption));
        connect(action, &QAction::triggered, this, [this, text] { InsertClick(text); });
    }
    return insert;
}

void TMainForm::CreateToolBar() {
    SpeedBar = new QToolBar(QStringLiteral("SpeedBar"), this);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setMovable(false);
    SpeedBar->setFloatable(false);
    SpeedBar->setIconSize(QSize(20, 20));
    SpeedBar->setFixedHeight(33);
    SpeedBar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    const QList<QList<QAction*>> groups = {
        {newAction_, openAction_, saveAction_, printAction_},
        {EinzelschrittAction, editorAction_, redrawAction_, axesAction_, colourAction_},
        {helpContentsAction_}};
    for (const QList<QAction*>& group : groups) {
        if (!SpeedBar->actions().isEmpty()) SpeedBar->addSeparator();
        for (QAction* action : group) {
            SpeedBar->addAction(action);
            QWidget* button = SpeedBar->widgetForAction(action);
            button->setFixedSize(25, 25);
            // Tool buttons have no status-line text of their own.
            button->installEventFilter(this);
        }
    }
    addToolBar(Qt::TopToolBarArea, SpeedBar);
}

void TMainForm::FormCreate() {
    Options = LoadSettings(QFile::encodeName(settingsPath_).toStdString());
    ShowToolbar(Options.ToolbarVisible);

    messages_ = std::make_unique<GuiMessages>(services_, this, Panel1, Options);
    messages_->SetBeforeErrorBox([this] { BeforeErrorBox(); });
    // The document's start state: interpreter reset, axes hidden, colour mode, the start window.
    Drawing().DrawCanvas = PaintBox->DrawingCanvas();
    Document = std::make_unique<ConstructionDocument>(*messages_);
    Replay = std::make_unique<ReplayCursor>(*Document);
    listModel_ = std::make_unique<CommandListModel>(*Document);
    ListBox->setModel(listModel_.get());
    Document->SetListener([this](const DocumentChange& change) {
        listModel_->DocumentChanged(change);
        UpdateEditActions();
    });
    history_ = std::make_unique<CommandHistory>();
    axesAction_->setChecked(false);
    // Hints reach Panel1 through event(): the status-tip events of menus and controls.
    Options.ColourSetting = true;
    colourAction_->setChecked(true);
    PaintBox->SetParser(&Document->Parser());
    UpdateEditActions();

    // Without a frame yet, the outer size is the window's own; moveEvent takes the frame off later.
    resize(kStartSize);
    CentreOnScreen(*this);
    Edit->setFocus();
}

void TMainForm::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    if (!outerSizePending_) return;
    // The window manager's frame becomes known with a move after the window is shown. The start size
    // is the outer one, frame included; a window the user has already resized stays as it is.
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() <= 0 && frame.height() <= 0) return;
    outerSizePending_ = false;
    if (size() != kStartSize) return;
    resize(kStartSize - frame);
    CentreOnScreen(*this);
}

void TMainForm::ShowToolbar(bool visible) {
    SpeedBar->setVisible(visible);
}

QStringList TMainForm::Lines() const {
    QStringList lines;
    lines.reserve(Document->LineCount());
    for (int i = 0; i < Document->LineCount(); ++i)
        lines.append(Cp1252ToQString(Document->Line(i)));
    return lines;
}

QString TMainForm::FileName() const {
    return QFile::decodeName(QByteArray::fromStdString(Document->FileName()));
}

void TMainForm::UpdateEditActions() {
    // Rückgängig stays enabled on an empty list, where it still marks the construction modified.
    undoAction_->setEnabled(Document->CanUndo());
    redoAction_->setEnabled(Document->CanRedo());
}

void TMainForm::ShowLine(int i) {
    if (i < 0 || i >= listModel_->rowCount()) return;
    const QModelIndex index = listModel_->index(i);
    ListBox->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    ListBox->scrollTo(index);
}

void TMainForm::BeforeErrorBox() {
    // A rebuild stopped at one of the list's lines: that line is what the box is about.
    ShowLine(Document->ExecutingLine());
}

bool TMainForm::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Edit) {
        if (e->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(e);
            // The menu's undo, redo and export win over the line's own (Ctrl+E moves to the end of the
            // line on X11); F1, Escape and Enter belong to the line.
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_E))
                return true;
            if (key->key() == Qt::Key_F1 || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
                key->key() == Qt::Key_Enter) {
                e->accept();
                return true;
            }
        } else if (e->type() == QEvent::KeyPress) {
            if (EditKeyDown(static_cast<QKeyEvent*>(e)->key())) return true;
        }
    } else if (watched == PaintBox) {
        if (PaintBoxMouseEvent(e)) return true;
    } else if (watched == ListBox->viewport() && e->type() == QEvent::Wheel) {
        if (ListBoxWheel(static_cast<QWheelEvent*>(e))) return true;
    } else if (watched == ListBox && e->type() == QEvent::KeyPress) {
        // Alt+arrows choose and change a number of the current line.
        auto* key = static_cast<QKeyEvent*>(e);
        if (ListBoxNumberKey(key)) return true;
        // Typing goes to the command line, even after a click into the list.
        const bool command =
            key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!command && !key->text().isEmpty() && key->text().front().isPrint()) {
            Edit->setFocus();
            QCoreApplication::sendEvent(Edit, key);
            return true;
        }
    } else if (e->type() == QEvent::StatusTip) {
        ShowHint(QString());
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMainForm::ShowHint(const QString& text) {
    if (text == hint_) return;
    hint_ = text;
    Panel1->setText(text);
}
