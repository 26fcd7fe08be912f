// The construction description window: opened from the Konstruktion menu, read-only and copyable, and
// following every change of the construction.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/descriptionwindow.h"
#include "app/editorform.h"
#include "app/mainform.h"
#include "drawing/drawstate.h"
#include "tests/app/replay_print_services.h"

namespace {

class DescriptionWindowTest : public ::testing::Test {
protected:
    DescriptionWindowTest() : form(services, dir.filePath("LINEATO.INI")) { form.show(); }

    QAction* ConstructionAction(const QString& caption) {
        for (QAction* top : form.menuBar()->actions())
            if (top->text() == QStringLiteral("&Konstruktion"))
                for (QAction* a : top->menu()->actions())
                    if (a->text() == caption) return a;
        return nullptr;
    }
    void Type(const QString& line) {
        form.Edit->setText(line);
        QTest::keyClick(form.Edit, Qt::Key_Return);
    }
    // The window's text once the changes so far have arrived.
    QString Shown() {
        QCoreApplication::processEvents();
        return form.Beschreibung->Memo->toPlainText();
    }

    DrawStateGuard guard;
    QTemporaryDir dir;
    ScriptedServices services;
    TMainForm form;
};

}  // namespace

TEST_F(DescriptionWindowTest, MenuOpensOneReadOnlyWindowThatCopiesItsText) {
    QAction* open = ConstructionAction(QStringLiteral("Konstruktions&beschreibung"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->statusTip(), QStringLiteral("Konstruktionsbeschreibung anzeigen"));
    Type(QStringLiteral("PUNKT A 1,5 2"));
    open->trigger();
    ASSERT_NE(form.Beschreibung, nullptr);
    TBeschreibungForm* window = form.Beschreibung;
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Konstruktionsbeschreibung"));
    EXPECT_TRUE(window->Memo->isReadOnly());
    EXPECT_EQ(Shown(), QStringLiteral("1. Zeichne den Punkt A(1,5|2).\n"));

    window->SelectAllBtn->click();
    window->CopyBtn->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1. Zeichne den Punkt A(1,5|2).\n"));
    // Closed and opened again: the same window, up to date.
    window->CloseBtn->click();
    EXPECT_FALSE(window->isVisible());
    Type(QStringLiteral("PUNKT B 0 0"));
    open->trigger();
    EXPECT_EQ(form.Beschreibung, window);
    EXPECT_EQ(Shown(), QStringLiteral("1. Zeichne den Punkt A(1,5|2).\n2. Zeichne den Punkt B(0|0).\n"));
    // The command line keeps working while the window is open.
    Type(QStringLiteral("KREIS k A B"));
    EXPECT_TRUE(form.Edit->text().isEmpty());
}

TEST_F(DescriptionWindowTest, FollowsTypingUndoRedoEditorOpenNewAndDragging) {
    form.Konstruktionsbeschreibung1Click();
    EXPECT_EQ(Shown(), QString());
    Type(QStringLiteral("PUNKT A 0 0"));
    Type(QStringLiteral("PUNKT B 4 0"));
    Type(QStringLiteral("STRECKE c A B"));
    EXPECT_TRUE(Shown().endsWith(QStringLiteral("3. Zeichne die Strecke c von A nach B.\n")));
    // A rejected line changes nothing.
    Type(QStringLiteral("STRECKE c A B"));
    EXPECT_EQ(Shown().count(QLatin1Char('\n')), 3);

    form.EditUndo();
    EXPECT_EQ(Shown().count(QLatin1Char('\n')), 2);
    form.EditRedo();
    EXPECT_EQ(Shown().count(QLatin1Char('\n')), 3);

    // The editor: the text replaced, executed up to its rejected line.
    services.dialogScript = [](QDialog& dialog) {
        auto& editor = static_cast<TEditorForm&>(dialog);
        editor.Memo->setPlainText(QStringLiteral("PUNKT A 0 0\nGERADE g A A\nPUNKT A 1 1\nPUNKT C 2 2"));
        editor.Memo->document()->setModified(true);
        dialog.accept();
    };
    form.Editor1Click();
    EXPECT_EQ(Shown(),
              QStringLiteral("1. Zeichne den Punkt A(0|0).\n2. Zeichne die Gerade g durch A und A.\n"));

    // Dragging the point rewrites its line live.
    form.Document->BeginLiveEdit(0);
    form.Document->SetLiveText("PUNKT A 0.5 -1");
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("1. Zeichne den Punkt A(0,5|-1).\n")));
    form.Document->EndLiveEdit();

    // Open, then New.
    const QString path = dir.filePath(QStringLiteral("k.con"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("PUNKT M 0 0\r\nKREIS k M 2\r\n");
    file.close();
    form.Document->SetModified(false);
    form.OpenFile(path);
    EXPECT_EQ(Shown(), QStringLiteral(
                           "1. Zeichne den Punkt M(0|0).\n2. Zeichne den Kreis k um M mit dem Radius 2.\n"));
    form.FileNew();
    EXPECT_EQ(Shown(), QString());
}
