// Direct manipulation in the real window: dragging a free point of the circumcircle construction, Escape,
// one undo step, constructed points, marks of rejected lines, and numbers stepped by wheel and keys.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <string>

#include "app/mainform.h"
#include "app/paintbox.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "tests/app/replay_print_services.h"

namespace {

class ManipulationTest : public ::testing::Test {
protected:
    ManipulationTest() : form(services, dir.filePath("LINEATO.INI")) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void OpenUmkreis() {
        form.OpenFile(QStringLiteral(LINEATO_SOURCE_DIR "/examples/umkreis.con"));
        ASSERT_EQ(form.Document->LineCount(), 16);
        services.information.clear();
    }
    static QPoint At(double x, double y) { return QPoint(ToScreenX(x), ToScreenY(y)); }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, form.PaintBox->mapToGlobal(p), button, buttons, modifiers);
        QCoreApplication::sendEvent(form.PaintBox, &event);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= 5; ++i)
            Mouse(QEvent::MouseMove, from + (to - from) * i / 5, Qt::LeftButton, modifiers);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    TPunkt* Obj(const char* name) const { return form.Document->Parser().Objects.FindByName(name); }
    QVariant Data(int row, int role) const { return form.ListBox->model()->index(row, 0).data(role); }

    DrawStateGuard guard;
    QTemporaryDir dir;
    ScriptedServices services;
    TMainForm form;
};

TEST_F(ManipulationTest, DraggingAFreePointRewritesItsLineAndEverythingFollows) {
    OpenUmkreis();
    const std::string circleBefore = Obj("u")->Describe();
    const double viewBefore = Drawing().XMax;
    // An open hand over the free point A, a closed one while dragging it.
    Mouse(QEvent::MouseMove, At(0, 0), Qt::NoButton);
    EXPECT_EQ(form.PaintBox->cursor().shape(), Qt::OpenHandCursor);
    Mouse(QEvent::MouseButtonPress, At(0, 0), Qt::LeftButton);
    EXPECT_EQ(form.PaintBox->cursor().shape(), Qt::ClosedHandCursor);
    Mouse(QEvent::MouseMove, At(-1.03, 0.96), Qt::LeftButton);
    EXPECT_EQ(form.Lines().front(), "PUNKT A -1 1");  // tenths of a unit, at once in the list
    Mouse(QEvent::MouseMove, At(-2.04, 1.52), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, At(-2.04, 1.52), Qt::NoButton);
    EXPECT_EQ(form.Lines().front(), "PUNKT A -2 1.5");
    EXPECT_NE(Obj("u")->Describe(), circleBefore);
    // The perpendicular bisectors still meet in U, which is as far from A as from B and C.
    const TPunkt* u = Obj("U");
    const auto distance = [u](const TPunkt* p) {
        return std::hypot(p->GetX() - u->GetX(), p->GetY() - u->GetY());
    };
    EXPECT_NEAR(distance(Obj("A")), distance(Obj("B")), 1e-9);
    EXPECT_NEAR(distance(Obj("A")), distance(Obj("C")), 1e-9);
    EXPECT_TRUE(form.Document->Modified());
    EXPECT_TRUE(services.errors.empty());
    EXPECT_TRUE(services.information.empty());  // the WERT lines showed no box while moving
    EXPECT_GE(Drawing().XMax, viewBefore);

    form.EditUndo();
    EXPECT_EQ(form.Lines().front(), "PUNKT A 0 0");
    EXPECT_EQ(Obj("u")->Describe(), circleBefore);
    form.EditRedo();
    EXPECT_EQ(form.Lines().front(), "PUNKT A -2 1.5");
}

