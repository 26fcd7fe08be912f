// A monkey test of the real main window: a seeded random sequence of typed lines, keys, menu entries with
// scripted dialogs, mouse moves and drags, Ctrl+wheel and resizes, with the window's invariants checked
// after every action. A failure prints its seed and action index; `test_monkey --seed N --actions K`
// replays it.
//
//   test_monkey                     rounds of 150 actions from a time-based seed for 5 s
//   test_monkey --seconds S         the same for S seconds
//   test_monkey --seed N            one round with seed N (with --seconds: rounds N, N+1, ...)
//   test_monkey --seed N --actions K   the first K actions of round N, each one logged
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/editorform.h"
#include "app/einzelschritt.h"
#include "app/exportdialog.h"
#include "app/mainform.h"
#include "app/optionsdialog.h"
#include "app/paintbox.h"
#include "app/qtext.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "tests/app/monkey/monkeychecks.h"
#include "tests/app/monkey/monkeylines.h"
#include "tests/app/monkey/monkeyservices.h"
#include "text/confile.h"

namespace {

constexpr int kActionsPerRound = 150;

struct Totals {
    long rounds = 0;
    long actions = 0;
    long typed = 0;
    long accepted = 0;
    long errorBoxes = 0;
    long saves = 0;
    long grabs = 0;    // drags that took hold of a point
    long dialogs = 0;  // editor, options and replay windows driven
    long prints = 0;
};

// One round: a fresh window in its own directory, driven by one seed.
class Monkey {
public:
    Monkey(std::uint64_t seed, bool verbose)
        : seed_(seed), verbose_(verbose), random_(seed), services_(random_, dir_.path()) {
        // Bytes of the monkey's own making, for Öffnen.
        QFile foreign(dir_.filePath(QStringLiteral("fremd.con")));
        if (foreign.open(QIODevice::WriteOnly)) {
            std::string bytes;
            for (int i = 0; i < 6; ++i)
                bytes += MonkeyLine(random_, {}) + (random_.Percent(50) ? "\r\n" : "\n");
            foreign.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        form_ = std::make_unique<TMainForm>(services_, dir_.filePath(QStringLiteral("LINEATO.INI")));
        Show();
        CollectActions();
    }
    ~Monkey() {
        services_.script = nullptr;
        form_.reset();
    }

    // Runs up to `actions` actions; the failure's text, or empty.
    std::string Run(int actions, Totals& totals) {
        for (index_ = 0; index_ < actions; ++index_) {
            Act();
            ++totals.actions;
            if (failure_.empty()) Check();
            if (failure_.empty()) NoteWrittenFile();
            if (!failure_.empty()) break;
        }
        if (failure_.empty()) Fail("end of round", CheckWrittenFiles(written_));
        totals.typed += typed_;
        totals.accepted += accepted_;
        totals.errorBoxes += services_.errors.size();
        totals.saves += static_cast<long>(written_.size());
        totals.grabs += grabs_;
        totals.dialogs += dialogs_;
        totals.prints += prints_;
        return failure_;
    }
    const std::deque<std::string>& Log() const { return log_; }
    int Index() const { return index_; }

private:
    void Show() {
        form_->show();
        form_->activateWindow();
        if (!QTest::qWaitForWindowExposed(form_.get())) Fail("start", "the window is not shown");
        QApplication::processEvents();
    }

    void Note(const std::string& what) {
        if (verbose_) std::printf("  %d: %s\n", index_, what.c_str());
        log_.push_back(std::to_string(index_) + ": " + what);
        if (log_.size() > 12) log_.pop_front();
    }

    void Fail(const std::string& where, const std::string& report) {
        if (report.empty() || !failure_.empty()) return;
        failure_ = where + ": " + report;
    }

    void Check(const std::string& where = "after the action", bool picture = true) {
        Fail(where, CheckListMatchesDocument(*form_));
        Fail(where, CheckConstructionFinite(*form_));
        if (picture) Fail(where, CheckPictureIsFresh(*form_));
        Fail(where, CheckSavedFileMatches(*form_));
        if (services_.emptyBoxes > 0) Fail(where, "a box without text");
    }

    void CollectActions() {
        const std::function<void(QMenu*)> collect = [&](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                if (action->menu() != nullptr) {
                    collect(action->menu());
                    continue;
                }
                // Beenden is the close action; help opens windows of its own.
                const QString text = action->text();
                if (text == QStringLiteral("&Beenden") || text == QStringLiteral("&Inhalt") ||
                    text == QStringLiteral("&Hilfe benutzen"))
                    continue;
                menuActions_.push_back(action);
            }
        };
        for (QAction* top : form_->menuBar()->actions())
            if (top->menu() != nullptr) collect(top->menu());
    }

