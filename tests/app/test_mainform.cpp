// The main window driven like a user: command line, completion, menus, toggles, undo, editor, files,
// closing. Every modal answer comes from a script.
#include <sys/stat.h>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <deque>
#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/editorform.h"
#include "app/guiservices.h"
#include "app/imageexport.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "batch/batchrun.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "tests/support/lockeddir.h"

namespace {

class RecordingServices : public GuiServices {
public:
    QStringList errors;
    QStringList infos;
    QStringList questions;
    std::deque<Answer> answers;  // next confirmation answers; Cancel when exhausted
    QString openName;
    QString saveName;
    int saveDialogs = 0;
    std::function<int(QDialog&)> dialog = [](QDialog&) { return int(QDialog::Rejected); };

    void ShowError(QWidget*, const QString& text) override { errors.append(text); }
    void ShowInformation(QWidget*, const QString& text) override { infos.append(text); }
    Answer AskYesNoCancel(QWidget*, const QString& text) override { return Next(text); }
    Answer AskOkCancel(QWidget*, const QString& text) override { return Next(text); }
    Answer AskYesNo(QWidget*, const QString& text) override { return Next(text); }
    QString GetOpenFileName(QWidget*) override { return openName; }
    QString GetSaveFileName(QWidget*) override {
        ++saveDialogs;
        return saveName;
    }
    QString GetExportFileName(QWidget*, const QString&, const QStringList&, QString&) override { return {}; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    bool ExecPrintDialog(QWidget*, QPrinter&) override { return false; }
    int ExecDialog(QDialog& d) override { return dialog(d); }

private:
    Answer Next(const QString& text) {
        questions.append(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<TMainForm>(services, dir.filePath("LINEATO.INI"));
    }

    // Types a line and presses Enter.
    void Type(const QString& line) {
        form->Edit->setText(line);
        QTest::keyClick(form->Edit, Qt::Key_Return);
    }
    QAction* MenuAction(const QString& menu, const QString& caption) {
        for (QAction* top : form->menuBar()->actions())
            if (top->text() == menu)
                for (QAction* a : top->menu()->actions())
                    if (a->text() == caption) return a;
        return nullptr;
    }
    void Open(const QString& path) {
        services.openName = path;
        form->FileOpen();
    }

    DrawStateGuard drawState;
    QTemporaryDir dir;
    RecordingServices services;
    std::unique_ptr<TMainForm> form;
};

TEST(CompleteCommandWord, FirstMatchingBeginningOfTwelveCharactersAtMost) {
    EXPECT_EQ(CompleteCommandWord("p"), "Punkt ");
    EXPECT_EQ(CompleteCommandWord("st"), "Strecke ");
    EXPECT_EQ(CompleteCommandWord("stra"), "Strahl ");
    EXPECT_EQ(CompleteCommandWord("w"), "Winkel ");
    EXPECT_EQ(CompleteCommandWord("we"), "Wert ");
    EXPECT_EQ(CompleteCommandWord("po"), "Polygon ");
    EXPECT_EQ(CompleteCommandWord("bezeichne s"), "Bezeichne Schnittpunkt ");
    EXPECT_EQ(CompleteCommandWord("BEZEICHNE W"), "Bezeichne Winkel ");
    EXPECT_EQ(CompleteCommandWord(U("lö")), U("Lösche "));
    EXPECT_EQ(CompleteCommandWord("Punkt "), "Punkt ");  // a whole entry completes to itself
    // Only A-Z ignore case; arguments, long texts and unknown words stay.
    EXPECT_EQ(CompleteCommandWord(U("LÖ")), U("LÖ"));
    EXPECT_EQ(CompleteCommandWord("punkt A"), "punkt A");
    EXPECT_EQ(CompleteCommandWord("bezeichne sc"), "Bezeichne Schnittpunkt ");  // 12 still compared
    EXPECT_EQ(CompleteCommandWord("Bezeichne Sch"), "Bezeichne Sch");
    EXPECT_EQ(CompleteCommandWord("x"), "x");
    EXPECT_EQ(CompleteCommandWord(""), "");
}

TEST_F(MainFormTest, CommandLineCycleAndKeys) {
    // Enter on an empty line does nothing at all.
    QTest::keyClick(form->Edit, Qt::Key_Return);
    EXPECT_EQ(form->Document->LineCount(), 0);
    EXPECT_FALSE(form->Document->Modified());

    Type("PUNKT A  1 2");
    EXPECT_EQ(form->Lines(), QStringList{"PUNKT A  1 2"});  // exactly as typed
    EXPECT_TRUE(form->Edit->text().isEmpty());
    EXPECT_TRUE(form->Document->Modified());
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 1);

    // A rejected line stays for correction; the list is unchanged; Escape empties the line.
    Type("STRECKE s A X");
    EXPECT_EQ(services.errors, QStringList{"2. Punkt nicht vorhanden !"});
    EXPECT_EQ(form->Edit->text(), "STRECKE s A X");
    EXPECT_EQ(form->Document->LineCount(), 1);
    QTest::keyClick(form->Edit, Qt::Key_Escape);
    EXPECT_TRUE(form->Edit->text().isEmpty());

    // Blanks only are not empty: they reach the interpreter, which accepts them.
    Type("   ");
    EXPECT_EQ(form->Document->LineCount(), 2);

    // F1 completes and puts the caret at the end; on an empty line it does nothing.
    QTest::keyClicks(form->Edit, "bezeichne s");
    QTest::keyClick(form->Edit, Qt::Key_F1);
    EXPECT_EQ(form->Edit->text(), "Bezeichne Schnittpunkt ");
    EXPECT_EQ(form->Edit->cursorPosition(), form->Edit->text().size());
    form->CancelButtonClick();
    QTest::keyClick(form->Edit, Qt::Key_F1);
    EXPECT_TRUE(form->Edit->text().isEmpty());

    // A character outside Windows-1252 is executed and listed as "?".
    Type(U("PUNKT B\u20ac\u4e00 3 4"));
    EXPECT_EQ(form->Lines().constLast(), U("PUNKT B\u20ac? 3 4"));
}

TEST_F(MainFormTest, InsertionMenuHintsAndToggles) {
    QMenu* insert = form->findChild<QMenu*>("NameEinfuegen");
    ASSERT_NE(insert, nullptr);
    const auto find = [](QMenu* menu, const QString& caption) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->text() == caption) return a;
        return nullptr;
    };
    form->Edit->setText("Punkt A 1");
    find(insert, "Kreis")->trigger();
    EXPECT_EQ(form->Edit->text(), "Kreis ");
    find(find(insert, "Farbe")->menu(), "rot")->trigger();
    QTest::keyClick(form->Edit, Qt::Key_Return);
    EXPECT_EQ(form->Lines(), QStringList{"Farbe rot"});
    EXPECT_EQ(form->Document->Parser().CurrentColor, 1);
    find(find(insert, U("Lösche"))->menu(), "Bezeichnung")->trigger();
    EXPECT_EQ(form->Edit->text(), U("Lösche Bezeichnung "));

