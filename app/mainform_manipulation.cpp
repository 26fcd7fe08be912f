// Direct manipulation in the main window: dragging a free point rewrites its PUNKT line, Ctrl+wheel and
// Alt+arrows step a number of a line in place; the text stays the construction.
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "app/commandlistdelegate.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtext.h"
#include "document/numbertext.h"
#include "drawing/transform.h"
#include "text/asciicase.h"

namespace {

// The indices into a line's tokens of its numbers, in reading order.
std::vector<int> NumberTokens(const LineState& state) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < state.tokens.size(); ++i)
        if (state.tokens[i].kind == LineToken::Kind::Number) numbers.push_back(static_cast<int>(i));
    return numbers;
}

std::string TokenText(const std::string& line, const LineToken& token) {
    return line.substr(token.begin, token.end - token.begin);
}

// A coordinate snapped to tenths of a unit, or to whole units.
double Snap(double value, bool wholeUnits) {
    const double step = wholeUnits ? 1.0 : 0.1;
    return std::nearbyint(value / step) * step;
}

}  // namespace

TPunkt* TMainForm::PointAt(int x, int y) const {
    // Points lie above the figures made from them; visible ones above the hidden helpers.
    const TObjList& objects = Document->Parser().Objects;
    const double wx = ToWorldX(x);
    const double wy = ToWorldY(y);
    for (const bool visible : {true, false}) {
        for (int i = objects.Count() - 1; i >= 0; --i) {
            TPunkt* object = objects.Item(i);
            if (object->Visible == visible && object->KindName() == "Punkt" &&
                object->HitTest(wx, wy) != nullptr)
                return object;
        }
    }
    return nullptr;
}

TPunkt* TMainForm::FreePointAt(int x, int y) const {
    // A free point wins over a constructed one at the same place: it is what can be dragged there.
    const TObjList& objects = Document->Parser().Objects;
    const double wx = ToWorldX(x);
    const double wy = ToWorldY(y);
    for (int i = objects.Count() - 1; i >= 0; --i) {
        TPunkt* object = objects.Item(i);
        if (object->Visible && object->KindName() == "Punkt" && object->HitTest(wx, wy) != nullptr &&
            FreePointLine(object) >= 0)
            return object;
    }
    return nullptr;
}

int TMainForm::FreePointLine(const TPunkt* point) const {
    if (point == nullptr || !point->Visible) return -1;
    const int line = Document->LineOfObject(point);
    if (line < 0) return -1;
    const LineState& state = Document->State(line);
    if (state.tokens.empty() || state.tokens.front().kind != LineToken::Kind::Command) return -1;
    return UpperAscii(TokenText(Document->Line(line), state.tokens.front())) == "PUNKT" ? line : -1;
}

void TMainForm::PaintBoxHover(int x, int y) {
    if (Document->LiveEditing()) return;
    if (FreePointAt(x, y) != nullptr) {
        PaintBox->setCursor(Qt::OpenHandCursor);
        return;
    }
    PaintBox->setCursor(Document->Parser().Objects.FindAt(x, y) != nullptr ? Qt::CrossCursor
                                                                           : Qt::ArrowCursor);
}

bool TMainForm::PaintBoxMouseEvent(QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() != Qt::LeftButton || Document->LiveEditing()) return false;
            const QPoint p = mouse->position().toPoint();
            const TPunkt* free = FreePointAt(p.x(), p.y());
            if (free == nullptr) {
                if (const TPunkt* point = PointAt(p.x(), p.y())) ShowConstructedPoint(*point);
                return false;
            }
            Document->BeginLiveEdit(FreePointLine(free));
            PaintBox->setCursor(Qt::ClosedHandCursor);
            // Escape reaches the drag whichever control has the focus.
            PaintBox->grabKeyboard();
            return false;
        }
        case QEvent::MouseMove: {
            if (!Document->LiveEditing()) return false;
            const auto* mouse = static_cast<QMouseEvent*>(e);
            const QPoint p = mouse->position().toPoint();
            DragTo(p.x(), p.y(), mouse->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() != Qt::LeftButton || !Document->LiveEditing()) return false;
            EndDrag(false);
            return true;
        }
        case QEvent::KeyPress:
            if (Document->LiveEditing() && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                EndDrag(true);
                return true;
            }
            return false;
        default:
            return false;
    }
}

void TMainForm::DragTo(int x, int y, bool wholeUnits) {
    const int line = Document->LiveLine();
    const std::string& text = Document->Line(line);
    const LineState& state = Document->State(line);
    const std::vector<int> numbers = NumberTokens(state);
    // The line's own decimal separator, a point by default.
    char separator = '.';
    for (int token : numbers)
        if (TokenText(text, state.tokens[static_cast<std::size_t>(token)]).find(',') != std::string::npos)
            separator = ',';
    const std::string xText = CoordinateText(Snap(ToWorldX(x), wholeUnits), separator);
    const std::string yText = CoordinateText(Snap(ToWorldY(y), wholeUnits), separator);
    std::string moved = text;
    if (numbers.size() >= 2) {
        // The later number first, so that the earlier one's place stays valid.
        const LineToken& xSpan = state.tokens[static_cast<std::size_t>(numbers[0])];
        const LineToken& ySpan = state.tokens[static_cast<std::size_t>(numbers[1])];
        moved.replace(ySpan.begin, ySpan.end - ySpan.begin, yText);
        moved.replace(xSpan.begin, xSpan.end - xSpan.begin, xText);
    } else {
        // A point at the origin gains its coordinates.
        while (!moved.empty() && moved.back() == ' ')
            moved.pop_back();
        moved += ' ' + xText + ' ' + yText;
    }
    Document->SetLiveText(std::move(moved));
    // Where the point is now, unless the move left a line rejected.
    const LineState& movedState = Document->State(line);
    if (movedState.accepted && movedState.objectCount == 1)
        Panel1->setText(Cp1252ToQString(Document->Parser().Objects.Item(movedState.firstObject)->Describe()));
    ShowRejectedLine();
    PaintBox->update();
}