    // ---- Actions

    void Act() {
        const int roll = random_.Below(100);
        if (roll < 38)
            TypeLine();
        else if (roll < 50)
            PressKey();
        else if (roll < 72)
            TriggerMenu();
        else if (roll < 80)
            MoveMouse();
        else if (roll < 88)
            DragPoint();
        else if (roll < 93)
            StepNumber();
        else if (roll < 97)
            Resize();
        else
            Close();
    }

    void TypeLine() {
        const std::string line = MonkeyLine(random_, CollectNames(form_->Document->Parser().Objects));
        QString text = Cp1252ToQString(line);
        if (random_.Percent(3)) text += QString::fromUtf8("\u20ac\u4e00");  // beyond Windows-1252 too
        Note("type \"" + line + "\"");
        const int lines = form_->Document->LineCount();
        const int errors = static_cast<int>(services_.errors.size());
        form_->Edit->setFocus();
        form_->Edit->setText(text);
        if (random_.Percent(85))
            QTest::keyClick(form_->Edit, Qt::Key_Return);
        else
            form_->OkButtonClick();
        ++typed_;
        if (text.isEmpty()) return;
        // A typed line is rejected exactly when it showed an error box; an accepted one is listed as typed.
        const bool rejected = static_cast<int>(services_.errors.size()) > errors;
        if (rejected) {
            if (form_->Document->LineCount() != lines) Fail("typed line", "rejected, yet the list changed");
            if (form_->Edit->text() != text) Fail("typed line", "rejected, yet the command line changed");
            if (services_.errors.size() - errors != 1) Fail("typed line", "more than one error box");
        } else {
            ++accepted_;
            if (form_->Document->LineCount() != lines + 1)
                Fail("typed line", "accepted, yet not listed");
            else if (form_->Document->Line(lines) != AsOneLine(QStringToCp1252(text)))
                Fail("typed line", "listed as \"" + form_->Document->Line(lines) + "\"");
            if (!form_->Edit->text().isEmpty())
                Fail("typed line", "accepted, yet the command line is not empty");
        }
    }