    // Menu hints land in the left panel; tool buttons have none.
    QAction* newEntry = MenuAction("&Datei", "&Neu");
    ASSERT_NE(newEntry, nullptr);
    newEntry->showStatusText(form->menuBar());
    EXPECT_EQ(form->Panel1->text(), "Eine neue Datei erzeugen");
    QStatusTipEvent tip(newEntry->statusTip());
    QApplication::sendEvent(form->SpeedBar->widgetForAction(newEntry), &tip);
    EXPECT_EQ(form->Panel1->text(), "");

    // The axes toggle follows visibility; colour starts on and switches the pen mode.
    QAction* axes = MenuAction("&Konstruktion", "&Achsenkreuz");
    QAction* colour = MenuAction("&Konstruktion", "&Farbe");
    ASSERT_TRUE(axes && colour);
    // Their menu entries show a check mark, not a sunken icon; their tool buttons show the pressed state.
    EXPECT_FALSE(axes->isIconVisibleInMenu());
    EXPECT_FALSE(colour->isIconVisibleInMenu());
    auto* axesButton = qobject_cast<QToolButton*>(form->SpeedBar->widgetForAction(axes));
    auto* colourButton = qobject_cast<QToolButton*>(form->SpeedBar->widgetForAction(colour));
    ASSERT_TRUE(axesButton && colourButton);
    EXPECT_FALSE(axesButton->icon().isNull());
    EXPECT_TRUE(colourButton->isChecked());
    EXPECT_FALSE(axes->isChecked());
    EXPECT_TRUE(colour->isChecked());
    axes->trigger();
    EXPECT_TRUE(form->Document->Parser().Axes.Visible);
    EXPECT_TRUE(axes->isChecked());
    EXPECT_TRUE(axesButton->isChecked());
    axes->trigger();
    EXPECT_FALSE(form->Document->Parser().Axes.Visible);
    EXPECT_FALSE(axes->isChecked());
    colour->trigger();
    EXPECT_FALSE(Drawing().ColorMode);
    EXPECT_FALSE(colour->isChecked());
    EXPECT_FALSE(colourButton->isChecked());
    form->FarbeClick();
    EXPECT_TRUE(Drawing().ColorMode);
    EXPECT_TRUE(colour->isChecked());
}