TEST_F(ManipulationTest, EscapePutsThePointBackAndShiftSnapsToWholeUnits) {
    OpenUmkreis();
    form.Document->SetModified(false);
    Mouse(QEvent::MouseButtonPress, At(6, 0), Qt::LeftButton);
    Mouse(QEvent::MouseMove, At(7.3, 0.6), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(form.Lines()[1], "PUNKT B 7 1");
    QTest::keyClick(form.PaintBox, Qt::Key_Escape);
    EXPECT_EQ(form.Lines()[1], "PUNKT B 6 0");
    EXPECT_FALSE(form.Document->LiveEditing());
    Mouse(QEvent::MouseButtonRelease, At(7.3, 0.6), Qt::NoButton);
    EXPECT_EQ(form.Lines()[1], "PUNKT B 6 0");
    EXPECT_FALSE(form.Document->Modified());
}

TEST_F(ManipulationTest, PointsGainCoordinatesInTheirOwnSeparator) {
    form.Document->Load("PUNKT P\nPUNKT Q 1,5 2\n");
    Drag(At(0, 0), At(0.31, -0.74));
    EXPECT_EQ(form.Lines()[0], "PUNKT P 0.3 -0.7");
    Drag(At(1.5, 2), At(2.26, 2.5));
    EXPECT_EQ(form.Lines()[1], "PUNKT Q 2,3 2,5");
}

TEST_F(ManipulationTest, ConstructedPointsStayAndSayWhichLineMadeThem) {
    OpenUmkreis();
    const QString before = form.Lines().join('\n');
    Mouse(QEvent::MouseButtonPress, At(3, 0), Qt::LeftButton);  // Mc, the midpoint of c
    Mouse(QEvent::MouseButtonRelease, At(3, 0), Qt::NoButton);
    EXPECT_EQ(form.Lines().join('\n'), before);
    EXPECT_EQ(form.Panel1->text(),
              "Punkt Mc ist konstruiert und kann nicht gezogen werden (Zeile 6: MP Mc c).");
    Mouse(QEvent::MouseMove, At(3, 0), Qt::NoButton);
    EXPECT_EQ(form.PaintBox->cursor().shape(), Qt::CrossCursor);
}

TEST_F(ManipulationTest, RejectedLinesAreMarkedWhileMovingAndWholeAgainWhenBack) {
    form.Document->Load("PUNKT A 0 0\nPUNKT B 4 0\nKREIS k A 1\nKREIS m B 1\nBEZ SP k m S T\n");
    ASSERT_TRUE(services.errors.size() == 1u);  // the circles do not meet
    services.errors.clear();
    Mouse(QEvent::MouseButtonPress, At(4, 0), Qt::LeftButton);
    Mouse(QEvent::MouseMove, At(1.5, 0), Qt::LeftButton);
    EXPECT_FALSE(Data(4, Qt::ForegroundRole).isValid());  // they meet now
    EXPECT_NE(Obj("S"), nullptr);
    Mouse(QEvent::MouseMove, At(3, 0), Qt::LeftButton);
    EXPECT_EQ(Data(4, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(Data(4, Qt::ToolTipRole).toString(), "Es exitstiert kein Schnittpunkt!");
    EXPECT_EQ(Obj("S"), nullptr);
    Mouse(QEvent::MouseButtonRelease, At(3, 0), Qt::NoButton);
    EXPECT_TRUE(services.errors.empty());  // no box at all
    EXPECT_EQ(form.Panel1->text(), "Zeile 5: Es exitstiert kein Schnittpunkt!");
    EXPECT_TRUE(Data(4, Qt::ForegroundRole).isValid());  // still marked after the drag
    Drag(At(3, 0), At(1, 0));
    EXPECT_FALSE(Data(4, Qt::ForegroundRole).isValid());
}

TEST_F(ManipulationTest, NumbersChangeByCtrlWheelAndAltArrows) {
    form.Document->Load("PUNKT M 0 0\nKREIS k M 2,5\nDREHE 90\n");
    const QRect row = form.ListBox->visualRect(form.ListBox->model()->index(1, 0));
    // The wheel over the "2,5" of "KREIS k M 2,5", near the end of the line's text.
    const QFontMetrics metrics(form.ListBox->font());
    const int x = row.left() + metrics.horizontalAdvance(QStringLiteral("KREIS k M 2")) + 2;
    const QPoint over(x, row.center().y());
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(over, form.ListBox->viewport()->mapToGlobal(over), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(form.ListBox->viewport(), &event);
    };
    wheel(120, Qt::ControlModifier);
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(form.Lines()[1], "KREIS k M 2,7");
    wheel(-120, Qt::NoModifier);  // without Ctrl the wheel only scrolls
    EXPECT_EQ(form.Lines()[1], "KREIS k M 2,7");
    form.EditUndo();  // the run of changes is one step
    EXPECT_EQ(form.Lines()[1], "KREIS k M 2,5");

    form.ListBox->setFocus();
    form.ListBox->setCurrentIndex(form.ListBox->model()->index(0, 0));
    QTest::keyClick(form.ListBox, Qt::Key_Right, Qt::AltModifier);  // the first number of "PUNKT M 0 0"
    QTest::keyClick(form.ListBox, Qt::Key_Right, Qt::AltModifier);  // then the second
    QTest::keyClick(form.ListBox, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(form.ListBox, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(form.Lines()[0], "PUNKT M 0 2");
    QTest::keyClick(form.ListBox, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(form.ListBox, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(form.Lines()[0], "PUNKT M -1 2");
    EXPECT_TRUE(form.Document->Modified());
    EXPECT_TRUE(services.errors.empty());
}

// A choice made on a line without numbers, or with more numbers than the line now has, still steps a
// number of the line as it is.
TEST_F(ManipulationTest, AChoiceFromAnEarlierTextOfTheLineStepsANumberItHasNow) {
    form.Document->Load("PUNKT P\n");
    form.ListBox->setFocus();
    form.ListBox->setCurrentIndex(form.ListBox->model()->index(0, 0));
    QTest::keyClick(form.ListBox, Qt::Key_Left, Qt::AltModifier);  // nothing to choose
    QTest::keyClick(form.ListBox, Qt::Key_Left, Qt::AltModifier);
    form.Document->ReplaceAll({"PUNKT P 1 2"});
    form.ListBox->setCurrentIndex(form.ListBox->model()->index(0, 0));
    QTest::keyClick(form.ListBox, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(form.Lines()[0], "PUNKT P 1 3");
    QTest::keyClick(form.ListBox, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(form.ListBox, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(form.ListBox, Qt::Key_Right, Qt::AltModifier);
    form.Document->ReplaceAll({"PUNKT P 5"});
    form.ListBox->setCurrentIndex(form.ListBox->model()->index(0, 0));
    QTest::keyClick(form.ListBox, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(form.Lines()[0], "PUNKT P 4");
}

}  // namespace