    void PressKey() {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        };
        static const Key kKeys[] = {
            {Qt::Key_Return, Qt::NoModifier, "Enter"},
            {Qt::Key_Escape, Qt::NoModifier, "Escape"},
            {Qt::Key_F1, Qt::NoModifier, "F1"},
            {Qt::Key_Up, Qt::NoModifier, "Up"},
            {Qt::Key_Down, Qt::NoModifier, "Down"},
            {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
            {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
            {Qt::Key_Up, Qt::NoModifier, "Up"},
            {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        };
        const Key& key = kKeys[random_.Below(static_cast<int>(std::size(kKeys)))];
        // F1 completes what was begun.
        if (key.key == Qt::Key_F1 && random_.Percent(70)) {
            static const char* kBeginnings[] = {"p",           "st",    "stra", "w", "we",      "bezeichne s",
                                                "BEZEICHNE W", "l\xF6", "k",    "x", "Punkt A", "lösche b"};
            form_->Edit->setText(
                Cp1252ToQString(kBeginnings[random_.Below(static_cast<int>(std::size(kBeginnings)))]));
        }
        Note(std::string("key ") + key.name + " on \"" + QStringToCp1252(form_->Edit->text()) + "\"");
        form_->Edit->setFocus();
        QTest::keyClick(form_->Edit, key.key, key.modifiers);
    }

    void TriggerMenu() {
        QAction* action =
            menuActions_[static_cast<std::size_t>(random_.Below(static_cast<int>(menuActions_.size())))];
        Note("menu " + action->text().toStdString());
        if (!action->isEnabled()) return;
        services_.script = [this](QDialog& dialog) { Script(dialog); };
        services_.printed = false;
        QFile::remove(dir_.filePath(QStringLiteral("druck.pdf")));
        action->trigger();
        services_.script = nullptr;
        QApplication::processEvents();
        if (services_.printed) {
            ++prints_;
            QFile pdf(dir_.filePath(QStringLiteral("druck.pdf")));
            if (!pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF"))
                Fail("print", "the print into a PDF file wrote no PDF");
        }
    }

    // An unmodified construction with a file name is what that file holds (checked after every action):
    // the file is kept as written, to be checked again at the end and offered to Öffnen.
    void NoteWrittenFile() {
        const ConstructionDocument& document = *form_->Document;
        if (document.Modified() || document.Untitled() || document.FileName().empty() ||
            document.LiveEditing())
            return;
        const QString path = form_->FileName();
        written_[path] = document.Lines();
        if (!services_.written.contains(path)) services_.written.append(path);
    }

    void Script(QDialog& dialog) {
        ++dialogs_;
        if (auto* editor = dynamic_cast<TEditorForm*>(&dialog)) return EditorScript(*editor);
        if (auto* options = dynamic_cast<TOptionenDialog*>(&dialog)) return OptionsScript(*options);
        if (auto* replay = dynamic_cast<TEinzelSchritt*>(&dialog)) return ReplayScript(*replay);
        if (auto* exportDialog = dynamic_cast<TExportDialog*>(&dialog)) return ExportScript(*exportDialog);
        dialog.reject();
    }

    void EditorScript(TEditorForm& editor) {
        QStringList lines = editor.Memo->toPlainText().split(QLatin1Char('\n'));
        const int edits = random_.Between(0, 4);
        const MonkeyNames names = CollectNames(form_->Document->Parser().Objects);
        for (int i = 0; i < edits; ++i) {
            const int at = random_.Below(static_cast<int>(lines.size()) + 1);
            switch (random_.Below(5)) {
                case 0:
                    if (at < lines.size()) lines.removeAt(at);
                    break;
                case 1:
                    if (at < lines.size() && lines.size() > 1)
                        lines.swapItemsAt(at, random_.Below(static_cast<int>(lines.size())));
                    break;
                case 2:
                    lines.clear();
                    break;
                default:
                    lines.insert(at, Cp1252ToQString(MonkeyLine(random_, names)));
            }
        }
        QString text = lines.join(random_.Percent(90) ? QStringLiteral("\n") : QStringLiteral("\r\n"));
        if (random_.Percent(20)) text += QLatin1Char('\n');
        editor.Memo->setPlainText(text);
        const bool ok = random_.Percent(70);
        Note(std::string("  editor ") + std::to_string(edits) + " changes, " + (ok ? "OK" : "Abbrechen"));
        (ok ? editor.OKBtn : editor.CancelBtn)->click();
    }

    void OptionsScript(TOptionenDialog& options) {
        const int changes = random_.Between(0, 6);
        for (int i = 0; i < changes; ++i) {
            switch (random_.Below(12)) {
                case 0:
                    options.ToolbarBtn->click();
                    break;
                case 1:
                    (random_.Percent(50) ? options.StatusBtn : options.DialogBtn)->click();
                    break;
                case 2:
                    options.Button1->click();
                    break;
                case 3:
                    random_.Percent(50) ? options.SpinEdit1->stepUp() : options.SpinEdit1->stepDown();
                    break;
                case 4:
                    options.AutoSkalBtn->click();
                    break;
                case 5:
                    options.FixedSkalBtn->click();
                    break;
                case 6:
                case 7: {
                    QLineEdit* fields[] = {options.xmin, options.xmax, options.ymin, options.ymax};
                    QLineEdit* field = fields[random_.Below(4)];
                    if (!field->isEnabled()) break;
                    const char* odd[] = {"0.0", "0.5", "abc", "", "1e400", "-1e300", "3,5"};
                    field->setText(random_.Percent(60) ? QString::number(random_.Between(-40, 40))
                                                       : QString::fromUtf8(odd[random_.Below(7)]));
                    break;
                }
                case 8:
                    options.TabSet->setCurrentIndex(random_.Below(3));
                    break;
                case 9:
                    (random_.Percent(50) ? options.RBfarbig : options.RBschwarzweiss)->click();
                    break;
                case 10:
                    (random_.Percent(50) ? options.RBauto : options.RBmasstab)->click();
                    break;
                default: {
                    QCheckBox* boxes[] = {options.CBRahmen, options.Listing, options.CBdoppelt};
                    boxes[random_.Below(3)]->click();
                }
            }
        }
        const bool ok = random_.Percent(65);
        Note(std::string("  options ") + std::to_string(changes) + " changes, " + (ok ? "OK" : "Abbruch"));
        (ok ? options.OKBtn : options.CancelBtn)->click();
    }

    void ReplayScript(TEinzelSchritt& replay) {
        const int steps = random_.Between(0, 8);
        Note("  replay " + std::to_string(steps) + " moves");
        for (int i = 0; i < steps && replay.isVisible(); ++i) {
            switch (random_.Below(6)) {
                case 0:
                    replay.GoButtonClick();
                    break;
                case 1:
                    replay.Timer1Timer();
                    break;
                case 2:
                    replay.VeloBar->setValue(
                        random_.Between(replay.VeloBar->minimum(), replay.VeloBar->maximum()));
                    break;
                default:
                    replay.SchrittButtonClick();
            }
            // The replay starts on an empty drawing area, axes or not, and draws what its steps make; the
            // whole picture comes back at its end.
            Check("during the replay", false);
        }
        if (replay.isVisible() && random_.Percent(60)) replay.CancelButtonClick();
    }

    void ExportScript(TExportDialog& options) {
        QRadioButton* const choices[] = {options.PngScreenBtn,   options.PngTrueScaleBtn,
                                         options.PdfFitBtn,      options.PdfTrueScaleBtn,
                                         options.TikzNaturalBtn, options.TikzWidthBtn};
        for (int i = random_.Below(3); i > 0; --i) {
            QRadioButton* choice = choices[random_.Below(static_cast<int>(std::size(choices)))];
            if (choice->isEnabled()) choice->click();
        }
        if (random_.Percent(40)) options.PngFactor->setValue(random_.Between(1, 4));
        const bool ok = random_.Percent(75);
        Note(std::string("  export options, ") + (ok ? "OK" : "Abbrechen"));
        (ok ? options.OKBtn : options.CancelBtn)->click();
    }

    void SendMouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, p, form_->PaintBox->mapToGlobal(p), button, buttons, modifiers);
        QApplication::sendEvent(form_->PaintBox, &event);
    }

    QPoint RandomPlace() {
        return QPoint(random_.Below(std::max(1, form_->PaintBox->width())),
                      random_.Below(std::max(1, form_->PaintBox->height())));
    }

    // A place on a point now and then, so that moves find descriptions and presses find points.
    QPoint PlaceNearAPoint() {
        const TObjList& objects = form_->Document->Parser().Objects;
        if (objects.Count() == 0 || random_.Percent(25)) return RandomPlace();
        const TPunkt* object = objects.Item(random_.Below(objects.Count()));
        return QPoint(ToScreenX(object->GetX()) + random_.Between(-2, 2),
                      ToScreenY(object->GetY()) + random_.Between(-2, 2));
    }

    void MoveMouse() {
        const QPoint p = PlaceNearAPoint();
        const bool press = random_.Percent(30);
        Note("mouse " + std::string(press ? "click" : "move") + " at " + std::to_string(p.x()) + "," +
             std::to_string(p.y()));
        SendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
        if (press) {
            SendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
            SendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        }
    }

    void DragPoint() {
        QPoint p = PlaceNearAPoint();
        const int moves = random_.Between(1, 6);
        Note("drag from " + std::to_string(p.x()) + "," + std::to_string(p.y()) + ", " +
             std::to_string(moves) + " moves");
        SendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        if (form_->Document->LiveEditing()) ++grabs_;
        for (int i = 0; i < moves && failure_.empty(); ++i) {
            p += QPoint(random_.Between(-60, 60), random_.Between(-60, 60));
            const Qt::KeyboardModifiers modifiers = random_.Percent(20) ? Qt::ShiftModifier : Qt::NoModifier;
            SendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, modifiers);
            Check("during a drag");
        }
        if (random_.Percent(20)) {
            Note("  Escape");
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(form_->PaintBox, &escape);
        }
        SendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }

    void StepNumber() {
        const int rows = form_->Document->LineCount();
        if (rows == 0) return;
        const int row = random_.Below(rows);
        const QModelIndex index = form_->ListBox->model()->index(row, 0);
        form_->ListBox->scrollTo(index);
        if (random_.Percent(50)) {
            const QRect rect = form_->ListBox->visualRect(index);
            const QPoint p(rect.left() + random_.Below(std::max(1, rect.width())), rect.center().y());
            const int delta = random_.Percent(50) ? 120 : -120;
            Note("Ctrl+wheel " + std::to_string(delta) + " on row " + std::to_string(row + 1) + " at x " +
                 std::to_string(p.x()));
            QWheelEvent wheel(p, form_->ListBox->viewport()->mapToGlobal(p), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(form_->ListBox->viewport(), &wheel);
            return;
        }
        form_->ListBox->setCurrentIndex(index);
        static const Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Up};
        const Qt::Key key = kArrows[random_.Below(5)];
        Note("Alt+arrow " + std::to_string(key - Qt::Key_Left) + " on row " + std::to_string(row + 1));
        QKeyEvent press(QEvent::KeyPress, key, Qt::AltModifier);
        QApplication::sendEvent(form_->ListBox, &press);
    }

    void Resize() {
        const QSize size(random_.Between(250, 1100), random_.Between(200, 850));
        Note("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
        form_->resize(size);
        QApplication::processEvents();
    }

    void Close() {
        Note("close");
        form_->close();
        if (!form_->isVisible()) {
            Note("  closed; shown again");
            Show();
        }
    }

    const std::uint64_t seed_;
    const bool verbose_;
    QTemporaryDir dir_;
    MonkeyRandom random_;
    MonkeyServices services_;
    std::unique_ptr<TMainForm> form_;
    std::vector<QAction*> menuActions_;
    std::map<QString, std::vector<std::string>> written_;
    std::deque<std::string> log_;
    std::string failure_;
    int index_ = 0;
    long typed_ = 0;
    long accepted_ = 0;
    long grabs_ = 0;
    long dialogs_ = 0;
    long prints_ = 0;
};

std::optional<long long> Number(const char* text) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < 0) return std::nullopt;
    return value;
}