TEST_F(MainFormTest, DrawingAreaFollowsTheInterpreterAndDescribesObjects) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // The start window -6..6 x -5..5, widened in one direction only to the area's aspect.
    const DrawState& view = Drawing();
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-9; };
    EXPECT_TRUE((near(view.XMin, -6) && near(view.XMax, 6)) || (near(view.YMin, -5) && near(view.YMax, 5)))
        << view.XMin << " " << view.XMax << " " << view.YMin << " " << view.YMax;
    const QImage empty = form->PaintBox->Image().copy();
    Type("PUNKT Z 1 1");
    EXPECT_NE(form->PaintBox->Image(), empty);  // drawn by the command itself

    const auto moveTo = [&](QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, form->PaintBox->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(form->PaintBox, &move);
    };
    moveTo(QPoint(ToScreenX(1), ToScreenY(1)));
    EXPECT_EQ(form->Panel1->text(), "Punkt Z hat die Koordinaten ( 1.00/ 1.00)");
    // A free point can be grabbed: an open hand.
    EXPECT_EQ(form->PaintBox->cursor().shape(), Qt::OpenHandCursor);
    moveTo(QPoint(ToScreenX(-4), ToScreenY(-4)));
    EXPECT_EQ(form->Panel1->text(), "Punkt Z hat die Koordinaten ( 1.00/ 1.00)");
    EXPECT_EQ(form->PaintBox->cursor().shape(), Qt::ArrowCursor);

    // Ctrl+Z in the command line is the menu's undo, not the line's own.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->Edit->setFocus();
    form->Edit->setText("abc");
    QTest::keyClick(form->Edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Document->LineCount(), 0);
    EXPECT_EQ(form->Edit->text(), "abc");
    Type("PUNKT Z 1 1");

    // A resize makes a new image of the new size with the construction drawn again.
    form->resize(form->width() + 80, form->height() + 40);
    QApplication::processEvents();
    const QImage& image = form->PaintBox->Image();
    EXPECT_EQ(image.size(), form->PaintBox->size() * image.devicePixelRatio());
    EXPECT_NE(image, QImage(image.size(), image.format()));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// A redraw of many figures asks for one repaint; every later drawing asks again, whatever painted the
