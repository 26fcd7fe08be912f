// TMainForm: the main window. Owns the interpreter; holds the command line, the command list, the
// drawing area, the tool bar, the menu and the status line, and routes every command to its handler.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>

#include "document/constructiondocument.h"
#include "document/replaycursor.h"
#include "document/settings.h"

class GuiServices;
class OrphanRecovery;
class RecoveryFile;
class GuiMessages;
class QAction;
class QLabel;
class QLineEdit;
class CommandListDelegate;
class CommandListModel;
class QKeyEvent;
class QWheelEvent;
class CommandHistory;
class QListView;
class QMenu;
class QSplitter;
class QToolBar;
class TAboutBox;
class TEditorForm;
class TEinzelSchritt;
class TExportDialog;
class TOptionenDialog;
class TPaintBox;

// The F1 completion of the command line: the first entry of the completion table that begins with
// text (letters A-Z compared without case, at most 12 characters compared), or text unchanged.
QString CompleteCommandWord(const QString& text);
// The error box text of a file that could not be written, with the reason (an errno) below it.
QString CannotCreateFileText(const QString& path, int error);

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // settingsPath is the settings file read now and written when the window closes.
    TMainForm(GuiServices& services, const QString& settingsPath, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The construction: lines, objects, file state and history. The window is a view of it.
    std::unique_ptr<ConstructionDocument> Document;
    // The replay's position while Einzelschritt runs.
    std::unique_ptr<ReplayCursor> Replay;
    Settings Options;

    QToolBar* SpeedBar = nullptr;
    QLineEdit* Edit = nullptr;
    QListView* ListBox = nullptr;  // shows the document's lines
    TPaintBox* PaintBox = nullptr;
    QSplitter* Splitter1 = nullptr;
    QLabel* Panel1 = nullptr;                // hints, descriptions, values
    QLabel* Panel2 = nullptr;                // file name
    QAction* EinzelschrittAction = nullptr;  // checkable: pressed while the replay runs

    // Created on first use by their own code, with this window as parent.
    TEinzelSchritt* EinzelSchritt = nullptr;
    TOptionenDialog* OptionenDialog = nullptr;
    TExportDialog* ExportDialog = nullptr;

    GuiServices& Services() { return services_; }
    void ShowToolbar(bool visible);
    // The lines of the command list as shown, in order.
    QStringList Lines() const;
    // The construction file's path as the window shows it.
    QString FileName() const;

    // Replay step; defined with the replay.
    bool ReplayStep();
    // Opens path as Open does after its dialog (the program's file argument).
    void OpenFile(const QString& path);
    // The program's start once the window stands: offers to recover the construction of a run that did
    // not end normally (recovery files in recoveryDirectory), else opens file unless it is empty; from
    // then on every change is written to this window's own recovery file there.
    void Start(const QString& file, const std::string& recoveryDirectory);

public slots:
    void OkButtonClick();
    void CancelButtonClick();
    void InsertClick(const QString& text);
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FileExit();
    void EditUndo();
    void EditRedo();
    void Editor1Click();
    void Neuzeichnen1Click();
    void Achsenkreuz1Click();
    void FarbeClick();
    void HelpContents();
    void HelpHowToUse();
    void HelpAbout();
    // Defined with the options dialog, the replay and printing.
    void OptionenClick();
    void Einzelschritt1Click();
    void FilePrint();
    void GrafikinZwischenablage1Click();
    // Defined with the export.
    void FileExport();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    void CreateControls();
    void CreateActions();
    void CreateMenu();
    QMenu* CreateInsertMenu();
    void CreateToolBar();
    void FormCreate();
    bool EditKeyDown(int key);
    void PaintBoxMouseMove(int x, int y);
    void ShowHint(const QString& text);
    bool FormCloseQuery();
    void FormClose();

    // File work behind the handlers; each returns whether the construction was written.
    bool SaveConstruction();
    bool SaveConstructionAs();
    void ShowFileName(const QString& path);
    // Selects line i of the command list and scrolls it into view.
    void ShowLine(int i);
    // Before an error box of a rebuild: the rejected line is selected and in view.
    void BeforeErrorBox();
    void UpdateEditActions();

    // Crash recovery; defined with it.
    // Asks about the orphans of directory, newest first; the one recovered, if any, still claimed.
    std::unique_ptr<OrphanRecovery> OfferRecovery(const std::string& directory);
    // Writes the construction to the recovery file; the first failure in a row is reported.
    bool WriteRecovery();

    // Direct manipulation; defined with it.
    // The newest point under device point (x, y), visible ones first; nullptr if none.
    TPunkt* PointAt(int x, int y) const;
    // The newest free point under (x, y); nullptr if none.
    TPunkt* FreePointAt(int x, int y) const;
    // The line of a free point (made by PUNKT and not deleted), or -1.
    int FreePointLine(const TPunkt* point) const;
    void PaintBoxHover(int x, int y);
    bool PaintBoxMouseEvent(QEvent* e);
    void DragTo(int x, int y, bool wholeUnits);
    void EndDrag(bool cancel);
    void ShowConstructedPoint(const TPunkt& point);
    // The first line a live change left rejected, with its message, in the status line.
    void ShowRejectedLine();
    // Highlights number `choice` (counted cyclically) of row's numbers.
    void ChooseNumber(int row, int choice);
    void StepNumberOf(int row, int token, int steps);
    bool ListBoxNumberKey(QKeyEvent* key);
    bool ListBoxWheel(QWheelEvent* wheel);

    GuiServices& services_;
    QString settingsPath_;
    std::unique_ptr<GuiMessages> messages_;
    TAboutBox* aboutBox_ = nullptr;
    TEditorForm* editorForm_ = nullptr;
    std::unique_ptr<CommandListModel> listModel_;
    CommandListDelegate* listDelegate_ = nullptr;  // owned by the list
    int chosenRow_ = -1;                           // the line whose number Alt+arrows change
    int chosenNumber_ = 0;
    std::unique_ptr<CommandHistory> history_;
    std::unique_ptr<RecoveryFile> recovery_;  // none until Start
    bool recoveryFaultShown_ = false;
    bool outerSizePending_ = true;  // the start size still has to make room for the frame
    QString hint_;                  // the last hint shown; descriptions and values do not change it

    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* clipboardAction_ = nullptr;
    QAction* redrawAction_ = nullptr;
    QAction* editorAction_ = nullptr;
    QAction* axesAction_ = nullptr;
    QAction* colourAction_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QAction* helpContentsAction_ = nullptr;
    QAction* helpHowToUseAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
};