int Usage() {
    std::fprintf(stderr, "usage: test_monkey [--seed N] [--actions K] [--seconds S]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::optional<long long> seed, actions, seconds;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::optional<long long> value = Number(argv[++i]);
        if (!value) return Usage();
        if (option == "--seed")
            seed = value;
        else if (option == "--actions")
            actions = value;
        else if (option == "--seconds")
            seconds = value;
        else
            return Usage();
    }
    const bool replay = seed && actions;
    std::uint64_t next =
        seed ? static_cast<std::uint64_t>(*seed)
             : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) %
                   1000000000ULL;
    const long long limit = seconds ? *seconds : (seed ? 0 : 5);
    std::printf("test_monkey: seeds from %llu, %lld s\n", static_cast<unsigned long long>(next), limit);
    std::fflush(stdout);

    Totals totals;
    QElapsedTimer clock;
    clock.start();
    do {
        const DrawStateGuard keep;
        const std::uint64_t roundSeed = next++;
        Monkey monkey(roundSeed, replay);
        const std::string failure =
            monkey.Run(replay ? static_cast<int>(*actions) : kActionsPerRound, totals);
        ++totals.rounds;
        if (!failure.empty()) {
            std::printf("test_monkey: FAILED at seed %llu, action %d: %s\nlast actions:\n",
                        static_cast<unsigned long long>(roundSeed), monkey.Index(), failure.c_str());
            for (const std::string& line : monkey.Log())
                std::printf("  %s\n", line.c_str());
            std::printf("replay: test_monkey --seed %llu --actions %d\n",
                        static_cast<unsigned long long>(roundSeed), monkey.Index() + 1);
            return 1;
        }
    } while (!replay && clock.elapsed() < limit * 1000);
    std::printf(
        "test_monkey: %ld rounds, %ld actions, %ld lines typed (%ld accepted), %ld error boxes, %ld files "
        "written, %ld points dragged, %ld dialogs driven, %ld prints, %.1f s: no invariant broken\n",
        totals.rounds, totals.actions, totals.typed, totals.accepted, totals.errorBoxes, totals.saves,
        totals.grabs, totals.dialogs, totals.prints, static_cast<double>(clock.elapsed()) / 1000.0);
    return 0;
}