// widget in between, so the screen never keeps an old picture.
TEST_F(MainFormTest, TheScreenFollowsEveryDrawing) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    PaintCounter counter;
    form->PaintBox->installEventFilter(&counter);
    const auto paintsAfter = [&](const std::function<void()>& act) {
        QApplication::processEvents();
        const int before = counter.paints;
        act();
        QApplication::processEvents();
        return counter.paints - before;
    };
    EXPECT_EQ(paintsAfter([&] { Type("PUNKT A 1 1"); }), 1);
    EXPECT_EQ(paintsAfter([&] {
                  for (int i = 0; i < 50; ++i)
                      Type(QString("KREIS k%1 A %2").arg(i).arg(1 + i / 10.0));
              }),
              1);
    EXPECT_EQ(paintsAfter([&] { form->EditUndo(); }), 1);
    // A paint the widget did not ask for (a grab) comes in between: the next line is still shown.
    form->PaintBox->grab();
    EXPECT_EQ(paintsAfter([&] { Type("PUNKT B 2 2"); }), 1);
    // While hidden nothing is painted; shown again, the window shows the construction as it is now.
    form->hide();
    EXPECT_EQ(paintsAfter([&] { Type("PUNKT C 3 3"); }), 0);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
    EXPECT_EQ(paintsAfter([&] { Type("PUNKT D -3 3"); }), 1);
    form->PaintBox->removeEventFilter(&counter);
}

// What lineato-batch draws of text on a drawing area of the given size; empty when it fails.
QImage BatchPicture(const QTemporaryDir& dir, const std::string& text, QSize size) {
    BatchOptions options;
    options.width = size.width();
    options.height = size.height();
    options.png = dir.filePath("batch.png").toStdString();
    std::ostringstream out, err;
    QImage image;
    if (RunBatch(options, text, out, err, BatchImageOutputs(options)) == kExitAccepted)
        image.load(QString::fromStdString(options.png), "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

// Lines whose circle reaches the start window's top edge and whose angles are the small ones that once
// came out as full circles.
const char* const kViewLines[] = {"PUNKT A 1 2",   "KREIS k A 3",          "PUNKT B -4 -1",
                                  "STRECKE s A B", "WINKEL alpha s A t 1", "WINKEL beta s A u 361",
                                  "FARBE blau",    "GERADE g A B"};

TEST_F(MainFormTest, DrawingAreaShowsWhatABatchRunDrawsAtItsSize) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_EQ(form->PaintBox->devicePixelRatioF(), 1.0);
    std::string text;
    for (const char* line : kViewLines) {
        Type(line);
        text += std::string(line) + "\r\n";
        EXPECT_EQ(form->PaintBox->Image().convertToFormat(QImage::Format_RGB32),
                  BatchPicture(dir, text, form->PaintBox->size()))
            << line;
    }
    EXPECT_GE(Drawing().YMax, 6);  // the circle touched the start window and widened it
}

// Taller, wider, without tool bar, with a wider command list: back in the old shape, the drawing area
// shows the old view and picture again.
TEST_F(MainFormTest, ChangingTheDrawingAreaAndBackKeepsTheView) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (const char* line : kViewLines)
        Type(line);
    const QImage before = form->PaintBox->Image().copy();
    const DrawState shown = Drawing();
    const QSize size = form->size();
    const QList<int> sizes = form->Splitter1->sizes();
    const std::function<void(bool)> changes[] = {
        [&](bool on) { form->resize(size.width(), size.height() + (on ? 330 : 0)); },
        [&](bool on) { form->resize(size.width() + (on ? 200 : 0), size.height()); },
        [&](bool on) { form->ShowToolbar(!on); },
        [&](bool on) {
            form->Splitter1->setSizes(on ? QList<int>{sizes[0] + 100, sizes[1] - 100} : sizes);
        },
    };
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < std::size(changes); ++i) {
            changes[i](true);
            QApplication::processEvents();
            changes[i](false);
            QApplication::processEvents();
            EXPECT_EQ(Drawing().XMin, shown.XMin) << i;
            EXPECT_EQ(Drawing().YMax, shown.YMax) << i;
            EXPECT_EQ(form->PaintBox->Image(), before) << i;
        }
    }
}

