// The window as a view of its document: Wiederherstellen, the command history, where typing goes, the
// line a rebuild stopped at, the editor's place and the file given at start.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "app/editorform.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "drawing/drawstate.h"
#include "tests/app/replay_print_services.h"

namespace {

class WindowDocumentTest : public ::testing::Test {
protected:
    WindowDocumentTest() : form(services, dir.filePath("LINEATO.INI")) {
        form.show();
        // Shortcuts and the focus need the active window.
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void Type(const QString& line) {
        form.Edit->setText(line);
        QTest::keyClick(form.Edit, Qt::Key_Return);
    }
    QList<QAction*> EditMenu() {
        for (QAction* top : form.menuBar()->actions())
            if (top->text() == QStringLiteral("&Bearbeiten")) return top->menu()->actions();
        return {};
    }
    QAction* EditMenuAction(const QString& caption) {
        for (QAction* a : EditMenu())
            if (a->text() == caption) return a;
        return nullptr;
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (int i = 0; i < form.Document->LineCount(); ++i)
            if (form.ListBox->selectionModel()->isRowSelected(i, QModelIndex())) rows.push_back(i);
        return rows;
    }
    QString WriteFile(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    DrawStateGuard guard;
    QTemporaryDir dir;
    ScriptedServices services;
    TMainForm form;
};

TEST_F(WindowDocumentTest, WiederherstellenFollowsRueckgaengigInMenuKeysAndState) {
    QAction* undo = EditMenuAction(QString::fromUtf8("&Rückgängig"));
    QAction* redo = EditMenuAction(QStringLiteral("&Wiederherstellen"));
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    const QList<QAction*> entries = EditMenu();
    EXPECT_EQ(entries.indexOf(redo), entries.indexOf(undo) + 1);
    EXPECT_EQ(redo->statusTip(), "Die zuletzt rückgängig gemachte Aktion wiederherstellen");
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_TRUE(undo->isEnabled());  // also on the empty list, where it marks the construction changed
    EXPECT_FALSE(redo->isEnabled());

    Type("PUNKT A 0 0");
    Type("PUNKT B 4 0");
    Type("STRECKE s A B");
    const QImage whole = form.PaintBox->Image();
    // The keys work while typing in the command line.
    form.Edit->setFocus();
    QTest::keyClick(form.Edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.Edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Lines(), QStringList{"PUNKT A 0 0"});
    EXPECT_TRUE(redo->isEnabled());
    QTest::keyClick(form.Edit, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(form.Edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Lines(), (QStringList{"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B"}));
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(form.PaintBox->Image(), whole);

    // A new accepted line forgets what could be put back.
    form.EditUndo();
    Type("PUNKT C 1 1");
    EXPECT_FALSE(redo->isEnabled());
    form.EditRedo();
    EXPECT_EQ(form.Document->LineCount(), 3);
}

TEST_F(WindowDocumentTest, ArrowKeysBringBackTypedLinesLikeAShell) {
    Type("PUNKT A 0 0");
    Type("KREIS k X 1");  // rejected, stays in the line; still remembered
    form.Edit->clear();
    Type("PUNKT B 1 1");
    QTest::keyClicks(form.Edit, "WER");
    QTest::keyClick(form.Edit, Qt::Key_Up);
    EXPECT_EQ(form.Edit->text(), "PUNKT B 1 1");
    QTest::keyClick(form.Edit, Qt::Key_Up);
    QTest::keyClick(form.Edit, Qt::Key_Up);
    QTest::keyClick(form.Edit, Qt::Key_Up);
    EXPECT_EQ(form.Edit->text(), "PUNKT A 0 0");
    QTest::keyClick(form.Edit, Qt::Key_Down);
    EXPECT_EQ(form.Edit->text(), "KREIS k X 1");
    QTest::keyClick(form.Edit, Qt::Key_Down);
    QTest::keyClick(form.Edit, Qt::Key_Down);
    EXPECT_EQ(form.Edit->text(), "WER");
    // Escape still empties the line, F1 still completes; the history survives New.
    QTest::keyClick(form.Edit, Qt::Key_Escape);
    EXPECT_TRUE(form.Edit->text().isEmpty());
    form.FileNew();
    QTest::keyClick(form.Edit, Qt::Key_Up);
    EXPECT_EQ(form.Edit->text(), "PUNKT B 1 1");
}

TEST_F(WindowDocumentTest, TypingInTheListGoesToTheCommandLine) {
    Type("PUNKT A 0 0");
    form.ListBox->setFocus();
    QTest::keyClicks(form.ListBox, "PUNKT B 1 1");
    EXPECT_EQ(form.Edit->text(), "PUNKT B 1 1");
    EXPECT_TRUE(form.Edit->hasFocus());
    QTest::keyClick(form.Edit, Qt::Key_Return);
    EXPECT_EQ(form.Document->LineCount(), 2);
    // A click into the drawing gives the command line the focus as well.
    form.ListBox->setFocus();
    QTest::mouseClick(form.PaintBox, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(form.Edit->hasFocus());
}

TEST_F(WindowDocumentTest, RebuildsSelectTheLineTheyStoppedAtBeforeItsBox) {
    std::vector<std::vector<int>> selectedAtBox;
    services.onError = [&] { selectedAtBox.push_back(SelectedRows()); };
    QByteArray text;
    for (int i = 0; i < 60; ++i)
        text += "PUNKT P" + QByteArray::number(i) + " 0 0\r\n";
    text += "KREIS k X 1\r\nPUNKT Q 1 1\r\n";
    form.OpenFile(WriteFile("a.con", text));
    ASSERT_EQ(services.errors.size(), 1u);
    EXPECT_EQ(selectedAtBox.back(), std::vector<int>{60});
    // Scrolled into view.
    const QRect row = form.ListBox->visualRect(form.ListBox->model()->index(60, 0));
    EXPECT_TRUE(form.ListBox->viewport()->rect().intersects(row));

    form.ListBox->clearSelection();
    form.EditUndo();
    EXPECT_EQ(selectedAtBox.back(), std::vector<int>{60});

    services.dialogScript = [](QDialog& dialog) {
        auto& editor = static_cast<TEditorForm&>(dialog);
        editor.Memo->setPlainText(QStringLiteral("PUNKT A 0 0\nSTRECKE s A X\nPUNKT B 1 1"));
        editor.accept();
    };
    form.Editor1Click();
    EXPECT_EQ(selectedAtBox.back(), std::vector<int>{1});
    EXPECT_EQ(services.errors.size(), 3u);
}

TEST_F(WindowDocumentTest, FileGivenAtStartOpensAsOpenDoes) {
    form.OpenFile(WriteFile("b.con", "PUNKT A 0 0\r\nPUNKT B 3 0\r\nSTRECKE s A B\r\n"));
    EXPECT_EQ(form.Lines(), (QStringList{"PUNKT A 0 0", "PUNKT B 3 0", "STRECKE s A B"}));
    EXPECT_FALSE(form.Document->Untitled());
    EXPECT_FALSE(form.Document->Modified());
    EXPECT_EQ(form.FileName(), dir.filePath("b.con"));
    EXPECT_TRUE(services.errors.empty());

    form.OpenFile(dir.filePath("missing.con"));
    EXPECT_EQ(services.errors, std::vector<QString>{"Cannot open file " + dir.filePath("missing.con") + "."});
}

TEST_F(WindowDocumentTest, EditorReopensWhereItWasLast) {
    QPoint firstPlace;
    services.dialogScript = [&](QDialog& dialog) {
        firstPlace = dialog.pos();
        dialog.move(firstPlace + QPoint(37, 23));
    };
    form.Editor1Click();
    QPoint secondPlace;
    services.dialogScript = [&](QDialog& dialog) { secondPlace = dialog.pos(); };
    form.Editor1Click();
    EXPECT_EQ(secondPlace, firstPlace + QPoint(37, 23));
}

}  // namespace