void TMainForm::EndDrag(bool cancel) {
    PaintBox->releaseKeyboard();
    if (cancel)
        Document->CancelLiveEdit();
    else
        Document->EndLiveEdit();
    PaintBox->unsetCursor();
    // Once, in the status line: the first line the change left rejected.
    ShowRejectedLine();
    PaintBox->update();
}

void TMainForm::ShowConstructedPoint(const TPunkt& point) {
    const int line = Document->LineOfObject(&point);
    if (line < 0) return;
    const QString where =
        QStringLiteral("Zeile %1: %2").arg(line + 1).arg(Cp1252ToQString(Document->Line(line)));
    if (point.GetName().empty())
        Panel1->setText(
            QString::fromUtf8("Dieser Hilfspunkt ist konstruiert und kann nicht gezogen werden (%1).")
                .arg(where));
    else
        Panel1->setText(QString::fromUtf8("Punkt %1 ist konstruiert und kann nicht gezogen werden (%2).")
                            .arg(Cp1252ToQString(point.GetName()), where));
}

void TMainForm::ShowRejectedLine() {
    const int rejected = Document->MarksRejected() ? Document->FirstRejectedLine() : -1;
    if (rejected < 0) return;
    Panel1->setText(QStringLiteral("Zeile %1: %2")
                        .arg(rejected + 1)
                        .arg(Cp1252ToQString(Document->State(rejected).message.str())));
}

// ---- Numbers of the command list

void TMainForm::ChooseNumber(int row, int choice) {
    listDelegate_->SetHighlight(-1, 0, 0);
    chosenRow_ = row;
    chosenNumber_ = choice;
    if (row >= 0 && row < Document->LineCount()) {
        const LineState& state = Document->State(row);
        const std::vector<int> numbers = NumberTokens(state);
        if (!numbers.empty()) {
            chosenNumber_ = (choice % static_cast<int>(numbers.size()) + static_cast<int>(numbers.size())) %
                            static_cast<int>(numbers.size());
            const LineToken& span =
                state.tokens[static_cast<std::size_t>(numbers[static_cast<std::size_t>(chosenNumber_)])];
            listDelegate_->SetHighlight(row, static_cast<int>(span.begin), static_cast<int>(span.end));
        }
    }
    ListBox->viewport()->update();
}

void TMainForm::StepNumberOf(int row, int token, int steps) {
    if (!Document->StepNumber(row, token, steps)) return;
    ShowRejectedLine();
    // The number's place may have moved with its length.
    if (row == chosenRow_) ChooseNumber(row, chosenNumber_);
    PaintBox->update();
}

bool TMainForm::ListBoxNumberKey(QKeyEvent* key) {
    if (key->modifiers() != Qt::AltModifier) return false;
    const int row = ListBox->currentIndex().isValid() ? ListBox->currentIndex().row() : -1;
    if (row < 0) return false;
    const int current = row == chosenRow_ ? chosenNumber_ : 0;
    switch (key->key()) {
        case Qt::Key_Left:
            ChooseNumber(row, row == chosenRow_ ? current - 1 : 0);
            return true;
        case Qt::Key_Right:
            ChooseNumber(row, row == chosenRow_ ? current + 1 : 0);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            if (row != chosenRow_) ChooseNumber(row, 0);
            const std::vector<int> numbers = NumberTokens(Document->State(row));
            if (numbers.empty()) return true;
            // The choice may stem from an earlier text of the line, with other numbers or none.
            const int count = static_cast<int>(numbers.size());
            chosenNumber_ = (chosenNumber_ % count + count) % count;
            StepNumberOf(row, numbers[static_cast<std::size_t>(chosenNumber_)],
                         key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        default:
            return false;
    }
}

bool TMainForm::ListBoxWheel(QWheelEvent* wheel) {
    if (!wheel->modifiers().testFlag(Qt::ControlModifier)) return false;
    const QPoint p = wheel->position().toPoint();
    const QModelIndex index = ListBox->indexAt(p);
    const int delta = wheel->angleDelta().y();
    if (!index.isValid() || delta == 0) return true;
    QStyleOptionViewItem option;
    option.initFrom(ListBox);
    option.rect = ListBox->visualRect(index);
    option.font = ListBox->font();
    option.widget = ListBox;
    const int character = listDelegate_->CharacterAt(option, index, p);
    const LineState& state = Document->State(index.row());
    for (std::size_t i = 0; i < state.tokens.size(); ++i) {
        const LineToken& token = state.tokens[i];
        if (token.kind == LineToken::Kind::Number && character >= static_cast<int>(token.begin) &&
            character < static_cast<int>(token.end)) {
            StepNumberOf(index.row(), static_cast<int>(i), delta > 0 ? 1 : -1);
            break;
        }
    }
    return true;
}