// Coloured figures across the axes, typed and opened: the axes stay above them, as a repaint draws them.
TEST_F(MainFormTest, AxesStayAboveNewFiguresAsARepaintDrawsThem) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->Achsenkreuz1Click();
    const auto shownIsRepainted = [&](const char* what) {
        const QImage shown = form->PaintBox->Image().copy();
        form->PaintBox->Repaint();
        EXPECT_EQ(form->PaintBox->Image(), shown) << what;
    };
    for (const char* line : {"FARBE rot", "PUNKT A -3 -2", "PUNKT B 3 2", "GERADE g A B", "KREIS k A 3"})
        Type(line);
    shownIsRepainted("typed");
    services.answers = {GuiServices::Answer::Ok};  // replace the modified construction
    WriteAll(dir.filePath("achsen.con"), "FARBE blau\r\nPUNKT P 0 -4\r\nPUNKT Q 0 4\r\nSTRECKE s P Q\r\n");
    Open(dir.filePath("achsen.con"));
    ASSERT_EQ(form->Document->LineCount(), 4);
    shownIsRepainted("opened");
}

TEST_F(MainFormTest, ValueGoesToAnInformationBoxOrTheStatusLine) {
    Type(U("PUNKT Ä 1 2"));
    Type(U("WERT Ä"));
    ASSERT_EQ(services.infos.size(), 1);
    EXPECT_TRUE(services.infos[0].contains(U("Ä"))) << services.infos[0].toStdString();
    form->Options.ValueInStatusLine = true;
    Type(U("WERT Ä"));
    EXPECT_EQ(services.infos.size(), 1);
    EXPECT_EQ(form->Panel1->text(), services.infos[0]);
}

TEST_F(MainFormTest, UndoDownToEmpty) {
    Type("PUNKT A 0 0");
    Type("PUNKT B 4 0");
    Type("STRECKE s A B");
    form->Document->SetModified(false);
    form->EditUndo();
    EXPECT_EQ(form->Lines(), (QStringList{"PUNKT A 0 0", "PUNKT B 4 0"}));
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 2);
    EXPECT_TRUE(form->Document->Modified());
    form->EditUndo();
    form->EditUndo();
    form->EditUndo();  // on the empty list: nothing left to take back
    EXPECT_EQ(form->Document->LineCount(), 0);
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 0);
    EXPECT_TRUE(form->Document->Modified());
}

TEST_F(MainFormTest, EditorOkCancelAndUnchanged) {
    Type("PUNKT A 0 0");
    Type("PUNKT B 4 0");
    Type("PUNKT C 2 2");
    form->Document->SetModified(false);
    QString shown;
    services.dialog = [&](QDialog& d) {
        auto& editor = dynamic_cast<TEditorForm&>(d);
        shown = editor.Memo->toPlainText();
        editor.Memo->selectAll();
        editor.Memo->insertPlainText("PUNKT A 0 0\nSTRECKE s A X\nPUNKT C 2 2\n");
        return int(QDialog::Rejected);
    };
    form->Editor1Click();
    EXPECT_EQ(shown, "PUNKT A 0 0\nPUNKT B 4 0\nPUNKT C 2 2");
    EXPECT_EQ(form->Document->LineCount(), 3);
    EXPECT_FALSE(form->Document->Modified());

    services.dialog = [](QDialog&) { return int(QDialog::Accepted); };  // OK without a change
    form->Editor1Click();
    EXPECT_FALSE(form->Document->Modified());
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 3);

    // The edited middle line is rejected: all lines stay, objects exist up to it.
    services.dialog = [](QDialog& d) {
        auto& editor = dynamic_cast<TEditorForm&>(d);
        editor.Memo->selectAll();
        editor.Memo->insertPlainText("PUNKT A 0 0\nSTRECKE s A X\nPUNKT C 2 2\n");
        return int(QDialog::Accepted);
    };
    form->Editor1Click();
    EXPECT_EQ(form->Lines(), (QStringList{"PUNKT A 0 0", "STRECKE s A X", "PUNKT C 2 2"}));
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 1);
    EXPECT_TRUE(form->Document->Modified());
    EXPECT_EQ(services.errors.size(), 1);

    // Pasted text with CR LF or CR line ends gives one line per line, as its file would; a NUL is a blank.
    services.dialog = [](QDialog& d) {
        auto& editor = dynamic_cast<TEditorForm&>(d);
        editor.Memo->setPlainText(QString::fromUtf8("PUNKT A 0 0\r\nPUNKT B 1 1\rPUNKT C\x00 2 2\r\n", 39));
        return int(QDialog::Accepted);
    };
    form->Editor1Click();
    EXPECT_EQ(form->Lines(), (QStringList{"PUNKT A 0 0", "PUNKT B 1 1", "PUNKT C  2 2"}));
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 3);
}

TEST_F(MainFormTest, OpenReadsEveryLineEndingAndSaveWritesCrLf) {
    const QStringList expected{"PUNKT A 1 2", "", "PUNKT B 3 4"};
    const QByteArray variants[] = {"PUNKT A 1 2\r\n\r\nPUNKT B 3 4\r\n", "PUNKT A 1 2\r\rPUNKT B 3 4\r",
                                   "PUNKT A 1 2\n\nPUNKT B 3 4",
                                   QByteArray("PUNKT A 1 2\n\nPUNKT B 3 4\n\0X\n", 26)};
    for (const QByteArray& bytes : variants) {
        const QString path = dir.filePath("in.con");
        WriteAll(path, bytes);
        Open(path);
        EXPECT_EQ(form->Lines(), expected) << bytes.toStdString();
        EXPECT_EQ(form->Document->Parser().Objects.Count(), 2);
        EXPECT_FALSE(form->Document->Untitled());
        EXPECT_FALSE(form->Document->Modified());
        EXPECT_EQ(form->Panel2->text(), "in.con");
    }
    EXPECT_TRUE(services.errors.isEmpty());

    // Bytes outside ASCII survive unchanged, also in lines the interpreter rejects; after Save As,
    // plain saves go to the chosen file without asking.
    const QByteArray bytes("PUNKT \xC4 1 2\r\nPUNKT \x81\x9F 3 4\r\n");
    WriteAll(dir.filePath("bytes.con"), bytes);
    Open(dir.filePath("bytes.con"));
    services.saveName = dir.filePath("copy.con");
    form->FileSaveAs();
    EXPECT_EQ(ReadAll(services.saveName), bytes);
    EXPECT_EQ(form->Panel2->text(), "copy.con");
    Type("PUNKT C 0 0");
    EXPECT_TRUE(form->Document->Modified());
    form->FileSave();
    EXPECT_EQ(services.saveDialogs, 1);
    EXPECT_EQ(ReadAll(services.saveName), bytes + "PUNKT C 0 0\r\n");
    EXPECT_FALSE(form->Document->Modified());

    // New with a modified construction: Cancel keeps everything, OK empties.
    Type("PUNKT D 1 1");
    form->FileNew();
    EXPECT_EQ(form->Document->LineCount(), 4);
    EXPECT_EQ(services.questions.constLast(), "Vorhandende Konstruktion ersetzen?");
    services.answers = {GuiServices::Answer::Ok};
    form->FileNew();
    EXPECT_EQ(form->Document->LineCount(), 0);
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 0);
    EXPECT_TRUE(form->Document->Untitled());

    // An empty construction saved and opened again: later saves go there without a dialog.
    services.saveName = dir.filePath("empty.con");
    form->FileSave();
    EXPECT_EQ(ReadAll(services.saveName), QByteArray());
    EXPECT_FALSE(form->Document->Untitled());
    Open(services.saveName);
    EXPECT_FALSE(form->Document->Untitled());
    EXPECT_EQ(form->Panel2->text(), "empty.con");
}

TEST_F(MainFormTest, OpenStopsAtTheRejectedLineAndReportsUnreadableFiles) {
    const QString path = dir.filePath("bad.con");
    WriteAll(path, "PUNKT A 0 0\r\nPUNKT B 1 0\r\nSTRECKE s A X\r\nPUNKT C 2 2\r\n");
    Open(path);
    EXPECT_EQ(form->Document->LineCount(), 4);
    EXPECT_EQ(form->Document->Parser().Objects.Count(), 2);
    EXPECT_EQ(services.errors.size(), 1);
    EXPECT_TRUE(form->Document->Untitled());
    EXPECT_FALSE(form->Document->Modified());
    services.saveName.clear();
    form->FileSave();
    EXPECT_EQ(services.saveDialogs, 1);  // asks for a name; cancelled, nothing written

    const QString fifo = dir.filePath("pipe.con");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& unreadable : {dir.path(), dir.filePath("vanished.con"), fifo}) {
        services.errors.clear();
        Open(unreadable);
        EXPECT_EQ(services.errors, QStringList{"Cannot open file " + unreadable + "."});
        EXPECT_EQ(form->Document->LineCount(), 0);
        EXPECT_EQ(form->FileName(), unreadable);
        EXPECT_TRUE(form->Document->Untitled());
    }
}

TEST_F(MainFormTest, FailedSaveKeepsTheOldFile) {
    const QString locked = dir.filePath("locked");
    const QString target = locked + "/old.con";
    QDir().mkpath(locked);
    WriteAll(target, "PUNKT A 0 0\r\n");
    LockedDir guard(locked);
    if (!guard.Locked()) GTEST_SKIP() << "cannot make a directory read-only here";

    Type("PUNKT Z 5 5");
    services.saveName = target;
    form->FileSaveAs();
    EXPECT_EQ(services.errors, QStringList{"Cannot create file " + target + ".\n" +
                                           U("Keine Berechtigung, dort zu schreiben.")});
    EXPECT_EQ(ReadAll(target), QByteArray("PUNKT A 0 0\r\n"));
    EXPECT_TRUE(form->Document->Modified());
    EXPECT_TRUE(form->Document->Untitled());
    EXPECT_EQ(form->FileName(), target);
    EXPECT_TRUE(form->Panel2->text().isEmpty());
    // Closing and answering Yes with the save failing again keeps the window open.
    services.answers = {GuiServices::Answer::Yes};
    EXPECT_FALSE(form->close());
}

TEST_F(MainFormTest, CloseQuestionAndSettings) {
    const QString ini = dir.filePath("LINEATO.INI");
    Type("PUNKT A 0 0");
    form->Options.ValueInStatusLine = true;

    services.answers = {GuiServices::Answer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(services.questions, QStringList{U("Konstruktions wurde verändert.\n\rSpeichern?")});
    EXPECT_FALSE(QFile::exists(ini));

    // Yes with the save dialog cancelled: the construction must not be lost.
    services.answers = {GuiServices::Answer::Yes};
    EXPECT_FALSE(form->close());

    services.answers = {GuiServices::Answer::Yes};
    services.saveName = dir.filePath("kept.con");
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadAll(services.saveName), QByteArray("PUNKT A 0 0\r\n"));
    EXPECT_TRUE(LoadSettings(QFile::encodeName(ini).toStdString()).ValueInStatusLine);

    // A fresh window reads them back; answering No closes without writing the construction.
    TMainForm second(services, ini);
    EXPECT_TRUE(second.Options.ValueInStatusLine);
    second.Edit->setText("PUNKT B 1 1");
    second.OkButtonClick();
    services.answers = {GuiServices::Answer::No};
    services.saveDialogs = 0;
    EXPECT_TRUE(second.close());
    EXPECT_EQ(services.saveDialogs, 0);

    // Settings that cannot be written are reported once; an unchanged construction asks nothing.
    TMainForm third(services, dir.filePath("missing/dir/LINEATO.INI"));
    services.questions.clear();
    services.errors.clear();
    EXPECT_TRUE(third.close());
    EXPECT_TRUE(services.questions.isEmpty());
    EXPECT_EQ(services.errors, QStringList{U(kSettingsWriteError)});
}

}  // namespace
